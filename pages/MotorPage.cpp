#include "pages/MotorPage.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>

#include "model/HidroMotor.h"
#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/FieldWidgets.h"
#include "ui/InputChecks.h"

namespace {

// The page's quantities, in the order of its pair table.
enum Pair { Torque, Pressure, Flow, Power, Displacement, Speed, HydromechanicalEff, VolumetricEff };

// Where a quantity's row stands: one column of rows.
constexpr PairPlacement rowAt(int top) {
    return {.captionLeft = 256,
            .top = top,
            .sliderLeft = 400,
            .sliderWidth = 300,
            .fieldLeft = 712,
            .fieldWidth = 72};
}

std::vector<QuantityRow> pairTable() {
    return {
        // clang-format off
        {.caption = "Torque [dN/m]",
         .slider = {.name = "tbHMM", .minimum = 0, .maximum = 300, .start = 0, .tick = 10,
                    .format = "%.2f"},
         .field = {.name = "edHMM", .tag = 107},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .at = rowAt(16),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        {.caption = "Pressure [bar]",
         .slider = {.name = "tbHMp", .minimum = 0, .maximum = 250, .start = 1, .tick = 5,
                    .format = "%f"},
         .field = {.name = "edHMp", .tag = 108},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.0f"},
         .at = rowAt(52),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        {.caption = "Flow [l/min]",
         .slider = {.name = "tbHMQ", .minimum = 0, .maximum = 200, .start = 0, .tick = 1,
                    .format = "%f"},
         .field = {.name = "edHMQ", .tag = 109},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .at = rowAt(88),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        {.caption = "Power [kW]",
         .slider = {.name = "tbHMSnaga", .minimum = 0, .maximum = 60, .start = 0, .tick = 10,
                    .format = "%f"},
         .field = {.name = "edHMSnaga", .tag = 110},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .at = rowAt(124),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0"}},
        // The slider counts tenths of a cm3.
        {.caption = "Displacement [cm3]",
         .slider = {.name = "tbHMv", .minimum = 0, .maximum = 1600, .start = 1, .tick = 2,
                    .scale = 0.1, .format = "%f"},
         .field = {.name = "edHMv", .tag = 111},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .at = rowAt(160),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        // A speed is a whole number: a fraction is no speed and gets the
        // default text; the slider's own change rewrites the field.
        {.caption = "Speed range [r/m]",
         .slider = {.name = "tbHMn", .minimum = 0, .maximum = 1500, .start = 0, .tick = 5,
                    .format = "%d"},
         .field = {.name = "edHMn", .tag = 112, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::Integer, .format = nullptr},
         .at = rowAt(196),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        // The efficiencies are written by their sliders only and keep their
        // values on a reset. They take the whole-number fields' key filter, as
        // the pump's do: a letter typed there could only end in a fault.
        {.caption = "Hydromechanical efficiency",
         .slider = {.name = "tbHMNim", .minimum = 66, .maximum = 99, .start = 96, .tick = 1,
                    .scale = 0.01, .format = "%f"},
         .field = {.name = "edHMNiMeh", .tag = 113, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .at = {.captionLeft = 256, .top = 256, .sliderLeft = 256, .sliderWidth = 170,
                .fieldLeft = 432, .fieldWidth = 44, .captionTop = 234, .markLeft = 412}},
        {.caption = " Volumetric efficiency",
         .slider = {.name = "tbHMNIv", .minimum = 66, .maximum = 99, .start = 96, .tick = 1,
                    .scale = 0.01, .format = "%f"},
         .field = {.name = "edHMNIv", .tag = 114, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .at = {.captionLeft = 520, .top = 256, .sliderLeft = 520, .sliderWidth = 170,
                .fieldLeft = 696, .fieldWidth = 44, .captionTop = 234, .markLeft = 652}},
        // clang-format on
    };
}

// Radio item texts in mode order, with the pairs of the mode's A, B and C
// arguments (the same pairs are marked, validated and passed to the motor).
struct Mode {
    const char* text;
    std::array<Pair, 3> known;
};
const Mode kModes[] = {
    {"Torque, Pressure, Flow", {Torque, Pressure, Flow}},
    {"Torque, Pressure, Power", {Torque, Pressure, Power}},
    {"Torque, Pressure, Speed range", {Torque, Pressure, Speed}},
    {"Torque, Flow, Displacement", {Torque, Flow, Displacement}},
    {"Torque, Flow, Speed range", {Torque, Flow, Speed}},
    {"Torque, Displacement, Speed range", {Torque, Displacement, Speed}},
    {"Pressure, Flow, Displacement", {Pressure, Flow, Displacement}},
    {"Pressure, Flow, Speed range", {Pressure, Flow, Speed}},
    {"Pressure, Power, Displacement", {Pressure, Power, Displacement}},
    {"Pressure, Power, Speed range", {Pressure, Power, Speed}},
    {"Pressure, Displacement, Speed range", {Pressure, Displacement, Speed}},
    {"Flow, Power, Displacement", {Flow, Power, Displacement}},
    {"Flow, Power, Speed range", {Flow, Power, Speed}},
    {"Power, Displacement, Speed range", {Power, Displacement, Speed}},
};

QStringList modeTexts() {
    QStringList texts;
    for (const Mode& mode : kModes) {
        texts << QString::fromLatin1(mode.text);
    }
    return texts;
}

// The quantities' sliders go back to their minimum in this order on a reset.
constexpr Pair kResetSliderOrder[] = {Torque, Power, Pressure, Displacement, Flow, Speed};

constexpr int kMotorPicture = 2022;
}  // namespace

MotorPage::MotorPage(PageServices& services) : CalculatorPage(services) {
    setObjectName(QStringLiteral("tdHidromotor"));
    buildControls();
    connectHandlers();
}

void MotorPage::buildControls() {
    modeButtons_ = new QButtonGroup(this);
    RadioGroup2 = addRadioGroup(this, "RadioGroup2", QStringLiteral("Known or desired values"),
                                QRect(0, 0, 244, 412), modeTexts(), modeButtons_, {6, 27, 27});

    pairs_ = new FieldPairs(services_, this);
    pairs_->build(pairTable());
    // The quantity fields open with their sliders' values.
    for (int pair = Torque; pair <= Speed; ++pair) {
        FieldPairs::sliderChanged(pairs_->pair(pair));
    }

    btnHMCalc = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/calculate.svg")),
                                QStringLiteral("Calculate"), this);
    btnHMCalc->setObjectName(QStringLiteral("btnHMCalc"));
    btnHMCalc->setGeometry(256, 330, 97, 33);
    btnHMReset = new QPushButton(QIcon(QStringLiteral(":/program/glyphs/reset.svg")),
                                 QStringLiteral("Reset"), this);
    btnHMReset->setObjectName(QStringLiteral("btnHMReset"));
    btnHMReset->setGeometry(360, 330, 97, 33);

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(680, 292, 167, 121);
    Image2->setScaledContents(true);
}

void MotorPage::connectHandlers() {
    connectGuarded(modeButtons_, &QButtonGroup::idToggled, this, services_,
                   [this](int, bool checked) {
                       if (checked) {
                           RadioGroup2Click();
                       }
                   });
    connectGuarded(btnHMCalc, &QPushButton::clicked, this, services_, [this] { btnHMCalcClick(); });
    connectGuarded(btnHMReset, &QPushButton::clicked, this, services_,
                   [this] { btnHMResetClick(); });
}

QWidget* MotorPage::field(int pair) const {
    return pairs_->pair(pair).field;
}

int MotorPage::selectedItem() const {
    return modeButtons_->checkedId();
}

std::array<QWidget*, 3> MotorPage::knownFields(int item) const {
    const auto& known = kModes[item].known;
    return {field(known[0]), field(known[1]), field(known[2])};
}

void MotorPage::RadioGroup2Click() {
    services_.resetEditColours();
    const int item = selectedItem();
    if (item < 0) {
        return;
    }
    const auto known = knownFields(item);
    services_.markKnownFields({known[0], known[1], known[2]});
}

bool MotorPage::validateMotorInputs() {
    const int item = selectedItem();
    if (item < 0) {
        return false;
    }
    const auto known = knownFields(item);
    return modeInputsUsable({known[0], known[1], known[2]},
                            {field(HydromechanicalEff), field(VolumetricEff)});
}

void MotorPage::btnHMCalcClick() {
    const int item = selectedItem();
    if (item < 0) {
        return;
    }
    if (!validateMotorInputs()) {
        services_.showMessage(QStringLiteral("Iregular data input "),
                              QStringLiteral("ERROR, HYDRO MOTOR DEFINITION "));
        return;
    }
    const double etaV = fieldValue(field(VolumetricEff));
    const double etaHm = fieldValue(field(HydromechanicalEff));
    const auto known = knownFields(item);
    // A fault inside the formulas (a given speed below 1 truncates to 0 and
    // is divided by) leaves before anything on the page is written.
    HidroMotor motor(fieldValue(known[0]), fieldValue(known[1]), fieldValue(known[2]), etaHm, etaV,
                     static_cast<unsigned>(item + 1));
    showMotorResults(motor);
    if (services_.writeCalculations()) {
        ReportLines lines;
        motor.writeReport(lines);
        services_.appendToLog(lines);
    }
}

void MotorPage::showMotorResults(const HidroMotor& motor) {
    FieldPairs::showResult(pairs_->pair(Torque), motor.torque, formatText("%f", motor.torque));
    FieldPairs::showResult(pairs_->pair(Pressure), motor.pressureIn,
                           formatText("%f", motor.pressureIn));
    FieldPairs::showResult(pairs_->pair(Flow), motor.flow, formatText("%f", motor.flow));
    FieldPairs::showResult(pairs_->pair(Power), motor.power, formatText("%f", motor.power));
    FieldPairs::showResult(pairs_->pair(Displacement), motor.displacement,
                           formatText("%f", motor.displacement));
    FieldPairs::showResult(pairs_->pair(Speed), motor.speed, QString::number(motor.speed));
}

void MotorPage::btnHMResetClick() {
    // The mode stays selected; its fields lose their green until it is
    // clicked again.
    services_.resetEditColours();
    // All texts first: a slider that moves back then rewrites its own field
    // in its format, one already at its minimum leaves the reset text.
    for (int pair = Torque; pair <= Speed; ++pair) {
        const QuantityPair& quantity = pairs_->pair(pair);
        setFieldText(quantity.field, quantity.row.reset.text);
    }
    for (Pair pair : kResetSliderOrder) {
        QSlider* slider = pairs_->pair(pair).slider;
        slider->setValue(slider->minimum());
    }
}

void MotorPage::startUp() {
    for (int pair : {HydromechanicalEff, VolumetricEff}) {
        const QuantityPair& efficiency = pairs_->pair(pair);
        setFieldText(efficiency.field, formatText("%.2f", efficiency.slider->value() * 0.01L));
    }
}

void MotorPage::loadPictures() {
    if (auto picture = services_.picture(kMotorPicture, Image2->size() * 2)) {
        Image2->setPixmap(QPixmap::fromImage(*picture));
    }
}
