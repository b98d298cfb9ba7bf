#pragma once

class QDialog;
class QUrl;

// What the window asks of the desktop: running a modal dialog (message boxes,
// file and print dialogs) and handing a document or web address to the
// desktop's default program. Tests put a scripted desktop in its place.
class Desktop {
  public:
    virtual ~Desktop() = default;
    // Runs the dialog modally and returns its result (QDialog::Accepted, a
    // QMessageBox button, ...).
    virtual int runDialog(QDialog& dialog);
    // False when the desktop has no program to open it with.
    virtual bool openUrl(const QUrl& url);
};
