#include "app/ResultsLogPage.h"

#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

#include "app/About.h"
#include "app/Desktop.h"
#include "app/FileWriting.h"
#include "app/LogPrinter.h"
#include "app/MessageButtons.h"
#include "app/ResultsLogState.h"
#include "app/RtfWriter.h"
#include "app/SystemError.h"
#include "ui/HandlerGuard.h"

namespace {

constexpr int kMargin = 8;
constexpr int kButtonTop = 4;
constexpr int kButtonHeight = 32;
constexpr int kButtonWidth = 105;  // wide enough for the captions in the usual fonts
constexpr int kButtonGap = 6;
constexpr int kLogTop = kButtonTop + kButtonHeight + 6;
constexpr int kLogWidth = 833;
constexpr int kLogHeight = 361;

bool isRtfName(const QString& fileName) {
    return fileName.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive);
}

}  // namespace

ResultsLogPage::ResultsLogPage(ResultsLogState& state, Desktop& desktop, FailureRoute& failures,
                               QWidget* parent)
    : QWidget(parent), state_(state), desktop_(desktop), failures_(failures) {
    setObjectName(QStringLiteral("tbInfo"));

    int left = kMargin;
    auto* saveAs = addButton("BitBtn2", tr("Save as..."),
                             QStringLiteral(":/program/glyphs/save-as.svg"), left);
    left = saveAs->geometry().right() + 1 + kButtonGap;
    auto* save =
        addButton("BitBtn1", tr("Save"), QStringLiteral(":/program/glyphs/save.svg"), left);
    left = save->geometry().right() + 1 + kButtonGap;
    auto* erase =
        addButton("btnClear", tr("Erase text"), QStringLiteral(":/program/glyphs/erase.svg"), left);
    left = erase->geometry().right() + 1 + kButtonGap;
    auto* print =
        addButton("BitBtn6", tr("Print"), QStringLiteral(":/program/glyphs/print.svg"), left);

    log_ = new QTextEdit(this);
    log_->setObjectName(QStringLiteral("RichEdit1"));
    log_->setAcceptRichText(true);
    log_->setReadOnly(false);
    log_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Reports are tables of blank-padded columns; only a fixed pitch keeps them aligned.
    // The desktop's fixed font is asked for by its hints as well as by name:
    // on some desktops the family it names resolves to a proportional face.
    QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setFamilies({QStringLiteral("DejaVu Sans Mono"), fixed.family()});
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setFixedPitch(true);
    log_->setFont(fixed);
    log_->setGeometry(kMargin, kLogTop, kLogWidth, kLogHeight);

    setMinimumSize(kMargin * 2 + kLogWidth, kLogTop + kLogHeight + kMargin);

    connectGuarded(saveAs, &QPushButton::clicked, this, failures_,
                   [this](bool) { BitBtn2Click(); });
    connectGuarded(save, &QPushButton::clicked, this, failures_, [this](bool) { BitBtn1Click(); });
    connectGuarded(erase, &QPushButton::clicked, this, failures_,
                   [this](bool) { btnClearClick(); });
    connectGuarded(print, &QPushButton::clicked, this, failures_, [this](bool) { BitBtn6Click(); });
}

QPushButton* ResultsLogPage::addButton(const char* objectName, const QString& caption,
                                       const QString& glyph, int left) {
    auto* button = new QPushButton(QIcon(glyph), caption, this);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setIconSize(QSize(20, 20));
    // Fonts differ between desktops: never narrower than the caption needs.
    const int width = std::max(kButtonWidth, button->sizeHint().width());
    const int height = std::max(kButtonHeight, button->sizeHint().height());
    button->setGeometry(left, kButtonTop, width, height);
    return button;
}

void ResultsLogPage::appendReport(const ReportLines& lines) {
    QString report;
    for (const std::string& line : lines) {
        report += QString::fromStdString(line);
        report += QChar(u'\n');
    }
    appendText(report);
}

void ResultsLogPage::appendRestored(const QString& text) {
    appendText(text.endsWith(QChar(u'\n')) ? text : text + QChar(u'\n'));
}

void ResultsLogPage::appendText(const QString& report) {
    // Each report starts on a line of its own and ends with one blank line;
    // the text is inserted as plain text, so a "<" in a report stays a "<".
    QTextCursor cursor(log_->document());
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    if (!log_->document()->isEmpty()) {
        cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    }
    cursor.insertText(report, QTextCharFormat());
    cursor.endEditBlock();

    log_->moveCursor(QTextCursor::End);
    // The caret sits on the blank separator line; the scroll bar's end also
    // shows the document margin below it.
    log_->verticalScrollBar()->setValue(log_->verticalScrollBar()->maximum());
}

QString ResultsLogPage::lastLineStartingWith(const QStringList& starts) const {
    for (QTextBlock block = log_->document()->lastBlock(); block.isValid();
         block = block.previous()) {
        const QString line = block.text();
        for (const QString& start : starts) {
            if (line.startsWith(start)) {
                return line;
            }
        }
    }
    return {};
}

QString ResultsLogPage::text() const {
    return log_->toPlainText();
}

bool ResultsLogPage::hasUnsavedWork() const {
    return log_->document()->isModified() && !log_->document()->isEmpty();
}

bool ResultsLogPage::BitBtn2Click() {
    QFileDialog dialog(this, tr("Snimi proracune kao.."));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The translations keep each filter's pattern, which the dialog reads.
    const QString rtfFilter = tr("Rich text (*.rtf)");
    dialog.setNameFilters({tr("Tekst fajl (*.txt)"), rtfFilter});
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    if (!state_.fileName.isEmpty()) {
        dialog.selectFile(state_.fileName);
    } else if (!state_.lastFolder.isEmpty()) {
        dialog.setDirectory(state_.lastFolder);
    } else {
        // Until a log has been saved somewhere: where the user keeps
        // documents, not wherever the program happened to be started from.
        const QString documents = desktop_.documentsFolder();
        if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
            dialog.setDirectory(documents);
        }
    }
    QFileDialog* dialogPtr = &dialog;
    connectGuarded(&dialog, &QFileDialog::filterSelected, this, failures_,
                   [dialogPtr, rtfFilter](const QString& filter) {
                       dialogPtr->setDefaultSuffix(filter == rtfFilter ? QStringLiteral("rtf")
                                                                       : QStringLiteral("txt"));
                   });

    if (desktop_.runDialog(dialog) != QDialog::Accepted) {
        return false;
    }
    const QString fileName = dialog.selectedFiles().value(0);
    if (fileName.isEmpty()) {
        return false;
    }
    writeLogFile(fileName);
    // Only a file that was really written becomes the target of "Save".
    state_.fileName = fileName;
    state_.hasFile = true;
    return true;
}

bool ResultsLogPage::BitBtn1Click() {
    if (state_.hasFile) {
        writeLogFile(state_.fileName);
        return true;
    }
    return BitBtn2Click();
}

void ResultsLogPage::btnClearClick() {
    if (hasUnsavedWork()) {
        QMessageBox question(QMessageBox::Question, tr("Results log"),
                             tr("The results log holds calculations that were never "
                                "saved.\n\nSave them before erasing?"),
                             QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
        nameStandardButtons(question);
        question.setInformativeText(tr("After Discard, Ctrl+Z in the log brings the text back."));
        const int answer = desktop_.runDialog(question);
        if (answer == QMessageBox::Save) {
            // A cancelled save keeps the text; a failed one throws before the erase.
            if (!BitBtn1Click()) {
                return;
            }
        } else if (answer != QMessageBox::Discard) {
            return;
        }
    }
    // Removed as one edit, not cleared: Ctrl+Z and the log's own Undo bring
    // the text back.
    QTextCursor cursor(log_->document());
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    state_.hasFile = false;
    // Where Ctrl+Z takes the erase back.
    log_->setFocus();
}

void ResultsLogPage::BitBtn6Click() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (desktop_.runDialog(dialog) != QDialog::Accepted) {
        return;
    }
    const QString jobName = tr("Hydraulic calculator - values");
    printer.setDocName(jobName);

    // A long log takes seconds: the user sees how far it is and may stop it.
    QProgressDialog progress(tr("Printing the results log..."), tr("Cancel"), 0, 1000, this);
    progress.setWindowTitle(jobName);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setMinimumWidth(360);  // room for the job name in the caption
    LogPrinter pages(tr("%1 \u2013 results log").arg(shownProgramTitle()),
                     QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                     log_->font());
    const LogPrinter::Outcome outcome =
        pages.print(*log_->document(), printer, [&progress](int permille) {
            progress.setValue(permille);
            return !progress.wasCanceled();
        });
    progress.reset();
    if (outcome == LogPrinter::Outcome::Failed) {
        throw SystemError(tr("Printing \"%1\" failed").arg(jobName).toStdString(),
                          tr("The printer or the print file could not be written.").toStdString());
    }
}

void ResultsLogPage::writeLogFile(const QString& fileName) {
    const QByteArray content = isRtfName(fileName) ? rtfFromPlainText(text()) : text().toUtf8();

    // The content goes to a temporary file that replaces the old one only
    // once it is complete, so a failure never leaves half a log behind.
    if (const QString failure = saveWhole(fileName, content); !failure.isEmpty()) {
        throw SystemError(tr("Cannot save the results to %1").arg(fileName).toStdString(),
                          failure.toStdString());
    }
    log_->document()->setModified(false);
    state_.lastFolder = QFileInfo(fileName).absolutePath();
}
