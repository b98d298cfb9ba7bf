#include "model/pumpa.h"

#include <gtest/gtest.h>

#include "tests/model/ExpectFault.h"

#include <string>

#include "model/faults.h"

namespace {

// Expected values are worked out by hand from Q = n V etaV / 1000 and
// P = p Q / (600 eta). etaV 0.75 and etaHm 0.5 (total 0.375) are exact binary
// fractions and tell the volumetric efficiency apart from the total one.
TEST(PumpModes, EachModeComputesItsTwoUnknowns) {
    const pumpa m1(10, 100, 50, 1, 1, 1);
    EXPECT_DOUBLE_EQ(m1.flow, 60);
    EXPECT_EQ(m1.speed, 1200);
    const pumpa m2(10, 100, 1500, 0.75, 0.5, 2);
    EXPECT_DOUBLE_EQ(m2.flow, 22.5);
    EXPECT_DOUBLE_EQ(m2.displacement, 20);
    const pumpa m3(10, 1000, 100, 0.75, 0.5, 3);
    EXPECT_DOUBLE_EQ(m3.flow, 7.5);
    EXPECT_DOUBLE_EQ(m3.power, 750.0 / 225);
    const pumpa m4(10, 1000, 5, 0.75, 0.5, 4);
    EXPECT_DOUBLE_EQ(m4.flow, 7.5);
    EXPECT_DOUBLE_EQ(m4.pressureOut, 150);
    const pumpa m5(60, 50, 100, 0.75, 0.5, 5);
    EXPECT_EQ(m5.speed, 1600);
    EXPECT_DOUBLE_EQ(m5.power, 6000.0 / 225);
    const pumpa m6(60, 50, 10, 0.75, 0.5, 6);
    EXPECT_EQ(m6.speed, 1600);
    EXPECT_DOUBLE_EQ(m6.pressureOut, 37.5);
    EXPECT_EQ(m6.totalEfficiency, 0.375);
    EXPECT_EQ(m6.name, "Pump");
}

TEST(PumpModes, LossyModeOneKeepsTheExactSpeed) {
    // Q = 60 x 0.9216 = 55.296; n = 55296 / (50 x 0.96) = 1152 exactly.
    // Worked in extended precision the flow is the double nearest 55.296.
    const pumpa pump(10, 100, 50, 0.96, 0.96, 1);
    EXPECT_EQ(pump.flow, 55.296);
    EXPECT_EQ(pump.speed, 1152);
}

TEST(PumpModes, WholeSpeedsSurviveBinaryFractions) {
    // 1000 x 11.04 / (10 x 0.96) is 1150 on paper and 1149.99999... in binary.
    EXPECT_EQ(pumpa(11.04, 10, 100, 0.96, 1, 5).speed, 1150);
    EXPECT_EQ(pumpa(11.04, 10, 5, 0.96, 1, 6).speed, 1150);
    EXPECT_EQ(pumpa(11.037, 10, 100, 0.96, 1, 5).speed, 1149);  // 1149.69
}

TEST(PumpModes, SpeedsAreTruncatedAndNotFedBack) {
    EXPECT_EQ(pumpa(143.999, 100, 100, 1, 1, 5).speed, 1439);  // 1439.99
    const pumpa given(10, 100, 1500.7, 1, 1, 2);
    EXPECT_EQ(given.speed, 1500);
    EXPECT_DOUBLE_EQ(given.displacement, 40);  // 1000 x 60 / 1500, not / 1500.7
    // n = 8571.4 becomes 8571; the power still comes from the given flow.
    const pumpa fed(60, 7, 100, 1, 1, 5);
    EXPECT_EQ(fed.speed, 8571);
    EXPECT_DOUBLE_EQ(fed.power, 10);
}

TEST(PumpFaults, FormulaFaultsAbandonTheConstruction) {
    const std::string divide = "Floating point division by zero";
    const std::string invalid = "Invalid floating point operation";
    expectFault([] { pumpa(10, 0, 50, 1, 1, 1); }, divide);
    // The speed itself is inf here; it must still be named a division.
    expectFault([] { pumpa(60, 0, 100, 1, 1, 5); }, divide);
    expectFault([] { pumpa(0, 0, 100, 1, 1, 5); }, invalid);
    // A given speed below 1 truncates to 0, and with it the flow.
    expectFault([] { pumpa(10, 0.5, 5, 1, 1, 4); }, divide);
    expectFault([] { pumpa(10, 1000, 1e300, 1, 1e-300, 3); }, "Floating point overflow");
    // A speed beyond the integer range is no speed at all.
    expectFault([] { pumpa(1e10, 1, 100, 1, 1, 5); }, invalid);
}

TEST(PumpReport, EightLinesAppendedInCFormat) {
    ReportLines lines{"kept"};
    pumpa(10, 100, 50, 1, 1, 1).writeReport(lines);
    const ReportLines expected{
        "kept",
        " ---------   PUMP CALCULATION       --------------------- ",
        " Power : 10.000 [kW] ",
        " Flow : 60.000 [l/min] ",
        " Working pressure : 100.000  [bar] ",
        " Revolution per minute: 1200  [o/min] ",
        " Displacement volume  : 50.000  [cm3] ",
        " Volumetric efficiency : 1.000 ",
        " Hydromechanical efficiency : 1.000 ",
    };
    EXPECT_EQ(lines, expected);

    // A huge value is cut to the 128-character line buffer.
    lines.clear();
    pumpa(10, 1000, 1e200, 1, 1, 3).writeReport(lines);
    EXPECT_EQ(lines[1].size(), 127u);
    EXPECT_EQ(lines[1].rfind(" Power : 1666", 0), 0u);
}

TEST(PumpReport, EachEfficiencyIsReportedOnItsOwnLine) {
    // Swapped, they would still multiply to the same total.
    ReportLines lines;
    pumpa(10, 100, 50, 0.96, 0.9, 1).writeReport(lines);
    EXPECT_EQ(lines.at(6), " Volumetric efficiency : 0.960 ");
    EXPECT_EQ(lines.at(7), " Hydromechanical efficiency : 0.900 ");
}

TEST(PumpReport, UnknownModesReportZeros) {
    for (const unsigned mode : {0u, 7u}) {
        pumpa pump(10, 100, 50, 0.9, 0.9, mode);
        EXPECT_EQ(pump.volumetricEfficiency + pump.hydromechanicalEfficiency, 0);
        EXPECT_EQ(pump.totalEfficiency, 0);
        ReportLines lines;
        pump.writeReport(lines);
        const ReportLines expected{
            " ---------   PUMP CALCULATION       --------------------- ",
            " Power : 0.000 [kW] ",
            " Flow : 0.000 [l/min] ",
            " Working pressure : 0.000  [bar] ",
            " Revolution per minute: 0  [o/min] ",
            " Displacement volume  : 0.000  [cm3] ",
            " Volumetric efficiency : 0.000 ",
            " Hydromechanical efficiency : 0.000 ",
        };
        EXPECT_EQ(lines, expected);
    }
}

}  // namespace
