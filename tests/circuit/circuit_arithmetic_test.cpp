#include "circuit/CircuitArithmetic.h"
#include "circuit/CircuitCharacteristic.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <regex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Valve.h"
#include "model/cev.h"
#include "model/klip.h"

namespace {

constexpr double kTolerance = 1e-9;

// A 50/30 cylinder fed with 32 l/min: the annulus is 16/25 of the piston.
CircuitInputs sampleInputs() {
    CircuitInputs in;
    in.pump = {10.0, 200.0, 20.0, 0.95, 0.9};
    in.supplyFlow = 32.0;
    in.operationLine = {16.0, 2.5, 1};
    in.returnLine = {20.0, 3.0, 0};
    in.directionalValve = {"4/3 valve", 3.0, 0.001};  // 4.024 bar at 32 l/min
    in.cylinder = {CylinderKind::SingleActing, 50.0, 30.0, 0.95, LoadDirection::Push};
    in.density = 890.0;
    in.viscosity = 46.0;
    return in;
}

CircuitInputs withBlockingValveAndThrottle() {
    CircuitInputs in = sampleInputs();
    in.blockingValve = ValveInputs{"Check valve", 1.0, 0.0005};  // 1.512 bar at 32 l/min
    in.throttle = ValveInputs{"Throttle", 2.0, 0.0};             // 2 bar whatever the flow
    return in;
}

template <typename T>
const T& as(const prost_cevovod& chain, std::size_t position) {
    return dynamic_cast<const T&>(chain.element(position));
}

std::string messageOf(const CircuitInputs& in) {
    const auto message = validate(in);
    return message ? *message : "(accepted)";
}

}  // namespace

TEST(CircuitChain, SupplyPressureCarriedFromThePumpToTheCylinder) {
    const prost_cevovod chain = buildCircuit(withBlockingValveAndThrottle());
    const auto& operation = as<cev>(chain, 1);
    const auto& directional = as<Valve>(chain, 2);
    const auto& blocking = as<Valve>(chain, 3);
    const auto& cylinder = as<klipJednostrani>(chain, 6);

    EXPECT_EQ(operation.pressureIn, 200.0);
    EXPECT_NEAR(operation.pressureOut, 200.0 - operation.pressureDrop, kTolerance);
    EXPECT_EQ(directional.pressureIn, operation.pressureOut);
    EXPECT_NEAR(directional.pressureOut, operation.pressureOut - 4.024, kTolerance);
    EXPECT_EQ(blocking.pressureIn, directional.pressureOut);
    EXPECT_NEAR(blocking.pressureOut, directional.pressureOut - 1.512, kTolerance);
    EXPECT_EQ(cylinder.pressureIn, blocking.pressureOut);
    EXPECT_EQ(directional.name, "4/3 valve");
    EXPECT_EQ(blocking.name, "Check valve");
}

TEST(CircuitChain, BackPressureIsTheReturnDropPlusTheThrottle) {
    const CircuitInputs in = withBlockingValveAndThrottle();
    const prost_cevovod chain = buildCircuit(in);
    const auto& returnLine = as<cev>(chain, 4);
    const auto& throttle = as<Valve>(chain, 5);
    const auto& cylinder = as<klipJednostrani>(chain, 6);

    // The line's own drop at the return flow, 32 x 16/25 l/min.
    const cev alone(20.48, 3.0, 890.0, 20.0, 46.0, 1, 1);
    EXPECT_DOUBLE_EQ(returnLine.flow, 20.48);
    EXPECT_DOUBLE_EQ(returnLine.pressureDrop, alone.pressureDrop);
    EXPECT_EQ(returnLine.pressureOut, 0.0);
    EXPECT_EQ(returnLine.pressureIn, returnLine.pressureDrop);
    EXPECT_EQ(throttle.pressureOut, returnLine.pressureIn);
    EXPECT_NEAR(cylinder.pressureOut, returnLine.pressureDrop + 2.0, kTolerance);

    CircuitInputs noThrottle = in;
    noThrottle.throttle.reset();
    const prost_cevovod plain = buildCircuit(noThrottle);
    EXPECT_EQ(as<klipJednostrani>(plain, 5).pressureOut, as<cev>(plain, 4).pressureDrop);
}

TEST(CircuitChain, EachLineKeepsItsOwnTubeType) {
    CircuitInputs in = sampleInputs();
    in.operationLine.materialIndex = 1;  // plain steel, 0.03 mm
    in.returnLine.materialIndex = 3;     // strongly rusted steel, 2.5 mm
    const prost_cevovod chain = buildCircuit(in);
    EXPECT_DOUBLE_EQ(as<cev>(chain, 1).relativeRoughness, 0.03 / 16.0);
    EXPECT_DOUBLE_EQ(as<cev>(chain, 3).relativeRoughness, 2.5 / 20.0);
}

TEST(CircuitChain, ElementsInFlowOrderAndTheirSums) {
    const prost_cevovod chain = buildCircuit(withBlockingValveAndThrottle());
    ASSERT_EQ(chain.count(), 7u);
    const std::vector<int> codes{1, 2019, 100, 100, 2019, 100, 201};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        EXPECT_EQ(chain.element(i).typeCode, codes[i]) << i;
    }
    EXPECT_EQ(chain.element(5).name, "Throttle");

    const double operationDrop = chain.element(1).pressureDrop;
    const double returnDrop = chain.element(4).pressureDrop;
    EXPECT_EQ(chain.supplyFlow(), 32.0);
    EXPECT_DOUBLE_EQ(chain.returnFlow(), 20.48);
    EXPECT_NEAR(chain.supplyDrop(), operationDrop + 4.024 + 1.512 + 2.0, kTolerance);
    EXPECT_DOUBLE_EQ(chain.returnDrop(), returnDrop);
    EXPECT_NEAR(chain.supplyResistance(), (operationDrop + 7.536) / 32.0, kTolerance);
    EXPECT_DOUBLE_EQ(chain.returnResistance(), returnDrop / 20.48);

    const auto diagram = characteristicOf(chain);
    ASSERT_TRUE(diagram.has_value());
    EXPECT_EQ(diagram->flowMax, 32);
    EXPECT_DOUBLE_EQ(diagram->supplyAt(32.0), chain.supplyDrop());
    EXPECT_DOUBLE_EQ(diagram->returnAt(32.0), chain.returnDrop());
}

TEST(CircuitCharacteristicByLaw, EachElementAtTheFlowItCarries) {
    const prost_cevovod chain = buildCircuit(withBlockingValveAndThrottle());
    const auto c = characteristicOf(chain, 200);
    ASSERT_TRUE(c.has_value());
    ASSERT_EQ(c->points.size(), 201u);
    // Both lines are laminar at every flow here: Hagen-Poiseuille in SI,
    // dp = 32 rho nu L v / d^2, with the calculator's 3.14 in the area.
    auto poiseuille = [](double flow, double diameterMm, double length) {
        const double d = diameterMm / 1000.0;
        const double v = flow / 60000.0 / (3.14 * d * d / 4.0);
        return 32.0 * 890.0 * 46e-6 * length * v / (d * d) / 1e5;
    };
    // Half the pump flow: the valves by k q^2 + p0, the throttle at half Qr.
    const CircuitCharacteristic::Point& half = c->points[100];
    EXPECT_DOUBLE_EQ(half.flow, 16.0);
    EXPECT_NEAR(half.supply, poiseuille(16.0, 16.0, 2.5) + 3.256 + 1.128 + 2.0, 1e-9);
    EXPECT_NEAR(half.ret, poiseuille(10.24, 20.0, 3.0), 1e-9);
    // No flow: only the valves' constant terms; the operating point at the end.
    EXPECT_NEAR(c->points.front().supply, 6.0, 1e-12);
    EXPECT_EQ(c->points.front().ret, 0.0);
    EXPECT_EQ(c->points.back().supply, chain.supplyDrop());
    EXPECT_EQ(c->points.back().ret, chain.returnDrop());
    EXPECT_NEAR(c->supplyAt(16.0), half.supply, 1e-12);
}

TEST(CircuitVerdict, DropsThatUseUpThePumpPressureAreSaidNotShownAsResults) {
    // 500 l/min through a valve measured up to 60: k q^2 alone takes 253 bar of 200.
    CircuitInputs in = sampleInputs();
    in.supplyFlow = 500.0;
    in.directionalValve.largestFlow = 60.0;
    const prost_cevovod chain = buildCircuit(in);
    const auto problem = cannotMoveLoad(chain);
    ASSERT_TRUE(problem.has_value());
    EXPECT_NE(problem->find("the pump gives 200.00 bar"), std::string::npos) << *problem;
    EXPECT_NE(problem->find("cannot move the load"), std::string::npos);
    const auto warnings = flowWarnings(in, chain);
    ASSERT_EQ(warnings.size(), 1u);
    EXPECT_EQ(
        warnings[0],
        "Warning: the directional control valve \"4/3 valve\" runs at 500.00 l/min, above the "
        "largest flow of its data, 60.00 l/min");
    const ReportLines report = circuitReport(in, chain);
    ReportLines withoutCylinder;
    chain.writeReport(withoutCylinder, chain.count() - 1);
    ASSERT_EQ(report.size(), withoutCylinder.size() + 3);
    EXPECT_EQ(report[report.size() - 3], " " + *problem);
    EXPECT_EQ(report[report.size() - 2], " " + warnings[0]);
    EXPECT_EQ(report.back(), chain.summaryLine());

    // The sample circuit works: its full report, no warning.
    const CircuitInputs sound = sampleInputs();
    const prost_cevovod working = buildCircuit(sound);
    EXPECT_FALSE(cannotMoveLoad(working).has_value());
    ReportLines full;
    working.writeReport(full);
    full.push_back(working.summaryLine());
    EXPECT_EQ(circuitReport(sound, working), full);
}

// The same verdict in US units: the messages and the whole report in psi and
// gpm, the summary too, with no metric unit left in any line.
TEST(CircuitVerdict, MessagesAndReportInTheUnitsShown) {
    CircuitInputs in = sampleInputs();
    in.supplyFlow = 500.0;
    in.directionalValve.largestFlow = 60.0;
    const prost_cevovod chain = buildCircuit(in);
    const auto problem = cannotMoveLoad(chain, units::kUsCustomary);
    ASSERT_TRUE(problem.has_value());
    // 200 bar = 2900.75 psi.
    EXPECT_NE(problem->find("the pump gives 2900.75 psi, the drops take "), std::string::npos)
        << *problem;
    // 500 l/min = 132.09 gpm, 60 l/min = 15.85 gpm.
    EXPECT_EQ(flowWarnings(in, chain, units::kUsCustomary).at(0),
              "Warning: the directional control valve \"4/3 valve\" runs at 132.09 gpm, above "
              "the largest flow of its data, 15.85 gpm");

    for (const CircuitInputs& inputs : {in, withBlockingValveAndThrottle()}) {
        const prost_cevovod built = buildCircuit(inputs);
        const units::ReportRows rows = circuitReportRows(inputs, built);
        EXPECT_EQ(units::metricLines(rows), circuitReport(inputs, built));
        ReportLines shown;
        units::appendRows(shown, rows, units::kUsCustomary);
        ASSERT_EQ(shown.size(), circuitReport(inputs, built).size());
        EXPECT_EQ(shown.back().rfind(" Result: flow ", 0), 0U);
        EXPECT_NE(shown.back().find(" gpm"), std::string::npos) << shown.back();
        for (const std::string& line : shown) {
            for (const char* unit : {"bar", "l/min", "kN", "[mm]", "m/s", "cm2", "cm3", "kW"}) {
                EXPECT_EQ(line.find(unit), std::string::npos) << line;
            }
        }
    }
}

TEST(CircuitChain, ReportHasTheSevenElementReportsInFlowOrder) {
    const prost_cevovod chain = buildCircuit(withBlockingValveAndThrottle());
    ReportLines log;
    chain.writeReport(log);
    // pump 8 lines, pipes 11, valves 5, single-acting cylinder 11
    ASSERT_EQ(log.size(), 2u + 8 + 11 + 5 + 5 + 11 + 5 + 11);
    EXPECT_EQ(log[0], " ----------- SIMPLE PIPELINE CALCULATION --------------- ");
    EXPECT_EQ(log[1], "");
    const std::string pipe = " -------   Single pipe pressure drop calculation  ----------- ";
    const std::string valve = " ---------------- VALVE CALCULATION --- -------------- ";
    EXPECT_EQ(log[2], " ---------   PUMP CALCULATION       --------------------- ");
    EXPECT_EQ(log[10], pipe);
    EXPECT_EQ(log[21], valve);
    EXPECT_EQ(log[22], "Valve type: 4/3 valve");
    EXPECT_EQ(log[26], valve);
    EXPECT_EQ(log[27], "Valve type: Check valve");
    EXPECT_EQ(log[31], pipe);
    EXPECT_EQ(log[42], valve);
    EXPECT_EQ(log[43], "Valve type: Throttle");
    EXPECT_EQ(log[47], " ----------- Single action cylinder calculaton -------------- ");
}

TEST(CircuitReturnFlow, TheChainsCylinderFollowsTheLoadDirection) {
    CircuitInputs in = sampleInputs();
    const prost_cevovod pushed = buildCircuit(in);
    const auto& pushCylinder = as<klipJednostrani>(pushed, 4);
    EXPECT_DOUBLE_EQ(as<cev>(pushed, 3).flow, 20.48);
    // A pushing cylinder takes Q on the piston and returns it from the annulus.
    EXPECT_DOUBLE_EQ(pushCylinder.inletFlow, 32.0);
    EXPECT_NEAR(pushCylinder.outletFlow, 20.48, kTolerance);

    in.cylinder.direction = LoadDirection::Pull;
    const prost_cevovod pulled = buildCircuit(in);
    EXPECT_DOUBLE_EQ(pulled.returnFlow(), 50.0);
    EXPECT_DOUBLE_EQ(as<cev>(pulled, 3).flow, 50.0);
    EXPECT_NEAR(as<klipJednostrani>(pulled, 4).outletFlow, 50.0, kTolerance);

    in.cylinder.kind = CylinderKind::DoubleActing;
    const prost_cevovod through = buildCircuit(in);
    EXPECT_EQ(through.returnFlow(), 32.0);
    EXPECT_EQ(through.element(4).typeCode, 202);
}

TEST(CircuitValidation, DivisorsFirstWithMessagesNamingTheInput) {
    struct Case {
        std::function<void(CircuitInputs&)> spoil;
        std::string message;
    };
    const std::vector<Case> cases{
        {[](CircuitInputs& in) {
             in.supplyFlow = 0.0;
             in.pump.power = 0.0;  // reported after the flow
         },
         "Supply flow Q must be greater than 0 l/min: calculate the pump or type a flow"},
        {[](CircuitInputs& in) { in.cylinder.pistonDiameter = 0.0; },
         "Piston diameter D1 must be greater than 0 mm: set it on the cylinder page"},
        {[](CircuitInputs& in) { in.cylinder.rodDiameter = -1.0; },
         "Rod diameter D2 must be greater than 0 mm: set it on the cylinder page"},
        {[](CircuitInputs& in) { in.cylinder.rodDiameter = 50.0; },
         "Piston diameter D1 must be greater than the rod diameter D2: correct the cylinder on the "
         "cylinder page"},
        {[](CircuitInputs& in) {
             in.cylinder.kind = CylinderKind::DoubleActing;  // equal diameters leave no annulus
             in.cylinder.rodDiameter = 50.0;
         },
         "Piston diameter D1 must be greater than the rod diameter D2: correct the cylinder on the "
         "cylinder page"},
        {[](CircuitInputs& in) { in.supplyFlow = std::numeric_limits<double>::denorm_min(); },
         "Supply flow Q must lie between 0.1 and 10000 l/min: calculate the pump or type a flow"},
        {[](CircuitInputs& in) { in.supplyFlow = 1.2e308; },
         "Supply flow Q must lie between 0.1 and 10000 l/min: calculate the pump or type a flow"},
        {[](CircuitInputs& in) {
             in.supplyFlow = 10000.0;  // pulled out of a thin annulus: 10.26 times as much
             in.cylinder = {CylinderKind::SingleActing, 2000.0, 1900.0, 0.95, LoadDirection::Pull};
         },
         "Return flow Qr must be greater than 0 l/min and within range: check the supply flow Q "
         "and the cylinder's diameters D1 and D2"},
        {[](CircuitInputs& in) { in.cylinder.pistonDiameter = 1e308; },
         "Piston diameter D1 must lie between 0 and 2000 mm: set it on the cylinder page"},
        {[](CircuitInputs& in) { in.pump.pressure = 1e308; },
         "Pump pressure must lie between 1 and 1000 bar: calculate the pump"},
        {[](CircuitInputs& in) { in.pump.pressure = 1e-9; },
         "Pump pressure must lie between 1 and 1000 bar: calculate the pump"},
        {[](CircuitInputs& in) { in.pump.volumetricEfficiency = 1.5; },
         "Pump volumetric efficiency must lie between 0.3 and 1: set it on the pump page"},
        {[](CircuitInputs& in) { in.operationLine.diameter = 1e-300; },
         "Operation line diameter must lie between 0.5 and 2000 mm: calculate the line on its "
         "page and take it over again"},
        {[](CircuitInputs& in) { in.directionalValve.constantTerm = -1.7e308; },
         "Directional control valve p0 must lie within 1000 bar and k within 10 bar/(l/min)2 "
         "either side of 0: calculate the valve on its page and take it over again"},
        {[](CircuitInputs& in) { in.pump.displacement = 0.0; },
         "Pump displacement must be greater than 0 cm3: calculate the pump"},
        {[](CircuitInputs& in) { in.viscosity = 0.0; },
         "Working fluid viscosity must be greater than 0 mm2/s: set it below the pages"},
        {[](CircuitInputs& in) { in.returnLine.length = -2.0; },
         "Return line length must be greater than 0 m: calculate the line on its page and take it "
         "over again"},
        {[](CircuitInputs& in) { in.returnLine.materialIndex = 6; },
         "Return line tube type must be one of the six tube types: calculate the line on its page "
         "and take it over again"},
        {[](CircuitInputs& in) {
             in.throttle = ValveInputs{"Throttle", std::numeric_limits<double>::infinity(), 0.0};
         },
         "Throttle p0 and k must be numbers: calculate the valve on its page and take it over "
         "again"},
    };
    EXPECT_EQ(messageOf(withBlockingValveAndThrottle()), "(accepted)");
    for (const Case& c : cases) {
        CircuitInputs in = withBlockingValveAndThrottle();
        c.spoil(in);
        EXPECT_EQ(messageOf(in), c.message);
        // The same message as a key with figures, for the window's language.
        const auto keyed = inputProblem(in);
        ASSERT_TRUE(keyed.has_value()) << c.message;
        EXPECT_EQ(keyed->filled(), c.message);
        try {
            buildCircuit(in);
            ADD_FAILURE() << "built despite: " << c.message;
        } catch (const CircuitInputError& error) {
            EXPECT_EQ(error.what(), c.message);
            ASSERT_TRUE(error.keyed().has_value());
            EXPECT_STREQ(error.keyed()->key, keyed->key);
        }
    }
}

TEST(CircuitSlots, ReadWithThePointAndRoundTrip) {
    const LineInputs line = parseLineSlot(CircuitSlot::ReturnLine, "16.00|2.50", 4);
    EXPECT_EQ(line.diameter, 16.0);
    EXPECT_EQ(line.length, 2.5);
    EXPECT_EQ(line.materialIndex, 4);

    const ValveInputs valve =
        parseValveSlot(CircuitSlot::Throttle, valveSlotText("DRV 10 - 1.5 %", " 1.5", "0.004"));
    EXPECT_EQ(valve.name, "DRV 10 - 1.5 %");  // a percent sign before the bar is the name's
    EXPECT_EQ(valve.constantTerm, 1.5);
    EXPECT_EQ(valve.flowCoefficient, 0.004);
    EXPECT_EQ(parseLineSlot(CircuitSlot::OperationLine, lineSlotText("10", "1e1"), 0).length, 10.0);
}

TEST(CircuitSlots, MalformedSlotsNameTheSlot) {
    try {
        parseValveSlot(CircuitSlot::DirectionalValve, "4/3 valve|3");
        ADD_FAILURE() << "no error";
    } catch (const CircuitInputError& error) {
        EXPECT_STREQ(error.what(),
                     "The directional control valve slot '4/3 valve|3' is not name|p0%k with "
                     "numbers: calculate the valve on its page and take it over again");
    }
    try {
        parseLineSlot(CircuitSlot::OperationLine, "", 0);
        ADD_FAILURE() << "no error";
    } catch (const CircuitInputError& error) {
        EXPECT_STREQ(error.what(),
                     "The operation line slot is empty: calculate the line on its page and take "
                     "it over again");
    }
    const auto fails = [](const std::function<void()>& parse, std::string_view label) {
        try {
            parse();
            ADD_FAILURE() << "accepted a slot of the " << label;
        } catch (const CircuitInputError& error) {
            EXPECT_NE(std::string(error.what()).find(label), std::string::npos) << error.what();
        }
    };
    for (const char* text : {"16", "16,5|2", "x|2", "16|", "16|2|3", "|2.5"}) {
        fails([text] { parseLineSlot(CircuitSlot::ReturnLine, text, 0); }, "return line");
    }
    for (const char* text : {"", "valve", "valve%1|2", "valve|x%1", "valve|2%", "valve|2%0,1"}) {
        fails([text] { parseValveSlot(CircuitSlot::BlockingValve, text); }, "blocking valve");
    }
}

// A translation changes the model's words, never the user's: a slot's text and
// a valve's name stand as typed, even a valve named like a slot.
TEST(CircuitTexts, TheUsersTextsStayOutOfTheTranslatedOnes) {
    try {
        parseValveSlot(CircuitSlot::Throttle, "Throttle|x%1");
        ADD_FAILURE() << "no error";
    } catch (const CircuitInputError& error) {
        ASSERT_TRUE(error.keyed().has_value());
        std::vector<std::pair<std::string, bool>> figures;
        for (const KeyedText::Figure& figure : error.keyed()->figures) {
            figures.emplace_back(figure.text, figure.isKey);
        }
        EXPECT_EQ(figures, (std::vector<std::pair<std::string, bool>>{
                               {"throttle", true},
                               {"Throttle|x%1", false},
                               {"name|p0%k", true},
                               {"calculate the valve on its page and take it over again", true}}));
    }
    CircuitInputs in = withBlockingValveAndThrottle();
    in.throttle->largestFlow = 10.0;
    const prost_cevovod chain = buildCircuit(in);
    const std::vector<units::ReportRows> warnings = flowWarningRows(in, chain);
    ASSERT_EQ(warnings.size(), 1u);
    std::vector<std::string> userTexts;
    for (const units::ReportRow& row : warnings[0]) {
        if (row.userText) {
            userTexts.push_back(row.label);
        }
    }
    EXPECT_EQ(userTexts, std::vector<std::string>{"\"Throttle\""});
    EXPECT_EQ(warnings[0].front().label, "Warning: the throttle ");
}

// Every figure the checks accept, at either end of its bounds, leaves the
// sums, the verdict, the report and the characteristic finite.
TEST(CircuitBounds, TheExtremeAcceptedFiguresGiveFiniteResults) {
    const auto largest = [](CircuitInputs& in) {
        in.pump = {5000.0, 1000.0, 100000.0, 1.0, 1.0};
        in.supplyFlow = 10000.0;
        in.operationLine = {0.5, 10000.0, 5};
        in.returnLine = {0.5, 10000.0, 0};
        in.directionalValve = {"4/3 valve", 1000.0, 10.0};
        in.blockingValve = ValveInputs{"Check valve", 1000.0, 10.0};
        in.throttle = ValveInputs{"Throttle", 1000.0, 10.0};
        in.density = 5000.0;
        in.viscosity = 0.1;
    };
    struct Case {
        const char* name;
        std::function<void(CircuitInputs&)> set;
    };
    const std::vector<Case> cases{
        {"largest figures, push", largest},
        {"largest return flow, pulled",
         [&](CircuitInputs& in) {
             largest(in);
             in.cylinder = {CylinderKind::SingleActing, 2000.0, 1890.0, 1.0, LoadDirection::Pull};
         }},
        {"thickest oil, through rod",
         [&](CircuitInputs& in) {
             largest(in);
             in.viscosity = 100000.0;
             in.cylinder = {CylinderKind::DoubleActing, 2000.0, 1.0, 0.3, LoadDirection::Push};
         }},
        {"smallest figures",
         [](CircuitInputs& in) {
             in.pump = {0.01, 1.0, 0.1, 0.3, 0.3};
             in.supplyFlow = 0.1;
             in.operationLine = {2000.0, std::numeric_limits<double>::denorm_min(), 0};
             in.returnLine = {0.5, std::numeric_limits<double>::denorm_min(), 0};
             in.directionalValve = {"4/3 valve", -1000.0, -10.0};
             in.density = 1.0;
             in.viscosity = 100000.0;
             in.cylinder = {CylinderKind::SingleActing, 2000.0, 1999.0, 0.3, LoadDirection::Push};
         }},
        {"a pump of 1000 bar against a valve of 1000 bar",
         [](CircuitInputs& in) {
             in.pump.pressure = 1000.0;
             in.directionalValve = {"4/3 valve", 1000.0, 0.0};
         }},
    };
    for (const Case& c : cases) {
        CircuitInputs in = sampleInputs();
        c.set(in);
        ASSERT_EQ(messageOf(in), "(accepted)") << c.name;
        const prost_cevovod chain = buildCircuit(in);
        EXPECT_TRUE(std::isfinite(chain.supplyDrop()) && std::isfinite(chain.returnDrop()))
            << c.name;
        for (std::size_t i = 0; i < chain.count(); ++i) {
            const bazna& element = chain.element(i);
            EXPECT_TRUE(std::isfinite(element.pressureIn) && std::isfinite(element.pressureOut))
                << c.name << ", element " << i;
        }
        // As printf and the framework's formatting write what is no number.
        const std::regex notFinite("\\b(inf|nan|INF|NAN)\\b");
        for (const std::string& line : circuitReport(in, chain)) {
            EXPECT_FALSE(std::regex_search(line, notFinite)) << c.name << ": " << line;
        }
        const auto diagram = characteristicOf(chain);
        if (in.supplyFlow >= 1.0) {
            ASSERT_TRUE(diagram.has_value()) << c.name;
            EXPECT_GE(diagram->pressureMax, 4) << c.name;
            for (const auto& point : diagram->points) {
                EXPECT_TRUE(std::isfinite(point.supply) && std::isfinite(point.ret)) << c.name;
            }
        }
    }
}
