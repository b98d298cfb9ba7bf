#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <stdexcept>

#include "app/SystemError.h"
#include "pages/CylinderPage.h"
#include "pages/PumpPage.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/ClickableLabel.h"
#include "ui/DataFiles.h"
#include "ui/HandlerGuard.h"
#include "ui/UpDown.h"

namespace {

using MainWindowTest = MainWindowFixture;

TEST_F(MainWindowTest, EightPagesInTabOrderAndTheWorkingFluidPanel) {
    auto* pages = child<QTabWidget>("PageControl1");
    ASSERT_EQ(pages->count(), 8);
    const QStringList names{"tsPumpa",   "tdHidromotor", "tsHidrocilinder", "tsUsputni",
                            "tsLokalni", "tbProst",      "tsSystem",        "tbInfo"};
    const QStringList captions{"Pump",
                               "Hydro motor",
                               "Hydro Cylinder",
                               "Pipe pressure drop",
                               "Valve pressure drop",
                               "Simple pipeline",
                               "System",
                               "Result's"};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(pages->widget(i)->objectName(), names[i]);
        EXPECT_EQ(pages->tabText(i), captions[i]);
    }
    EXPECT_EQ(child<QGroupBox>("GroupBox1")->title(), "Working fluid");
    EXPECT_EQ(text("Edit1"), "840");
    EXPECT_EQ(text("Edit2"), "12");
    EXPECT_EQ(text("cmbUlje"), "");
    EXPECT_TRUE(child<QCheckBox>("chBelezi")->isChecked());
    EXPECT_EQ(child<QToolButton>("spdHelp")->toolTip(), "Help me ..");
    EXPECT_EQ(child<QLabel>("StaticText1")->toolTip(), "The manual's About section");
}

TEST_F(MainWindowTest, UpDownsStepWithinTheirRangesFromTheTypedNumber) {
    auto* density = child<UpDown>("UpDown2");
    density->stepUp();
    EXPECT_EQ(text("Edit1"), "842");
    // The range reaches the water glycols' density.
    child<QLineEdit>("Edit1")->setText("1098");
    density->stepUp();
    density->stepUp();
    EXPECT_EQ(text("Edit1"), "1100");
    // A text that is no number steps from the last position.
    child<QLineEdit>("Edit1")->setText("heavy");
    density->stepDown();
    EXPECT_EQ(text("Edit1"), "1098");
    auto* viscosity = child<UpDown>("UpDown1");
    for (int i = 0; i < 6; ++i) {
        viscosity->stepDown();
    }
    EXPECT_EQ(text("Edit2"), "1");
}

TEST_F(MainWindowTest, AFailureEscapingAHandlerEndsInTheApplicationWideMessage) {
    runGuarded(*window, [] { throw std::runtime_error("Floating point division by zero"); });
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].className, "QMessageBox");
    EXPECT_EQ(desktop->shown[0].title, "FATAL ERROR:: Floating point division by zero");
    EXPECT_EQ(desktop->shown[0].text, "Floating point division by zero");

    // The caption is cut at 255 characters; the text keeps the whole message.
    const std::string longMessage(400, 'x');
    runGuarded(*window, [&] { throw std::runtime_error(longMessage); });
    EXPECT_EQ(desktop->shown[1].title.size(), 255);
    EXPECT_TRUE(desktop->shown[1].title.startsWith("FATAL ERROR:: xxx"));
    EXPECT_EQ(desktop->shown[1].text.size(), 400);

    // A failed system call adds the system's own text; nothing else does.
    runGuarded(*window,
               [] { throw SystemError("Cannot write log.txt", "No space left on device"); });
    EXPECT_EQ(desktop->shown[2].text, "Cannot write log.txt\nNo space left on device");

    runGuarded(*window, [] { throw 42; });
    EXPECT_EQ(desktop->shown[3].title, "FATAL ERROR:: ");
}

TEST_F(MainWindowTest, HelpOpensTheManualFromTheWorkingDirectory) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));

    QTest::mouseClick(child<QToolButton>("spdHelp"), Qt::LeftButton);
    // No manual here, beside the test or installed: the user is told where
    // the program looked.
    const bool installed = QFile::exists(QStringLiteral(HYDROCALC_DATA_DIR "/HCHelp.html"));
    if (!installed) {
        EXPECT_TRUE(desktop->opened.empty());
        ASSERT_EQ(desktop->shown.size(), 1u);
        EXPECT_EQ(desktop->shown[0].title, "Help");
        EXPECT_TRUE(desktop->shown[0].text.startsWith("The manual HCHelp.html was not found"));
        desktop->shown.clear();
    }

    QFile manual(folder.filePath("HCHelp.html"));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.write("<html></html>");
    manual.close();
    desktop->opened.clear();
    QTest::mouseClick(child<QToolButton>("spdHelp"), Qt::LeftButton);
    ASSERT_EQ(desktop->opened.size(), 1u);
    EXPECT_EQ(desktop->opened[0], QUrl::fromLocalFile(folder.filePath("HCHelp.html")));
    EXPECT_TRUE(desktop->shown.empty());

    // A desktop with no program for it: the message names the file.
    desktop->canOpen = false;
    QTest::mouseClick(child<QToolButton>("spdHelp"), Qt::LeftButton);
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_TRUE(desktop->shown[0].text.contains(folder.filePath("HCHelp.html")))
        << desktop->shown[0].text.toStdString();
    QDir::setCurrent(previous);
}

TEST(DataFiles, WorkingDirectoryFirstThenBesideTheProgramThenTheDataFolder) {
    const QStringList candidates = dataFileCandidates("Check Valve.dat", "valves");
    ASSERT_GE(candidates.size(), 3);
    EXPECT_EQ(candidates[0], QDir::current().filePath("Check Valve.dat"));
    EXPECT_EQ(candidates[1], QCoreApplication::applicationDirPath() + "/valves/Check Valve.dat");
    EXPECT_EQ(candidates[2], QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                             "/../share/hydrocalc/valves/Check Valve.dat"));
    EXPECT_TRUE(findDataFile("no such file.dat", "valves").isEmpty());
}

// The manual built beside the program, as the installed program finds it.
class ManualBesideTheProgram : public MainWindowFixture {
  protected:
    void SetUp() override {
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(QStringLiteral(HYDROCALC_BUILD_APP_DIR)));
        MainWindowFixture::SetUp();
    }
    void TearDown() override { QDir::setCurrent(previous); }

    // The manual has a section of that id.
    static bool hasSection(const QString& id) {
        QFile manual(QStringLiteral(HYDROCALC_BUILD_APP_DIR "/HCHelp.html"));
        return manual.open(QIODevice::ReadOnly) &&
               manual.readAll().contains(QStringLiteral("id=\"%1\"").arg(id).toUtf8());
    }

    QString previous;
};

TEST_F(ManualBesideTheProgram, F1OpensTheManualAtTheSectionOfThePageInFront) {
    const std::pair<const char*, QString> pages[] = {
        {"tsPumpa", "pump"},   {"tdHidromotor", "motor"}, {"tsHidrocilinder", "cylinder"},
        {"tsUsputni", "pipe"}, {"tsLokalni", "valve"},    {"tbProst", "circuit"},
        {"tbInfo", "log"},
    };
    for (const auto& [page, section] : pages) {
        showPage(page);
        desktop->opened.clear();
        QTest::keyClick(child<QWidget>(page), Qt::Key_F1);
        ASSERT_EQ(desktop->opened.size(), 1u) << page;
        EXPECT_EQ(desktop->opened[0].fileName(), "HCHelp.html");
        EXPECT_EQ(desktop->opened[0].fragment(), section) << page;
        EXPECT_TRUE(hasSection(section)) << section.toStdString();
    }
    // In the working-fluid panel F1 is about the panel.
    desktop->opened.clear();
    child<QWidget>("edTemperatura")->setFocus();
    QTest::keyClick(child<QWidget>("edTemperatura"), Qt::Key_F1);
    ASSERT_EQ(desktop->opened.size(), 1u);
    EXPECT_EQ(desktop->opened[0].fragment(), "fluid");
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(ManualBesideTheProgram, WithoutAnAddressTheLinkOpensTheManualsAbout) {
    auto* link = child<ClickableLabel>("StaticText1");
    EXPECT_TRUE(link->text().startsWith("About")) << link->text().toStdString();
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(desktop->opened.size(), 1u);
    EXPECT_TRUE(desktop->opened[0].isLocalFile());
    EXPECT_EQ(desktop->opened[0].fragment(), "about");
    EXPECT_TRUE(hasSection("about"));
}

TEST_F(MainWindowTest, WithAnAddressTheLinkOpensTheWebPageOnEveryClick) {
    const QString page = QStringLiteral("https://hydrocalc.example.org/index.html");
    window->setProjectPage(page);
    auto* link = child<ClickableLabel>("StaticText1");
    EXPECT_EQ(link->text(), "hydrocalc.example.org");
    EXPECT_EQ(link->toolTip(), "Go to Internet page");
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(desktop->opened.size(), 2u);
    EXPECT_EQ(desktop->opened[0].toString(), page);
    EXPECT_EQ(desktop->opened[0], desktop->opened[1]);
    EXPECT_TRUE(desktop->shown.empty());

    // No browser: the message names the address so the user can open it.
    desktop->canOpen = false;
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_TRUE(desktop->shown[0].text.contains(page));
}

// A desktop whose web request fails with an exception.
class FailingDesktop : public ScriptedDesktop {
  public:
    bool openUrl(const QUrl&) override { throw std::runtime_error("no browser"); }
};

TEST(MainWindowLink, AFailingRequestShowsTheConnectionMessage) {
    auto failing = std::make_unique<FailingDesktop>();
    FailingDesktop* desktop = failing.get();
    TfrmKalvorMain window(nullptr, std::move(failing));
    window.setProjectPage(QStringLiteral("https://hydrocalc.example.org/index.html"));
    window.StaticText1Click();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "COULDN'T ESTABLISH CONNECTION");
    EXPECT_EQ(desktop->shown[0].text, "INNET CONNECITON ERROR");
}

// Without a window manager (a virtual display) a window may never be
// activated; its first showing starts the pages all the same, once.
TEST(MainWindowStartUp, TheFirstShowingStartsThePagesWithoutAnActivation) {
    auto scripted = std::make_unique<ScriptedDesktop>();
    TfrmKalvorMain window(nullptr, std::move(scripted));
    window.pictures().setSearchDirs({});
    EXPECT_FALSE(window.activated());
    window.show();
    EXPECT_TRUE(window.activated());
    // Pages made after the showing start as they are made.
    EXPECT_EQ(window.page<PumpPage>().findChild<QLineEdit*>("edNiM")->text(), "0.96");
    EXPECT_EQ(window.page<CylinderPage>().findChild<QLabel*>("lblHCNi")->text(), "0.99");
    EXPECT_EQ(window.findChild<QLabel*>("lblHCSmer")->text(), "Load direction: Push");
    window.findChild<QLineEdit*>("edV")->setText("50");
    window.hide();
    window.show();
    EXPECT_EQ(window.findChild<QLineEdit*>("edV")->text(), "50");
}

TEST_F(MainWindowTest, ExitClosesTheWindow) {
    QTest::mouseClick(child<QPushButton>("btnExit"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
