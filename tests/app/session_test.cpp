// What lasts beyond one run of the program: the question before unsaved work
// is closed away, the copy of the log that survives a crash, the settings,
// and the heading a run puts before its first report.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include "app/LogRecovery.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/ProgramRun.h"

namespace {

QStringList copiesIn(const QString& home) {
    return QDir(home + QStringLiteral("/data/recovery"))
        .entryList({QStringLiteral("*.log")}, QDir::Files);
}

auto answer(QMessageBox::StandardButton button) {
    return [button](QDialog&) { return int(button); };
}

auto saveTo(const QString& path) {
    return [path](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(path);
        return int(QDialog::Accepted);
    };
}

class SessionTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(home.isValid()); }
    QTemporaryDir home;
};

TEST(Closing, WithUnsavedWorkItAsksAndOnlyASaveThatWroteTheLogCloses) {
    struct Case {
        const char* name;
        std::vector<std::function<int(QDialog&)>> answers;
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {"save", {answer(QMessageBox::Save), saveTo("log.txt")}, true, true},
        {"save cancelled", {answer(QMessageBox::Save)}, false, false},
        {"save failed", {answer(QMessageBox::Save), saveTo("gone/log.txt")}, false, false},
        {"discard", {answer(QMessageBox::Discard)}, true, false},
        {"cancel", {answer(QMessageBox::Cancel)}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A home of its own: a window left open leaves its copy behind.
        QTemporaryDir home;
        const QString previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(home.path()));
        ProgramRun run(home.path());
        run.start();
        run.window->appendToLog({"pump report"});
        QTest::qWait(0);  // the copy is written once the event loop turns
        for (const auto& a : c.answers) {
            run.desktop->queue(a);
        }
        QTest::mouseClick(run.child<QPushButton>("btnExit"), Qt::LeftButton);
        QDir::setCurrent(previous);
        EXPECT_EQ(run.window->isVisible(), !c.closes);
        ASSERT_GE(run.desktop->shown.size(), 1u);
        EXPECT_EQ(run.desktop->shown[0].title, "Results log");
        EXPECT_TRUE(run.desktop->shown[0].text.contains("never saved"));
        EXPECT_EQ(QFile::exists(home.filePath("log.txt")), c.saved);
        // A closed program leaves no copy; an open one keeps its copy.
        EXPECT_EQ(copiesIn(home.path()).size(), c.closes ? 0 : 1);
    }

    // Saved, and nothing changed since: no question.
    QTemporaryDir home;
    ProgramRun run(home.path());
    run.start();
    run.window->appendToLog({"pump report"});
    run.desktop->queue(saveTo(home.filePath("log.txt")));
    QTest::mouseClick(run.child<QPushButton>("BitBtn1"), Qt::LeftButton);
    run.window->close();
    EXPECT_FALSE(run.window->isVisible());
    EXPECT_EQ(run.desktop->shown.size(), 1u);  // the save dialog only
}

TEST_F(SessionTest, ALogLeftByAKilledProgramIsOfferedAtTheNextStart) {
    QProcess killed;
    killed.start(QStringLiteral(HYDROCALC_LOGGING_SESSION),
                 {home.path(), QStringLiteral("PUMP  Q = 42.00 l/min")});
    ASSERT_TRUE(killed.waitForReadyRead(20000)) << killed.readAllStandardError().toStdString();
    ASSERT_EQ(killed.readAllStandardOutput().trimmed(), "logged");
    killed.kill();
    ASSERT_TRUE(killed.waitForFinished(5000));

    ProgramRun next(home.path());
    next.desktop->queue(answer(QMessageBox::Yes));
    next.start();
    ASSERT_EQ(next.desktop->shown.size(), 1u);
    EXPECT_EQ(next.desktop->shown[0].title, "Results log");
    EXPECT_TRUE(next.log().contains("PUMP  Q = 42.00 l/min")) << next.log().toStdString();
    EXPECT_EQ(next.child<QTabWidget>("PageControl1")->currentWidget()->objectName(), "tbInfo");
    // The killed run's copy has become this run's own.
    QTest::qWait(0);
    EXPECT_EQ(copiesIn(home.path()).size(), 1u);

    // A program that is still running is no crash: a second one asks nothing.
    ProgramRun second(home.path());
    second.start();
    EXPECT_TRUE(second.desktop->shown.empty());
    EXPECT_TRUE(second.log().isEmpty());

    // The restored log is unsaved work: discarded at a clean exit, its copy goes.
    next.desktop->queue(answer(QMessageBox::Discard));
    next.window->close();
    EXPECT_FALSE(next.window->isVisible());
    EXPECT_TRUE(copiesIn(home.path()).isEmpty());
}

TEST_F(SessionTest, AnOfferedLogIsRestoredOnYesDeletedOnNoAndKeptWhenTheQuestionIsClosed) {
    struct Case {
        const char* name;
        QMessageBox::StandardButton button;
        bool restored;
        bool keptForLater;
    };
    const Case cases[] = {
        {"yes", QMessageBox::Yes, true, false},
        {"no", QMessageBox::No, false, false},
        {"closed", QMessageBox::Ok, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // A copy whose lock went with its program.
        ASSERT_TRUE(QDir().mkpath(home.filePath("data/recovery")));
        QFile left(home.filePath("data/recovery/log-left.log"));
        ASSERT_TRUE(left.open(QIODevice::WriteOnly));
        left.write("motor report\n");
        left.close();

        ProgramRun run(home.path());
        run.desktop->queue(answer(c.button));
        run.start();
        EXPECT_EQ(run.desktop->shown.size(), 1u);
        EXPECT_EQ(run.log().contains("motor report"), c.restored);
        EXPECT_EQ(QFile::exists(left.fileName()), c.keptForLater);
        QFile::remove(left.fileName());
    }
}

TEST_F(SessionTest, ALogThatCannotBeKeptOnDiskIsSaidOnce) {
    // The data folder is a file: no copy can be made there.
    QFile blocker(home.filePath("data"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProgramRun run(home.path());
    run.start();
    run.window->appendToLog({"first"});
    QTest::qWait(0);
    run.window->appendToLog({"second"});
    QTest::qWait(0);
    ASSERT_EQ(run.desktop->shown.size(), 1u);
    EXPECT_TRUE(run.desktop->shown[0].text.startsWith("The results log cannot be kept safe"));
}

TEST_F(SessionTest, TheFirstReportOfARunComesAfterAHeadingWithTheWorkingFluid) {
    ProgramRun run(home.path());
    run.start();
    auto* fluids = run.child<QComboBox>("cmbUlje");
    fluids->setCurrentIndex(fluids->findText("HLP 46"));
    emit fluids->activated(fluids->currentIndex());
    run.window->appendToLog({"pump report"});

    const QStringList lines = run.log().split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^ ===== Hydraulic calculator \\d+\\.\\d+, "
                                                  "\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d =====$"))
                    .match(lines[0])
                    .hasMatch())
        << lines[0].toStdString();
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(lines[2], " Working fluid: HLP 46 at 40 \u00B0C, 862 kg/m3, 46.0 mm2/s");
    EXPECT_EQ(lines[3], "pump report");
    run.window->appendToLog({"motor report"});
    EXPECT_EQ(run.log().count("====="), 2);  // one heading a run
    EXPECT_EQ(run.log().count("Working fluid"), 1);
}

TEST_F(SessionTest, SettingsComeBackAtTheNextStart) {
    const QString logs = home.filePath("logs");
    ASSERT_TRUE(QDir().mkpath(logs));
    {
        ProgramRun first(home.path());
        first.start();
        first.child<QCheckBox>("chBelezi")->setChecked(false);
        auto* fluids = first.child<QComboBox>("cmbUlje");
        fluids->setCurrentIndex(fluids->findText("HLP 46"));
        emit fluids->activated(fluids->currentIndex());
        first.child<QLineEdit>("edTemperatura")->setText("60");
        emit first.child<QLineEdit>("edTemperatura")->editingFinished();
        first.child<QTabWidget>("PageControl1")->setCurrentIndex(3);
        first.window->move(120, 90);
        first.window->appendToLog({"report"});
        first.desktop->queue(saveTo(logs + "/a.txt"));
        QTest::mouseClick(first.child<QPushButton>("BitBtn2"), Qt::LeftButton);
        first.window->close();
        ASSERT_FALSE(first.window->isVisible());
    }
    ProgramRun second(home.path());
    second.start();
    EXPECT_EQ(second.child<QComboBox>("cmbUlje")->currentText(), "HLP 46");
    EXPECT_EQ(second.child<QLineEdit>("edTemperatura")->text(), "60");
    EXPECT_EQ(second.child<QLineEdit>("Edit1")->text(), "850");
    EXPECT_EQ(second.child<QLineEdit>("Edit2")->text(), "20.6");
    EXPECT_FALSE(second.child<QCheckBox>("chBelezi")->isChecked());
    EXPECT_EQ(second.child<QTabWidget>("PageControl1")->currentIndex(), 3);
    EXPECT_EQ(second.window->pos(), QPoint(120, 90));
    // "Save as..." starts where the last log went.
    QString startFolder;
    second.desktop->queue([&](QDialog& dialog) {
        startFolder = static_cast<QFileDialog&>(dialog).directory().absolutePath();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(second.child<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(startFolder, logs);

    // Typed figures of a user-defined fluid come back as typed.
    second.child<QLineEdit>("Edit1")->setText("1013");
    emit second.child<QLineEdit>("Edit1")->textEdited("1013");
    second.window->close();
    ProgramRun third(home.path());
    EXPECT_EQ(third.child<QComboBox>("cmbUlje")->currentText(), "User defined");
    EXPECT_EQ(third.child<QLineEdit>("Edit1")->text(), "1013");
}

TEST_F(SessionTest, SettingsThatDoNotFitAreLeftAside) {
    {
        QSettings settings(home.filePath("hydrocalc.conf"), QSettings::IniFormat);
        settings.setValue("fluid/type", "Castor oil");
        settings.setValue("fluid/temperature", "hot");
        settings.setValue("fluid/density", "");
        settings.setValue("fluid/viscosity", "12,5,6");
        settings.setValue("window/tab", 12);
        settings.setValue("window/position", QPoint(40000, 40000));
        settings.setValue("log/folder", home.filePath("no-such-folder"));
    }
    ProgramRun run(home.path());
    run.start();
    EXPECT_EQ(run.child<QComboBox>("cmbUlje")->currentIndex(), -1);
    EXPECT_EQ(run.child<QLineEdit>("edTemperatura")->text(), "40");
    EXPECT_EQ(run.child<QLineEdit>("Edit1")->text(), "840");
    EXPECT_EQ(run.child<QLineEdit>("Edit2")->text(), "12");
    EXPECT_EQ(run.child<QTabWidget>("PageControl1")->currentIndex(), 0);
    EXPECT_EQ(run.window->pos(), QPoint(250, 133));
}

TEST_F(SessionTest, AFirstStartShowsThePumpPageAndSavesToTheDocumentsFolder) {
    const QString documents = home.filePath("Documents");
    ASSERT_TRUE(QDir().mkpath(documents));
    ProgramRun run(home.path());
    run.start();
    EXPECT_EQ(run.child<QTabWidget>("PageControl1")->currentWidget()->objectName(), "tsPumpa");
    run.window->appendToLog({"report"});
    QString startFolder;
    run.desktop->queue([&](QDialog& dialog) {
        startFolder = static_cast<QFileDialog&>(dialog).directory().absolutePath();
        return int(QDialog::Rejected);
    });
    QTest::mouseClick(run.child<QPushButton>("BitBtn2"), Qt::LeftButton);
    EXPECT_EQ(startFolder, documents);
}

QStringList leftoversIn(const QString& home) {
    return QDir(home + QStringLiteral("/data/recovery"))
        .entryList({QStringLiteral("*.lock"), QStringLiteral("*.joins")},
                   QDir::Files | QDir::Hidden);
}

void writeFile(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(content);
}

TEST_F(SessionTest, AKillDuringARestoreLeavesTheLogToRestoreOnce) {
    // What a run that restored log-old into its own copy log-new leaves
    // behind when it is killed between its steps.
    struct Case {
        const char* name;
        bool noteWritten;
        bool ownCopyWritten;
        bool oldCopyRemoved;
    };
    const Case cases[] = {
        {"before its own copy", true, false, false},
        {"before the old copy went", true, true, false},
        {"before its note went", true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir home;
        const QString folder = home.filePath("data/recovery");
        ASSERT_TRUE(QDir().mkpath(folder));
        if (!c.oldCopyRemoved) {
            writeFile(folder + "/log-old.log", "pump report\n");
        }
        if (c.noteWritten) {
            writeFile(folder + "/log-new.joins", "log-old");
        }
        if (c.ownCopyWritten) {
            writeFile(folder + "/log-new.log", "pump report\n");
        }

        ProgramRun next(home.path());
        next.desktop->queue(answer(QMessageBox::Yes));
        next.start();
        ASSERT_EQ(next.desktop->shown.size(), 1u);
        EXPECT_EQ(next.log().count("pump report"), 1) << next.log().toStdString();
        QTest::qWait(0);
        EXPECT_EQ(copiesIn(home.path()).size(), 1u);
        // This run's own lock only.
        EXPECT_EQ(leftoversIn(home.path()).size(), 1u)
            << leftoversIn(home.path()).join(' ').toStdString();
    }
}

TEST_F(SessionTest, RestoredCopiesStayUntilTheRestoredLogIsKept) {
    const QString folder = home.filePath("data/recovery");
    ASSERT_TRUE(QDir().mkpath(folder));
    writeFile(folder + "/log-old.log", "pump report\n");
    LogRecovery recovery(folder);
    ASSERT_EQ(recovery.claimOrphans(), "pump report\n");

    // The folder is away for a while: the restored log cannot be kept.
    ASSERT_TRUE(QDir().rename(folder, home.filePath("away")));
    writeFile(folder, "");
    EXPECT_FALSE(recovery.adoptOrphans("pump report\n").isEmpty());
    ASSERT_TRUE(QFile::remove(folder));
    ASSERT_TRUE(QDir().rename(home.filePath("away"), folder));
    EXPECT_TRUE(QFile::exists(folder + "/log-old.log"));

    // The next change is kept, and takes the old copy over.
    EXPECT_EQ(recovery.keep("pump report\nmotor report\n"), "");
    const QStringList copies = copiesIn(home.path());
    ASSERT_EQ(copies.size(), 1);
    EXPECT_NE(copies[0], "log-old.log");
    EXPECT_EQ(leftoversIn(home.path()).size(), 1);  // this copy's lock
}

TEST_F(SessionTest, NoLockOutlivesARunThatHeldNoCopy) {
    struct Case {
        const char* name;
        bool erasedBeforeTheKill;  // else: its copy removed by hand after the kill
    };
    const Case cases[] = {{"log erased, then killed", true}, {"killed, copy gone", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir home;
        QProcess killed;
        QStringList arguments{home.path(), QStringLiteral("PUMP")};
        if (c.erasedBeforeTheKill) {
            arguments << QStringLiteral("erase");
        }
        killed.start(QStringLiteral(HYDROCALC_LOGGING_SESSION), arguments);
        const QByteArray last = c.erasedBeforeTheKill ? "erased" : "logged";
        QByteArray said;
        while (!said.contains(last) && killed.waitForReadyRead(20000)) {
            said += killed.readAllStandardOutput();
        }
        ASSERT_TRUE(said.contains(last)) << killed.readAllStandardError().toStdString();
        killed.kill();
        ASSERT_TRUE(killed.waitForFinished(5000));
        if (c.erasedBeforeTheKill) {
            // Its log went empty, and its lock with its copy.
            EXPECT_TRUE(leftoversIn(home.path()).isEmpty());
        }
        for (const QString& copy : copiesIn(home.path())) {
            QFile::remove(home.filePath("data/recovery/" + copy));
        }

        ProgramRun next(home.path());
        next.start();
        EXPECT_TRUE(next.desktop->shown.empty());
        EXPECT_TRUE(leftoversIn(home.path()).isEmpty())
            << leftoversIn(home.path()).join(' ').toStdString();
    }
}

}  // namespace
