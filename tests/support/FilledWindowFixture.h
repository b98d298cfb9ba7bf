#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTextEdit>

#include "tests/support/MainWindowFixture.h"
#include "tests/support/WorkingFolder.h"

// The main window with a valve data file in the working folder, and every
// page filled in and calculated as a user would: each component taken over
// into the circuit, the circuit and each system calculator calculated.
class FilledWindowFixture : public MainWindowFixture {
  protected:
    void SetUp() override {
        // The valve data files are looked up in the working folder first.
        ASSERT_TRUE(folder.entered());
        ASSERT_TRUE(
            folder.write("Check Valve.dat",
                         "NG6 0.5 bar|40|6|0.5|0.0022|0|\nNG10 0.5 bar|80|6|0.5|0.00055|0|\n"));
        MainWindowFixture::SetUp();
    }
    // The window goes before the working folder does.
    void TearDown() override { window.reset(); }

    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }
    void trigger(const char* action) { child<QAction>(action)->trigger(); }
    QString path(const char* name) { return folder.filePath(QString::fromLatin1(name)); }

    void fillEveryPage() {
        fillCalculatorPages();
        fillSystem();
    }

    // Every page but the system page filled in and calculated, each
    // component taken over into the circuit, and the circuit calculated.
    void fillCalculatorPages() {
        showPage("tsPumpa");
        choose("RadioGroup1", 2);
        typeAndLeave("edV", "45.5");
        typeAndLeave("edN", "1450");
        typeAndLeave("edp", "160");
        child<QSlider>("TrackBar5")->setValue(92);
        click("btnCalc");

        showPage("tdHidromotor");
        choose("RadioGroup2", 6);
        typeAndLeave("edHMp", "120");
        typeAndLeave("edHMQ", "40");
        typeAndLeave("edHMv", "25");
        click("btnHMCalc");

        showPage("tsHidrocilinder");
        child<QComboBox>("ComboBox2")->setCurrentIndex(1);
        choose("RadioGroup4", 0);
        typeAndLeave("edHCD1", "50");
        typeAndLeave("edHCD2", "30");
        typeAndLeave("edHCStroke", "400");
        child<QComboBox>("cbHCMounting")->setCurrentIndex(2);

        showPage("tsUsputni");
        choose("RGcevCrevo", 1);
        choose("USRadio", 1);
        child<QComboBox>("cmbVrsta")->setCurrentIndex(3);
        typeAndLeave("edUSd", "16");
        typeAndLeave("edUSl", "2.5");
        typeAndLeave("edUS", "60");
        click("BitBtn5");
        takeOver("edDpPog");
        showPage("tsUsputni");
        typeAndLeave("edUSl", "4");
        click("BitBtn5");
        takeOver("edDpPov");

        showPage("tsLokalni");
        auto* types = child<QComboBox>("ComboBox1");
        // By its data file, which names it in every language.
        types->setCurrentIndex(types->findData(QStringLiteral("Check Valve")));
        emit types->activated(types->currentIndex());
        child<QListWidget>("ListBox1")->setCurrentRow(1);
        child<QSlider>("tbVENTIL_Q")->setValue(30);
        typeAndLeave("edVENTIL_Pul", "100");
        click("BitBtn10");
        choose("rgBlockSys", 1);
        takeOver("edDpProstBlok");
        takeOver("edDp");
        showPage("tsLokalni");
        child<QTabWidget>("pgcntrsValves")->setCurrentIndex(1);
        child<QSlider>("tbHidrKar")->setValue(3);
        child<QSlider>("TrackBar8")->setValue(2);
        click("BitBtn10");
        child<QCheckBox>("cbPrigusnica")->setChecked(true);
        takeOver("edDpPrig");
        click("btnNovProst");
    }

    // Each calculator of the system page with choices other than its start,
    // calculated; the orifice in front.
    void fillSystem() {
        showPage("tsSystem");
        auto* calculators = child<QTabWidget>("pgcSystem");
        calculators->setCurrentWidget(child<QWidget>("tsAccumulator"));
        child<QComboBox>("cbAccProcess")->setCurrentIndex(2);
        choose("rgAccSolve", 1);
        typeAndLeave("edAccN", "1.25");
        typeAndLeave("edAccV0", "12");
        click("btnAccCalc");
        calculators->setCurrentWidget(child<QWidget>("tsHeat"));
        typeAndLeave("edHeatLoss", "3");
        typeAndLeave("edHeatTank", "200");
        typeAndLeave("edHeatArea", "3.5");  // typed over
        click("btnHeatCalc");
        calculators->setCurrentWidget(child<QWidget>("tsCompress"));
        for (const auto& [field, keys] : {std::pair("edCompV", "10"),
                                          {"edCompDp", "200"},
                                          {"edCompBore", "100"},
                                          {"edCompRod", "50"},
                                          {"edCompStroke", "500"},
                                          {"edCompMass", "1000"}}) {
            typeAndLeave(field, keys);
        }
        click("btnCompCalc");
        calculators->setCurrentWidget(child<QWidget>("tsLineSizing"));
        child<QComboBox>("cbSizeKind")->setCurrentIndex(1);
        typeAndLeave("edSizeQ", "40");
        typeAndLeave("edSizeV", "1.7");
        click("btnSizeCalc");
        calculators->setCurrentWidget(child<QWidget>("tsOrifice"));
        choose("rgOrfSolve", 1);
        typeAndLeave("edOrfQ", "20");
        typeAndLeave("edOrfDp", "50");
        click("btnOrfCalc");
    }

    WorkingFolder folder;
};
