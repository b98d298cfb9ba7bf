#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTabWidget>
#include <QTextEdit>

#include "model/Quantity.h"
#include "model/pumpa.h"
#include "pages/PumpPage.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/FieldWidgets.h"

namespace {

class PumpPageTest : public MainWindowFixture {
  protected:
    void selectMode(int item) {
        const auto buttons = child<QGroupBox>("RadioGroup1")->findChildren<QRadioButton*>();
        ASSERT_GT(buttons.size(), item);
        QTest::mouseClick(buttons.at(item), Qt::LeftButton);
        ASSERT_TRUE(buttons.at(item)->isChecked());
    }
    void calculate() { QTest::mouseClick(child<QPushButton>("btnCalc"), Qt::LeftButton); }
    void setEfficiencies(const QString& hydromechanical, const QString& volumetric) {
        typeAndLeave("edNiM", hydromechanical);
        typeAndLeave("edNiV", volumetric);
    }
    int slider(const char* name) { return child<QSlider>(name)->value(); }
    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }
    bool isLime(const char* name) { return fieldColour(field(name)) == QColor(0, 255, 0); }
    bool isWindowColour(const char* name) { return fieldColour(field(name)) == windowColour(); }
    void setLogging(bool on) { child<QCheckBox>("chBelezi")->setChecked(on); }
};

TEST_F(PumpPageTest, StartUpShowsThePumpTabAndResetFields) {
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentWidget()->objectName(), "tsPumpa");
    EXPECT_EQ(text("edNiM"), "0.96");
    EXPECT_EQ(text("edNiV"), "0.96");
    EXPECT_EQ(text("edSnaga"), "0.0");
    EXPECT_EQ(text("edN"), "0");
    EXPECT_EQ(text("edV"), "1.00");
    EXPECT_EQ(text("edp"), "1");
    EXPECT_EQ(text("edQ"), "1.00");
    EXPECT_EQ(slider("TrackBar3"), 1);
    EXPECT_EQ(slider("TrackBar5"), 96);
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_EQ(window->windowTitle(), "Hydraulic calculator QX7  ver: 1.0");
    EXPECT_EQ(window->size(), QSize(980, 569));
    // The speed list offers the usual motor speeds among its own.
    QStringList speeds;
    for (int item = 0; item < child<QComboBox>("edN")->count(); ++item) {
        speeds << child<QComboBox>("edN")->itemText(item);
    }
    EXPECT_EQ(speeds, (QStringList{"100", "200", "300", "400", "500", "600", "700", "800", "900",
                                   "1000", "1450", "1500", "2000", "2900", "3000"}));
}

TEST_F(PumpPageTest, StartUpRunsOnlyAtTheFirstActivation) {
    typeAndLeave("edV", "50");
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(text("edV"), "50.00");
}

TEST_F(PumpPageTest, PowerPressureDisplacementGivesFlowAndSpeed) {
    selectMode(0);
    typeAndLeave("edSnaga", "10");
    typeAndLeave("edp", "100");
    typeAndLeave("edV", "50");
    setEfficiencies("1.00", "1.00");
    calculate();
    EXPECT_EQ(text("edQ"), "60.00");
    EXPECT_EQ(text("edN"), "1200");
    EXPECT_EQ(slider("TrackBar7"), 60);
    EXPECT_EQ(slider("TrackBar2"), 1200);
    // Inputs come back in the result formats.
    EXPECT_EQ(text("edSnaga"), "10.00");
    EXPECT_EQ(text("edp"), "100");
    EXPECT_EQ(text("edV"), "50.00");
    EXPECT_TRUE(desktop->shown.empty());
    // The window names the fluid before the first entry.
    const QString expected =
        " Working fluid: user defined, 840 kg/m3, 12 mm2/s\n"
        " ---------   PUMP CALCULATION       --------------------- \n"
        " Power : 10.000 [kW] \n"
        " Flow : 60.000 [l/min] \n"
        " Working pressure : 100.000  [bar] \n"
        " Revolution per minute: 1200  [o/min] \n"
        " Displacement volume  : 50.000  [cm3] \n"
        " Volumetric efficiency : 1.000 \n"
        " Hydromechanical efficiency : 1.000 \n";
    EXPECT_TRUE(log().startsWith(expected)) << log().toStdString();
}

// An entry is written in the units shown when it was calculated, the fluid
// line with it; a later change of units leaves it as it stands.
TEST_F(PumpPageTest, EachLogEntryKeepsTheUnitsOfItsCalculation) {
    selectMode(0);
    typeAndLeave("edSnaga", "10");
    typeAndLeave("edp", "100");
    typeAndLeave("edV", "50");
    setEfficiencies("1.00", "1.00");
    window->shared().unitSystem = units::kUsCustomary;
    calculate();
    const QString usEntry = log();
    const QStringList lines = usEntry.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 9);
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^ Working fluid: user defined, [0-9.]+ lb/ft3, [0-9.]+ cSt$"))
                    .match(lines[0])
                    .hasMatch())
        << lines[0].toStdString();
    const std::pair<const char*, const char*> shown[] = {
        {" Power : ", " [hp] "},
        {" Flow : ", " [gpm] "},
        {" Working pressure : ", "  [psi] "},
        {" Revolution per minute: ", "  [o/min] "},
        {" Displacement volume  : ", "  [in3/rev] "},
    };
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(lines[i + 2].startsWith(QLatin1String(shown[i].first)) &&
                    lines[i + 2].endsWith(QLatin1String(shown[i].second)))
            << lines[i + 2].toStdString();
    }

    window->shared().unitSystem = units::kMetric;
    calculate();
    ASSERT_TRUE(log().startsWith(usEntry + QLatin1Char('\n')));
    const QString metricEntry = log().mid(usEntry.size() + 1);
    EXPECT_TRUE(
        metricEntry.startsWith(" Working fluid: user defined, 840 kg/m3, 12 mm2/s\n"
                               " ---------   PUMP CALCULATION       ------------------"
                               "--- \n Power : 10.000 [kW] \n"))
        << metricEntry.toStdString();
}

TEST_F(PumpPageTest, EveryModeComputesItsTwoUnknowns) {
    struct Case {
        int item;
        std::vector<std::pair<const char*, const char*>> inputs;
        std::vector<std::pair<const char*, const char*>> results;
    };
    // Lossless pump: Q = n V / 1000, P = p Q / 600.
    const std::vector<Case> cases = {
        {1,
         {{"edSnaga", "10"}, {"edp", "100"}, {"edN", "1200"}},
         {{"edQ", "60.00"}, {"edV", "50.00"}}},
        {2,
         {{"edV", "10"}, {"edN", "1000"}, {"edp", "100"}},
         {{"edQ", "10.00"}, {"edSnaga", "1.67"}}},
        {3, {{"edV", "10"}, {"edN", "1000"}, {"edSnaga", "2"}}, {{"edQ", "10.00"}, {"edp", "120"}}},
        {4,
         {{"edQ", "30"}, {"edV", "20"}, {"edp", "200"}},
         {{"edN", "1500"}, {"edSnaga", "10.00"}}},
        {5, {{"edQ", "30"}, {"edV", "20"}, {"edSnaga", "5"}}, {{"edN", "1500"}, {"edp", "100"}}},
    };
    for (const Case& c : cases) {
        selectMode(c.item);
        for (const auto& [name, value] : c.inputs) {
            typeAndLeave(name, QString::fromLatin1(value));
        }
        setEfficiencies("1", "1");
        calculate();
        for (const auto& [name, value] : c.results) {
            EXPECT_EQ(text(name), value) << "item " << c.item << " field " << name;
        }
    }
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(PumpPageTest, HighPressureWarnsBeforeLoggingOnlyWithLoggingOn) {
    selectMode(3);
    typeAndLeave("edV", "10");
    typeAndLeave("edN", "1000");
    typeAndLeave("edSnaga", "60");
    setEfficiencies("1", "1");
    calculate();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "CALCULATION ERROR");
    EXPECT_EQ(desktop->shown[0].text, "Warring, pressure higher  than 250 bar :: 3600.00 bar");
    EXPECT_TRUE(log().contains(" Working pressure : 3600.000  [bar] "));
    // The result stands in the fields.
    EXPECT_EQ(text("edp"), "3600");
    EXPECT_EQ(slider("TrackBar4"), 250);

    setLogging(false);
    const QString before = log();
    calculate();
    EXPECT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(log(), before);
}

TEST_F(PumpPageTest, CalculateWithoutAModeDoesNothing) {
    typeAndLeave("edV", "20");
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_TRUE(log().isEmpty());
    EXPECT_EQ(text("edV"), "20.00");
    EXPECT_EQ(text("edQ"), "1.00");
}

TEST_F(PumpPageTest, MissingOrZeroInputIsRefused) {
    selectMode(0);
    typeAndLeave("edSnaga", "10");
    typeAndLeave("edp", "100");
    typeAndLeave("edV", "50");
    for (const QString& efficiency : {QString(), QStringLiteral("0"), QStringLiteral("0.0")}) {
        desktop->shown.clear();
        child<QLineEdit>("edNiM")->setText(efficiency);
        calculate();
        ASSERT_EQ(desktop->shown.size(), 1u) << efficiency.toStdString();
        EXPECT_EQ(desktop->shown[0].title, "ERROR DATA INPUT");
        EXPECT_EQ(desktop->shown[0].text, "Pump data improoperly entered");
    }
    // Selecting the mode reset the flow field; the slider was at its start already.
    EXPECT_EQ(text("edQ"), "0.0");
    EXPECT_TRUE(log().isEmpty());
    // An efficiency is a fraction of at most 1: more would create power.
    for (const auto& [hydromechanical, volumetric] :
         {std::pair{"1.5", "1"}, std::pair{"1", "1.01"}, std::pair{"5", "0.9"}}) {
        desktop->shown.clear();
        setEfficiencies(hydromechanical, volumetric);
        calculate();
        ASSERT_EQ(desktop->shown.size(), 1u) << hydromechanical << " " << volumetric;
        EXPECT_EQ(desktop->shown[0].text, "Pump data improoperly entered");
    }
    EXPECT_EQ(text("edQ"), "0.0");
    desktop->shown.clear();
    setEfficiencies("1", "1");
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_EQ(text("edQ"), "60.00");
}

TEST_F(PumpPageTest, ATextThatIsNoNumberIsNamedAndNothingIsComputed) {
    selectMode(0);
    typeAndLeave("edSnaga", "10");
    typeAndLeave("edp", "100");
    typeAndLeave("edV", "50");
    // The efficiency fields have no exit rule, so a point alone stays in them.
    typeAndLeave("edNiV", ".");
    EXPECT_EQ(text("edNiV"), ".");
    calculate();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "ERROR DATA INPUT");
    EXPECT_EQ(desktop->shown[0].text, "Pump data improoperly entered");
    EXPECT_EQ(desktop->shown[0].detail,
              "Volumetric efficiency: \".\" is not a number (allowed: 0.3 to 1)");
    EXPECT_EQ(text("edNiV"), ".");
    EXPECT_EQ(fieldColour(field("edNiV")), kRefusedFieldColour);
    EXPECT_TRUE(log().isEmpty());
    // The program goes on: a corrected input calculates.
    typeAndLeave("edNiV", "1");
    setEfficiencies("1", "1");
    calculate();
    EXPECT_EQ(text("edQ"), "60.00");
}

TEST_F(PumpPageTest, SelectingAModeResetsAndMarksExactlyThreeFields) {
    typeAndLeave("edQ", "33");
    selectMode(4);
    EXPECT_EQ(text("edQ"), "1.00");
    EXPECT_EQ(text("edSnaga"), "0.0");
    EXPECT_TRUE(isLime("edQ"));
    EXPECT_TRUE(isLime("edV"));
    EXPECT_TRUE(isLime("edp"));
    EXPECT_TRUE(isWindowColour("edSnaga"));
    EXPECT_TRUE(isWindowColour("edN"));
    EXPECT_TRUE(isWindowColour("edNiM"));
    EXPECT_TRUE(isWindowColour("edNiV"));
    EXPECT_EQ(text("edNiM"), "0.96");

    selectMode(1);
    EXPECT_TRUE(isLime("edSnaga"));
    EXPECT_TRUE(isLime("edp"));
    EXPECT_TRUE(isLime("edN"));
    EXPECT_TRUE(isWindowColour("edQ"));
    EXPECT_TRUE(isWindowColour("edV"));
}

TEST_F(PumpPageTest, ResetRestoresTheStartValuesButKeepsEfficiencies) {
    selectMode(0);
    typeAndLeave("edSnaga", "10");
    typeAndLeave("edp", "100");
    setEfficiencies("0.90", "0.80");
    QTest::mouseClick(child<QPushButton>("btnReset"), Qt::LeftButton);
    // The power slider moved back to 0, so its own format wrote the field.
    EXPECT_EQ(text("edSnaga"), "0.00");
    EXPECT_EQ(slider("TrackBar1"), 0);
    EXPECT_EQ(text("edp"), "1");
    EXPECT_EQ(slider("TrackBar4"), 1);
    EXPECT_EQ(text("edNiM"), "0.90");
    EXPECT_TRUE(isWindowColour("edSnaga"));
    EXPECT_TRUE(isWindowColour("edp"));
}

TEST_F(PumpPageTest, PicturesComeFromTheBundleWhenItIsThere) {
    EXPECT_TRUE(child<QLabel>("Image1")->pixmap().isNull());
    open({QStringLiteral(HYDROCALC_BUILD_APP_DIR)});
    EXPECT_FALSE(child<QLabel>("Image1")->pixmap().isNull());
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(PumpPageTest, ABundleWithoutThePumpPictureIsReportedAtStartUp) {
    open({QStringLiteral(HYDROCALC_TEST_DATA_DIR "/no-pump")});
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text, "ERROR: Aplication start");
    EXPECT_EQ(desktop->shown[0].title, "Resource 2021 not found");
    EXPECT_TRUE(child<QLabel>("Image1")->pixmap().isNull());
    // Everything before the pictures was done; the page still calculates.
    EXPECT_EQ(text("edNiM"), "0.96");
    EXPECT_EQ(text("edV"), "1.00");
}

TEST_F(PumpPageTest, TheCircuitGetsTheLastCalculationUnroundedUntilAFieldChanges) {
    // Flow, displacement and pressure given: the fields show the power to two
    // decimals and the pressure to none, which would give the circuit's pump
    // (built from power, pressure and displacement) another flow.
    selectMode(4);
    typeAndLeave("edQ", "38.57");
    typeAndLeave("edV", "20");
    typeAndLeave("edp", "104.5");
    calculate();
    ASSERT_EQ(text("edp"), "105");
    const PumpInputs given = window->findChild<PumpPage*>()->inputs();
    EXPECT_DOUBLE_EQ(given.pressure, 104.5);
    const pumpa circuitPump(given.power, given.pressure, given.displacement,
                            given.volumetricEfficiency, given.hydromechanicalEfficiency, 1);
    EXPECT_NEAR(circuitPump.flow, 38.57, 1e-9);
    // Once the user changes a field, the fields are what the pump is.
    typeAndLeave("edV", "25");
    EXPECT_DOUBLE_EQ(window->findChild<PumpPage*>()->inputs().pressure, 105.0);
    EXPECT_DOUBLE_EQ(window->findChild<PumpPage*>()->inputs().displacement, 25.0);
}

TEST_F(PumpPageTest, EnterCalculatesAfterTheFieldsExitAndTabGoesDownThePage) {
    showPage("tsPumpa");
    selectMode(0);
    typeAndLeave("edSnaga", "10");
    typeAndLeave("edp", "100");
    type("edV", "20,5");
    QTest::keyClick(field("edV"), Qt::Key_Return);
    // The exit read the typed value, then Calculate ran with it.
    EXPECT_EQ(text("edV"), "20.50");
    EXPECT_FALSE(text("edQ").isEmpty());
    EXPECT_NE(log().indexOf("PUMP"), -1) << log().toStdString();
    // Enter on a focused button presses it.
    auto* reset = child<QPushButton>("btnReset");
    reset->setFocus(Qt::TabFocusReason);
    QTest::keyClick(reset, Qt::Key_Return);
    EXPECT_EQ(text("edV"), "1.00");
    // Tab goes down the page: the fields row by row, left to right in a row.
    const char* const order[] = {"edV", "edp", "edNiM", "edNiV", "edQ", "btnCalc", "btnReset"};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        EXPECT_EQ(field(order[i - 1])->nextInFocusChain(), field(order[i])) << order[i];
    }
}

}  // namespace
