#include <QAction>
#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextEdit>
#include <map>

#include "app/DesignSession.h"
#include "pages/CircuitPage.h"
#include "pages/LinePage.h"
#include "pages/SystemPage.h"
#include "pages/ValvePage.h"
#include "tests/support/MainWindowFixture.h"

namespace {

// The window as the program starts it: only the page in front is made.
class PageMakingTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        buildEveryPage = false;
        open({});
    }
    bool made(int tab) { return window->pageBuilt(tab); }
};

TEST_F(PageMakingTest, OnlyThePageInFrontIsMadeAtTheStart) {
    // A first start: the pump page in front.
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentIndex(), 0);
    for (int tab = 0; tab < 7; ++tab) {
        EXPECT_EQ(made(tab), tab == 0) << tab;
    }
    EXPECT_EQ(window->findChild<SystemPage*>(), nullptr);
    EXPECT_EQ(window->findChild<QTextEdit*>("RichEdit1"), nullptr);
    EXPECT_EQ(text("edNiM"), "0.96");  // the pump page, started
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(PageMakingTest, ChoosingATabMakesItsPageStartedInItsTab) {
    struct Case {
        const char* tab;
        int index;
        const char* field;  // a field its start-up fills
        const char* text;
    };
    for (const Case& c : {Case{"tdHidromotor", 1, "edHMNiMeh", "0.96"},
                          Case{"tsHidrocilinder", 2, "lblHCSmer", "Load direction: Push"},
                          Case{"tsLokalni", 4, "edVENTIL_Pul", "1"}}) {
        showPage(c.tab);
        ASSERT_TRUE(made(c.index)) << c.tab;
        QWidget* control = child<QWidget>(c.field);
        EXPECT_TRUE(control->isVisible()) << c.tab;
        const auto* label = qobject_cast<QLabel*>(control);
        EXPECT_EQ(label ? label->text() : text(c.field), c.text) << c.tab;
    }
    EXPECT_FALSE(made(3));
    EXPECT_FALSE(made(5));
    EXPECT_FALSE(made(6));
}

TEST_F(PageMakingTest, PagesMadeLaterGetTheirLinks) {
    // The pump's flow, changed before the circuit is made, is the circuit's
    // from its start, and later changes follow.
    showPage("tsPumpa");
    setFieldText(field("edQ"), QStringLiteral("42.00"));
    showPage("tbProst");
    EXPECT_EQ(text("edQ_prost"), "42.00");
    setFieldText(field("edQ"), QStringLiteral("43.00"));
    EXPECT_EQ(text("edQ_prost"), "43.00");

    // A line calculated before the valve page is made sets its flow range.
    showPage("tsUsputni");
    auto* flowOption = child<QGroupBox>("USRadio")->findChildren<QRadioButton*>().at(1);
    QTest::mouseClick(flowOption, Qt::LeftButton, {}, QPoint(6, flowOption->height() / 2));
    typeAndLeave("edUSd", "10");
    typeAndLeave("edUSl", "2");
    typeAndLeave("edUS", "30.5");
    ASSERT_FALSE(made(4));
    QTest::mouseClick(child<QPushButton>("BitBtn5"), Qt::LeftButton);
    ASSERT_TRUE(made(4));
    EXPECT_EQ(child<QSlider>("tbVENTIL_Q")->maximum(), 31);
    // Its report made the log, headed by the session's first lines.
    EXPECT_TRUE(child<QTextEdit>("RichEdit1")->toPlainText().contains("Re"));
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(PageMakingTest, APageMadeInALargerWindowTakesTheWindowsScale) {
    window->resize(2 * TfrmKalvorMain::kClientWidth, 2 * TfrmKalvorMain::kClientHeight);
    QApplication::processEvents();
    showPage("tsLokalni");
    // The valve diagram, placed at 390, 4 and 469 by 342 for the default size.
    EXPECT_EQ(child<QWidget>("PaintBox1")->geometry(), QRect(780, 8, 938, 684));
}

TEST_F(PageMakingTest, ThePictureInFrontIsDrawnRightAfterTheWindowsFirstPainting) {
    window.reset();
    auto scripted = std::make_unique<ScriptedDesktop>();
    desktop = scripted.get();
    window = std::make_unique<TfrmKalvorMain>(nullptr, std::move(scripted));
    window->pictures().setSearchDirs({QStringLiteral(HYDROCALC_BUILD_APP_DIR)});
    window->show();
    // Started at once, drawn once the window is up.
    EXPECT_EQ(text("edNiM"), "0.96");
    EXPECT_TRUE(child<QLabel>("Image1")->pixmap().isNull());
    EXPECT_TRUE(QTest::qWaitFor([this] { return !child<QLabel>("Image1")->pixmap().isNull(); }));
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(PageMakingTest, ABundleWithoutAPictureIsReportedWhenItsPageIsMade) {
    // The bundle holds the pump's picture, in front, and not the motor's.
    buildEveryPage = false;
    open({QStringLiteral(HYDROCALC_TEST_DATA_DIR "/incomplete")});
    EXPECT_TRUE(desktop->shown.empty());
    showPage("tdHidromotor");
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text, "ERROR: Aplication start");
    EXPECT_EQ(desktop->shown[0].title, "Resource 2022 not found");
    // Started before its pictures were asked for.
    EXPECT_EQ(text("edHMNiMeh"), "0.96");
}

TEST_F(PageMakingTest, TheLogMadeAtTheFirstReportStartsWithTheHeadingAndTheFluid) {
    window->beginSession();
    ASSERT_EQ(window->findChild<QTextEdit*>("RichEdit1"), nullptr);
    window->appendToLog({" pump report"});
    const QStringList lines = child<QTextEdit>("RichEdit1")->toPlainText().split('\n');
    ASSERT_GE(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(" ===== ")) << lines[0].toStdString();
    EXPECT_TRUE(lines[2].startsWith(" Working fluid: ")) << lines[2].toStdString();
    EXPECT_EQ(lines[3], " pump report");
}

// Designs hold every page, made or not.
class LazyDesignTest : public PageMakingTest {
  protected:
    void save(const QString& path) {
        desktop->queue([path](QDialog& dialog) {
            static_cast<QFileDialog&>(dialog).selectFile(path);
            return int(QDialog::Accepted);
        });
        child<QAction>("actSaveDesignAs")->trigger();
        ASSERT_FALSE(window->design().modified());
    }
    QTemporaryDir folder;
};

TEST_F(LazyDesignTest, ADesignSavedWithOnePageMadeOpensWithEveryPageAsSaved) {
    showPage("tdHidromotor");
    typeAndLeave("edHMp", "120");
    const QString pressure = text("edHMp");
    ASSERT_FALSE(made(2));
    const QString file = folder.filePath("two pages.hcalc");
    save(file);
    const DesignDocument saved = window->design().capture();
    // Every page is in it, the system page's five calculators each on its own.
    EXPECT_EQ(saved.pages.size(), 12u);

    open({});
    ASSERT_FALSE(made(1));
    ASSERT_TRUE(window->openDesignFile(file));
    EXPECT_EQ(text("edHMp"), pressure);
    EXPECT_EQ(window->design().capture(), saved);
    EXPECT_FALSE(window->design().modified());
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(LazyDesignTest, APageMadeLaterIsNoChangeAndStartsNewDesignsAsAtTheStart) {
    // The circuit made after the pump's flow was given copies it, without
    // a change to the design; a new design then gives both their start.
    setFieldText(field("edQ"), QStringLiteral("42.00"));
    save(folder.filePath("pump.hcalc"));
    showPage("tbProst");
    ASSERT_EQ(text("edQ_prost"), "42.00");
    EXPECT_FALSE(window->design().modified());
    child<QAction>("actNewDesign")->trigger();
    EXPECT_NE(text("edQ"), "42.00");
    EXPECT_EQ(text("edQ_prost"), text("edQ"));
}

}  // namespace

namespace {

// Every caption and choice a page shows, in widget order; figures left out,
// as a page started in a unit system starts from that system's round
// figures, not from the metric ones converted.
QStringList shownTexts(QWidget* page) {
    QStringList texts;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        const auto* edit = qobject_cast<QLineEdit*>(widget);
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const QString shown = edit     ? edit->text()
                              : label  ? label->text()
                              : button ? button->text()
                                       : QString();
        bool number = false;
        shown.toDouble(&number);
        if (number) {
            continue;
        }
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            texts << widget->objectName() + '=' + label->text();
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            texts << widget->objectName() + '=' + edit->text();
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            texts << widget->objectName() + '=' + button->text();
        }
    }
    return texts;
}

}  // namespace

TEST_F(PageMakingTest, APageMadeAfterAUnitSwitchShowsWhatAPageSwitchedInPlaceShows) {
    constexpr int kUsItem = 1;
    const char* const pages[] = {"tsLokalni", "tsUsputni", "tbProst", "tsHidrocilinder",
                                 "tsSystem"};
    // Switched while only the pump page is made; the others made afterwards.
    child<QComboBox>("cbUnits")->setCurrentIndex(kUsItem);
    std::map<std::string, QStringList> madeLater;
    for (const char* page : pages) {
        showPage(page);
        madeLater[page] = shownTexts(child<QWidget>(page));
    }
    // Every page made in metric units, then switched in place.
    buildEveryPage = true;
    open({});
    std::map<std::string, QStringList> metric;
    for (const char* page : pages) {
        metric[page] = shownTexts(child<QWidget>(page));
    }
    child<QComboBox>("cbUnits")->setCurrentIndex(kUsItem);
    for (const char* page : pages) {
        SCOPED_TRACE(page);
        showPage(page);
        const QStringList switched = shownTexts(child<QWidget>(page));
        EXPECT_EQ(madeLater[page], switched);
        EXPECT_NE(metric[page], switched);  // the page does show other units
    }
}
