#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include "model/ReportLines.h"

class Desktop;
class FailureRoute;
class QPushButton;
class QTextEdit;
struct ResultsLogState;

// The "Result's" page: the log the calculator pages append their reports to,
// with saving, printing and erasing. The has-a-file flag and the file name
// belong to the main window; the page only reads and updates them.
class ResultsLogPage : public QWidget {
    Q_OBJECT

  public:
    ResultsLogPage(ResultsLogState& state, Desktop& desktop, FailureRoute& failures,
                   QWidget* parent = nullptr);

    // Adds the report at the end of the log as one addition, followed by one
    // blank line that keeps consecutive reports apart, and shows the end.
    void appendReport(const ReportLines& lines);

    // Puts a log kept from an earlier run at the end, as one addition that
    // counts as unsaved work.
    void appendRestored(const QString& text);

    QTextEdit* log() const { return log_; }
    QString text() const;
    // The last line of the log that starts with one of the texts; empty
    // when there is none.
    QString lastLineStartingWith(const QStringList& starts) const;
    // The log holds text that no save has written since it changed.
    bool hasUnsavedWork() const;

    // Save as: asks for a file name and writes the log there. False when the
    // user cancelled.
    bool BitBtn2Click();
    // Save: writes to the file of the last "Save as..." without asking.
    bool BitBtn1Click();
    // Erase text: empties the log; the next "Save" asks for a name again.
    // Unsaved work is first offered to be saved (Save / Discard / Cancel);
    // the erase itself can be undone in the log.
    void btnClearClick();
    // Print: the whole log on the printer the user picks.
    void BitBtn6Click();

  private:
    void appendText(const QString& text);
    QPushButton* addButton(const char* objectName, const QString& caption, const QString& glyph,
                           int left);
    // Writes the log to fileName: RTF for a ".rtf" name, plain text otherwise.
    // Throws SystemError and leaves any existing file untouched on failure.
    void writeLogFile(const QString& fileName);

    ResultsLogState& state_;
    Desktop& desktop_;
    FailureRoute& failures_;
    QTextEdit* log_ = nullptr;
};
