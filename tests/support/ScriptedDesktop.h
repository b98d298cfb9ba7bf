#pragma once

#include <QString>
#include <QUrl>
#include <deque>
#include <functional>
#include <vector>

#include "app/Desktop.h"

class QDialog;

// A desktop for tests: records every dialog and every opened address instead
// of showing or opening anything. A test queues answers for the dialogs it
// expects; a dialog with no queued answer is a message box answered "OK", or
// any other dialog cancelled.
class ScriptedDesktop : public Desktop {
  public:
    struct Shown {
        QString className;  // "QMessageBox", "QFileDialog", "QPrintDialog", ...
        QString title;
        QString text;  // a message box's text
    };

    int runDialog(QDialog& dialog) override;
    bool openUrl(const QUrl& url) override;

    // The next dialog is handed to this answer, which returns its result.
    void queue(std::function<int(QDialog&)> answer) { answers_.push_back(std::move(answer)); }

    std::vector<Shown> shown;
    std::vector<QUrl> opened;
    // What openUrl answers: false plays a desktop without a browser.
    bool canOpen = true;

  private:
    std::deque<std::function<int(QDialog&)>> answers_;
};
