#include "circuit/CircuitArithmetic.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <memory>
#include <utility>

#include "model/Valve.h"
#include "model/cev.h"
#include "model/faults.h"
#include "model/klip.h"
#include "model/numtext.h"
#include "model/pumpa.h"

namespace {

// The pump is given by power, pressure and displacement; the cylinder by
// working pressure, flow and diameters.
constexpr unsigned kPumpFromPowerPressureDisplacement = 1;
constexpr unsigned kCylinderFromPressureAndFlow = 1;
// The lines are calculated from the flow, not from a velocity.
constexpr int kFlowGiven = 1;
// The return line ends in the tank.
constexpr double kTankPressure = 0.0;
// The line page's tube types; the wall material numbers count from 1.
constexpr int kTubeTypes = 6;

// The figures the circuit takes, both ends included: what no drive an
// engineer designs goes beyond, and what keeps every element's formulas, the
// chain's sums, its messages and its characteristic within the range of a
// double. A figure below a least one gives a vanishing divisor somewhere
// (a pump pressure of a billionth of a bar, a line as thin as a hair).
struct Bounds {
    double least;
    double most;
};
constexpr Bounds kSupplyFlow{kLeastSupplyFlow, kMostSupplyFlow};  // l/min
constexpr Bounds kReturnFlow{0.0, 100000.0};                      // l/min, above 0
constexpr Bounds kPumpPower{0.01, 5000.0};                        // kW
constexpr Bounds kPumpPressure{1.0, 1000.0};                      // bar
constexpr Bounds kPumpDisplacement{0.1, 100000.0};                // cm3
constexpr Bounds kEfficiency{0.3, 1.0};
constexpr Bounds kDensity{1.0, 5000.0};           // kg/m3
constexpr Bounds kViscosity{0.1, 100000.0};       // mm2/s
constexpr Bounds kCylinderDiameter{0.0, 2000.0};  // mm, above 0
constexpr Bounds kLineDiameter{0.5, 2000.0};      // mm
constexpr Bounds kLineLength{0.0, 10000.0};       // m, above 0
// A valve's drop is p0 + k Q^2; either may be negative in a data file.
constexpr double kMostValveTerm = 1000.0;       // |p0|, bar
constexpr double kMostValveCoefficient = 10.0;  // |k|, bar per (l/min)^2

bool within(double value, Bounds bounds) {
    return value >= bounds.least && value <= bounds.most;
}

// The number as a message shows a bound: 0.1, 10000.
std::string bound(double value) {
    return numtext::FloatToStr(value);
}

// "must be greater than 0" for a figure that is not, "must lie between" for
// one beyond the bounds, or nothing. Name, unit and remedy are model texts;
// a figure without a unit (an efficiency) passes "".
std::optional<KeyedText> outOfBounds(double value, Bounds bounds, const char* name,
                                     const char* unit, const char* remedy) {
    const bool hasUnit = unit[0] != '\0';
    if (!positive(value)) {
        if (hasUnit) {
            return KeyedText{TEXT_KEY("Model", "%1 must be greater than 0 %2: %3"),
                             {keyFigure(name), keyFigure(unit), keyFigure(remedy)}};
        }
        return KeyedText{TEXT_KEY("Model", "%1 must be greater than 0: %2"),
                         {keyFigure(name), keyFigure(remedy)}};
    }
    if (!within(value, bounds)) {
        if (hasUnit) {
            return KeyedText{TEXT_KEY("Model", "%1 must lie between %2 and %3 %4: %5"),
                             {keyFigure(name), bound(bounds.least), bound(bounds.most),
                              keyFigure(unit), keyFigure(remedy)}};
        }
        return KeyedText{
            TEXT_KEY("Model", "%1 must lie between %2 and %3: %4"),
            {keyFigure(name), bound(bounds.least), bound(bounds.most), keyFigure(remedy)}};
    }
    return std::nullopt;
}

constexpr char kSlotBar = '|';
constexpr char kSlotPercent = '%';

// A slot's texts, each whole so that a translation need not build them: its
// name inside a sentence and at a sentence's start, its figures' names (a
// line) or the start of its flow warning (a valve), and how the user fills
// it again.
struct SlotTexts {
    const char* label;
    const char* name;
    const char* diameter;
    const char* length;
    const char* warning;
    const char* remedy;
};

constexpr const char* kLineRemedy =
    TEXT_KEY("Model", "calculate the line on its page and take it over again");
constexpr const char* kValveRemedy =
    TEXT_KEY("Model", "calculate the valve on its page and take it over again");

// In the order of CircuitSlot.
constexpr SlotTexts kSlotTexts[] = {
    {TEXT_KEY("Model", "operation line"), TEXT_KEY("Model", "Operation line"),
     TEXT_KEY("Model", "Operation line diameter"), TEXT_KEY("Model", "Operation line length"), "",
     kLineRemedy},
    {TEXT_KEY("Model", "return line"), TEXT_KEY("Model", "Return line"),
     TEXT_KEY("Model", "Return line diameter"), TEXT_KEY("Model", "Return line length"), "",
     kLineRemedy},
    {TEXT_KEY("Model", "directional control valve"), TEXT_KEY("Model", "Directional control valve"),
     "", "", TEXT_KEY("Model", "Warning: the directional control valve "), kValveRemedy},
    {TEXT_KEY("Model", "blocking valve"), TEXT_KEY("Model", "Blocking valve"), "", "",
     TEXT_KEY("Model", "Warning: the blocking valve "), kValveRemedy},
    {TEXT_KEY("Model", "throttle"), TEXT_KEY("Model", "Throttle"), "", "",
     TEXT_KEY("Model", "Warning: the throttle "), kValveRemedy},
};

const SlotTexts& textsOf(CircuitSlot slot) {
    return kSlotTexts[static_cast<std::size_t>(slot)];
}

CircuitInputError slotError(CircuitSlot slot, std::string_view text, std::string_view form) {
    if (text.empty()) {
        return emptySlotError(slot);
    }
    // The slot's text stands as it is: it is what the user sees in the slot.
    return CircuitInputError(
        KeyedText{TEXT_KEY("Model", "The %1 slot '%2' is not %3 with numbers: %4"),
                  {keyFigure(textsOf(slot).label), std::string(text), keyFigure(form),
                   keyFigure(textsOf(slot).remedy)}});
}

// A slot's number: with the point, whatever the locale.
double slotNumber(std::string_view part, CircuitSlot slot, std::string_view text,
                  std::string_view form) {
    try {
        return numtext::StrToFloat(part);
    } catch (const ConversionError&) {
        throw slotError(slot, text, form);
    }
}

std::optional<KeyedText> checkLine(CircuitSlot slot, const LineInputs& line) {
    const SlotTexts& texts = textsOf(slot);
    if (auto problem = outOfBounds(line.diameter, kLineDiameter, texts.diameter,
                                   TEXT_KEY("Model", "mm"), texts.remedy)) {
        return problem;
    }
    if (auto problem = outOfBounds(line.length, kLineLength, texts.length, TEXT_KEY("Model", "m"),
                                   texts.remedy)) {
        return problem;
    }
    if (line.materialIndex < 0 || line.materialIndex >= kTubeTypes) {
        return KeyedText{TEXT_KEY("Model", "%1 tube type must be one of the six tube types: %2"),
                         {keyFigure(texts.name), keyFigure(texts.remedy)}};
    }
    return std::nullopt;
}

std::optional<KeyedText> checkValve(CircuitSlot slot, const ValveInputs& valve) {
    const SlotTexts& texts = textsOf(slot);
    if (!std::isfinite(valve.constantTerm) || !std::isfinite(valve.flowCoefficient)) {
        return KeyedText{TEXT_KEY("Model", "%1 p0 and k must be numbers: %2"),
                         {keyFigure(texts.name), keyFigure(texts.remedy)}};
    }
    if (!(std::fabs(valve.constantTerm) <= kMostValveTerm) ||
        !(std::fabs(valve.flowCoefficient) <= kMostValveCoefficient)) {
        return KeyedText{
            TEXT_KEY("Model",
                     "%1 p0 must lie within %2 bar and k within %3 bar/(l/min)2 either side of "
                     "0: %4"),
            {keyFigure(texts.name), bound(kMostValveTerm), bound(kMostValveCoefficient),
             keyFigure(texts.remedy)}};
    }
    return std::nullopt;
}

unsigned wallMaterial(const LineInputs& line) {
    return static_cast<unsigned>(line.materialIndex + 1);
}

// Builds a supply-side valve at the running pressure and returns its outlet
// pressure, which feeds the next element.
double addSupplyValve(prost_cevovod& chain, const ValveInputs& inputs, double intakePressure,
                      double flow) {
    auto valve = std::make_unique<Valve>(intakePressure, flow, inputs.flowCoefficient,
                                         inputs.constantTerm, PortSide::Intake);
    valve->setName(inputs.name);
    const double outlet = valve->pressureOut;
    chain.addElement(std::move(valve));
    return outlet;
}

}  // namespace

std::string_view slotLabel(CircuitSlot slot) {
    const auto index = static_cast<std::size_t>(slot);
    return index < std::size(kSlotTexts) ? kSlotTexts[index].label : "unknown";
}

CircuitInputError emptySlotError(CircuitSlot slot) {
    return CircuitInputError(
        KeyedText{TEXT_KEY("Model", "The %1 slot is empty: %2"),
                  {keyFigure(textsOf(slot).label), keyFigure(textsOf(slot).remedy)}});
}

LineInputs parseLineSlot(CircuitSlot slot, std::string_view text, int materialIndex) {
    constexpr std::string_view kForm = TEXT_KEY("Model", "diameter|length");
    const auto bar = text.find(kSlotBar);
    if (bar == std::string_view::npos) {
        throw slotError(slot, text, kForm);
    }
    LineInputs line;
    line.diameter = slotNumber(text.substr(0, bar), slot, text, kForm);
    line.length = slotNumber(text.substr(bar + 1), slot, text, kForm);
    line.materialIndex = materialIndex;
    return line;
}

ValveInputs parseValveSlot(CircuitSlot slot, std::string_view text) {
    constexpr std::string_view kForm = TEXT_KEY("Model", "name|p0%k");
    const auto bar = text.find(kSlotBar);
    const auto percent =
        bar == std::string_view::npos ? std::string_view::npos : text.find(kSlotPercent, bar + 1);
    if (percent == std::string_view::npos) {
        throw slotError(slot, text, kForm);
    }
    ValveInputs valve;
    valve.name = std::string(text.substr(0, bar));
    valve.constantTerm = slotNumber(text.substr(bar + 1, percent - bar - 1), slot, text, kForm);
    valve.flowCoefficient = slotNumber(text.substr(percent + 1), slot, text, kForm);
    return valve;
}

std::string lineSlotText(std::string_view diameter, std::string_view length) {
    std::string text(diameter);
    text += kSlotBar;
    text += length;
    return text;
}

std::string valveSlotText(std::string_view name, std::string_view constantTerm,
                          std::string_view flowCoefficient) {
    std::string text(name);
    text += kSlotBar;
    text += constantTerm;
    text += kSlotPercent;
    text += flowCoefficient;
    return text;
}

std::optional<KeyedText> inputProblem(const CircuitInputs& inputs) {
    // The divisors of the chain first: the flows and the cylinder's areas.
    if (auto problem = outOfBounds(inputs.supplyFlow, kSupplyFlow,
                                   TEXT_KEY("Model", "Supply flow Q"), TEXT_KEY("Model", "l/min"),
                                   TEXT_KEY("Model", "calculate the pump or type a flow"))) {
        return problem;
    }
    const CylinderInputs& cylinder = inputs.cylinder;
    if (const char* problem =
            cylinderDiametersProblem(cylinder.pistonDiameter, cylinder.rodDiameter)) {
        return KeyedText{problem};
    }
    const char* const cylinderPage = TEXT_KEY("Model", "set it on the cylinder page");
    if (auto problem = outOfBounds(cylinder.pistonDiameter, kCylinderDiameter,
                                   TEXT_KEY("Model", "Piston diameter D1"), TEXT_KEY("Model", "mm"),
                                   cylinderPage)) {
        return problem;
    }
    double back = 0.0;
    try {
        back = returnFlow(inputs.supplyFlow, cylinder.pistonDiameter, cylinder.rodDiameter,
                          cylinder.kind, cylinder.direction);
    } catch (const FloatingPointFault&) {
        back = 0.0;  // beyond the double range: reported below like a vanishing flow
    }
    if (!positive(back) || !within(back, kReturnFlow)) {
        return KeyedText{
            TEXT_KEY("Model",
                     "Return flow Qr must be greater than 0 l/min and within range: check the "
                     "supply flow Q and the cylinder's diameters D1 and D2")};
    }

    const PumpInputs& pump = inputs.pump;
    struct Figure {
        double value;
        Bounds bounds;
        const char* name;
        const char* unit;
        const char* remedy;
    };
    const char* const pumpPage = TEXT_KEY("Model", "calculate the pump");
    const char* const pumpFields = TEXT_KEY("Model", "set it on the pump page");
    const char* const fluidFields = TEXT_KEY("Model", "set it below the pages");
    const Figure figures[] = {
        {pump.power, kPumpPower, TEXT_KEY("Model", "Pump power"), TEXT_KEY("Model", "kW"),
         pumpPage},
        {pump.pressure, kPumpPressure, TEXT_KEY("Model", "Pump pressure"), TEXT_KEY("Model", "bar"),
         pumpPage},
        {pump.displacement, kPumpDisplacement, TEXT_KEY("Model", "Pump displacement"),
         TEXT_KEY("Model", "cm3"), pumpPage},
        {pump.volumetricEfficiency, kEfficiency, TEXT_KEY("Model", "Pump volumetric efficiency"),
         "", pumpFields},
        {pump.hydromechanicalEfficiency, kEfficiency,
         TEXT_KEY("Model", "Pump mechanical efficiency"), "", pumpFields},
        {inputs.density, kDensity, TEXT_KEY("Model", "Working fluid density"),
         TEXT_KEY("Model", "kg/m3"), fluidFields},
        {inputs.viscosity, kViscosity, TEXT_KEY("Model", "Working fluid viscosity"),
         TEXT_KEY("Model", "mm2/s"), fluidFields},
        {cylinder.efficiency, kEfficiency, TEXT_KEY("Model", "Cylinder efficiency"), "",
         cylinderPage},
    };
    for (const Figure& figure : figures) {
        if (auto problem =
                outOfBounds(figure.value, figure.bounds, figure.name, figure.unit, figure.remedy)) {
            return problem;
        }
    }
    if (auto problem = checkLine(CircuitSlot::OperationLine, inputs.operationLine)) {
        return problem;
    }
    if (auto problem = checkLine(CircuitSlot::ReturnLine, inputs.returnLine)) {
        return problem;
    }
    if (auto problem = checkValve(CircuitSlot::DirectionalValve, inputs.directionalValve)) {
        return problem;
    }
    if (inputs.blockingValve) {
        if (auto problem = checkValve(CircuitSlot::BlockingValve, *inputs.blockingValve)) {
            return problem;
        }
    }
    if (inputs.throttle) {
        if (auto problem = checkValve(CircuitSlot::Throttle, *inputs.throttle)) {
            return problem;
        }
    }
    return std::nullopt;
}

std::optional<std::string> validate(const CircuitInputs& inputs) {
    if (auto problem = inputProblem(inputs)) {
        return problem->filled();
    }
    return std::nullopt;
}

prost_cevovod buildCircuit(const CircuitInputs& inputs) {
    if (auto problem = inputProblem(inputs)) {
        throw CircuitInputError(std::move(*problem));
    }
    const double Q = inputs.supplyFlow;
    const CylinderInputs& cylinder = inputs.cylinder;
    const double Qr = returnFlow(Q, cylinder.pistonDiameter, cylinder.rodDiameter, cylinder.kind,
                                 cylinder.direction);

    prost_cevovod chain(inputs.density, inputs.viscosity);
    const PumpInputs& pump = inputs.pump;
    chain.addElement(std::make_unique<pumpa>(
        pump.power, pump.pressure, pump.displacement, pump.volumetricEfficiency,
        pump.hydromechanicalEfficiency, kPumpFromPowerPressureDisplacement));

    // The supply pressure, carried forward from the pump to the cylinder.
    double p = pump.pressure;
    const LineInputs& operation = inputs.operationLine;
    auto operationLine =
        std::make_unique<cev>(Q, operation.length, chain.density(), operation.diameter,
                              chain.viscosity(), wallMaterial(operation), kFlowGiven);
    operationLine->setPortPressure(p, PortSide::Intake);
    p = operationLine->pressureOut;
    chain.addElement(std::move(operationLine));
    p = addSupplyValve(chain, inputs.directionalValve, p, Q);
    if (inputs.blockingValve) {
        p = addSupplyValve(chain, *inputs.blockingValve, p, Q);
    }

    // The back pressure, carried from the tank up to the cylinder's outlet.
    const LineInputs& back = inputs.returnLine;
    auto returnLine = std::make_unique<cev>(Qr, back.length, chain.density(), back.diameter,
                                            chain.viscosity(), wallMaterial(back), kFlowGiven);
    returnLine->setPortPressure(kTankPressure, PortSide::Outlet);
    double pb = returnLine->pressureIn;
    chain.addElement(std::move(returnLine));
    if (inputs.throttle) {
        const ValveInputs& t = *inputs.throttle;
        auto throttle =
            std::make_unique<Valve>(pb, Qr, t.flowCoefficient, t.constantTerm, PortSide::Outlet);
        throttle->setName(t.name);
        pb = throttle->pressureIn;
        chain.addElement(std::move(throttle));
    }

    if (cylinder.kind == CylinderKind::SingleActing) {
        const bool pull = cylinder.direction == LoadDirection::Pull;
        chain.addElement(std::make_unique<klipJednostrani>(
            p, Q, cylinder.pistonDiameter, cylinder.rodDiameter, pb, cylinder.efficiency, pull,
            kCylinderFromPressureAndFlow));
    } else {
        chain.addElement(
            std::make_unique<klipDvostrani>(p, Q, cylinder.pistonDiameter, cylinder.rodDiameter, pb,
                                            cylinder.efficiency, kCylinderFromPressureAndFlow));
    }

    chain.computeSums(Q, Qr);
    return chain;
}

namespace {

units::ReportRow figure(std::string label, double value, units::Quantity quantity,
                        std::string after, bool continues = false) {
    return units::numberRow(std::move(label), value, quantity, units::NumberRules::Framework,
                            "%.2f", std::move(after), continues);
}

// The lines of rows in a unit system joined into one text.
std::string textOf(const units::ReportRows& rows, units::UnitSystem system) {
    ReportLines lines;
    units::appendRows(lines, rows, system);
    std::string text;
    for (const std::string& line : lines) {
        text += line;
    }
    return text;
}

}  // namespace

units::ReportRows cannotMoveLoadRows(const prost_cevovod& chain) {
    if (chain.count() < 2) {
        return {};
    }
    const auto* cylinder = dynamic_cast<const klip*>(&chain.element(chain.count() - 1));
    if (cylinder == nullptr || (cylinder->pressureIn > 0.0 && cylinder->force > 0.0)) {
        return {};
    }
    using units::Quantity;
    const double pump = chain.element(0).pressureOut;
    const double drops = chain.supplyDrop() + chain.returnDrop();
    return {
        figure(TEXT_KEY("Model", "The pressure drops use up the pump pressure: the pump gives "),
               pump, Quantity::Pressure, TEXT_KEY("Model", " {unit}, the drops take "), true),
        figure("", drops, Quantity::Pressure, TEXT_KEY("Model", " {unit} (supply "), true),
        figure("", chain.supplyDrop(), Quantity::Pressure, TEXT_KEY("Model", ", return "), true),
        figure("", chain.returnDrop(), Quantity::Pressure,
               TEXT_KEY("Model", "). The cylinder cannot move the load.")),
    };
}

std::optional<std::string> cannotMoveLoad(const prost_cevovod& chain, units::UnitSystem system) {
    const units::ReportRows rows = cannotMoveLoadRows(chain);
    if (rows.empty()) {
        return std::nullopt;
    }
    return textOf(rows, system);
}

std::vector<units::ReportRows> flowWarningRows(const CircuitInputs& inputs,
                                               const prost_cevovod& chain) {
    const std::pair<CircuitSlot, const std::optional<ValveInputs>*> valves[] = {
        {CircuitSlot::DirectionalValve, nullptr},
        {CircuitSlot::BlockingValve, &inputs.blockingValve},
        {CircuitSlot::Throttle, &inputs.throttle},
    };
    std::vector<units::ReportRows> warnings;
    for (const auto& [slot, optional] : valves) {
        const ValveInputs* valve = optional == nullptr     ? &inputs.directionalValve
                                   : optional->has_value() ? &**optional
                                                           : nullptr;
        if (valve == nullptr || !valve->largestFlow) {
            continue;
        }
        // The throttle carries the return flow; the supply valves the pump's.
        const double flow = slot == CircuitSlot::Throttle ? chain.returnFlow() : chain.supplyFlow();
        if (flow > *valve->largestFlow) {
            // The name is the user's text: a row that no unit mark is read in
            // and no translation changes.
            warnings.push_back({
                units::textRow(textsOf(slot).warning, true),
                units::userTextRow("\"" + valve->name + "\"", true),
                figure(TEXT_KEY("Model", " runs at "), flow, units::Quantity::Flow, " {unit}",
                       true),
                figure(TEXT_KEY("Model", ", above the largest flow of its data, "),
                       *valve->largestFlow, units::Quantity::Flow, " {unit}"),
            });
        }
    }
    return warnings;
}

std::vector<std::string> flowWarnings(const CircuitInputs& inputs, const prost_cevovod& chain,
                                      units::UnitSystem system) {
    std::vector<std::string> warnings;
    for (const units::ReportRows& rows : flowWarningRows(inputs, chain)) {
        warnings.push_back(textOf(rows, system));
    }
    return warnings;
}

units::ReportRows circuitReportRows(const CircuitInputs& inputs, const prost_cevovod& chain) {
    units::ReportRows rows;
    const units::ReportRows problem = cannotMoveLoadRows(chain);
    if (!problem.empty()) {
        chain.writeReportRows(rows, chain.count() - 1);
        rows.push_back(units::textRow(" ", true));
        rows.insert(rows.end(), problem.begin(), problem.end());
    } else {
        chain.writeReportRows(rows);
    }
    for (const units::ReportRows& warning : flowWarningRows(inputs, chain)) {
        rows.push_back(units::textRow(" ", true));
        rows.insert(rows.end(), warning.begin(), warning.end());
    }
    const units::ReportRows summary = chain.summaryRows();
    rows.insert(rows.end(), summary.begin(), summary.end());
    return rows;
}

ReportLines circuitReport(const CircuitInputs& inputs, const prost_cevovod& chain) {
    return units::metricLines(circuitReportRows(inputs, chain));
}
