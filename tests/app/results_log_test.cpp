#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/FileWriting.h"
#include "app/ResultsLogPage.h"
#include "app/ResultsLogState.h"
#include "app/SystemError.h"
#include "tests/support/ScriptedDesktop.h"
#include "ui/HandlerGuard.h"

namespace {

struct RecordingRoute : FailureRoute {
    void reportFailure(const std::exception& failure) override {
        messages.emplace_back(failure.what());
        const auto* systemError = dynamic_cast<const SystemError*>(&failure);
        systemTexts.push_back(systemError != nullptr ? systemError->systemText() : std::string());
    }
    void reportUnknownFailure() override { ++unknown; }

    std::vector<std::string> messages;
    std::vector<std::string> systemTexts;
    int unknown = 0;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ResultsLogTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QPushButton* button(const char* name) {
        return page.findChild<QPushButton*>(QString::fromLatin1(name));
    }
    void click(const char* name) {
        QPushButton* target = button(name);
        ASSERT_NE(target, nullptr) << name;
        QTest::mouseClick(target, Qt::LeftButton);
    }
    // The next save dialog gets this name typed in, optionally after the user
    // picked the rich-text filter, and is accepted.
    void answerSave(const QString& path, bool pickRtfFilter = false) {
        desktop.queue([path, pickRtfFilter](QDialog& dialog) {
            auto& files = static_cast<QFileDialog&>(dialog);
            if (pickRtfFilter) {
                const QString rtf = files.nameFilters().value(1);
                files.selectNameFilter(rtf);
                emit files.filterSelected(rtf);
            }
            files.selectFile(path);
            return int(QDialog::Accepted);
        });
    }
    int dialogsShown() const { return static_cast<int>(desktop.shown.size()); }

    QTemporaryDir dir;
    ResultsLogState state;
    ScriptedDesktop desktop;
    RecordingRoute route;
    ResultsLogPage page{state, desktop, route};
};

TEST_F(ResultsLogTest, PageLayoutKeepsCaptionsWholeAndTheLogBelowTheButtons) {
    EXPECT_EQ(page.objectName(), "tbInfo");
    const std::vector<std::pair<const char*, QString>> expected{{"BitBtn2", "Save as..."},
                                                                {"BitBtn1", "Save"},
                                                                {"btnClear", "Erase text"},
                                                                {"BitBtn6", "Print"}};
    int previousRight = -1;
    for (const auto& [name, caption] : expected) {
        QPushButton* b = button(name);
        ASSERT_NE(b, nullptr) << name;
        EXPECT_EQ(b->text(), caption);
        EXPECT_GE(b->width(), b->sizeHint().width()) << name;
        EXPECT_GT(b->x(), previousRight) << name;
        previousRight = b->geometry().right();
        EXPECT_LT(b->geometry().bottom(), page.log()->y()) << name;
    }
    QTextEdit* log = page.findChild<QTextEdit*>("RichEdit1");
    ASSERT_EQ(log, page.log());
    EXPECT_EQ(log->size(), QSize(833, 361));
    EXPECT_LE(log->geometry().right(), 867);
    EXPECT_LE(log->geometry().bottom(), 410);
    EXPECT_LE(previousRight, 867);
    EXPECT_FALSE(log->isReadOnly());
    EXPECT_TRUE(log->acceptRichText());
    EXPECT_EQ(log->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(QFontInfo(log->font()).fixedPitch());
}

TEST_F(ResultsLogTest, EachReportIsOneAdditionEndedByABlankLine) {
    page.appendReport({" ---  PUMP  --- ", "p = 100.000 <bar>"});
    EXPECT_EQ(page.text(), " ---  PUMP  --- \np = 100.000 <bar>\n");
    page.appendReport({"second"});
    EXPECT_EQ(page.text(), " ---  PUMP  --- \np = 100.000 <bar>\n\nsecond\n");

    // One addition: a single undo takes the whole second report away.
    page.log()->undo();
    EXPECT_EQ(page.text(), " ---  PUMP  --- \np = 100.000 <bar>\n");
}

TEST_F(ResultsLogTest, SaveOnAFreshLogAsksAndLaterSavesGoToTheSameFileSilently) {
    const QString path = dir.filePath("results.txt");
    page.appendReport({"first"});
    desktop.queue([&](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        EXPECT_EQ(files.acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(files.testOption(QFileDialog::DontUseNativeDialog));
        EXPECT_EQ(files.nameFilters(), QStringList({"Tekst fajl (*.txt)", "Rich text (*.rtf)"}));
        EXPECT_EQ(files.defaultSuffix(), "txt");
        files.selectFile(path);
        return int(QDialog::Accepted);
    });
    click("BitBtn1");
    ASSERT_EQ(dialogsShown(), 1);
    EXPECT_EQ(desktop.shown[0].className, "QFileDialog");
    EXPECT_EQ(desktop.shown[0].title, "Snimi proracune kao..");
    EXPECT_TRUE(state.hasFile);
    EXPECT_EQ(state.fileName, path);
    EXPECT_EQ(readAll(path), "first\n");

    page.appendReport({"second"});
    click("BitBtn1");
    EXPECT_EQ(dialogsShown(), 1);
    EXPECT_EQ(readAll(path), "first\n\nsecond\n");
    EXPECT_TRUE(route.messages.empty());
}

TEST_F(ResultsLogTest, EraseEmptiesTheLogAndMakesSaveAskAgain) {
    page.appendReport({"old"});
    answerSave(dir.filePath("a.txt"));
    click("BitBtn2");
    ASSERT_TRUE(state.hasFile);

    click("btnClear");
    EXPECT_EQ(page.text(), "");
    EXPECT_FALSE(state.hasFile);

    page.appendReport({"new"});
    answerSave(dir.filePath("b.txt"));
    click("BitBtn1");
    EXPECT_EQ(dialogsShown(), 2);
    EXPECT_EQ(readAll(dir.filePath("b.txt")), "new\n");
    EXPECT_EQ(readAll(dir.filePath("a.txt")), "old\n");
}

TEST_F(ResultsLogTest, EraseAsksFirstWhenTheLogHoldsUnsavedWork) {
    struct Case {
        const char* name;
        std::vector<std::function<int(QDialog&)>> answers;
        QString textAfter;
        bool savedFirst;
    };
    auto button = [](QMessageBox::StandardButton b) { return [b](QDialog&) { return int(b); }; };
    const QString path = dir.filePath("kept.txt");
    const Case cases[] = {
        {"cancel", {button(QMessageBox::Cancel)}, "unsaved\n", false},
        {"save cancelled", {button(QMessageBox::Save)}, "unsaved\n", false},
        {"save",
         {button(QMessageBox::Save),
          [path](QDialog& d) {
              static_cast<QFileDialog&>(d).selectFile(path);
              return int(QDialog::Accepted);
          }},
         "",
         true},
        {"discard", {button(QMessageBox::Discard)}, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        state = {};
        desktop.shown.clear();
        page.log()->clear();
        page.appendReport({"unsaved"});
        for (const auto& a : c.answers) {
            desktop.queue(a);
        }
        click("btnClear");
        ASSERT_GE(dialogsShown(), 1);
        EXPECT_EQ(desktop.shown[0].className, "QMessageBox");
        EXPECT_TRUE(desktop.shown[0].text.contains("never saved"));
        EXPECT_EQ(page.text(), c.textAfter);
        EXPECT_EQ(readAll(path), c.savedFirst ? "unsaved\n" : "");
    }
    // Saved and unchanged since: erased without a question.
    desktop.shown.clear();
    page.appendReport({"saved"});
    answerSave(path);
    click("BitBtn2");
    click("btnClear");
    EXPECT_EQ(dialogsShown(), 1);  // the save dialog only
    EXPECT_EQ(page.text(), "");
    EXPECT_TRUE(route.messages.empty());
}

TEST_F(ResultsLogTest, AnEraseCanBeUndoneInTheLog) {
    page.appendReport({"first"});
    page.appendReport({"second"});
    const QString before = page.text();
    // Ctrl+Z in the log, and Undo of its context menu, bring the text back.
    const std::function<void()> undos[] = {
        [&] { QTest::keyClick(page.log(), Qt::Key_Z, Qt::ControlModifier); },
        [&] {
            std::unique_ptr<QMenu> menu(page.log()->createStandardContextMenu());
            menu->actions().value(0)->trigger();  // "Undo", first in the menu
        },
    };
    for (const auto& undo : undos) {
        desktop.queue([](QDialog&) { return int(QMessageBox::Discard); });
        click("btnClear");
        ASSERT_EQ(page.text(), "");
        EXPECT_FALSE(page.hasUnsavedWork());
        undo();
        EXPECT_EQ(page.text(), before);
        EXPECT_TRUE(page.hasUnsavedWork());  // back as it was
    }
}

TEST_F(ResultsLogTest, CancellingTheSaveDialogChangesNothing) {
    const QString path = dir.filePath("kept.txt");
    page.appendReport({"kept"});
    answerSave(path);
    click("BitBtn2");
    page.appendReport({"unsaved"});

    click("BitBtn2");  // no queued answer: the dialog is cancelled
    EXPECT_EQ(dialogsShown(), 2);
    EXPECT_TRUE(state.hasFile);
    EXPECT_EQ(state.fileName, path);
    EXPECT_EQ(readAll(path), "kept\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"kept.txt"}));
}

TEST_F(ResultsLogTest, TheFileNameDecidesBetweenPlainTextAndRtf) {
    page.appendReport({"a {b} \\c", "p = 5 bar"});

    answerSave(dir.filePath("log.rtf"));
    click("BitBtn2");
    const QByteArray rtf = readAll(dir.filePath("log.rtf"));
    EXPECT_TRUE(rtf.startsWith("{\\rtf1")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("a \\{b\\} \\\\c\\par")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("p = 5 bar\\par")) << rtf.constData();

    // Typed without an extension: the filter the user picked supplies it.
    answerSave(dir.filePath("picked"), true);
    click("BitBtn2");
    EXPECT_EQ(state.fileName, dir.filePath("picked.rtf"));
    EXPECT_EQ(readAll(dir.filePath("picked.rtf")), rtf);

    answerSave(dir.filePath("plain"));
    click("BitBtn2");
    EXPECT_EQ(state.fileName, dir.filePath("plain.txt"));
    EXPECT_EQ(readAll(dir.filePath("plain.txt")), "a {b} \\c\np = 5 bar\n");
}

TEST_F(ResultsLogTest, AFailedWriteIsReportedAndLeavesTheFileStateAlone) {
    const QString good = dir.filePath("good.txt");
    page.appendReport({"report"});
    answerSave(good);
    click("BitBtn2");
    ASSERT_TRUE(route.messages.empty());

    const QString unreachable = dir.filePath("no-such-folder/log.txt");
    answerSave(unreachable);
    click("BitBtn2");
    ASSERT_EQ(route.messages.size(), 1u);
    EXPECT_NE(route.messages[0].find(unreachable.toStdString()), std::string::npos);
    EXPECT_FALSE(route.systemTexts[0].empty());
    EXPECT_TRUE(state.hasFile);
    EXPECT_EQ(state.fileName, good);

    // "Save" still goes to the last file that was really written.
    page.appendReport({"more"});
    click("BitBtn1");
    EXPECT_EQ(readAll(good), "report\n\nmore\n");

    // A remembered file whose folder has gone away fails the same way.
    state.fileName = unreachable;
    click("BitBtn1");
    EXPECT_EQ(route.messages.size(), 2u);
    EXPECT_EQ(state.fileName, unreachable);
    EXPECT_TRUE(state.hasFile);
}

TEST(WholeFileWrites, AFullDiskIsNamedWhetherTheWriteIsBufferedOrNot) {
    // /dev/full takes every write and fails it with "no space".
    const struct {
        const char* name;
        QIODevice::OpenMode mode;
        qsizetype size;
    } cases[] = {
        {"buffered: fails at the flush", QIODevice::WriteOnly, 3},
        {"beyond the buffer", QIODevice::WriteOnly, 1 << 20},
        {"unbuffered: fails at the write", QIODevice::WriteOnly | QIODevice::Unbuffered, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile full(QStringLiteral("/dev/full"));
        ASSERT_TRUE(full.open(c.mode));
        EXPECT_EQ(writeWhole(full, QByteArray(c.size, 'x')), "No space left on device");
    }
}

TEST_F(ResultsLogTest, PrintingToAPdfFileWritesTheNamedDocument) {
    const QString pdf = dir.filePath("log.pdf");
    page.appendReport({"printed report"});
    desktop.queue([&](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return int(QDialog::Accepted);
    });
    click("BitBtn6");
    ASSERT_EQ(dialogsShown(), 1);
    EXPECT_EQ(desktop.shown[0].className, "QPrintDialog");
    EXPECT_TRUE(route.messages.empty());

    const QByteArray content = readAll(pdf);
    ASSERT_TRUE(content.startsWith("%PDF")) << content.left(16).constData();
    // The PDF's info dictionary carries the job name as UTF-16.
    const QString title = "Hydraulic calculator - values";
    QByteArray utf16;
    for (const QChar ch : title) {
        utf16.append(char(ch.unicode() >> 8)).append(char(ch.unicode() & 0xff));
    }
    EXPECT_TRUE(content.contains(utf16));
}

TEST_F(ResultsLogTest, CancelledOrFailedPrintingIsHandled) {
    page.appendReport({"report"});
    click("BitBtn6");  // cancelled
    EXPECT_TRUE(route.messages.empty());

    desktop.queue([&](QDialog& dialog) {
        QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(dir.filePath("no-such-folder/log.pdf"));
        return int(QDialog::Accepted);
    });
    click("BitBtn6");
    ASSERT_EQ(route.messages.size(), 1u);
    EXPECT_NE(route.messages[0].find("Hydraulic calculator - values"), std::string::npos);
    EXPECT_FALSE(route.systemTexts[0].empty());
    EXPECT_EQ(page.text(), "report\n");
}

}  // namespace
