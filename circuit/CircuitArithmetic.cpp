#include "circuit/CircuitArithmetic.h"

#include <algorithm>
#include <cctype>
#include <cmath>
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
// one beyond the bounds, or nothing.
std::optional<std::string> outOfBounds(double value, Bounds bounds, std::string_view name,
                                       std::string_view unit, std::string_view remedy) {
    std::string message(name);
    if (!positive(value)) {
        message.append(" must be greater than 0");
    } else if (!within(value, bounds)) {
        message.append(" must lie between ")
            .append(bound(bounds.least))
            .append(" and ")
            .append(bound(bounds.most));
    } else {
        return std::nullopt;
    }
    if (!unit.empty()) {
        message.append(" ").append(unit);
    }
    return message.append(": ").append(remedy);
}

constexpr char kSlotBar = '|';
constexpr char kSlotPercent = '%';

std::string capitalised(std::string_view text) {
    std::string result(text);
    if (!result.empty()) {
        result[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(result[0])));
    }
    return result;
}

bool isLineSlot(CircuitSlot slot) {
    return slot == CircuitSlot::OperationLine || slot == CircuitSlot::ReturnLine;
}

// How the user fills the slot again.
std::string slotRemedy(CircuitSlot slot) {
    return isLineSlot(slot) ? "calculate the line on its page and take it over again"
                            : "calculate the valve on its page and take it over again";
}

CircuitInputError slotError(CircuitSlot slot, std::string_view text, std::string_view form) {
    if (text.empty()) {
        return emptySlotError(slot);
    }
    return CircuitInputError("The " + std::string(slotLabel(slot)) + " slot '" + std::string(text) +
                             "' is not " + std::string(form) +
                             " with numbers: " + slotRemedy(slot));
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

std::optional<std::string> checkLine(CircuitSlot slot, const LineInputs& line) {
    const std::string name = capitalised(slotLabel(slot));
    const std::string remedy = slotRemedy(slot);
    if (auto problem =
            outOfBounds(line.diameter, kLineDiameter, name + " diameter", "mm", remedy)) {
        return problem;
    }
    if (auto problem = outOfBounds(line.length, kLineLength, name + " length", "m", remedy)) {
        return problem;
    }
    if (line.materialIndex < 0 || line.materialIndex >= kTubeTypes) {
        return name + " tube type must be one of the six tube types: " + remedy;
    }
    return std::nullopt;
}

std::optional<std::string> checkValve(CircuitSlot slot, const ValveInputs& valve) {
    if (!std::isfinite(valve.constantTerm) || !std::isfinite(valve.flowCoefficient)) {
        return capitalised(slotLabel(slot)) + " p0 and k must be numbers: " + slotRemedy(slot);
    }
    if (!(std::fabs(valve.constantTerm) <= kMostValveTerm) ||
        !(std::fabs(valve.flowCoefficient) <= kMostValveCoefficient)) {
        return capitalised(slotLabel(slot)) + " p0 must lie within " + bound(kMostValveTerm) +
               " bar and k within " + bound(kMostValveCoefficient) +
               " bar/(l/min)2 either side of 0: " + slotRemedy(slot);
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
    switch (slot) {
        case CircuitSlot::OperationLine:
            return "operation line";
        case CircuitSlot::ReturnLine:
            return "return line";
        case CircuitSlot::DirectionalValve:
            return "directional control valve";
        case CircuitSlot::BlockingValve:
            return "blocking valve";
        case CircuitSlot::Throttle:
            return "throttle";
    }
    return "unknown";
}

CircuitInputError emptySlotError(CircuitSlot slot) {
    return CircuitInputError("The " + std::string(slotLabel(slot)) +
                             " slot is empty: " + slotRemedy(slot));
}

LineInputs parseLineSlot(CircuitSlot slot, std::string_view text, int materialIndex) {
    constexpr std::string_view kForm = "diameter|length";
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
    constexpr std::string_view kForm = "name|p0%k";
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

std::optional<std::string> validate(const CircuitInputs& inputs) {
    // The divisors of the chain first: the flows and the cylinder's areas.
    if (auto problem = outOfBounds(inputs.supplyFlow, kSupplyFlow, "Supply flow Q", "l/min",
                                   "calculate the pump or type a flow")) {
        return problem;
    }
    const CylinderInputs& cylinder = inputs.cylinder;
    if (auto problem = checkCylinderDiameters(cylinder.pistonDiameter, cylinder.rodDiameter)) {
        return problem;
    }
    if (auto problem = outOfBounds(cylinder.pistonDiameter, kCylinderDiameter, "Piston diameter D1",
                                   "mm", "set it on the cylinder page")) {
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
        return std::string(
            "Return flow Qr must be greater than 0 l/min and within range: check the supply flow "
            "Q and the cylinder's diameters D1 and D2");
    }

    const PumpInputs& pump = inputs.pump;
    struct Figure {
        double value;
        Bounds bounds;
        const char* name;
        const char* unit;
        const char* remedy;
    };
    const char* const pumpPage = "calculate the pump";
    const Figure figures[] = {
        {pump.power, kPumpPower, "Pump power", "kW", pumpPage},
        {pump.pressure, kPumpPressure, "Pump pressure", "bar", pumpPage},
        {pump.displacement, kPumpDisplacement, "Pump displacement", "cm3", pumpPage},
        {pump.volumetricEfficiency, kEfficiency, "Pump volumetric efficiency", "",
         "set it on the pump page"},
        {pump.hydromechanicalEfficiency, kEfficiency, "Pump mechanical efficiency", "",
         "set it on the pump page"},
        {inputs.density, kDensity, "Working fluid density", "kg/m3", "set it below the pages"},
        {inputs.viscosity, kViscosity, "Working fluid viscosity", "mm2/s",
         "set it below the pages"},
        {cylinder.efficiency, kEfficiency, "Cylinder efficiency", "",
         "set it on the cylinder page"},
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

prost_cevovod buildCircuit(const CircuitInputs& inputs) {
    if (auto problem = validate(inputs)) {
        throw CircuitInputError(*problem);
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
        figure("The pressure drops use up the pump pressure: the pump gives ", pump,
               Quantity::Pressure, " {unit}, the drops take ", true),
        figure("", drops, Quantity::Pressure, " {unit} (supply ", true),
        figure("", chain.supplyDrop(), Quantity::Pressure, ", return ", true),
        figure("", chain.returnDrop(), Quantity::Pressure, "). The cylinder cannot move the load."),
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
            // The name is the user's text: a row that no unit mark is read in.
            warnings.push_back({
                units::textRow(
                    "Warning: the " + std::string(slotLabel(slot)) + " \"" + valve->name + "\"",
                    true),
                figure(" runs at ", flow, units::Quantity::Flow, " {unit}", true),
                figure(", above the largest flow of its data, ", *valve->largestFlow,
                       units::Quantity::Flow, " {unit}"),
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
