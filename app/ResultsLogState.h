#pragma once

#include <QString>

// The log's file state, kept by the main window: whether the log has been
// saved through "Save as..." since the last erase, and under which name.
struct ResultsLogState {
    bool hasFile = false;
    QString fileName;
};
