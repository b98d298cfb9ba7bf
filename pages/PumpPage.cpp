#include "pages/PumpPage.h"

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSlider>

#include "model/InputError.h"
#include "model/pumpa.h"
#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/FieldWidgets.h"
#include "ui/QuantityLabels.h"

namespace {

// The page's quantities, in the order of its pair table.
enum Pair { Power, Speed, Displacement, Pressure, Flow, HydromechanicalEff, VolumetricEff };

std::vector<QuantityRow> pairTable() {
    return {
        // clang-format off
        {.caption = PumpPage::tr("Shaft power"), .quantity = units::Quantity::Power,
         .slider = {.name = "TrackBar1", .minimum = 0, .maximum = 60, .start = 0, .tick = 1,
                    .format = "%f"},
         .field = {.name = "edSnaga", .tag = 100, .kind = FieldKind::Combo,
                   .items = {"1", "2", "3", "4", "5", "6", "7", "8", "10"}},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .range = {.lowest = 0.01, .highest = 5000},
         .at = {.captionLeft = 248, .top = 16, .sliderLeft = 362, .sliderWidth = 382,
                .fieldLeft = 752, .fieldWidth = 65, .unitLeft = 822},
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        {.caption = PumpPage::tr("Speed range"), .quantity = units::Quantity::Speed,
         .slider = {.name = "TrackBar2", .minimum = 0, .maximum = 3000, .start = 0, .tick = 10,
                    .format = "%0.0f"},
         .field = {.name = "edN", .tag = 101, .kind = FieldKind::Combo,
                   // With the usual speeds of four- and two-pole motors.
                   .items = {"100", "200", "300", "400", "500", "600", "700", "800", "900",
                             "1000", "1450", "1500", "2000", "2900", "3000"},
                   .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::Whole, .format = nullptr},
         .range = {.lowest = 1, .highest = 20000},
         .at = {.captionLeft = 248, .top = 56, .sliderLeft = 360, .sliderWidth = 386,
                .fieldLeft = 752, .fieldWidth = 65, .unitLeft = 822},
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0"}},
        {.caption = PumpPage::tr("Displacement"), .quantity = units::Quantity::Displacement,
         .slider = {.name = "TrackBar3", .minimum = 1, .maximum = 1600, .start = 8, .tick = 10,
                    .format = "%f"},
         .field = {.name = "edV", .tag = 102},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .range = {.lowest = 0.1, .highest = 100000},
         .at = {.captionLeft = 248, .top = 96, .sliderLeft = 368, .sliderWidth = 386,
                .fieldLeft = 760, .fieldWidth = 57, .unitLeft = 822},
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        {.caption = PumpPage::tr("Pressure"), .quantity = units::Quantity::Pressure,
         .slider = {.name = "TrackBar4", .minimum = 1, .maximum = 250, .start = 8, .tick = 1,
                    .format = "%0.0f"},
         .field = {.name = "edp", .tag = 103},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .range = {.lowest = 1, .highest = 1000},
         .at = {.captionLeft = 248, .top = 136, .sliderLeft = 330, .sliderWidth = 424,
                .fieldLeft = 760, .fieldWidth = 57, .unitLeft = 822},
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        {.caption = PumpPage::tr("Flow:"), .quantity = units::Quantity::Flow,
         .slider = {.name = "TrackBar7", .minimum = 1, .maximum = 100, .start = 8, .tick = 1,
                    .format = "%2.2f"},
         .field = {.name = "edQ", .tag = 104},
         .exit = {.kind = ExitKind::Decimal, .format = "%2.2f"},
         .range = {.lowest = 0.1, .highest = 10000},
         .at = {.captionLeft = 248, .top = 248, .sliderLeft = 288, .sliderWidth = 466,
                .fieldLeft = 760, .fieldWidth = 57, .unitLeft = 822},
         .reset = {.kind = ResetKind::TextThenSlider, .text = "0.0"}},
        // The efficiencies are written by their sliders only, and keep their
        // values on a reset.
        {.caption = PumpPage::tr("Hydromechanical efficiency"),
         .slider = {.name = "TrackBar5", .minimum = 66, .maximum = 99, .start = 96, .tick = 1,
                    .scale = 0.01, .format = "%2.2f"},
         .field = {.name = "edNiM", .tag = 105, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .range = {.lowest = 0.3, .highest = 1},
         .at = {.captionLeft = 288, .top = 204, .sliderLeft = 288, .sliderWidth = 170,
                .fieldLeft = 464, .fieldWidth = 38, .captionTop = 184, .markLeft = 450}},
        {.caption = PumpPage::tr(" Volumetric efficiency"),
         .slider = {.name = "TrackBar6", .minimum = 66, .maximum = 99, .start = 96, .tick = 1,
                    .scale = 0.01, .format = "%2.2f"},
         .field = {.name = "edNiV", .tag = 106, .keys = KeyFilterKind::Whole},
         .exit = {.kind = ExitKind::None, .format = nullptr},
         .range = {.lowest = 0.3, .highest = 1},
         .at = {.captionLeft = 544, .top = 204, .sliderLeft = 544, .sliderWidth = 150,
                .fieldLeft = 700, .fieldWidth = 38, .captionTop = 184, .markLeft = 680}},
        // clang-format on
    };
}

// The pairs of each mode's A, B and C arguments are marked and validated.
ModeRules modeRules() {
    return {
        .modes = {{PumpPage::tr("Power, Pressure, Displacement"), {Power, Pressure, Displacement}},
                  {PumpPage::tr("Power, Pressure, Speed range"), {Power, Pressure, Speed}},
                  {PumpPage::tr("Displacement, Speed range, Pressure"),
                   {Displacement, Speed, Pressure}},
                  {PumpPage::tr("Displacement,Speed range, Power"), {Displacement, Speed, Power}},
                  {PumpPage::tr("Flow, Displacement, Pressure"), {Flow, Displacement, Pressure}},
                  {PumpPage::tr("Flow,Displacement, Power"), {Flow, Displacement, Power}}},
        .efficiencies = {VolumetricEff, HydromechanicalEff},
        .refusal = {PumpPage::tr("Pump data improoperly entered"),
                    PumpPage::tr("ERROR DATA INPUT")},
    };
}

constexpr double kPressureWarningLimit = 250.0;  // bar
constexpr int kPumpPicture = 2021;

}  // namespace

PumpPage::PumpPage(PageServices& services) : ModePage(services, modeRules()) {
    setObjectName(QStringLiteral("tsPumpa"));
    buildControls();
    connectHandlers();
}

void PumpPage::buildControls() {
    addModeGroup("RadioGroup1", tr("Desired or known values"), QRect(0, 0, 240, 385), {6, 32, 32});
    addPairs(pairTable());
    addCalculateButton("btnCalc", tr("Calculate"), QRect(376, 340, 97, 33));
    addResetButton("btnReset", QRect(480, 340, 97, 33));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(672, 284, 167, 121);
    Image1->setScaledContents(true);
}

void PumpPage::connectHandlers() {
    auto* flowField = qobject_cast<QLineEdit*>(field(Flow));
    connectGuarded(flowField, &QLineEdit::textChanged, this, services_,
                   [this](const QString& text) { emit flowChanged(text); });
}

void PumpPage::reset() {
    // The window's colour reset passes over combo boxes.
    for (int quantity : {Power, Speed, Displacement, Pressure, Flow}) {
        setFieldColour(field(quantity), windowColour());
    }
    pairs().resetAll();
}

void PumpPage::calculate(int item) {
    const std::vector<double> given = givenValues(item);
    const double volumetric = fieldValue(field(VolumetricEff));
    const double hydromechanical = fieldValue(field(HydromechanicalEff));
    pumpa pump(given[0], given[1], given[2], volumetric, hydromechanical,
               static_cast<unsigned>(item + 1));
    showPumpResults(pump);
    last_ =
        Calculated{{pump.power, pump.pressureOut, pump.displacement, volumetric, hydromechanical},
                   inputTexts()};
    if (!services_.writeCalculations()) {
        return;
    }
    if (pump.pressureOut > kPressureWarningLimit) {
        services_.showMessage(pressureWarning(pump.pressureOut, pairs().unitSystem()),
                              tr("CALCULATION ERROR"));
    }
    appendReport(pump);
}

void PumpPage::showPumpResults(const pumpa& pump) {
    showResult(Power, pump.power, formatText("%2.2f", pump.power));
    showResult(Speed, pump.speed, QString::number(pump.speed));
    showResult(Displacement, pump.displacement, formatText("%2.2f", pump.displacement));
    showResult(Pressure, pump.pressureOut, formatText("%2.0f", pump.pressureOut));
    showResult(Flow, pump.flow, formatText("%2.2f", pump.flow));
}

void PumpPage::startUp() {
    for (int index : {HydromechanicalEff, VolumetricEff}) {
        const QuantityPair& efficiency = pair(index);
        setFieldText(efficiency.field, formatText("%0.2f", efficiency.slider->value() * 0.01L));
    }
    reset();
}

QString PumpPage::flowText() const {
    return fieldText(field(Flow));
}

void PumpPage::loadPictures() {
    if (auto picture = services_.picture(kPumpPicture, Image1->size() * 2)) {
        Image1->setPixmap(QPixmap::fromImage(*picture));
    }
}

QStringList PumpPage::inputTexts() const {
    QStringList texts;
    for (int index : {Power, Pressure, Displacement, VolumetricEff, HydromechanicalEff}) {
        texts << fieldText(field(index));
    }
    return texts;
}

PumpInputs PumpPage::inputs() const {
    if (last_ && last_->shown == inputTexts()) {
        return last_->inputs;
    }
    // Read in this order, so the first field that is no usable figure is the
    // one named, and turns red, before anything is computed from it.
    const auto value = [this](int index) {
        const FieldReading reading = FieldPairs::read(pair(index));
        if (!reading.usable()) {
            throw InputError(reading.problem.toStdString());
        }
        return reading.value;
    };
    PumpInputs pump;
    pump.power = value(Power);
    pump.pressure = value(Pressure);
    pump.displacement = value(Displacement);
    pump.volumetricEfficiency = value(VolumetricEff);
    pump.hydromechanicalEfficiency = value(HydromechanicalEff);
    return pump;
}

void PumpPage::saveResults(PageState& state) const {
    if (!last_) {
        return;
    }
    const PumpInputs& pump = last_->inputs;
    state.results = {{QStringLiteral("power"), pump.power},
                     {QStringLiteral("pressure"), pump.pressure},
                     {QStringLiteral("displacement"), pump.displacement},
                     {QStringLiteral("volumetricEfficiency"), pump.volumetricEfficiency},
                     {QStringLiteral("hydromechanicalEfficiency"), pump.hydromechanicalEfficiency}};
}

void PumpPage::restoreResults(const PageState& state) {
    last_.reset();
    const auto figure = [&state](const char* name) -> std::optional<double> {
        const auto found = state.results.find(QString::fromLatin1(name));
        return found == state.results.end() ? std::nullopt : std::optional(found->second);
    };
    const auto power = figure("power");
    const auto pressure = figure("pressure");
    const auto displacement = figure("displacement");
    const auto volumetric = figure("volumetricEfficiency");
    const auto hydromechanical = figure("hydromechanicalEfficiency");
    if (power && pressure && displacement && volumetric && hydromechanical) {
        // As calculated, for the fields as they are now shown.
        last_ = Calculated{{*power, *pressure, *displacement, *volumetric, *hydromechanical},
                           inputTexts()};
    }
}

std::optional<double> PumpPage::flow() const {
    if (fieldText(field(Flow)).isEmpty()) {
        return std::nullopt;
    }
    // Whether the flow suits it is the taker's to judge; a text that is no
    // number is this page's to name, and there is nothing to take.
    const FieldReading reading = FieldPairs::read(pair(Flow));
    if (!reading.number) {
        services_.showMessage(reading.problem, tr("INPUT ERROR"));
        return std::nullopt;
    }
    return reading.value;
}
