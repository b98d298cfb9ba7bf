#include "pages/PumpPage.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "app/DigitKeyFilter.h"
#include "app/FieldAccess.h"
#include "app/FieldPairs.h"
#include "app/FieldWidgets.h"
#include "app/HandlerGuard.h"
#include "app/Uhidromotor.h"
#include "model/numtext.h"
#include "model/pumpa.h"

namespace {

// Radio item texts in mode order; the pump's mode is the item index plus 1.
const char* const kModeTexts[] = {
    "Power, Pressure, Displacement",       "Power, Pressure, Speed range",
    "Displacement, Speed range, Pressure", "Displacement,Speed range, Power",
    "Flow, Displacement, Pressure",        "Flow,Displacement, Power",
};
constexpr int kModeCount = 6;

constexpr double kPressureWarningLimit = 250.0;  // bar
const char* const kRequiredHint = "Velicina mora biti zadata";

}  // namespace

PumpPage::PumpPage(TfrmKalvorMain& main) : main_(main) {
    setObjectName(QStringLiteral("tsPumpa"));
    buildControls();
    bindPairs();
    connectHandlers();
}

void PumpPage::buildControls() {
    RadioGroup1 = new QGroupBox(QStringLiteral("Desired or known values"), this);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    RadioGroup1->setGeometry(0, 0, 240, 385);
    modeButtons_ = new QButtonGroup(this);
    for (int item = 0; item < kModeCount; ++item) {
        auto* button = new QRadioButton(QString::fromLatin1(kModeTexts[item]), RadioGroup1);
        button->setGeometry(6, 28 + item * 32, 232, 24);
        modeButtons_->addButton(button, item);
    }

    const QStringList powerList{"1", "2", "3", "4", "5", "6", "7", "8", "10"};
    const QStringList speedList{"100", "200", "300", "400",  "500",  "600",
                                "700", "800", "900", "1000", "1500", "2000"};

    addCaption(this, QStringLiteral("Shaft power"), 248, 16);
    TrackBar1 = addSlider(this, "TrackBar1", 362, 16, 382, 0, 60, 0, 1);
    edSnaga = addComboField(this, "edSnaga", 752, 16, 65, 100, powerList);
    addCaption(this, QStringLiteral("kW"), 822, 16);

    addCaption(this, QStringLiteral("Speed range"), 248, 56);
    TrackBar2 = addSlider(this, "TrackBar2", 360, 56, 386, 0, 3000, 0, 10);
    edN = addComboField(this, "edN", 752, 56, 65, 101, speedList);
    addCaption(this, QStringLiteral("r/min"), 822, 56);

    addCaption(this, QStringLiteral("Displacement"), 248, 96);
    TrackBar3 = addSlider(this, "TrackBar3", 368, 96, 386, 1, 1600, 8, 10);
    edV = addEditField(this, "edV", 760, 96, 57, 102);
    addCaption(this, QStringLiteral("cm3"), 822, 96);

    addCaption(this, QStringLiteral("Pressure"), 248, 136);
    TrackBar4 = addSlider(this, "TrackBar4", 330, 136, 424, 1, 250, 8, 1);
    edp = addEditField(this, "edp", 760, 136, 57, 103);
    addCaption(this, QStringLiteral("bar"), 822, 136);

    addCaption(this, QStringLiteral("Hydromechanical efficiency"), 288, 184);
    addRequiredMark(this, QString::fromLatin1(kRequiredHint), 450, 182);
    TrackBar5 = addSlider(this, "TrackBar5", 288, 204, 170, 66, 99, 96, 1);
    edNiM = addEditField(this, "edNiM", 464, 204, 38, 105);

    addCaption(this, QStringLiteral(" Volumetric efficiency"), 544, 184);
    addRequiredMark(this, QString::fromLatin1(kRequiredHint), 680, 182);
    TrackBar6 = addSlider(this, "TrackBar6", 544, 204, 150, 66, 99, 96, 1);
    edNiV = addEditField(this, "edNiV", 700, 204, 38, 106);

    addCaption(this, QStringLiteral("Flow:"), 248, 248);
    TrackBar7 = addSlider(this, "TrackBar7", 288, 248, 466, 1, 100, 8, 1);
    edQ = addEditField(this, "edQ", 760, 248, 57, 104);
    addCaption(this, QStringLiteral("l/min"), 822, 248);

    btnCalc = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/calculate.svg")),
                              QStringLiteral("Calculate"), this);
    btnCalc->setObjectName(QStringLiteral("btnCalc"));
    btnCalc->setGeometry(376, 340, 97, 33);
    btnReset = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/reset.svg")),
                               QStringLiteral("Reset"), this);
    btnReset->setObjectName(QStringLiteral("btnReset"));
    btnReset->setGeometry(480, 340, 97, 33);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(672, 284, 167, 121);
    Image1->setScaledContents(true);
}

void PumpPage::bindPairs() {
    pairs_ = new FieldPairs(main_, this);
    pairs_->bind({
        {TrackBar1, edSnaga, 1.0, "%f", ExitKind::Decimal, "%2.2f"},
        {TrackBar2, edN, 1.0, "%0.0f", ExitKind::Whole, nullptr},
        {TrackBar3, edV, 1.0, "%f", ExitKind::Decimal, "%2.2f"},
        {TrackBar4, edp, 1.0, "%0.0f", ExitKind::Decimal, "%2.2f"},
        {TrackBar7, edQ, 1.0, "%2.2f", ExitKind::Decimal, "%2.2f"},
        // The efficiencies are written by their sliders only.
        {TrackBar5, edNiM, 0.01, "%2.2f", ExitKind::None, nullptr},
        {TrackBar6, edNiV, 0.01, "%2.2f", ExitKind::None, nullptr},
    });
    for (QWidget* field : {static_cast<QWidget*>(edSnaga), static_cast<QWidget*>(edV),
                           static_cast<QWidget*>(edp), static_cast<QWidget*>(edQ)}) {
        main_.edSnagaKeyPress().attach(field);
    }
    for (QWidget* field :
         {static_cast<QWidget*>(edN), static_cast<QWidget*>(edNiM), static_cast<QWidget*>(edNiV)}) {
        main_.edNKeyPress().attach(field);
    }
}

void PumpPage::connectHandlers() {
    connectGuarded(modeButtons_, &QButtonGroup::idToggled, this, main_, [this](int, bool checked) {
        if (checked) {
            RadioGroup1Click();
        }
    });
    connectGuarded(btnCalc, &QPushButton::clicked, this, main_, [this] { btnCalcClick(); });
    connectGuarded(btnReset, &QPushButton::clicked, this, main_, [this] { btnResetClick(); });
    connectGuarded(edQ, &QLineEdit::textChanged, this, main_, [this] { edQChange(); });
}

int PumpPage::selectedItem() const {
    return modeButtons_->checkedId();
}

std::array<QWidget*, 3> PumpPage::knownFields(int item) const {
    switch (item) {
        case 0:
            return {edSnaga, edp, edV};
        case 1:
            return {edSnaga, edp, edN};
        case 2:
            return {edV, edN, edp};
        case 3:
            return {edV, edN, edSnaga};
        case 4:
            return {edQ, edV, edp};
        default:
            return {edQ, edV, edSnaga};
    }
}

void PumpPage::RadioGroup1Click() {
    main_.resetEditColours();
    setFieldColour(edSnaga, windowColour());
    setFieldColour(edN, windowColour());
    btnResetClick();
    const int item = selectedItem();
    if (item < 0) {
        return;
    }
    const auto known = knownFields(item);
    main_.markKnownFields(known[0], known[1], known[2]);
}

void PumpPage::btnResetClick() {
    for (QWidget* field :
         {static_cast<QWidget*>(edSnaga), static_cast<QWidget*>(edN), static_cast<QWidget*>(edV),
          static_cast<QWidget*>(edp), static_cast<QWidget*>(edQ)}) {
        setFieldColour(field, windowColour());
    }
    setFieldText(edSnaga, QStringLiteral("0.0"));
    setFieldText(edN, QStringLiteral("0"));
    setFieldText(edV, QStringLiteral("0.0"));
    setFieldText(edp, QStringLiteral("0.0"));
    setFieldText(edQ, QStringLiteral("0.0"));
    // A slider that moves rewrites its field in the slider's format.
    for (QSlider* slider : {TrackBar1, TrackBar2, TrackBar3, TrackBar4, TrackBar7}) {
        slider->setValue(slider->minimum());
    }
}

bool PumpPage::validatePumpInputs() {
    const int item = selectedItem();
    if (item < 0) {
        return false;
    }
    const auto known = knownFields(item);
    const std::array<QWidget*, 5> checked{known[0], known[1], known[2], edNiV, edNiM};
    for (QWidget* field : checked) {
        if (fieldText(field).isEmpty()) {
            return false;
        }
    }
    // A text that is no number is not this check's business: its conversion
    // error reaches the application-wide message.
    for (QWidget* field : checked) {
        if (!(fieldValue(field) > 0.0)) {
            return false;
        }
    }
    return true;
}

void PumpPage::btnCalcClick() {
    const int item = selectedItem();
    if (item < 0) {
        return;
    }
    if (!validatePumpInputs()) {
        main_.showMessage(QStringLiteral("Pump data improoperly entered"),
                          QStringLiteral("ERROR DATA INPUT"));
        return;
    }
    const auto known = knownFields(item);
    pumpa pump(fieldValue(known[0]), fieldValue(known[1]), fieldValue(known[2]), fieldValue(edNiV),
               fieldValue(edNiM), static_cast<unsigned>(item + 1));
    showPumpResults(pump);
    if (!main_.writeCalculations()) {
        return;
    }
    if (pump.pressureOut > kPressureWarningLimit) {
        main_.showMessage(QStringLiteral("Warring, pressure higher  than 250 bar :: ") +
                              formatText("%2.2f bar", pump.pressureOut),
                          QStringLiteral("CALCULATION ERROR"));
    }
    ReportLines lines;
    pump.writeReport(lines);
    main_.appendToLog(lines);
}

void PumpPage::showPumpResults(const pumpa& pump) {
    moveSlider(TrackBar1, pump.power);
    setFieldText(edSnaga, formatText("%2.2f", pump.power));
    moveSlider(TrackBar2, pump.speed);
    setFieldText(edN, QString::number(pump.speed));
    moveSlider(TrackBar3, pump.displacement);
    setFieldText(edV, formatText("%2.2f", pump.displacement));
    moveSlider(TrackBar4, pump.pressureOut);
    setFieldText(edp, formatText("%2.0f", pump.pressureOut));
    moveSlider(TrackBar7, pump.flow);
    setFieldText(edQ, formatText("%2.2f", pump.flow));
}

void PumpPage::edQChange() {
    main_.pumpFlowChanged(edQ->text());
}

void PumpPage::initialiseEfficiencyFields() {
    edNiM->setText(formatText("%0.2f", TrackBar5->value() * 0.01L));
    edNiV->setText(formatText("%0.2f", TrackBar6->value() * 0.01L));
}

void PumpPage::setPicture(const QImage& picture) {
    Image1->setPixmap(QPixmap::fromImage(picture));
}
