#pragma once

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "circuit/CircuitArithmetic.h"

// Every slot, the lines first.
inline constexpr CircuitSlot kAllCircuitSlots[] = {
    CircuitSlot::OperationLine, CircuitSlot::ReturnLine, CircuitSlot::DirectionalValve,
    CircuitSlot::BlockingValve, CircuitSlot::Throttle};

// Which of its optional components the circuit has.
struct CircuitOptions {
    bool blockingValve = false;  // a check or a double check valve
    bool throttle = false;       // on the return line
};

// The five components' slots of the circuit page, filled by the take-overs:
// the operation and the return line (each with its own tube type) and the
// directional valve, the blocking valve and the throttle. A slot is empty
// until a take-over fills it; the calculation reads the values held here.
class CircuitSlots {
  public:
    // A line into a line slot, a valve into a valve slot; the other kind of
    // slot throws std::invalid_argument.
    void setLine(CircuitSlot slot, const LineInputs& line);
    void setValve(CircuitSlot slot, const ValveInputs& valve);
    void clear(CircuitSlot slot);
    void clearAll();

    bool filled(CircuitSlot slot) const;
    // What a slot holds; nothing when it is empty or of the other kind.
    std::optional<LineInputs> line(CircuitSlot slot) const;
    std::optional<ValveInputs> valve(CircuitSlot slot) const;
    // A line slot's tube type, counted from 0; 0 while the slot is empty.
    int tubeType(CircuitSlot slot) const;

    // The slot as the page shows it: a line as "diameter|length" in the line
    // page's formats (mm with two decimals, m with one), a valve as
    // "name|p0%k"; an empty slot as the empty text. parseLineSlot and
    // parseValveSlot read these texts back.
    std::string text(CircuitSlot slot) const;

    // Every slot the options need is filled: both lines and the directional
    // valve always, the blocking valve and the throttle when the options
    // have them.
    bool complete(CircuitOptions options) const;
    // Inputs holding the lines and valves of the slots the options need (a
    // valve the options leave out stays out, whatever its slot holds); the
    // rest is left for the caller. Throws CircuitInputError naming the first
    // needed slot that is empty, the lines before the valves.
    CircuitInputs gather(CircuitOptions options) const;

  private:
    using Content = std::variant<std::monostate, LineInputs, ValveInputs>;
    const Content& content(CircuitSlot slot) const;
    const LineInputs& neededLine(CircuitSlot slot) const;
    const ValveInputs& neededValve(CircuitSlot slot) const;

    std::array<Content, 5> slots_;
};
