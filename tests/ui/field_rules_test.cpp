#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QToolTip>
#include <string>
#include <utility>

#include "model/faults.h"
#include "tests/support/FakePageServices.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/ControlEvents.h"
#include "ui/DigitKeyFilter.h"
#include "ui/FieldPairs.h"
#include "ui/NumberText.h"
#include "ui/QuantityLabels.h"

namespace {

using FieldRulesTest = MainWindowFixture;

int position(QWidget& window, const char* name) {
    return window.findChild<QSlider*>(QString::fromLatin1(name))->value();
}

TEST_F(FieldRulesTest, AValueBeyondTheSliderStaysInTheField) {
    typeAndLeave("edSnaga", "75");
    EXPECT_EQ(position(*window, "TrackBar1"), 60);
    EXPECT_EQ(text("edSnaga"), "75.00");
}

TEST_F(FieldRulesTest, ClickingASliderLeavesTheFieldTheUserWasIn) {
    type("edSnaga", "12.5");
    auto* displacement = child<QSlider>("TrackBar3");
    QTest::mouseClick(displacement, Qt::LeftButton, {}, QPoint(5, displacement->height() / 2));
    EXPECT_EQ(text("edSnaga"), "12.50");
    EXPECT_EQ(position(*window, "TrackBar1"), 12);
}

TEST_F(FieldRulesTest, ATextThatIsNoNumberStaysRedAndIsNamedUntilCorrected) {
    typeAndLeave("edV", "25");
    // Set as another program might leave it: the keys could not type it.
    field("edV")->setFocus();
    child<QLineEdit>("edV")->setText(QStringLiteral("1.2.3"));
    leave("edV");
    EXPECT_EQ(text("edV"), "1.2.3");
    EXPECT_EQ(position(*window, "TrackBar3"), 25);
    EXPECT_EQ(fieldColour(field("edV")), kRefusedFieldColour);
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text,
              "Displacement [cm3]: \"1.2.3\" is not a number (allowed: 0.1 to 100000)");
    typeAndLeave("edV", "30");
    EXPECT_EQ(fieldColour(field("edV")), windowColour());
    EXPECT_EQ(position(*window, "TrackBar3"), 30);
    // Enter runs the exit, which names the text; the page does not calculate on it.
    showPage("tsPumpa");
    QTest::mouseClick(child<QGroupBox>("RadioGroup1")->findChildren<QRadioButton*>().at(0),
                      Qt::LeftButton);
    desktop->shown.clear();
    type("edV", ".");
    QTest::keyClick(field("edV"), Qt::Key_Return);
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "INPUT ERROR");
}

// Pasted text bypasses the key filter; leaving the field reads its comma.
TEST_F(FieldRulesTest, APastedDecimalCommaIsReadAsThePointOnLeaving) {
    field("edV")->setFocus();
    child<QLineEdit>("edV")->setText(QStringLiteral("28,5"));
    leave("edV");
    EXPECT_EQ(text("edV"), "28.50");
    EXPECT_EQ(position(*window, "TrackBar3"), 28);
}

TEST(NumberTextTest, ASingleCommaWithoutAPointIsTheDecimalSeparator) {
    const std::pair<const char*, double> numbers[] = {
        {"28,5", 28.5},   {" 0,9 ", 0.9},    {",5", 0.5},    {"7,", 7.0},
        {"-2,25", -2.25}, {"1,5e3", 1500.0}, {"28.5", 28.5}, {"12", 12.0},
    };
    for (const auto& [given, value] : numbers) {
        EXPECT_DOUBLE_EQ(readNumber(QString::fromLatin1(given)), value) << given;
    }
    // With both separators or several of one there is no telling which is
    // the decimal one; the message names the text as given.
    for (const char* given : {"1,2.3", "1.2,3", "1,2,3", "1,000,000", "1.2.3", ",", "0;9", ""}) {
        try {
            readNumber(QString::fromLatin1(given));
            ADD_FAILURE() << given << " was read as a number";
        } catch (const ConversionError& error) {
            EXPECT_EQ(error.what(),
                      "'" + std::string(given) + "' is not a valid floating point value");
        }
    }
}

TEST_F(FieldRulesTest, LeavingAnEmptyFieldChangesNothing) {
    typeAndLeave("edp", "30");
    child<QLineEdit>("edp")->clear();
    leave("edp");
    EXPECT_EQ(text("edp"), "");
    EXPECT_EQ(position(*window, "TrackBar4"), 30);
}

TEST_F(FieldRulesTest, SliderAndFieldFollowEachOther) {
    child<QSlider>("TrackBar4")->setValue(120);
    EXPECT_EQ(text("edp"), "120");
    typeAndLeave("edp", "120.5");
    EXPECT_EQ(text("edp"), "120.50");
    EXPECT_EQ(position(*window, "TrackBar4"), 120);
    // Slider formats differ per pair: "%f" has two decimals.
    child<QSlider>("TrackBar3")->setValue(250);
    EXPECT_EQ(text("edV"), "250.00");
    child<QSlider>("TrackBar5")->setValue(70);
    EXPECT_EQ(text("edNiM"), "0.70");
}

TEST_F(FieldRulesTest, TheSpeedFieldIsRewrittenOnlyWhenTheSliderMoves) {
    typeAndLeave("edN", "1500.7");
    EXPECT_EQ(position(*window, "TrackBar2"), 1500);
    EXPECT_EQ(text("edN"), "1500");
    typeAndLeave("edN", "1500.2");
    EXPECT_EQ(text("edN"), "1500.2");
}

TEST_F(FieldRulesTest, TheKeyFilterAdmitsDigitsAndPointsAndTypesACommaAsThePoint) {
    type("edQ", "a-1 b.5x.");
    EXPECT_EQ(text("edQ"), "1.5");
    // A typed decimal comma is the point: 28,5 cm3 is not 285.
    typeAndLeave("edV", "28,5");
    EXPECT_EQ(text("edV"), "28.50");
    EXPECT_EQ(position(*window, "TrackBar3"), 28);
    type("edSnaga", "-7e2");
    EXPECT_EQ(text("edSnaga"), "72");
    type("edNiM", "0.9%");
    EXPECT_EQ(text("edNiM"), "0.9");
    // Editing keys still work.
    QTest::keyClick(field("edNiM"), Qt::Key_Backspace);
    EXPECT_EQ(text("edNiM"), "0.");
    EXPECT_TRUE(DigitKeyFilter::admits(QChar(13)));
    EXPECT_FALSE(DigitKeyFilter::admits(QChar(u'e')));
}

TEST_F(FieldRulesTest, SwitchingWindowsDoesNotRunTheExit) {
    showPage("tsPumpa");
    type("edV", "12.5");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    // The field keeps what the user typed and the slider stays.
    EXPECT_EQ(text("edV"), "12.5");
    EXPECT_EQ(position(*window, "TrackBar3"), 1);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // Moving on to another control of the window runs it.
    field("edp")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(text("edV"), "12.50");
    EXPECT_EQ(position(*window, "TrackBar3"), 12);
}

// A window of the test's own with fake services, to try the rules on pairs
// no page has yet.
class ScaledPairsTest : public ::testing::Test, public WidgetDriver {
  protected:
    void SetUp() override {
        window = std::make_unique<QWidget>();
        page = new QWidget(window.get());
        pairs = new FieldPairs(services, page);
        pairs->build({
            // clang-format off
            {.caption = "Length", .quantity = units::Quantity::Length,
             .slider = {.name = "tbLength", .minimum = 0, .maximum = 200, .start = 1, .tick = 2,
                        .scale = 0.1, .format = "%2.1f"},
             .field = {.name = "edLength"},
             .exit = {.kind = ExitKind::Decimal, .format = "%2.1f"},
             .at = {.captionLeft = 0, .top = 10, .sliderLeft = 0, .sliderWidth = 100,
                    .fieldLeft = 110, .fieldWidth = 40},
             .reset = {.kind = ResetKind::SliderThenText}},
            {.caption = "Force", .quantity = units::Quantity::Force,
             .slider = {.name = "tbForce", .minimum = 0, .maximum = 500000, .start = 0,
                        .tick = 100, .scale = 0.001, .format = "%.2f"},
             .field = {.name = "edForce"},
             .exit = {.kind = ExitKind::Decimal, .format = "%f"},
             .at = {.captionLeft = 0, .top = 40, .sliderLeft = 0, .sliderWidth = 100,
                    .fieldLeft = 110, .fieldWidth = 40},
             .reset = {.kind = ResetKind::TextThenSlider}},
            {.caption = "Diameter", .quantity = units::Quantity::SmallLength,
             .slider = {.name = "tbDiameter", .minimum = 1, .maximum = 300, .start = 1,
                        .tick = 1, .format = "%.d"},
             .field = {.name = "edDiameter", .keys = KeyFilterKind::Whole},
             .exit = {.kind = ExitKind::Integer, .format = "%d"},
             .range = {.lowest = 1, .highest = 2000},
             .at = {.captionLeft = 0, .top = 70, .sliderLeft = 0, .sliderWidth = 100,
                    .fieldLeft = 110, .fieldWidth = 40},
             .reset = {.kind = ResetKind::SliderThenText}},
            {.caption = "Efficiency",
             .slider = {.name = "tbEta", .minimum = 95, .maximum = 100, .start = 99, .tick = 1,
                        .scale = 0.01, .format = "%f"},
             .field = {.name = "lblEta", .kind = FieldKind::Label, .keys = KeyFilterKind::None},
             .exit = {.kind = ExitKind::None, .format = nullptr},
             .at = {.captionLeft = 0, .top = 100, .sliderLeft = 0, .sliderWidth = 100,
                    .fieldLeft = 110, .fieldWidth = 40}},
            // clang-format on
        });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QWidget* root() override { return window.get(); }
    // No tip left from an earlier refusal.
    void hideTip() {
        QToolTip::hideText();
        for (int wait = 0; wait < 50 && !QToolTip::text().isEmpty(); ++wait) {
            QTest::qWait(20);
        }
    }

    FakePageServices services;
    std::unique_ptr<QWidget> window;
    QWidget* page = nullptr;
    FieldPairs* pairs = nullptr;
};

TEST_F(ScaledPairsTest, TheExitMovesTheSliderByTheScale) {
    typeAndLeave("edLength", "12.34");
    EXPECT_EQ(position(*window, "tbLength"), 123);
    EXPECT_EQ(text("edLength"), "12.3");
    // A binary fraction just below a whole position still reaches it.
    typeAndLeave("edLength", "0.3");
    EXPECT_EQ(position(*window, "tbLength"), 3);
    typeAndLeave("edForce", "78.5");
    EXPECT_EQ(position(*window, "tbForce"), 78500);
    EXPECT_EQ(text("edForce"), "78.50");
    child<QSlider>("tbForce")->setValue(1234);
    EXPECT_EQ(text("edForce"), "1.23");
}

// A refused key is never dropped in silence: a tip at the field says what
// it takes.
TEST_F(ScaledPairsTest, ARefusedKeySaysWhatTheFieldTakes) {
    struct Case {
        const char* field;
        const char* keys;
        const char* text;
        NumberForm tip;
    };
    const Case cases[] = {
        {"edLength", "-28", "28", NumberForm::Decimal},
        {"edLength", "1e308", "1308", NumberForm::Decimal},
        {"edLength", "1.2.3", "1.23", NumberForm::Decimal},
        {"edLength", "7 m", "7", NumberForm::Decimal},
        {"edDiameter", "12.5", "125", NumberForm::Whole},
        {"edDiameter", "-4", "4", NumberForm::Whole},
        {"edDiameter", "4,5", "45", NumberForm::Whole},
    };
    for (const Case& c : cases) {
        hideTip();
        type(c.field, QString::fromLatin1(c.keys));
        EXPECT_EQ(text(c.field), c.text) << c.field << " " << c.keys;
        EXPECT_EQ(QToolTip::text(), DigitKeyFilter::refusalTip(c.tip)) << c.field << " " << c.keys;
    }
    EXPECT_EQ(DigitKeyFilter::refusalTip(NumberForm::Decimal),
              "Digits and one decimal point: this quantity is positive");
    // Keys the field takes show nothing; a decimal comma types the point.
    hideTip();
    type("edLength", "28,5");
    EXPECT_EQ(text("edLength"), "28.5");
    EXPECT_EQ(QToolTip::text(), QString());
}

TEST_F(ScaledPairsTest, WholeNumberFieldsTakeOnlyWholeNumbers) {
    typeAndLeave("edDiameter", "50");
    EXPECT_EQ(position(*window, "tbDiameter"), 50);
    EXPECT_EQ(text("edDiameter"), "50");
    // The slider writes its own whole-number format when it moves.
    child<QSlider>("tbDiameter")->setValue(63);
    EXPECT_EQ(text("edDiameter"), "63");
    // Beyond the range: the slider stops, the field keeps the number typed.
    typeAndLeave("edDiameter", "400");
    EXPECT_EQ(position(*window, "tbDiameter"), 300);
    EXPECT_EQ(text("edDiameter"), "400");
    // A fraction is no whole number: set by the program, it stays, red,
    // and the slider with it.
    field("edDiameter")->setFocus();
    child<QLineEdit>("edDiameter")->setText(QStringLiteral("12.5"));
    leave("edDiameter");
    EXPECT_EQ(text("edDiameter"), "12.5");
    EXPECT_EQ(position(*window, "tbDiameter"), 300);
    ASSERT_EQ(services.shown.size(), 1u);
    EXPECT_EQ(services.shown[0].text,
              "Diameter [mm]: \"12.5\" is not a whole number (allowed: 1 to 2000)");
}

TEST_F(ScaledPairsTest, ResultsMoveTheSliderFirstSoTheFieldKeepsTheValue) {
    FieldPairs::showResult(pairs->pair(1), 37.5, QStringLiteral("37.5"));
    EXPECT_EQ(text("edForce"), "37.5");
    EXPECT_EQ(position(*window, "tbForce"), 37500);
    FieldPairs::showResult(pairs->pair(0), 0.10616, QStringLiteral("0.10616"));
    EXPECT_EQ(text("edLength"), "0.10616");
    EXPECT_EQ(position(*window, "tbLength"), 1);
}

TEST_F(ScaledPairsTest, ALabelPairIsWrittenByItsSliderAndResetsFollowTheirOrder) {
    child<QSlider>("tbEta")->setValue(97);
    EXPECT_EQ(child<QLabel>("lblEta")->text(), "0.97");
    typeAndLeave("edLength", "5");
    typeAndLeave("edForce", "3");
    pairs->resetAll();
    // Slider first, then the text: the minimum as a whole number.
    EXPECT_EQ(text("edLength"), "0");
    EXPECT_EQ(position(*window, "tbLength"), 0);
    // Text first, then the slider, whose move rewrites it in its format.
    EXPECT_EQ(text("edForce"), "0.00");
    // Pairs without a reset keep their value.
    EXPECT_EQ(child<QLabel>("lblEta")->text(), "0.97");
}

TEST_F(FieldRulesTest, LeaveAndDoubleClickHandlersRunOnlyForTheLivingControl) {
    showPage("tsPumpa");
    auto* control = new QLineEdit(child<QWidget>("tsPumpa"));
    control->show();
    int left = 0;
    int doubleClicked = 0;
    onLeave(control, *window, [&left] { ++left; });
    onDoubleClick(control, *window, [&doubleClicked] { ++doubleClicked; });
    QTest::mouseDClick(control, Qt::LeftButton);
    EXPECT_EQ(doubleClicked, 1);
    control->setFocus(Qt::TabFocusReason);
    field("edp")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(left, 1);
    // A control destroyed while it has the focus loses it on the way out;
    // its handlers stay quiet.
    control->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(control->hasFocus());
    delete control;
    EXPECT_EQ(left, 1);
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(FieldRulesTest, TheWorkingFluidFieldsStayFreeText) {
    type("Edit1", "abc");
    EXPECT_EQ(text("Edit1"), "abc");
    EXPECT_EQ(text("Edit2"), "12");
}

}  // namespace

namespace {

// A pair switched to US units and back: what it shows in each, and the
// figure it keeps.
TEST_F(ScaledPairsTest, ASwitchConvertsEachPairAndBackLosesNothing) {
    struct Case {
        const char* field;
        const char* typed;  // metric
        const char* us;     // as US units show it
        const char* back;   // metric again
    };
    const Case cases[] = {
        {"edLength", "12.3", "40.4", "12.3"},   // m to ft, one decimal
        {"edForce", "78.5", "17648", "78.50"},  // kN to lbf: two decimals fewer
        {"edDiameter", "100", "3.937", "100"},  // whole mm to inches with decimals
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        typeAndLeave(c.field, QString::fromLatin1(c.typed));
        pairs->setUnitSystem(units::kUsCustomary);
        EXPECT_EQ(text(c.field), c.us);
        pairs->setUnitSystem(units::kMetric);
        EXPECT_EQ(text(c.field), c.back);
    }
    // A figure typed in inches is read in inches and keeps its decimals.
    pairs->setUnitSystem(units::kUsCustomary);
    typeAndLeave("edDiameter", "0.625");
    EXPECT_EQ(text("edDiameter"), "0.625");
    EXPECT_NEAR(pairs->modelValue(2), 15.875, 1e-9);
    // The caption names the unit the field shows.
    EXPECT_TRUE(FieldPairs::captionText(pairs->pair(0)).contains("ft"));
}

TEST(ShownFormat, DecimalsFollowTheUnitsSize) {
    struct Case {
        const char* format;
        units::Quantity quantity;
        const char* expected;
    };
    const Case cases[] = {
        {"%2.2f", units::Quantity::Pressure, "%2.1f"},   // psi: a fifteenth of a bar
        {"%.2f", units::Quantity::Force, "%.0f"},        // lbf: a 225th of a kN
        {"%f", units::Quantity::SmallLength, "%.3f"},    // in: 25.4 mm, the framework's 2 + 1
        {"%2.2f", units::Quantity::Flow, "%2.2f"},       // gpm: 3.8 l/min
        {"%.1f", units::Quantity::Temperature, "%.1f"},  // °F
        {"%d", units::Quantity::SmallLength, "%d"},      // whole formats stay
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_EQ(shownFormat(c.format, units::displayUnit(c.quantity, units::kUsCustomary)),
                  c.expected);
    }
}

}  // namespace
