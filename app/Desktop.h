#pragma once

#include <QString>
#include <memory>

class QDialog;
class QSettings;
class QUrl;

// What the window asks of the desktop: running a modal dialog (message boxes,
// file and print dialogs), handing a document or web address to the
// desktop's default program, and the places where the user's settings and
// the program's own files live. Tests put a scripted desktop in its place.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Runs the dialog modally and returns its result (QDialog::Accepted, a
    // QMessageBox button, ...).
    virtual int runDialog(QDialog& dialog);
    // False when the desktop has no program to open it with.
    virtual bool openUrl(const QUrl& url);
    // The user's settings of this program, where the desktop keeps them
    // (~/.config/hydrocalc/hydrocalc.conf).
    virtual std::unique_ptr<QSettings> settings();
    // The folder for files the program keeps for itself, such as the copy of
    // an unsaved results log; may not exist yet.
    virtual QString dataFolder();
    // The folder where the user keeps documents (~/Documents); may be empty.
    virtual QString documentsFolder();
};
