#pragma once

#include <QString>
#include <QTemporaryDir>
#include <QUrl>
#include <deque>
#include <functional>
#include <vector>

#include "app/Desktop.h"

class QDialog;

// A desktop for tests: records every dialog and every opened address instead
// of showing or opening anything. A test queues answers for the dialogs it
// expects; a dialog with no queued answer is a message box answered "OK", or
// any other dialog cancelled. Settings and the program's own files live in a
// folder of this desktop's own, empty at first, so a window starts as it
// does for a new user and the developer's files are never touched.
class ScriptedDesktop : public Desktop {
  public:
    struct Shown {
        QString className;  // "QMessageBox", "QFileDialog", "QPrintDialog", ...
        QString title;
        QString text;    // a message box's text
        QString detail;  // its informative text
    };

    ScriptedDesktop();

    int runDialog(QDialog& dialog) override;
    bool openUrl(const QUrl& url) override;
    std::unique_ptr<QSettings> settings() override;
    QString dataFolder() override;
    // HOME/Documents, which a test makes when it wants it to exist.
    QString documentsFolder() override;

    // The next dialog is handed to this answer, which returns its result.
    void queue(std::function<int(QDialog&)> answer) { answers_.push_back(std::move(answer)); }

    std::vector<Shown> shown;
    std::vector<QUrl> opened;
    // What openUrl answers: false plays a desktop without a browser.
    bool canOpen = true;
    // Holds the settings file and the data folder; a test that plays two runs
    // of the program gives both desktops the same home.
    QString home;

  private:
    QTemporaryDir ownHome_;
    std::deque<std::function<int(QDialog&)>> answers_;
};
