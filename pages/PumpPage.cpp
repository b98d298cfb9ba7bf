#include "pages/PumpPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "model/pumpa.h"
#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/FieldWidgets.h"
#include "ui/InputChecks.h"

namespace {

// The page's quantities, in the order of its pair table.
enum Pair { Power, Speed, Displacement, Pressure, Flow, HydromechanicalEff, VolumetricEff };

const char* const kRequiredHint = "Velicina mora biti zadata";

std::vector<QuantityRow> pairTable() {
    const QString required = QString::fromLatin1(kRequiredHint);
    // caption, unit, slider, min, max, start, tick, field, tag, kind, items, scale,
    // slider format, exit, exit format, key filter, placement, reset, reset text
    return {
        // clang-format off
        {"Shaft power", "kW", "TrackBar1", 0, 60, 0, 1,
         "edSnaga", 100, FieldKind::Combo, {"1", "2", "3", "4", "5", "6", "7", "8", "10"}, 1.0, "%f", ExitKind::Decimal, "%2.2f",
         KeyFilterKind::Decimal, {248, 16, 362, 382, 752, 65, 822}, ResetKind::TextThenSlider, "0.0"},
        {"Speed range", "r/min", "TrackBar2", 0, 3000, 0, 10,
         "edN", 101, FieldKind::Combo, {"100", "200", "300", "400", "500", "600", "700", "800", "900", "1000", "1500", "2000"}, 1.0, "%0.0f", ExitKind::Whole, nullptr,
         KeyFilterKind::Whole, {248, 56, 360, 386, 752, 65, 822}, ResetKind::TextThenSlider, "0"},
        {"Displacement", "cm3", "TrackBar3", 1, 1600, 8, 10,
         "edV", 102, FieldKind::Edit, {}, 1.0, "%f", ExitKind::Decimal, "%2.2f",
         KeyFilterKind::Decimal, {248, 96, 368, 386, 760, 57, 822}, ResetKind::TextThenSlider, "0.0"},
        {"Pressure", "bar", "TrackBar4", 1, 250, 8, 1,
         "edp", 103, FieldKind::Edit, {}, 1.0, "%0.0f", ExitKind::Decimal, "%2.2f",
         KeyFilterKind::Decimal, {248, 136, 330, 424, 760, 57, 822}, ResetKind::TextThenSlider, "0.0"},
        {"Flow:", "l/min", "TrackBar7", 1, 100, 8, 1,
         "edQ", 104, FieldKind::Edit, {}, 1.0, "%2.2f", ExitKind::Decimal, "%2.2f",
         KeyFilterKind::Decimal, {248, 248, 288, 466, 760, 57, 822}, ResetKind::TextThenSlider, "0.0"},
        // The efficiencies are written by their sliders only, and keep their
        // values on a reset.
        {"Hydromechanical efficiency", {}, "TrackBar5", 66, 99, 96, 1,
         "edNiM", 105, FieldKind::Edit, {}, 0.01, "%2.2f", ExitKind::None, nullptr,
         KeyFilterKind::Whole, {288, 204, 288, 170, 464, 38, -1, 184, 450}, ResetKind::None, {}, nullptr, required},
        {" Volumetric efficiency", {}, "TrackBar6", 66, 99, 96, 1,
         "edNiV", 106, FieldKind::Edit, {}, 0.01, "%2.2f", ExitKind::None, nullptr,
         KeyFilterKind::Whole, {544, 204, 544, 150, 700, 38, -1, 184, 680}, ResetKind::None, {}, nullptr, required},
        // clang-format on
    };
}

// Radio item texts in mode order, with the pairs of the mode's A, B and C
// arguments (the same pairs are marked and validated).
struct Mode {
    const char* text;
    std::array<Pair, 3> known;
};
const Mode kModes[] = {
    {"Power, Pressure, Displacement", {Power, Pressure, Displacement}},
    {"Power, Pressure, Speed range", {Power, Pressure, Speed}},
    {"Displacement, Speed range, Pressure", {Displacement, Speed, Pressure}},
    {"Displacement,Speed range, Power", {Displacement, Speed, Power}},
    {"Flow, Displacement, Pressure", {Flow, Displacement, Pressure}},
    {"Flow,Displacement, Power", {Flow, Displacement, Power}},
};

QStringList modeTexts() {
    QStringList texts;
    for (const Mode& mode : kModes) {
        texts << QString::fromLatin1(mode.text);
    }
    return texts;
}

constexpr double kPressureWarningLimit = 250.0;  // bar
constexpr int kPumpPicture = 2021;

}  // namespace

PumpPage::PumpPage(PageServices& services) : CalculatorPage(services) {
    setObjectName(QStringLiteral("tsPumpa"));
    buildControls();
    connectHandlers();
}

void PumpPage::buildControls() {
    modeButtons_ = new QButtonGroup(this);
    RadioGroup1 = addRadioGroup(this, "RadioGroup1", QStringLiteral("Desired or known values"),
                                QRect(0, 0, 240, 385), modeTexts(), modeButtons_, {6, 32, 32});

    pairs_ = new FieldPairs(services_, this);
    pairs_->build(pairTable());

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

void PumpPage::connectHandlers() {
    connectGuarded(modeButtons_, &QButtonGroup::idToggled, this, services_,
                   [this](int, bool checked) {
                       if (checked) {
                           RadioGroup1Click();
                       }
                   });
    connectGuarded(btnCalc, &QPushButton::clicked, this, services_, [this] { btnCalcClick(); });
    connectGuarded(btnReset, &QPushButton::clicked, this, services_, [this] { btnResetClick(); });
    auto* flowField = qobject_cast<QLineEdit*>(field(Flow));
    connectGuarded(flowField, &QLineEdit::textChanged, this, services_,
                   [this](const QString& text) { emit flowChanged(text); });
}

QWidget* PumpPage::field(int pair) const {
    return pairs_->pair(pair).field;
}

int PumpPage::selectedItem() const {
    return modeButtons_->checkedId();
}

std::array<QWidget*, 3> PumpPage::knownFields(int item) const {
    const auto& known = kModes[item].known;
    return {field(known[0]), field(known[1]), field(known[2])};
}

void PumpPage::RadioGroup1Click() {
    services_.resetEditColours();
    // The colour reset passes over combo boxes.
    setFieldColour(field(Power), windowColour());
    setFieldColour(field(Speed), windowColour());
    btnResetClick();
    const int item = selectedItem();
    if (item < 0) {
        return;
    }
    const auto known = knownFields(item);
    services_.markKnownFields({known[0], known[1], known[2]});
}

void PumpPage::btnResetClick() {
    for (int pair : {Power, Speed, Displacement, Pressure, Flow}) {
        setFieldColour(field(pair), windowColour());
    }
    pairs_->resetAll();
}

bool PumpPage::validatePumpInputs() {
    const int item = selectedItem();
    if (item < 0) {
        return false;
    }
    const auto known = knownFields(item);
    return modeInputsUsable({known[0], known[1], known[2]},
                            {field(VolumetricEff), field(HydromechanicalEff)});
}

void PumpPage::btnCalcClick() {
    const int item = selectedItem();
    if (item < 0) {
        return;
    }
    if (!validatePumpInputs()) {
        services_.showMessage(QStringLiteral("Pump data improoperly entered"),
                              QStringLiteral("ERROR DATA INPUT"));
        return;
    }
    const auto known = knownFields(item);
    pumpa pump(fieldValue(known[0]), fieldValue(known[1]), fieldValue(known[2]),
               fieldValue(field(VolumetricEff)), fieldValue(field(HydromechanicalEff)),
               static_cast<unsigned>(item + 1));
    showPumpResults(pump);
    if (!services_.writeCalculations()) {
        return;
    }
    if (pump.pressureOut > kPressureWarningLimit) {
        services_.showMessage(QStringLiteral("Warring, pressure higher  than 250 bar :: ") +
                                  formatText("%2.2f bar", pump.pressureOut),
                              QStringLiteral("CALCULATION ERROR"));
    }
    ReportLines lines;
    pump.writeReport(lines);
    services_.appendToLog(lines);
}

void PumpPage::showPumpResults(const pumpa& pump) {
    FieldPairs::showResult(pairs_->pair(Power), pump.power, formatText("%2.2f", pump.power));
    FieldPairs::showResult(pairs_->pair(Speed), pump.speed, QString::number(pump.speed));
    FieldPairs::showResult(pairs_->pair(Displacement), pump.displacement,
                           formatText("%2.2f", pump.displacement));
    FieldPairs::showResult(pairs_->pair(Pressure), pump.pressureOut,
                           formatText("%2.0f", pump.pressureOut));
    FieldPairs::showResult(pairs_->pair(Flow), pump.flow, formatText("%2.2f", pump.flow));
}

void PumpPage::startUp() {
    for (int pair : {HydromechanicalEff, VolumetricEff}) {
        const QuantityPair& efficiency = pairs_->pair(pair);
        setFieldText(efficiency.field, formatText("%0.2f", efficiency.slider->value() * 0.01L));
    }
    btnResetClick();
}

void PumpPage::loadPictures() {
    if (auto picture = services_.picture(kPumpPicture, Image1->size() * 2)) {
        Image1->setPixmap(QPixmap::fromImage(*picture));
    }
}

PumpInputs PumpPage::inputs() const {
    // Read in this order, so the first field that holds no number is the one reported.
    PumpInputs pump;
    pump.power = fieldValue(field(Power));
    pump.pressure = fieldValue(field(Pressure));
    pump.displacement = fieldValue(field(Displacement));
    pump.volumetricEfficiency = fieldValue(field(VolumetricEff));
    pump.hydromechanicalEfficiency = fieldValue(field(HydromechanicalEff));
    return pump;
}

std::optional<double> PumpPage::flow() const {
    return optionalFieldValue(field(Flow));
}
