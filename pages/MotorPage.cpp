#include "pages/MotorPage.h"

#include <QLabel>
#include <QPixmap>
#include <QSlider>

#include "model/HidroMotor.h"
#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/FieldWidgets.h"

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
        {.caption = MotorPage::tr("Torque"), .quantity = units::Quantity::Torque,
         .slider = {.name = "tbHMM", .minimum = 0, .maximum = 300, .start = 0, .tick = 10,
                    .format = "%.2f"},
         .field = {.name = "edHMM", .tag = 107},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .range = {.lowest = 0.01, .highest = 100000},
         .at = rowAt(16),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        {.caption = MotorPage::tr("Pressure"), .quantity = units::Quantity::Pressure,
         .slider = {.name = "tbHMp", .minimum = 0, .maximum = 250, .start = 1, .tick = 5,
                    .format = "%f"},
         .field = {.name = "edHMp", .tag = 108},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.0f"},
         .range = {.lowest = 1, .highest = 1000},
         .at = rowAt(52),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        {.caption = MotorPage::tr("Flow"), .quantity = units::Quantity::Flow,
         .slider = {.name = "tbHMQ", .minimum = 0, .maximum = 200, .start = 0, .tick = 1,
                    .format = "%f"},
         .field = {.name = "edHMQ", .tag = 109},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .range = {.lowest = 0.1, .highest = 10000},
         .at = rowAt(88),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        {.caption = MotorPage::tr("Power"), .quantity = units::Quantity::Power,
         .slider = {.name = "tbHMSnaga", .minimum = 0, .maximum = 60, .start = 0, .tick = 10,
                    .format = "%f"},
         .field = {.name = "edHMSnaga", .tag = 110},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .range = {.lowest = 0.01, .highest = 5000},
         .at = rowAt(124),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0"}},
        // The slider counts tenths of a cm3.
        {.caption = MotorPage::tr("Displacement"), .quantity = units::Quantity::Displacement,
         .slider = {.name = "tbHMv", .minimum = 0, .maximum = 1600, .start = 1, .tick = 2,
                    .scale = 0.1, .format = "%f"},
         .field = {.name = "edHMv", .tag = 111},
         .exit = {.kind = ExitKind::Decimal, .format = "%f"},
         .range = {.lowest = 0.1, .highest = 100000},
         .at = rowAt(160),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        // A speed is a whole number: a fraction is no speed and gets the
        // default text; the slider's own change rewrites the field.
        {.caption = MotorPage::tr("Speed range"), .quantity = units::Quantity::Speed,
         .slider = {.name = "tbHMn", .minimum = 0, .maximum = 1500, .start = 0, .tick = 5,
                    .format = "%d"},
         .field = {.name = "edHMn", .tag = 112, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::Integer, .format = nullptr},
         .range = {.lowest = 1, .highest = 20000},
         .at = rowAt(196),
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        // The efficiencies are written by their sliders only and keep their
        // values on a reset. They take the whole-number fields' key filter, as
        // the pump's do: a letter typed there could only end in a fault.
        {.caption = MotorPage::tr("Hydromechanical efficiency"),
         .slider = {.name = "tbHMNim", .minimum = 66, .maximum = 99, .start = 96, .tick = 1,
                    .scale = 0.01, .format = "%f"},
         .field = {.name = "edHMNiMeh", .tag = 113, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .range = {.lowest = 0.3, .highest = 1},
         .at = {.captionLeft = 256, .top = 256, .sliderLeft = 256, .sliderWidth = 170,
                .fieldLeft = 432, .fieldWidth = 44, .captionTop = 234, .markLeft = 412}},
        {.caption = MotorPage::tr(" Volumetric efficiency"),
         .slider = {.name = "tbHMNIv", .minimum = 66, .maximum = 99, .start = 96, .tick = 1,
                    .scale = 0.01, .format = "%f"},
         .field = {.name = "edHMNIv", .tag = 114, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .range = {.lowest = 0.3, .highest = 1},
         .at = {.captionLeft = 520, .top = 256, .sliderLeft = 520, .sliderWidth = 170,
                .fieldLeft = 696, .fieldWidth = 44, .captionTop = 234, .markLeft = 652}},
        // clang-format on
    };
}

// The pairs of each mode's A, B and C arguments are marked, validated and
// passed to the motor.
ModeRules modeRules() {
    return {
        .modes = {{MotorPage::tr("Torque, Pressure, Flow"), {Torque, Pressure, Flow}},
                  {MotorPage::tr("Torque, Pressure, Power"), {Torque, Pressure, Power}},
                  {MotorPage::tr("Torque, Pressure, Speed range"), {Torque, Pressure, Speed}},
                  {MotorPage::tr("Torque, Flow, Displacement"), {Torque, Flow, Displacement}},
                  {MotorPage::tr("Torque, Flow, Speed range"), {Torque, Flow, Speed}},
                  {MotorPage::tr("Torque, Displacement, Speed range"),
                   {Torque, Displacement, Speed}},
                  {MotorPage::tr("Pressure, Flow, Displacement"), {Pressure, Flow, Displacement}},
                  {MotorPage::tr("Pressure, Flow, Speed range"), {Pressure, Flow, Speed}},
                  {MotorPage::tr("Pressure, Power, Displacement"), {Pressure, Power, Displacement}},
                  {MotorPage::tr("Pressure, Power, Speed range"), {Pressure, Power, Speed}},
                  {MotorPage::tr("Pressure, Displacement, Speed range"),
                   {Pressure, Displacement, Speed}},
                  {MotorPage::tr("Flow, Power, Displacement"), {Flow, Power, Displacement}},
                  {MotorPage::tr("Flow, Power, Speed range"), {Flow, Power, Speed}},
                  {MotorPage::tr("Power, Displacement, Speed range"),
                   {Power, Displacement, Speed}}},
        .efficiencies = {HydromechanicalEff, VolumetricEff},
        .refusal = {MotorPage::tr("Iregular data input "),
                    MotorPage::tr("ERROR, HYDRO MOTOR DEFINITION ")},
    };
}

// The quantities' sliders go back to their minimum in this order on a reset.
constexpr Pair kResetSliderOrder[] = {Torque, Power, Pressure, Displacement, Flow, Speed};

constexpr int kMotorPicture = 2022;
}  // namespace

MotorPage::MotorPage(PageServices& services) : ModePage(services, modeRules()) {
    setObjectName(QStringLiteral("tdHidromotor"));
    buildControls();
}

void MotorPage::buildControls() {
    addModeGroup("RadioGroup2", tr("Known or desired values"), QRect(0, 0, 244, 412), {6, 27, 27});
    addPairs(pairTable());
    // The quantity fields open with their sliders' values.
    for (int quantity = Torque; quantity <= Speed; ++quantity) {
        FieldPairs::sliderChanged(pair(quantity));
    }
    addCalculateButton("btnHMCalc", tr("Calculate"), QRect(256, 330, 97, 33));
    addResetButton("btnHMReset", QRect(360, 330, 97, 33));

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(680, 292, 167, 121);
    Image2->setScaledContents(true);
}

void MotorPage::calculate(int item) {
    const double etaV = fieldValue(field(VolumetricEff));
    const double etaHm = fieldValue(field(HydromechanicalEff));
    const std::vector<double> given = givenValues(item);
    // A fault inside the formulas (a given speed below 1 truncates to 0 and
    // is divided by) leaves before anything on the page is written.
    HidroMotor motor(given[0], given[1], given[2], etaHm, etaV, static_cast<unsigned>(item + 1));
    showMotorResults(motor);
    if (services_.writeCalculations()) {
        appendReport(motor);
    }
}

void MotorPage::showMotorResults(const HidroMotor& motor) {
    showResult(Torque, motor.torque, formatText("%f", motor.torque));
    showResult(Pressure, motor.pressureIn, formatText("%f", motor.pressureIn));
    showResult(Flow, motor.flow, formatText("%f", motor.flow));
    showResult(Power, motor.power, formatText("%f", motor.power));
    showResult(Displacement, motor.displacement, formatText("%f", motor.displacement));
    showResult(Speed, motor.speed, QString::number(motor.speed));
}

void MotorPage::reset() {
    // The mode stays selected; its fields lose their green until it is
    // clicked again.
    services_.resetEditColours();
    // All texts first: a slider that moves back then rewrites its own field
    // in its format, one already at its minimum leaves the reset text.
    for (int quantity = Torque; quantity <= Speed; ++quantity) {
        setFieldText(field(quantity), pair(quantity).row.reset.text);
    }
    for (Pair quantity : kResetSliderOrder) {
        QSlider* slider = pair(quantity).slider;
        slider->setValue(slider->minimum());
    }
}

void MotorPage::startUp() {
    for (int index : {HydromechanicalEff, VolumetricEff}) {
        const QuantityPair& efficiency = pair(index);
        setFieldText(efficiency.field, formatText("%.2f", efficiency.slider->value() * 0.01L));
    }
}

void MotorPage::loadPictures() {
    if (auto picture = services_.picture(kMotorPicture, Image2->size() * 2)) {
        Image2->setPixmap(QPixmap::fromImage(*picture));
    }
}
