#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "model/Quantity.h"
#include "pages/SystemCompressPage.h"
#include "pages/SystemCurve.h"
#include "pages/SystemHeatPage.h"
#include "pages/SystemLineSizingPage.h"
#include "pages/SystemPage.h"
#include "tests/support/PageFixture.h"
#include "tests/support/TestTranslator.h"
#include "ui/PageState.h"

namespace {

using Typed = std::vector<std::pair<const char*, QString>>;

class SystemPageTest : public PageFixture<SystemPage> {
  protected:
    void SetUp() override {
        PageFixture<SystemPage>::SetUp();
        services.fluid = {QStringLiteral("870"), QStringLiteral("32")};
    }

    void show(const char* calculator) {
        child<QTabWidget>("pgcSystem")->setCurrentWidget(child<QWidget>(calculator));
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    QString label(const char* name) { return child<QLabel>(name)->text(); }
    void option(const char* group, int item) {
        const auto buttons = child<QGroupBox>(group)->findChildren<QRadioButton*>();
        ASSERT_GT(buttons.size(), item);
        QTest::mouseClick(buttons.at(item), Qt::LeftButton, {},
                          QPoint(6, buttons.at(item)->height() / 2));
        ASSERT_TRUE(buttons.at(item)->isChecked());
    }
    void typeAll(const Typed& typed) {
        for (const auto& [name, keys] : typed) {
            typeAndLeave(name, keys);
        }
    }
};

// One hand case of a calculator: what the user sets and what the page shows.
struct HandCase {
    const char* calculator;
    std::function<void(SystemPageTest&)> options;
    Typed typed;
    const char* calculate;
    Typed shown;
};

class HandCaseTest : public SystemPageTest {
  public:
    void run(const HandCase& c) {
        show(c.calculator);
        if (c.options) {
            c.options(*this);
        }
        typeAll(c.typed);
        click(c.calculate);
        for (const auto& [name, expected] : c.shown) {
            EXPECT_EQ(label(name), expected) << c.calculator << " " << name;
        }
    }
    void choose(const char* combo, int item) { child<QComboBox>(combo)->setCurrentIndex(item); }
    void pick(const char* group, int item) { option(group, item); }
};

TEST_F(HandCaseTest, EveryCalculatorShowsItsHandFigures) {
    const std::vector<HandCase> cases = {
        {"tsAccumulator",
         {},
         {{"edAccP0", "90"}, {"edAccP1", "100"}, {"edAccP2", "200"}, {"edAccDV", "2"}},
         "btnAccCalc",
         {{"lblAccV0", "4.462"}, {"lblAccRatio", "2.209"}, {"lblAccAdvice", ""}}},
        // Useful volume of a 10 l accumulator, adiabatic; the other figures the
        // model's tests hold.
        {"tsAccumulator",
         [](SystemPageTest& t) {
             auto& test = static_cast<HandCaseTest&>(t);
             test.choose("cbAccProcess", 1);
             test.pick("rgAccSolve", 1);
         },
         {{"edAccV0", "10"}},
         "btnAccCalc",
         {{"lblAccDV", "3.604"}, {"lblAccV1", "9.282"}, {"lblAccV2", "5.678"}}},
        {"tsHeat",
         {},
         {{"edHeatLoss", "3"}, {"edHeatTank", "200"}},
         "btnHeatCalc",
         {{"lblHeatSteady", "132.5"},
          {"lblHeatTau", "204.4"},
          {"lblHeatTimeToMax", "89.8"},
          {"lblHeatCooler", "1.933"}}},
        {"tsOrifice",
         {},
         {{"edOrfD", "2"}, {"edOrfDp", "100"}},
         "btnOrfCalc",
         {{"lblOrfResultCaption", "Flow Q [l/min]"}, {"lblOrfResult", "17.72"}}},
        {"tsOrifice",
         [](SystemPageTest& t) { static_cast<HandCaseTest&>(t).pick("rgOrfSolve", 1); },
         {{"edOrfQ", "20"}, {"edOrfDp", "50"}},
         "btnOrfCalc",
         {{"lblOrfResultCaption", "Diameter d [mm]"}, {"lblOrfResult", "2.527"}}},
        {"tsCompress",
         {},
         {{"edCompV", "10"}, {"edCompDp", "200"}},
         "btnCompCalc",
         {{"lblCompDV", "142.9"}, {"lblCompF0", "\u2014"}}},
        {"tsCompress",
         {},
         {{"edCompBore", "100"},
          {"edCompRod", "50"},
          {"edCompStroke", "500"},
          {"edCompMass", "1000"},
          {"edCompDead1", "500"}},
         "btnCompCalc",
         {{"lblCompF0", "41.48"}, {"lblCompX", "238"}, {"lblCompDV", "142.9"}}},
        {"tsLineSizing",
         {},
         {{"edSizeQ", "40"}},
         "btnSizeCalc",
         {{"lblSizeD", "13.03"}, {"lblSizeHose", "-10 (15.88)"}, {"lblSizeVelocity", "3.37"}}},
    };
    for (const HandCase& c : cases) {
        run(c);
    }
    EXPECT_TRUE(services.shown.empty());
    EXPECT_TRUE(services.failures.empty());
    // The heat balance took the tank's surface from its volume.
    EXPECT_EQ(text("edHeatArea"), "2.223");
    // Both curves are drawn, with their units on the axes.
    const auto& heat = child<CurveBox>("pbHeatCurve")->plot();
    ASSERT_TRUE(heat.has_value());
    EXPECT_EQ(heat->xTitle, "time [min]");
    EXPECT_EQ(heat->yTitle, "oil temperature [\u00B0C]");
    EXPECT_EQ(heat->level, 60.0);
    EXPECT_NEAR(heat->marker->x(), 89.8, 0.05);
    EXPECT_NEAR(heat->points.back().x(), 5.0 * 204.4, 0.5);
    const auto& stiffness = child<CurveBox>("pbCompCurve")->plot();
    ASSERT_TRUE(stiffness.has_value());
    EXPECT_EQ(stiffness->xTitle, "x [mm]");
    EXPECT_EQ(stiffness->yTitle, "f0 [Hz]");
    EXPECT_NEAR(stiffness->marker->x(), 238.4, 0.05);
}

TEST_F(SystemPageTest, RefusalsSayWhyAndChangeNothing) {
    struct Case {
        const char* calculator;
        Typed typed;
        const char* calculate;
        const char* result;
        QString message;
    };
    const std::vector<Case> cases = {
        {"tsAccumulator",
         {{"edAccP1", "90"}},
         "btnAccCalc",
         "lblAccV0",
         "Minimum pressure p1 (90 bar) must be above the precharge p0 (90 bar)"},
        {"tsAccumulator",
         {{"edAccP1", "100"}, {"edAccP2", "100"}},
         "btnAccCalc",
         "lblAccV0",
         "Maximum pressure p2 (100 bar) must be above the minimum pressure p1 (100 bar)"},
        {"tsAccumulator",
         {{"edAccP2", "200"}, {"edAccDV", "0"}},
         "btnAccCalc",
         "lblAccV0",
         "Useful volume: 0 is not greater than 0"},
        {"tsHeat",
         {{"edHeatTank", "0"}},
         "btnHeatCalc",
         "lblHeatSteady",
         "Tank volume: 0 is not greater than 0"},
        {"tsHeat",
         {{"edHeatTank", "200"}, {"edHeatTmax", "15"}},
         "btnHeatCalc",
         "lblHeatSteady",
         "Highest oil temperature (15) must be above the ambient temperature (20)"},
        {"tsOrifice",
         {{"edOrfAlpha", "1.2"}},
         "btnOrfCalc",
         "lblOrfResult",
         "Discharge coefficient alpha: 1.2 is not in (0, 1]"},
        {"tsCompress",
         {{"edCompRod", "100"}},
         "btnCompCalc",
         "lblCompF0",
         "Rod (100 mm) must be thinner than the bore (100 mm)"},
        {"tsLineSizing",
         {{"edSizeL", "0"}},
         "btnSizeCalc",
         "lblSizeD",
         "Length: 0 is not greater than 0"},
    };
    // Sound inputs first, so each refusal has results to keep.
    const Typed sound = {{"edAccDV", "2"},    {"edHeatLoss", "3"},     {"edHeatTank", "200"},
                         {"edOrfD", "2"},     {"edOrfDp", "100"},      {"edCompBore", "100"},
                         {"edCompRod", "50"}, {"edCompStroke", "500"}, {"edCompMass", "1000"},
                         {"edSizeQ", "40"}};
    for (const auto& [name, keys] : sound) {
        show(child<QWidget>(name)->parentWidget()->objectName().toLatin1().constData());
        typeAndLeave(name, keys);
    }
    for (const char* calculate :
         {"btnAccCalc", "btnHeatCalc", "btnOrfCalc", "btnCompCalc", "btnSizeCalc"}) {
        show(child<QWidget>(calculate)->parentWidget()->objectName().toLatin1().constData());
        click(calculate);
    }
    ASSERT_TRUE(services.shown.empty());
    const std::size_t reports = services.log.size();
    for (const Case& c : cases) {
        show(c.calculator);
        const QString before = label(c.result);
        typeAll(c.typed);
        services.shown.clear();
        click(c.calculate);
        ASSERT_EQ(services.shown.size(), 1u) << c.message.toStdString();
        EXPECT_EQ(services.shown[0].text, c.message);
        EXPECT_EQ(services.shown[0].title, "INPUT ERROR");
        EXPECT_EQ(label(c.result), before);
    }
    EXPECT_EQ(services.log.size(), reports);

    // An empty field is named; a text that is no number ends in the failure route.
    show("tsOrifice");
    child<QLineEdit>("edOrfAlpha")->clear();
    services.shown.clear();
    click("btnOrfCalc");
    ASSERT_EQ(services.shown.size(), 1u);
    EXPECT_EQ(services.shown[0].text, "Discharge coefficient \u03B1: no value given");
    child<QLineEdit>("edOrfAlpha")->setText("0.6.2");
    click("btnOrfCalc");
    EXPECT_EQ(services.failures.size(), 1u);
}

TEST_F(SystemPageTest, HeatNotReachedAndTheSurfaceTypedOver) {
    show("tsHeat");
    typeAll({{"edHeatLoss", "0.5"}, {"edHeatTank", "200"}});
    EXPECT_EQ(text("edHeatArea"), "2.223");
    click("btnHeatCalc");
    // 0.5 kW over 26.7 W/K settles at 38.7 °C: below Tmax, no cooler needed.
    EXPECT_EQ(label("lblHeatSteady"), "38.7");
    EXPECT_EQ(label("lblHeatTimeToMax"), "not reached");
    EXPECT_EQ(label("lblHeatCooler"), "0.000");
    EXPECT_FALSE(child<CurveBox>("pbHeatCurve")->plot()->marker.has_value());

    // A surface the user types stays when the volume changes...
    typeAndLeave("edHeatArea", "3");
    typeAndLeave("edHeatTank", "400");
    EXPECT_EQ(text("edHeatArea"), "3.000");
    // ...until it is emptied or the page is reset.
    type("edHeatArea", "");
    QTest::keyClick(field("edHeatArea"), Qt::Key_Backspace);
    typeAndLeave("edHeatTank", "1000");
    EXPECT_EQ(text("edHeatArea"), "6.500");
    typeAndLeave("edHeatArea", "3");
    click("btnHeatReset");
    EXPECT_EQ(text("edHeatArea"), "");
    EXPECT_EQ(label("lblHeatSteady"), "\u2014");
    typeAndLeave("edHeatTank", "1000");
    EXPECT_EQ(text("edHeatArea"), "6.500");
}

TEST_F(SystemPageTest, TakeOversWithoutASourceSaySoAndTheLineSizeGoesOut) {
    show("tsHeat");
    click("btnHeatFromCircuit");
    ASSERT_EQ(services.shown.size(), 1u);
    EXPECT_EQ(services.shown[0].text,
              "No circuit has been calculated yet, or its cylinder could not move the load: "
              "calculate the simple pipeline first, or type the power lost.");
    EXPECT_EQ(text("edHeatLoss"), "");
    // With sources, the values arrive as the pages give them.
    CylinderDefinition cylinder;
    cylinder.pistonDiameter = 63.0;
    cylinder.rodDiameter = 36.0;
    SystemPage linked(
        services, {[] { return std::optional<double>(31.5); },
                   [] { return std::optional<double>(2.4567); }, [&cylinder] { return cylinder; }});
    linked.heat()->btnHeatFromCircuitClick();
    EXPECT_EQ(fieldText(linked.findChild<QWidget*>("edHeatLoss")), "2.457");
    linked.lineSizing()->btnSizeFromPumpClick();
    EXPECT_EQ(fieldText(linked.findChild<QWidget*>("edSizeQ")), "31.50");
    // A cylinder without a stroke gives bore and rod, and says the stroke is missing.
    services.shown.clear();
    linked.compress()->btnCompFromCylinderClick();
    EXPECT_EQ(fieldText(linked.findChild<QWidget*>("edCompBore")), "63.00");
    EXPECT_EQ(fieldText(linked.findChild<QWidget*>("edCompRod")), "36.00");
    EXPECT_EQ(fieldText(linked.findChild<QWidget*>("edCompStroke")), "");
    ASSERT_EQ(services.shown.size(), 1u);
    EXPECT_TRUE(services.shown[0].text.startsWith("The cylinder page has no stroke yet"));
    services.shown.clear();
    show("tsCompress");
    click("btnCompFromCylinder");
    ASSERT_EQ(services.shown.size(), 1u);
    EXPECT_TRUE(services.shown[0].text.startsWith("The cylinder page has no piston and rod"));
    EXPECT_EQ(text("edCompBore"), "");

    show("tsLineSizing");
    std::vector<LineSizeTakeOver> chosen;
    QObject::connect(page.get(), &SystemPage::lineSizeChosen,
                     [&chosen](const LineSizeTakeOver& line) { chosen.push_back(line); });
    click("btnSizeToLine");
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(services.shown.back().text, "Calculate a hose size first, then take it over.");
    // A return line defaults to 3 m/s: 40 l/min needs 16.82 mm, a -12 hose.
    child<QComboBox>("cbSizeKind")->setCurrentIndex(1);
    EXPECT_EQ(text("edSizeV"), "3.00");
    typeAndLeave("edSizeQ", "40");
    typeAndLeave("edSizeL", "2.5");
    click("btnSizeCalc");
    EXPECT_EQ(label("lblSizeHose"), "-12 (19.05)");
    click("btnSizeToLine");
    ASSERT_EQ(chosen.size(), 1u);
    const LineSizeTakeOver line = chosen[0];
    EXPECT_EQ(line.diameter, 19.05);
    EXPECT_EQ(line.length, 2.5);
    EXPECT_EQ(line.flow, 40.0);
    // Beyond the series no hose is chosen.
    typeAndLeave("edSizeQ", "2000");
    click("btnSizeCalc");
    EXPECT_EQ(label("lblSizeHose"), "above -32: two lines or a pipe");
    EXPECT_EQ(label("lblSizeVelocity"), "\u2014");
    EXPECT_FALSE(page->lineSizing()->chosen().has_value());
}

// The log holds every input of a calculation: the numbers a report gives for
// its inputs, typed into the reset page, give the same report again.
TEST_F(SystemPageTest, EachReportRoundTripsThroughTheLog) {
    struct Input {
        const char* field;
        int line;    // report line
        int number;  // the how-manieth number on that line, from 0
    };
    struct Case {
        const char* calculator;
        Typed typed;
        const char* calculate;
        const char* reset;
        std::vector<Input> inputs;
    };
    const std::vector<Case> cases = {
        {"tsAccumulator",
         {{"edAccP0", "85.5"},
          {"edAccP1", "95.25"},
          {"edAccP2", "180"},
          {"edAccTw", "35"},
          {"edAccDV", "1.75"}},
         "btnAccCalc",
         "btnAccReset",
         {{"edAccP0", 1, 1},
          {"edAccP1", 2, 1},
          {"edAccP2", 3, 1},
          {"edAccTw", 4, 0},
          {"edAccDV", 7, 0}}},
        {"tsHeat",
         {{"edHeatLoss", "2.75"},
          {"edHeatDuty", "60"},
          {"edHeatTank", "150"},
          {"edHeatK", "15"},
          {"edHeatAmbient", "25"},
          {"edHeatTmax", "55"}},
         "btnHeatCalc",
         "btnHeatReset",
         {{"edHeatLoss", 1, 0},
          {"edHeatDuty", 1, 1},
          {"edHeatTank", 2, 0},
          {"edHeatArea", 3, 0},
          {"edHeatK", 4, 0},
          {"edHeatAmbient", 5, 0},
          {"edHeatTmax", 6, 0}}},
        {"tsOrifice",
         {{"edOrfD", "1.8"}, {"edOrfDp", "75"}, {"edOrfAlpha", "0.7"}},
         "btnOrfCalc",
         "btnOrfReset",
         {{"edOrfD", 1, 0}, {"edOrfDp", 2, 0}, {"edOrfAlpha", 4, 0}}},
        {"tsLineSizing",
         {{"edSizeQ", "55.5"}, {"edSizeV", "4.5"}, {"edSizeL", "3.25"}},
         "btnSizeCalc",
         "btnSizeReset",
         {{"edSizeQ", 1, 0}, {"edSizeV", 2, 2}, {"edSizeL", 3, 0}}},
        // Two reports, the oil's and the cylinder's, read as one.
        {"tsCompress",
         {{"edCompK", "12500"},
          {"edCompV", "7.5"},
          {"edCompDp", "160"},
          {"edCompBore", "80"},
          {"edCompRod", "45"},
          {"edCompStroke", "350"},
          {"edCompMass", "640"},
          {"edCompDead1", "120"},
          {"edCompDead2", "85.5"}},
         "btnCompCalc",
         "btnCompReset",
         {{"edCompK", 3, 0},
          {"edCompV", 1, 0},
          {"edCompDp", 2, 0},
          {"edCompBore", 6, 0},
          {"edCompRod", 6, 1},
          {"edCompStroke", 6, 2},
          {"edCompMass", 7, 0},
          {"edCompDead1", 8, 1},
          {"edCompDead2", 8, 4}}},
    };
    const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?"));
    for (const Case& c : cases) {
        show(c.calculator);
        typeAll(c.typed);
        const auto appended = [this](std::size_t from) {
            ReportLines lines;
            for (std::size_t i = from; i < services.log.size(); ++i) {
                lines.insert(lines.end(), services.log[i].begin(), services.log[i].end());
            }
            return lines;
        };
        std::size_t before = services.log.size();
        click(c.calculate);
        const ReportLines first = appended(before);
        ASSERT_FALSE(first.empty()) << c.calculator;
        click(c.reset);
        for (const Input& input : c.inputs) {
            const QString line = QString::fromStdString(first.at(input.line));
            QStringList numbers;
            for (auto match = number.globalMatch(line); match.hasNext();) {
                numbers << match.next().captured(0);
            }
            ASSERT_GT(numbers.size(), input.number) << line.toStdString();
            typeAndLeave(input.field, numbers.at(input.number));
        }
        before = services.log.size();
        click(c.calculate);
        EXPECT_EQ(appended(before), first) << c.calculator;
    }
    EXPECT_TRUE(services.shown.empty());
}

// A calculator's report goes to the log in the units shown when it ran.
TEST_F(SystemPageTest, ReportsAreWrittenInTheUnitsShown) {
    show("tsHeat");
    typeAll({{"edHeatLoss", "2.75"}, {"edHeatTank", "150"}, {"edHeatK", "15"}});
    services.state.unitSystem = units::kUsCustomary;
    click("btnHeatCalc");
    ASSERT_EQ(services.log.size(), 1u);
    const ReportLines& entry = services.log.back();
    ASSERT_GE(entry.size(), 12u);
    for (const auto& [line, unit] : {std::pair{1, "[hp]"},
                                     {2, "[gal]"},
                                     {3, "[ft2]"},
                                     {4, "[Btu/(h ft2 F)]"},
                                     {5, "[°F]"},
                                     {9, "[°F]"}}) {
        EXPECT_NE(entry[line].find(unit), std::string::npos) << entry[line];
    }
}

TEST_F(SystemPageTest, CompressibilityReportsBothPartsAndEnterCalculates) {
    show("tsCompress");
    typeAll({{"edCompV", "10"},
             {"edCompDp", "200"},
             {"edCompBore", "100"},
             {"edCompRod", "50"},
             {"edCompStroke", "500"},
             {"edCompMass", "1000"},
             {"edCompDead2", "250"}});
    // Enter in a field calculates, as on the other pages.
    type("edCompDead2", "250");
    QTest::keyClick(field("edCompDead2"), Qt::Key_Return);
    ASSERT_EQ(services.log.size(), 2u);
    EXPECT_EQ(services.log[0].back(), " Oil taken by compression dV = 142.86 [cm3]");
    EXPECT_EQ(services.log[1][3],
              " Dead volume piston side V1 = 0.00 [cm3], rod side V2 = 250.00 [cm3]");
    EXPECT_EQ(services.log[1][5].rfind(" Lowest natural frequency f0 = ", 0), 0u);
    // A part begun but not finished is named.
    child<QLineEdit>("edCompMass")->clear();
    click("btnCompCalc");
    ASSERT_EQ(services.shown.size(), 1u);
    EXPECT_EQ(services.shown[0].text, "Moving mass m: no value given");
    services.writes = false;
    typeAndLeave("edCompMass", "1000");
    click("btnCompCalc");
    EXPECT_EQ(services.log.size(), 2u);
}

TEST(NiceStepTest, StepsOfOneTwoOrFive) {
    const std::pair<double, double> cases[] = {{1000.0, 200.0}, {132.5, 20.0}, {44.0, 10.0},
                                               {8.0, 1.0},      {0.3, 0.05},   {0.0, 1.0}};
    for (const auto& [span, step] : cases) {
        EXPECT_DOUBLE_EQ(niceStep(span, 8), step) << span;
    }
}

// Each calculator kept and put back as a design does: its choices (a kind
// whose start would rewrite a field, the surface typed over), its fields
// over them, and its results cleared until it calculates again. A file's
// "no item" leaves a list that every calculation needs as it is.
TEST_F(SystemPageTest, EachCalculatorComesBackWithItsChoices) {
    struct Case {
        const char* calculator;
        std::function<void()> fill;
        const char* result;
        std::function<void()> check;
    };
    const Case cases[] = {
        {"tsAccumulator",
         [this] {
             child<QComboBox>("cbAccProcess")->setCurrentIndex(2);
             option("rgAccSolve", 1);
             typeAndLeave("edAccN", "1.25");
         },
         "lblAccV0",
         [this] {
             EXPECT_EQ(child<QComboBox>("cbAccProcess")->currentIndex(), 2);
             EXPECT_TRUE(field("edAccN")->isEnabled());
             EXPECT_TRUE(field("edAccV0")->isEnabled());
         }},
        {"tsHeat",
         [this] {
             typeAndLeave("edHeatLoss", "3");
             typeAndLeave("edHeatTank", "200");
             typeAndLeave("edHeatArea", "3.5");
         },
         "lblHeatSteady",
         [this] {
             // Still typed over: another volume leaves the surface alone.
             typeAndLeave("edHeatTank", "400");
             EXPECT_EQ(text("edHeatArea"), "3.500");
         }},
        {"tsOrifice", [this] { option("rgOrfSolve", 2); }, "lblOrfResult",
         [this] { EXPECT_FALSE(field("edOrfDp")->isEnabled()); }},
        {"tsLineSizing",
         [this] {
             child<QComboBox>("cbSizeKind")->setCurrentIndex(1);
             typeAndLeave("edSizeQ", "40");
             typeAndLeave("edSizeV", "1.7");
         },
         "lblSizeD",
         [this] {
             EXPECT_EQ(child<QComboBox>("cbSizeKind")->currentIndex(), 1);
             EXPECT_EQ(text("edSizeV"), "1.70");  // the field's figure, not the kind's
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.calculator);
        auto* calculator = child<SystemCalculator>(c.calculator);
        show(c.calculator);
        c.fill();
        calculator->calculateButton()->click();
        ASSERT_NE(label(c.result), "\u2014");
        const PageState state = capturePage(*calculator);
        calculator->resetClick();
        applyPage(*calculator, state);
        EXPECT_EQ(capturePage(*calculator), state);
        EXPECT_EQ(label(c.result), "\u2014");
        c.check();
        PageState none = state;
        for (auto& [name, item] : none.items) {
            item = -1;
        }
        applyPage(*calculator, none);
        calculator->calculateButton()->click();
        EXPECT_NE(label(c.result), "\u2014");
    }
    EXPECT_TRUE(services.shown.empty()) << services.shown.front().text.toStdString();
    EXPECT_TRUE(services.failures.empty());
}

// The page built in another language, every text of it marked: the lists are
// read by their index, and messages name the quantities as the page shows them.
class SystemLanguageTest : public SystemPageTest {
  protected:
    void SetUp() override {
        language = std::make_unique<TestTranslator>(TestTranslator::Table{},
                                                    TestTranslator::Options{.markOthers = true});
        SystemPageTest::SetUp();
    }
    static bool marked(const QString& text) { return text.startsWith(u'\u2039'); }

    std::unique_ptr<TestTranslator> language;
};

TEST_F(SystemLanguageTest, ChoicesByIndexAndMessagesInThePagesLanguage) {
    show("tsAccumulator");
    auto* process = child<QComboBox>("cbAccProcess");
    ASSERT_TRUE(marked(process->itemText(1)));
    process->setCurrentIndex(1);
    option("rgAccSolve", 1);
    typeAndLeave("edAccV0", "10");
    click("btnAccCalc");
    EXPECT_EQ(label("lblAccDV"), "3.604");  // adiabatic, as without a translation

    show("tsOrifice");
    option("rgOrfSolve", 1);
    typeAll({{"edOrfQ", "20"}, {"edOrfDp", "50"}});
    click("btnOrfCalc");
    EXPECT_EQ(label("lblOrfResultCaption"), "\u2039Diameter d\u203A [\u2039mm\u203A]");
    EXPECT_EQ(label("lblOrfResult"), "2.527");

    show("tsLineSizing");
    typeAndLeave("edSizeQ", "40");
    click("btnSizeCalc");
    EXPECT_TRUE(marked(label("lblSizeFlowType"))) << label("lblSizeFlowType").toStdString();
    ASSERT_TRUE(services.shown.empty()) << services.shown.front().text.toStdString();

    struct Refusal {
        const char* calculator;
        Typed typed;
        const char* calculate;
        const char* named;  // the caption as the page shows it
    };
    const Refusal refusals[] = {
        {"tsOrifice",
         {{"edOrfAlpha", ""}},
         "btnOrfCalc",
         "\u2039Discharge coefficient \u03B1\u203A"},
        // The surface follows the volume: the volume it cannot follow is named.
        {"tsHeat",
         {{"edHeatLoss", "3"}, {"edHeatTank", "0"}},
         "btnHeatCalc",
         "\u2039Tank volume\u203A"},
    };
    for (const Refusal& c : refusals) {
        show(c.calculator);
        for (const auto& [name, keys] : c.typed) {
            child<QLineEdit>(name)->setText(keys);
        }
        services.shown.clear();
        click(c.calculate);
        ASSERT_EQ(services.shown.size(), 1u) << c.calculator;
        EXPECT_TRUE(services.shown[0].text.contains(QString::fromUtf8(c.named)))
            << services.shown[0].text.toStdString();
        EXPECT_EQ(services.shown[0].title, "\u2039INPUT ERROR\u203A");
    }
}

}  // namespace

// The hand figures typed and read in US units: each result, read back through
// its unit, is the metric hand figure.
TEST_F(HandCaseTest, TheHandFiguresHoldInUsUnits) {
    services.state.unitSystem = units::kUsCustomary;
    page->setUnitSystem(units::kUsCustomary);
    using units::Quantity;
    const auto us = [](double metric, Quantity quantity) {
        return QString::number(units::toDisplay(metric, quantity, units::kUsCustomary), 'f', 4);
    };
    struct UsCase {
        const char* calculator;
        Typed typed;
        const char* calculate;
        const char* result;
        double metric;
        Quantity quantity;
    };
    const std::vector<UsCase> cases = {
        {"tsAccumulator",
         {{"edAccP0", us(90, Quantity::Pressure)},
          {"edAccP1", us(100, Quantity::Pressure)},
          {"edAccP2", us(200, Quantity::Pressure)},
          {"edAccTw", us(20, Quantity::Temperature)},
          {"edAccDV", us(2, Quantity::Volume)}},
         "btnAccCalc",
         "lblAccV0",
         4.462,
         Quantity::Volume},
        {"tsOrifice",
         {{"edOrfD", us(2, Quantity::SmallLength)}, {"edOrfDp", us(100, Quantity::Pressure)}},
         "btnOrfCalc",
         "lblOrfResult",
         17.72,
         Quantity::Flow},
        {"tsCompress",
         {{"edCompV", us(10, Quantity::Volume)},
          {"edCompDp", us(200, Quantity::Pressure)},
          {"edCompK", us(14000, Quantity::Pressure)}},
         "btnCompCalc",
         "lblCompDV",
         142.9,
         Quantity::SmallVolume},
        {"tsLineSizing",
         {{"edSizeQ", us(40, Quantity::Flow)}, {"edSizeV", us(5, Quantity::Velocity)}},
         "btnSizeCalc",
         "lblSizeD",
         13.03,
         Quantity::SmallLength},
    };
    for (const UsCase& c : cases) {
        show(c.calculator);
        typeAll(c.typed);
        click(c.calculate);
        bool read = false;
        const double shown = label(c.result).toDouble(&read);
        ASSERT_TRUE(read) << c.result << ": " << label(c.result).toStdString();
        // The fields keep the figures as they show them (2 l is 0.53 gal), which the
        // accumulator's law, a difference of near numbers, magnifies to 0.3 %.
        EXPECT_NEAR(units::toModel(shown, c.quantity, units::kUsCustomary), c.metric,
                    c.metric * 5e-3)
            << c.calculator << " shows " << label(c.result).toStdString();
    }
    EXPECT_TRUE(services.shown.empty());
    EXPECT_TRUE(services.failures.empty());
}
