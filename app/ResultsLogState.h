#pragma once

#include <QString>

// The log's file state, kept by the main window: whether the log has been
// saved through "Save as..." since the last erase, under which name, and the
// folder the last log went to, where the next "Save as..." starts.
struct ResultsLogState {
    bool hasFile = false;
    QString fileName;
    QString lastFolder;
};
