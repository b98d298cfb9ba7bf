// The circuit's working order through the real pages, as an engineer works:
// pump, operation line, return flow and return line, three valves and the
// cylinder, each taken over by a double click, then the circuit calculated.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTextEdit>

#include "tests/support/MainWindowFixture.h"

namespace {

class WorkingOrderTest : public MainWindowFixture {
  protected:
    // A user-defined valve calculated at a flow; returns the drop shown.
    QString userValve(int coefficientPosition, int minimumPressure, int flow) {
        showPage("tsLokalni");
        child<QTabWidget>("pgcntrsValves")->setCurrentIndex(1);
        child<QSlider>("tbHidrKar")->setValue(coefficientPosition);
        child<QSlider>("TrackBar8")->setValue(minimumPressure);
        child<QSlider>("tbVENTIL_Q")->setValue(flow);
        // An intake that carries the drop: below it the page refuses.
        child<QSlider>("TrackBar9")->setValue(200);
        click("BitBtn10");
        return child<QLabel>("lblFall")->text();
    }
    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }
};

TEST_F(WorkingOrderTest, EachComponentIsTakenOverAndTheChainIsAppendedToTheLog) {
    // The pump: 10 kW at 100 bar with 50 cm3, lossless: 60 l/min.
    showPage("tsPumpa");
    choose("RadioGroup1", 0);
    typeAndLeave("edSnaga", "10");
    typeAndLeave("edp", "100");
    typeAndLeave("edV", "50");
    typeAndLeave("edNiM", "1");
    typeAndLeave("edNiV", "1");
    click("btnCalc");
    EXPECT_EQ(text("edQ_prost"), "60.00");

    // The cylinder: single acting, pushing, 50 / 30 mm.
    showPage("tsHidrocilinder");
    typeAndLeave("edHCD1", "50");
    typeAndLeave("edHCD2", "30");

    // The operation line at the pump flow.
    showPage("tsUsputni");
    choose("USRadio", 1);
    typeAndLeave("edUSd", "16");
    typeAndLeave("edUSl", "2.5");
    typeAndLeave("edUS", "60");
    click("BitBtn5");
    const QString operationDrop = child<QLabel>("lblDp_Cev")->text();
    takeOver("edDpPog");
    EXPECT_EQ(text("edDpPog"), operationDrop);
    EXPECT_EQ(child<QLabel>("Label52")->toolTip(), "16.00|2.5");

    // The return flow of a pushing cylinder: 60 (50^2 - 30^2) / 50^2 = 38.40.
    showPage("tsUsputni");
    QTest::mouseDClick(field("edUS"), Qt::LeftButton);
    EXPECT_EQ(text("edUS"), "38.40");
    typeAndLeave("edUSl", "4");
    click("BitBtn5");
    takeOver("edDpPov");
    EXPECT_EQ(text("edDpPov"), child<QLabel>("lblDp_Cev")->text());

    // The directional valve, a check valve and a throttle.
    const QString directional = userValve(15, 2, 30);  // 0.01 * 30^2 + 2 = 11 bar
    EXPECT_EQ(directional, "11.00");
    takeOver("edDp");
    EXPECT_EQ(text("edDp"), "11.00");
    choose("rgBlockSys", 1);
    userValve(3, 1, 30);
    takeOver("edDpProstBlok");
    child<QCheckBox>("cbPrigusnica")->setChecked(true);
    userValve(1, 2, 30);
    takeOver("edDpPrig");

    const QString before = log();
    desktop->shown.clear();
    click("btnNovProst");
    EXPECT_TRUE(desktop->shown.empty()) << desktop->shown[0].text.toStdString();
    // What the log held stays; the chain's report follows it.
    ASSERT_TRUE(log().startsWith(before));
    const QString chain = log().mid(before.size());
    const QStringList headings = {
        " ----------- SIMPLE PIPELINE CALCULATION --------------- ",
        " ---------   PUMP CALCULATION       --------------------- ",
        " -------   Single pipe pressure drop calculation  ----------- ",
        " ---------------- VALVE CALCULATION --- -------------- ",
        " ---------------- VALVE CALCULATION --- -------------- ",
        " -------   Single pipe pressure drop calculation  ----------- ",
        " ---------------- VALVE CALCULATION --- -------------- ",
        " ----------- Single action cylinder calculaton -------------- ",
    };
    qsizetype at = 0;
    for (const QString& heading : headings) {
        const qsizetype found = chain.indexOf(heading, at);
        ASSERT_GE(found, 0) << heading.toStdString();
        at = found + heading.size();
    }
    // The pushing cylinder returns the annulus flow.
    EXPECT_TRUE(chain.contains("Outgoing flow  38.400  [l/min]")) << chain.toStdString();
}

TEST_F(WorkingOrderTest, APullLoadChosenInTheMenuGivesThePullReturnFlow) {
    showPage("tsPumpa");
    typeAndLeave("edQ", "60");
    showPage("tsHidrocilinder");
    typeAndLeave("edHCD1", "50");
    typeAndLeave("edHCD2", "30");
    child<QAction>("Vucnasila1")->trigger();
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentIndex(), 1);

    showPage("tsUsputni");
    choose("USRadio", 1);
    typeAndLeave("edUSd", "16");
    typeAndLeave("edUSl", "2.5");
    typeAndLeave("edUS", "60");
    click("BitBtn5");
    takeOver("edDpPog");
    showPage("tsUsputni");
    QTest::mouseDClick(field("edUS"), Qt::LeftButton);
    // 60 * 50^2 / (50^2 - 30^2) = 93.75 l/min out of the piston side.
    EXPECT_EQ(text("edUS"), "93.75");
    EXPECT_EQ(child<QSlider>("tbUS")->value(), 93);
}

}  // namespace
