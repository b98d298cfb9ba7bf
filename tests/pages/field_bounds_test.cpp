#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>
#include <QToolTip>
#include <utility>
#include <vector>

#include "tests/support/MainWindowFixture.h"
#include "ui/DigitKeyFilter.h"

namespace {

// What the pages do with figures no engineer gives and texts that are no
// number, on every page of the window.
class FieldBoundsTest : public MainWindowFixture {
  protected:
    void selectMode(const char* group, int item) {
        const auto buttons = child<QGroupBox>(group)->findChildren<QRadioButton*>();
        ASSERT_GT(buttons.size(), item);
        QTest::mouseClick(buttons.at(item), Qt::LeftButton);
    }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }
    // The message's detail where it has one, its text otherwise.
    QString lastMessage() {
        const auto& shown = desktop->shown.back();
        return shown.detail.isEmpty() ? shown.text : shown.detail;
    }
    void paste(const char* name, const char* text) {
        QApplication::clipboard()->setText(QString::fromLatin1(text));
        type(name, QString());
        QTest::keyClick(field(name), Qt::Key_V, Qt::ControlModifier);
    }
    // No tip left from an earlier refusal.
    void hideTip() {
        QToolTip::hideText();
        for (int wait = 0; wait < 50 && !QToolTip::text().isEmpty(); ++wait) {
            QTest::qWait(20);
        }
    }
    bool isRed(const char* name) { return fieldColour(field(name)) == kRefusedFieldColour; }
};

TEST_F(FieldBoundsTest, AnAbsurdFigureIsNamedWithItsRangeOnEveryPage) {
    struct Case {
        const char* page;
        const char* modeGroup;  // nullptr: the page has no modes
        int item;
        std::vector<std::pair<const char*, const char*>> typed;
        const char* calculate;
        const char* title;
        const char* message;
        const char* red;
    };
    const std::vector<Case> cases{
        // A tenth of a bar would ask for a pump the size of a house.
        {"tsPumpa",
         "RadioGroup1",
         1,
         {{"edSnaga", "10"}, {"edp", "0.5"}, {"edN", "1500"}},
         "btnCalc",
         "ERROR DATA INPUT",
         "Pressure [bar]: 0.50 is out of range (allowed: 1 to 1000)",
         "edp"},
        // Each within its range, together beyond any drive: the speed of the
        // largest power at the least pressure through the smallest displacement.
        {"tsPumpa",
         "RadioGroup1",
         0,
         {{"edSnaga", "5000"}, {"edp", "1"}, {"edV", "0.1"}, {"edNiM", "0.3"}, {"edNiV", "0.3"}},
         "btnCalc",
         "ERROR DATA INPUT",
         "These figures together give a result beyond any drive (Invalid floating point "
         "operation): check the given values",
         nullptr},
        {"tdHidromotor",
         "RadioGroup2",
         6,
         {{"edHMp", "100"}, {"edHMQ", "60"}, {"edHMv", "1000000000"}},
         "btnHMCalc",
         "ERROR, HYDRO MOTOR DEFINITION ",
         "Displacement [cm3]: 1000000000.00 is out of range (allowed: 0.1 to 100000)",
         "edHMv"},
        {"tsHidrocilinder",
         "RadioGroup4",
         1,
         {{"edHCQ1", "50"}, {"edHCD1", "100"}, {"edHCD2", "50"}, {"edHCF", "99999999"}},
         "BitBtn3",
         "ERROR !!!",
         "Resistant Force [kN]: 99999999.00 is out of range (allowed: 0.001 to 100000)",
         "edHCF"},
        // A stroke and a mounting length of light years once read "L = INF".
        {"tsHidrocilinder",
         "RadioGroup4",
         0,
         {{"edHCPul", "100"},
          {"edHCQ1", "50"},
          {"edHCD1", "100"},
          {"edHCD2", "50"},
          {"edHCF", "1"},
          {"edHCStroke", "99999999"},
          {"edHCMountLength", "99999999"}},
         "BitBtn3",
         "Stroke and buckling",
         "Stroke [mm]: 99999999 is out of range (allowed: 1 to 50000)",
         "edHCStroke"},
        {"tsUsputni",
         nullptr,
         0,
         {{"edUSd", "5000"}, {"edUSl", "2"}, {"edUS", "2"}},
         "BitBtn5",
         "INPUT ERROR",
         "Diameter [mm]: 5000.00 is out of range (allowed: 0.5 to 2000)",
         "edUSd"},
        {"tsLokalni",
         nullptr,
         0,
         {{"edValveQ", "99999"}},
         "BitBtn10",
         "INPUT ERROR",
         "Flow [l/min]: 99999.00 is out of range (allowed: 0 to 10000)",
         "edValveQ"},
    };
    child<QCheckBox>("chBelezi")->setChecked(true);
    for (const Case& c : cases) {
        showPage(c.page);
        if (c.modeGroup != nullptr) {
            selectMode(c.modeGroup, c.item);
        }
        for (const auto& [name, typed] : c.typed) {
            typeAndLeave(name, QString::fromLatin1(typed));
        }
        desktop->shown.clear();
        click(c.calculate);
        ASSERT_EQ(desktop->shown.size(), 1u) << c.page << " " << c.message;
        EXPECT_EQ(desktop->shown[0].title, c.title) << c.page;
        EXPECT_EQ(lastMessage(), c.message) << c.page;
        if (c.red != nullptr) {
            EXPECT_TRUE(isRed(c.red)) << c.page << " " << c.red;
        }
        // Nothing is computed from it.
        EXPECT_EQ(log(), QString()) << c.page;
    }
}

TEST_F(FieldBoundsTest, PastedTextThatIsNoNumberIsRefusedWholeWithATip) {
    struct Case {
        const char* page;
        const char* field;
        const char* pasted;
        const char* kept;  // the field's text after the paste
        NumberForm tip;
    };
    const QString decimal = DigitKeyFilter::refusalTip(NumberForm::Decimal);
    const std::vector<Case> cases{
        {"tsPumpa", "edV", "12 cm3", "25.00", NumberForm::Decimal},
        {"tsPumpa", "edV", "abc", "25.00", NumberForm::Decimal},
        {"tsPumpa", "edV", "1e308", "25.00", NumberForm::Decimal},
        {"tsPumpa", "edV", "-28", "25.00", NumberForm::Decimal},
        {"tsPumpa", "edNiV", "0.9 %", "0.96", NumberForm::Decimal},
        {"tdHidromotor", "edHMn", "1.2.3", "700", NumberForm::Whole},
        {"tdHidromotor", "edHMn", "12.5", "700", NumberForm::Whole},
        {"tsHidrocilinder", "edHCD1", "1,2", "80", NumberForm::Whole},
    };
    showPage("tsPumpa");
    typeAndLeave("edV", "25");
    showPage("tdHidromotor");
    typeAndLeave("edHMn", "700");
    showPage("tsHidrocilinder");
    typeAndLeave("edHCD1", "80");
    for (const Case& c : cases) {
        showPage(c.page);
        hideTip();
        paste(c.field, c.pasted);
        EXPECT_EQ(text(c.field), c.kept) << c.field << " " << c.pasted;
        EXPECT_EQ(QToolTip::text(), DigitKeyFilter::refusalTip(c.tip))
            << c.field << " " << c.pasted;
        leave(c.field);
        EXPECT_FALSE(isRed(c.field)) << c.field;
    }
    EXPECT_TRUE(desktop->shown.empty());
    // A decimal comma is a number as the field takes it: no tip.
    showPage("tsPumpa");
    hideTip();
    paste("edNiV", "0,85");
    EXPECT_EQ(text("edNiV"), "0,85");
    EXPECT_EQ(QToolTip::text(), QString());
}

// A text a field can hold that is still no number (a separator alone) stays
// as the user left it, red, and is named with the quantity and its range:
// on leaving a field that has an exit, by the calculation for one without.
TEST_F(FieldBoundsTest, AHeldTextThatIsNoNumberStaysRedAndIsNamed) {
    struct Case {
        const char* page;
        const char* field;
        const char* pasted;
        const char* calculate;  // nullptr: named on leaving the field
        const char* message;
    };
    const std::vector<Case> cases{
        {"tsPumpa", "edV", ".", nullptr,
         "Displacement [cm3]: \".\" is not a number (allowed: 0.1 to 100000)"},
        {"tsPumpa", "edNiV", ",", "btnCalc",
         "Volumetric efficiency: \",\" is not a number (allowed: "
         "0.3 to 1)"},
        {"tdHidromotor", "edHMNiMeh", ".", "btnHMCalc",
         "Hydromechanical efficiency: \".\" is not a number (allowed: 0.3 to 1)"},
        {"tsUsputni", "edUSl", ",", nullptr,
         "Length [m]: \",\" is not a number (allowed: 0 to "
         "10000)"},
    };
    showPage("tsPumpa");
    selectMode("RadioGroup1", 0);
    typeAndLeave("edSnaga", "10");
    typeAndLeave("edp", "100");
    typeAndLeave("edV", "50");
    showPage("tdHidromotor");
    selectMode("RadioGroup2", 6);
    typeAndLeave("edHMp", "100");
    typeAndLeave("edHMQ", "60");
    typeAndLeave("edHMv", "50");
    for (const Case& c : cases) {
        showPage(c.page);
        const QString before = log();
        paste(c.field, c.pasted);
        leave(c.field);
        if (c.calculate != nullptr) {
            EXPECT_TRUE(desktop->shown.empty()) << c.field;
            click(c.calculate);
        }
        ASSERT_EQ(desktop->shown.size(), 1u) << c.field;
        EXPECT_EQ(lastMessage(), c.message);
        EXPECT_EQ(text(c.field), c.pasted);
        EXPECT_TRUE(isRed(c.field)) << c.field;
        EXPECT_EQ(log(), before) << c.field;
        desktop->shown.clear();
        // Corrected, it is whole again and calculates.
        typeAndLeave(c.field, "0.9");
        EXPECT_FALSE(isRed(c.field)) << c.field;
        EXPECT_TRUE(desktop->shown.empty()) << c.field;
    }
}

TEST_F(FieldBoundsTest, AResultReplacesATextStillToBeCorrected) {
    showPage("tsPumpa");
    selectMode("RadioGroup1", 0);
    typeAndLeave("edSnaga", "10");
    typeAndLeave("edp", "100");
    typeAndLeave("edV", "50");
    // The slider already where the result puts it: only the result writes the field.
    child<QSlider>("TrackBar7")->setValue(55);
    paste("edQ", ".");
    leave("edQ");
    ASSERT_TRUE(isRed("edQ"));
    click("btnCalc");
    EXPECT_EQ(desktop->shown.size(), 1u);  // the exit's message only
    EXPECT_EQ(text("edQ"), "55.30");       // 600 x 10 kW x 0.96 x 0.96 / 100 bar
    EXPECT_FALSE(isRed("edQ"));
}

}  // namespace
