#include "circuit/CircuitSlots.h"

#include <stdexcept>

#include "model/numtext.h"

namespace {

// The formats of the line page's diameter and length fields: the texts the
// user saw there when the line was taken over.
constexpr const char* kDiameterFormat = "%f";
constexpr const char* kLengthFormat = "%2.1f";

bool isLineSlot(CircuitSlot slot) {
    return slot == CircuitSlot::OperationLine || slot == CircuitSlot::ReturnLine;
}

std::size_t indexOf(CircuitSlot slot) {
    return static_cast<std::size_t>(slot);
}

}  // namespace

void CircuitSlots::setLine(CircuitSlot slot, const LineInputs& line) {
    if (!isLineSlot(slot)) {
        throw std::invalid_argument("A line goes into a line slot, not the " +
                                    std::string(slotLabel(slot)));
    }
    slots_.at(indexOf(slot)) = line;
}

void CircuitSlots::setValve(CircuitSlot slot, const ValveInputs& valve) {
    if (isLineSlot(slot)) {
        throw std::invalid_argument("A valve goes into a valve slot, not the " +
                                    std::string(slotLabel(slot)));
    }
    slots_.at(indexOf(slot)) = valve;
}

void CircuitSlots::clear(CircuitSlot slot) {
    slots_.at(indexOf(slot)) = std::monostate{};
}

void CircuitSlots::clearAll() {
    for (CircuitSlot slot : kAllCircuitSlots) {
        clear(slot);
    }
}

const CircuitSlots::Content& CircuitSlots::content(CircuitSlot slot) const {
    return slots_.at(indexOf(slot));
}

bool CircuitSlots::filled(CircuitSlot slot) const {
    return !std::holds_alternative<std::monostate>(content(slot));
}

int CircuitSlots::tubeType(CircuitSlot slot) const {
    const auto* line = std::get_if<LineInputs>(&content(slot));
    return line ? line->materialIndex : 0;
}

std::string CircuitSlots::text(CircuitSlot slot) const {
    const Content& held = content(slot);
    if (const auto* line = std::get_if<LineInputs>(&held)) {
        return lineSlotText(numtext::Format(kDiameterFormat, {line->diameter}),
                            numtext::Format(kLengthFormat, {line->length}));
    }
    if (const auto* valve = std::get_if<ValveInputs>(&held)) {
        return valveSlotText(valve->name, numtext::FloatToStr(valve->constantTerm),
                             numtext::FloatToStr(valve->flowCoefficient));
    }
    return {};
}

bool CircuitSlots::complete(CircuitOptions options) const {
    for (CircuitSlot slot :
         {CircuitSlot::OperationLine, CircuitSlot::ReturnLine, CircuitSlot::DirectionalValve}) {
        if (!filled(slot)) {
            return false;
        }
    }
    return (!options.blockingValve || filled(CircuitSlot::BlockingValve)) &&
           (!options.throttle || filled(CircuitSlot::Throttle));
}

const LineInputs& CircuitSlots::neededLine(CircuitSlot slot) const {
    if (const auto* line = std::get_if<LineInputs>(&content(slot))) {
        return *line;
    }
    throw emptySlotError(slot);
}

const ValveInputs& CircuitSlots::neededValve(CircuitSlot slot) const {
    if (const auto* valve = std::get_if<ValveInputs>(&content(slot))) {
        return *valve;
    }
    throw emptySlotError(slot);
}

CircuitInputs CircuitSlots::gather(CircuitOptions options) const {
    CircuitInputs inputs;
    inputs.operationLine = neededLine(CircuitSlot::OperationLine);
    inputs.returnLine = neededLine(CircuitSlot::ReturnLine);
    inputs.directionalValve = neededValve(CircuitSlot::DirectionalValve);
    if (options.blockingValve) {
        inputs.blockingValve = neededValve(CircuitSlot::BlockingValve);
    }
    if (options.throttle) {
        inputs.throttle = neededValve(CircuitSlot::Throttle);
    }
    return inputs;
}

std::optional<LineInputs> CircuitSlots::line(CircuitSlot slot) const {
    if (const auto* held = std::get_if<LineInputs>(&content(slot))) {
        return *held;
    }
    return std::nullopt;
}

std::optional<ValveInputs> CircuitSlots::valve(CircuitSlot slot) const {
    if (const auto* held = std::get_if<ValveInputs>(&content(slot))) {
        return *held;
    }
    return std::nullopt;
}
