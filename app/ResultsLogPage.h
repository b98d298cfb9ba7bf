#pragma once

#include <QString>
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

    QTextEdit* log() const { return log_; }
    QString text() const;

    // Save as: asks for a file name and writes the log there.
    void BitBtn2Click();
    // Save: writes to the file of the last "Save as..." without asking.
    void BitBtn1Click();
    // Erase text: empties the log; the next "Save" asks for a name again.
    void btnClearClick();
    // Print: the whole log on the printer the user picks.
    void BitBtn6Click();

  private:
    QPushButton* addButton(const char* objectName, const QString& caption, const QString& glyph,
                           int left);
    // Writes the log to fileName: RTF for a ".rtf" name, plain text otherwise.
    // Throws SystemError and leaves any existing file untouched on failure.
    void writeLogFile(const QString& fileName) const;

    ResultsLogState& state_;
    Desktop& desktop_;
    FailureRoute& failures_;
    QTextEdit* log_ = nullptr;
};
