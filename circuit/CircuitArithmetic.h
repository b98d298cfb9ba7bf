#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "circuit/CircuitCharacteristic.h"
#include "circuit/prost_cevovod.h"
#include "model/CylinderFlow.h"
#include "model/InputError.h"

// The arithmetic of the simple circuit, without a window: the inputs the
// circuit page gathers, their checks, the parameter slots' texts, the return
// flow, the building of the chain and the characteristic's data. The slots
// themselves are kept by CircuitSlots (circuit/CircuitSlots.h).
//
// The page's calculation, in order:
//   CircuitInputs inputs = slots.gather(options);  // then the other pages' numbers
//   if (auto problem = validate(inputs)) {
//       showMessage(*problem, kCircuitCaption);  // nothing computed
//       return;
//   }
//   prost_cevovod chain = buildCircuit(inputs);
//   ReportLines lines; chain.writeReport(lines);  // appended to the log
//   if (auto diagram = characteristicOf(chain)) { ... draw ... }  // CircuitCharacteristic.h
// A needed slot that is empty throws CircuitInputError while the inputs are
// gathered; the page shows it the same way.

// The supply flow the circuit takes, l/min, both ends included.
inline constexpr double kLeastSupplyFlow = 0.1;
inline constexpr double kMostSupplyFlow = 10000.0;

// The caption of every message about the circuit's inputs (a model text).
inline constexpr const char* kCircuitCaption = TEXT_KEY("Model", "Simple pipeline");

// An input of the circuit the user has to correct. what() names the input and
// says how to fix it; the page shows it captioned kCircuitCaption. The same
// kind as the cylinder's own input errors, so the return flow's reach the
// page the same way.
using CircuitInputError = InputError;

// The five components' parameter slots, as the page keeps them.
enum class CircuitSlot { OperationLine, ReturnLine, DirectionalValve, BlockingValve, Throttle };

// The pump, built from the pump page's fields as for its first mode.
struct PumpInputs {
    double power = 0.0;         // kW
    double pressure = 0.0;      // bar, also the supply pressure at the operation line
    double displacement = 0.0;  // cm3 per revolution
    double volumetricEfficiency = 0.0;
    double hydromechanicalEfficiency = 0.0;
};

struct LineInputs {
    double diameter = 0.0;  // mm
    double length = 0.0;    // m
    // The line page's tube type, counted from 0 (0..5); the pipe's wall
    // material is this plus 1.
    int materialIndex = 0;
};

struct ValveInputs {
    std::string name;
    double constantTerm = 0.0;     // p0, bar
    double flowCoefficient = 0.0;  // k, bar per (l/min)^2
    // The largest flow of the valve's data line, l/min; nothing for a valve
    // of the user's own, whose characteristic has no measured end.
    std::optional<double> largestFlow;
};

struct CylinderInputs {
    CylinderKind kind = CylinderKind::SingleActing;
    double pistonDiameter = 0.0;  // D1, mm
    double rodDiameter = 0.0;     // D2, mm
    double efficiency = 1.0;
    // Single-acting only: the through-rod cylinder has no load direction.
    LoadDirection direction = LoadDirection::Push;
};

struct CircuitInputs {
    PumpInputs pump;
    double supplyFlow = 0.0;  // Q, l/min
    LineInputs operationLine;
    LineInputs returnLine;
    ValveInputs directionalValve;
    std::optional<ValveInputs> blockingValve;  // check or double check valve
    std::optional<ValveInputs> throttle;       // on the return side
    CylinderInputs cylinder;
    double density = 0.0;    // kg/m3
    double viscosity = 0.0;  // mm2/s
};

// The slot's name as messages use it, e.g. "operation line" (a model text).
std::string_view slotLabel(CircuitSlot slot);

// A line slot holds "diameter|length", the numbers as the line page shows
// them (with the point). The tube type is kept beside the slot and passed in.
// Throws CircuitInputError naming the slot when the text is empty, has no bar
// or holds a part that is no number.
LineInputs parseLineSlot(CircuitSlot slot, std::string_view text, int materialIndex);
// A valve slot holds "name|p0%k": the name up to the first bar, p0 up to the
// first percent sign after it, k after that. Throws CircuitInputError naming
// the slot when the text is empty, lacks the bar or the percent sign, or a
// number is no number.
ValveInputs parseValveSlot(CircuitSlot slot, std::string_view text);

// The error for a slot the calculation needs that is empty: it names the
// slot and says how to fill it.
CircuitInputError emptySlotError(CircuitSlot slot);

// A slot's text from the texts of its numbers (see CircuitSlots::text).
std::string lineSlotText(std::string_view diameter, std::string_view length);
std::string valveSlotText(std::string_view name, std::string_view constantTerm,
                          std::string_view flowCoefficient);

// The first input that would make the calculation divide by zero or compute
// with a meaningless value, as a message naming it, or nothing when all are
// sound. The flows and the cylinder's diameters are checked first. Every
// figure has bounds no drive goes beyond (a pump of 1000 bar at most, a valve's
// p0 within 1000 bar of 0), so for every input accepted the chain's sums, its
// messages, its report and its characteristic stay finite. Computes nothing
// that can fail. inputProblem gives the message as a key and figures, for a
// window that shows it in its language; validate the English text.
std::optional<KeyedText> inputProblem(const CircuitInputs& inputs);
std::optional<std::string> validate(const CircuitInputs& inputs);

// Builds the whole chain in flow order, carrying the supply pressure forward
// from the pump and the return pressure back from the tank (0 bar), builds the
// cylinder between them, and computes the chain's sums with Q and the return
// flow. Inputs that validate rejects throw CircuitInputError with its message
// before anything is built; a formula fault of an element (an overflow with
// absurd values) propagates as FloatingPointFault.
prost_cevovod buildCircuit(const CircuitInputs& inputs);

// Why the cylinder cannot move its load, or nothing when it can: the drops
// use up the pump pressure when the pressure left at the cylinder's inlet is
// not above 0, or the force it gives against its back pressure comes out at
// or below 0. The text names the pump pressure and the sum of the drops.
// As rows (none when it can), and as the text in a unit system.
units::ReportRows cannotMoveLoadRows(const prost_cevovod& chain);
std::optional<std::string> cannotMoveLoad(const prost_cevovod& chain,
                                          units::UnitSystem system = units::kMetric);

// A line for every valve that runs above the largest flow of its data line,
// where its characteristic is no longer measured.
// As rows (one line each), and as texts in a unit system.
std::vector<units::ReportRows> flowWarningRows(const CircuitInputs& inputs,
                                               const prost_cevovod& chain);
std::vector<std::string> flowWarnings(const CircuitInputs& inputs, const prost_cevovod& chain,
                                      units::UnitSystem system = units::kMetric);

// The chain's report for the log. When the cylinder cannot move its load, a
// line that says so stands in place of the cylinder's report, so no negative
// pressure or force is presented as a result; every flow warning follows,
// and the chain's summary line ends it.
// As rows, for the log to write in the units shown, and as the lines in the
// metric system.
units::ReportRows circuitReportRows(const CircuitInputs& inputs, const prost_cevovod& chain);
ReportLines circuitReport(const CircuitInputs& inputs, const prost_cevovod& chain);
