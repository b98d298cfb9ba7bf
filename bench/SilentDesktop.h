#pragma once

#include "app/Desktop.h"

// A benchmark must never wait for a person: any dialog is answered at once
// (and counted, so a benchmark can tell that none was shown).
class SilentDesktop : public Desktop {
  public:
    int runDialog(QDialog&) override {
        ++dialogs;
        return 0;
    }
    bool openUrl(const QUrl&) override { return true; }
    int dialogs = 0;
};
