#include "circuit/CircuitSlots.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

const LineInputs kOperationLine{16.0, 2.5, 0};
const LineInputs kReturnLine{25.0, 3.0, 2};
const ValveInputs kDirectional{"WE 6", 0.5, 0.001};
const ValveInputs kBlocking{"RV 10", 1.0, 0.0005};
const ValveInputs kThrottle{"DRV 8", 2.0, 0.0};

CircuitSlots allFilled() {
    CircuitSlots slots;
    slots.setLine(CircuitSlot::OperationLine, kOperationLine);
    slots.setLine(CircuitSlot::ReturnLine, kReturnLine);
    slots.setValve(CircuitSlot::DirectionalValve, kDirectional);
    slots.setValve(CircuitSlot::BlockingValve, kBlocking);
    slots.setValve(CircuitSlot::Throttle, kThrottle);
    return slots;
}

}  // namespace

TEST(TakenOverSlots, ShowTheTextsTheLineAndValvePagesShowAndReadBack) {
    const CircuitSlots slots = allFilled();
    EXPECT_EQ(slots.text(CircuitSlot::OperationLine), "16.00|2.5");
    EXPECT_EQ(slots.text(CircuitSlot::ReturnLine), "25.00|3.0");
    EXPECT_EQ(slots.text(CircuitSlot::DirectionalValve), "WE 6|0.5%0.001");
    EXPECT_EQ(slots.text(CircuitSlot::BlockingValve), "RV 10|1%0.0005");
    EXPECT_EQ(slots.text(CircuitSlot::Throttle), "DRV 8|2%0");
    EXPECT_EQ(slots.tubeType(CircuitSlot::ReturnLine), 2);

    const LineInputs line = parseLineSlot(
        CircuitSlot::ReturnLine, slots.text(CircuitSlot::ReturnLine), kReturnLine.materialIndex);
    EXPECT_EQ(line.diameter, kReturnLine.diameter);
    EXPECT_EQ(line.length, kReturnLine.length);
    const ValveInputs valve =
        parseValveSlot(CircuitSlot::BlockingValve, slots.text(CircuitSlot::BlockingValve));
    EXPECT_EQ(valve.name, kBlocking.name);
    EXPECT_EQ(valve.flowCoefficient, kBlocking.flowCoefficient);

    CircuitSlots emptied = slots;
    emptied.clearAll();
    EXPECT_EQ(emptied.text(CircuitSlot::Throttle), "");
    EXPECT_EQ(emptied.tubeType(CircuitSlot::ReturnLine), 0);
    EXPECT_THROW(emptied.setLine(CircuitSlot::Throttle, kReturnLine), std::invalid_argument);
}

TEST(TakenOverSlots, GatherTheSlotsTheOptionsNeedAndNameTheFirstEmptyOne) {
    struct Case {
        CircuitOptions options;
        std::optional<CircuitSlot> empty;
        const char* missing;  // the slot the gathering names, or nullptr
    };
    const Case cases[] = {
        {{false, false}, std::nullopt, nullptr},
        {{true, true}, std::nullopt, nullptr},
        // An empty slot the options leave out is not missed.
        {{false, false}, CircuitSlot::BlockingValve, nullptr},
        {{false, false}, CircuitSlot::Throttle, nullptr},
        {{true, false}, CircuitSlot::BlockingValve, "blocking valve"},
        {{false, true}, CircuitSlot::Throttle, "throttle"},
        {{true, true}, CircuitSlot::OperationLine, "operation line"},
        {{false, false}, CircuitSlot::ReturnLine, "return line"},
        {{false, false}, CircuitSlot::DirectionalValve, "directional control valve"},
    };
    for (const Case& c : cases) {
        CircuitSlots slots = allFilled();
        if (c.empty) {
            slots.clear(*c.empty);
        }
        const std::string where = c.missing ? c.missing : "complete";
        EXPECT_EQ(slots.complete(c.options), c.missing == nullptr) << where;
        if (c.missing) {
            try {
                slots.gather(c.options);
                ADD_FAILURE() << "gathered without the " << c.missing;
            } catch (const CircuitInputError& error) {
                const std::string expected = "The " + std::string(c.missing) + " slot is empty: ";
                EXPECT_EQ(std::string(error.what()).substr(0, expected.size()), expected);
            }
            continue;
        }
        const CircuitInputs inputs = slots.gather(c.options);
        EXPECT_EQ(inputs.operationLine.diameter, kOperationLine.diameter) << where;
        EXPECT_EQ(inputs.returnLine.materialIndex, kReturnLine.materialIndex) << where;
        EXPECT_EQ(inputs.directionalValve.name, kDirectional.name) << where;
        EXPECT_EQ(inputs.blockingValve.has_value(), c.options.blockingValve) << where;
        EXPECT_EQ(inputs.throttle.has_value(), c.options.throttle) << where;
    }
}
