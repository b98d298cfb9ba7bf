#include "model/Valve.h"

#include <gtest/gtest.h>

#include "tests/model/ExpectFault.h"

#include <limits>

#include "model/faults.h"

namespace {

// k = 0.02 bar/(l/min)^2 and p0 = 3 bar at 10 l/min: a drop of 5 bar.
constexpr double kCoefficient = 0.02;
constexpr double kConstant = 3.0;

}  // namespace

TEST(ValveConstruction, EitherPortGivesTheOther) {
    const Valve fromIntake(100.0, 10.0, kCoefficient, kConstant, PortSide::Intake);
    EXPECT_EQ(fromIntake.typeCode, 100);
    EXPECT_EQ(fromIntake.name, "basic");
    EXPECT_DOUBLE_EQ(fromIntake.drop(), 5.0);
    EXPECT_DOUBLE_EQ(fromIntake.pressureIn, 100.0);
    EXPECT_DOUBLE_EQ(fromIntake.pressureOut, 95.0);

    const Valve fromOutlet(95.0, 10.0, kCoefficient, kConstant, PortSide::Outlet);
    EXPECT_DOUBLE_EQ(fromOutlet.pressureOut, 95.0);
    EXPECT_DOUBLE_EQ(fromOutlet.pressureIn, 100.0);
}

TEST(ValveConstruction, CharacteristicEdges) {
    const Valve closed(100.0, 0.0, kCoefficient, kConstant, PortSide::Intake);
    EXPECT_EQ(closed.pressureDrop, kConstant);
    EXPECT_EQ(closed.pressureOut, 97.0);

    const Valve reversed(100.0, -10.0, kCoefficient, kConstant, PortSide::Intake);
    EXPECT_DOUBLE_EQ(reversed.pressureDrop, 5.0);

    // A drop beyond the intake pressure is stored as it is.
    const Valve starved(2.0, 10.0, kCoefficient, kConstant, PortSide::Intake);
    EXPECT_DOUBLE_EQ(starved.pressureOut, -3.0);
}

TEST(ValveConstruction, ComputeDropLeavesThePortsAlone) {
    Valve valve(100.0, 10.0, kCoefficient, kConstant, PortSide::Intake);
    valve.flow = 20.0;
    valve.computeDrop();
    EXPECT_DOUBLE_EQ(valve.pressureDrop, 0.02 * 400.0 + 3.0);
    EXPECT_DOUBLE_EQ(valve.pressureOut, 95.0);

    valve.flow = 1e200;
    expectFault([&valve] { valve.computeDrop(); }, "Floating point overflow");
    EXPECT_DOUBLE_EQ(valve.pressureDrop, 11.0);
}

TEST(ValveConstruction, FaultsLeaveNoValve) {
    expectFault([] { Valve(100.0, 1e200, 1.0, 0.0, PortSide::Intake); }, "Floating point overflow");
    expectFault(
        [] {
            Valve(std::numeric_limits<double>::infinity(), 10.0, kCoefficient, kConstant,
                  PortSide::Outlet);
        },
        "Floating point overflow");
    expectFault(
        [] {
            Valve(100.0, 10.0, std::numeric_limits<double>::infinity(),
                  -std::numeric_limits<double>::infinity(), PortSide::Intake);
        },
        "Invalid floating point operation");
}

TEST(ValveNaming, NameIsCutToCapacity) {
    Valve valve(100.0, 10.0, kCoefficient, kConstant, PortSide::Intake);
    valve.setName("Check valve");
    EXPECT_EQ(valve.name, "Check valve");
    valve.setName(std::string(300, 'x'));
    EXPECT_EQ(valve.name, std::string(bazna::kNameCapacity, 'x'));
}

TEST(ValveReport, FiveLinesReplaceEarlierContents) {
    Valve valve(100.0, 10.0, kCoefficient, kConstant, PortSide::Intake);
    ReportLines lines{"earlier", "lines"};
    valve.writeReport(lines);
    const ReportLines expected{" ---------------- VALVE CALCULATION --- -------------- ",
                               "Valve type: basic", "Pressure intake port: [bar]:  100.00 bar ",
                               "Presure drop:  10.00 [l/min]:  5.00 bar ",
                               "Presure out:  [bar]:  95.00 bar "};
    EXPECT_EQ(lines, expected);

    valve.setName(std::string(bazna::kNameCapacity, 'v'));
    valve.writeReport(lines);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[1], "Valve type: " + std::string(bazna::kNameCapacity, 'v'));
}
