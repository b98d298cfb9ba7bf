#include "model/HidroMotor.h"

#include <gtest/gtest.h>

#include "tests/model/ExpectFault.h"

#include <string>

#include "model/faults.h"

namespace {

// One operating point worked out by hand, with etaV 0.8 and etaHm 0.5 so that
// a formula taking the wrong efficiency shows: p 100 bar, V 50 cm3, n 1200
// r/min; Q = n V / (1000 etaV) = 75; P = p Q eta / 600 = 5;
// M = 1.59 V p etaHm / 1000 = 3.975.
constexpr double M = 3.975, p = 100, Q = 75, P = 5, V = 50, n = 1200;

TEST(MotorModes, EveryModeReachesTheSameOperatingPoint) {
    const double known[14][3] = {{M, p, Q}, {M, p, P}, {M, p, n}, {M, Q, V}, {M, Q, n},
                                 {M, V, n}, {p, Q, V}, {p, Q, n}, {p, P, V}, {p, P, n},
                                 {p, V, n}, {Q, P, V}, {Q, P, n}, {P, V, n}};
    for (unsigned mode = 1; mode <= 14; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const double* abc = known[mode - 1];
        const HidroMotor motor(abc[0], abc[1], abc[2], 0.5, 0.8, mode);
        EXPECT_NEAR(motor.torque, M, 1e-12);
        EXPECT_NEAR(motor.pressureIn, p, 1e-12);
        EXPECT_NEAR(motor.flow, Q, 1e-12);
        EXPECT_NEAR(motor.power, P, 1e-12);
        EXPECT_NEAR(motor.displacement, V, 1e-12);
        EXPECT_EQ(motor.speed, 1200);
    }
}

TEST(MotorModes, ModeSevenWithAndWithoutLosses) {
    const HidroMotor lossless(100, 60, 50, 1, 1, 7);
    EXPECT_EQ(lossless.speed, 1200);
    EXPECT_DOUBLE_EQ(lossless.power, 10);
    EXPECT_DOUBLE_EQ(lossless.torque, 7.95);

    // 60 x 0.96 x 1000 / 50 is 1152 on paper; in binary it lands a hair below.
    EXPECT_EQ(HidroMotor(100, 60, 50, 1, 0.96, 7).speed, 1152);

    const HidroMotor lossy(100, 60, 50, 0.96, 0.96, 7);
    EXPECT_EQ(lossy.speed, 1152);
    EXPECT_NEAR(lossy.power, 9.216, 1e-12);
    EXPECT_NEAR(lossy.torque, 7.632, 1e-12);  // etaHm alone: 1.59 x 50 x 100 x 0.96 / 1000
}

// P [kW] = M [daNm] x 10 x 2 pi n / 60 / 1000, whatever three quantities are
// known. The torque factor 1.59 rounds 5/pi, so the torque side comes out
// 1.59 pi / 5 of the power. Each mode starts from its own three figures, so no
// mode can pass by returning a shared operating point.
TEST(MotorModes, PowerIsTorqueTimesAngularSpeedInEveryMode) {
    constexpr double kPi = 3.14159265358979323846;
    constexpr double kFactorRounding = 1.59 * kPi / 5.0;
    // torque 12.5 daNm, pressure 180 bar, flow 45 l/min, power 11 kW,
    // displacement 32 cm3, speed 1450 r/min, in each mode's argument order
    const double known[14][3] = {
        {12.5, 180, 45},  {12.5, 180, 11}, {12.5, 180, 1450}, {12.5, 45, 32}, {12.5, 45, 1450},
        {12.5, 32, 1450}, {180, 45, 32},   {180, 45, 1450},   {180, 11, 32},  {180, 11, 1450},
        {180, 32, 1450},  {45, 11, 32},    {45, 11, 1450},    {11, 32, 1450}};
    for (unsigned mode = 1; mode <= 14; ++mode) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const double* abc = known[mode - 1];
        const HidroMotor motor(abc[0], abc[1], abc[2], 0.7, 0.8, mode);
        ASSERT_GT(motor.speed, 100);
        const double shaftPower = motor.torque * 10.0 * 2.0 * kPi * motor.speed / 60.0 / 1000.0;
        // A computed speed is truncated to whole r/min after the power is
        // known: the torque side may fall short by up to 1 r/min's worth.
        EXPECT_LE(shaftPower, motor.power * kFactorRounding * (1 + 1e-12));
        EXPECT_GE(shaftPower, motor.power * kFactorRounding * (1 - 1e-12 - 1.0 / motor.speed));
        // The flow and the speed differ by the leakage alone.
        EXPECT_NEAR(motor.flow * 0.8 * 1000.0 / motor.displacement, motor.speed, 1.0);
    }
}

TEST(MotorModes, GivenSpeedIsTruncatedBeforeUse) {
    const HidroMotor motor(100, 50, 1500.7, 1, 1, 11);
    EXPECT_EQ(motor.speed, 1500);
    EXPECT_DOUBLE_EQ(motor.flow, 75);  // 1500 x 50 / 1000
}

TEST(MotorFaults, SpeedBelowOneOrZeroDivisors) {
    const std::string divide = "Floating point division by zero";
    // A given speed below 1 truncates to 0 (modes 5, 8, 10, 13, 14).
    expectFault([] { HidroMotor(10, 10, 0.5, 1, 1, 5); }, divide);
    expectFault([] { HidroMotor(10, 10, 0.5, 1, 1, 8); }, divide);
    expectFault([] { HidroMotor(10, 10, 0.5, 1, 1, 10); }, divide);
    expectFault([] { HidroMotor(10, 10, 0.5, 1, 1, 13); }, divide);
    expectFault([] { HidroMotor(10, 10, 0.5, 1, 1, 14); }, divide);
    expectFault([] { HidroMotor(7.95, 0, 60, 1, 1, 1); }, divide);
    // inf speed from a zero displacement is still a division by zero.
    expectFault([] { HidroMotor(100, 60, 0, 1, 1, 7); }, divide);
    expectFault([] { HidroMotor(0, 0, 0.5, 1, 1, 13); }, "Invalid floating point operation");
    expectFault([] { HidroMotor(1e300, 1e300, 1e300, 1, 1, 7); }, "Floating point overflow");
}

TEST(MotorReport, NineLinesAppendedInCFormat) {
    ReportLines lines{"kept"};
    HidroMotor(100, 60, 50, 1, 1, 7).writeReport(lines);
    const ReportLines expected{
        "kept",
        " ==========   HYDRAULIC MOTOR CALCULATION =====================",
        " Power : 10.000 kW ",
        " Flow  : 60.000 [l/min] ",
        " Torque  : 7.950 [daNm] ",
        "Pressure in: 100.000  [bar] ",
        "Angular spped: 1200  [rpm] ",
        "Displacement  je: 50.000  [cm3] ",
        " Volumetric efficiency : 1.000 ",
        " Hydromechanical efficiency : 1.000 ",
    };
    EXPECT_EQ(lines, expected);

    // The motor takes the hydromechanical efficiency first, unlike the pump:
    // each must still land on its own line.
    lines.clear();
    HidroMotor(100, 60, 50, 0.9, 0.96, 7).writeReport(lines);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[7], " Volumetric efficiency : 0.960 ");
    EXPECT_EQ(lines[8], " Hydromechanical efficiency : 0.900 ");

    // No line buffer cuts a motor line: 1e300 prints all its 301 digits.
    lines.clear();
    HidroMotor(1e300, 50, 1200, 1, 1, 14).writeReport(lines);
    EXPECT_EQ(lines[1].size(), std::string(" Power : ").size() + 301 + 4 + 4);
}

TEST(MotorReport, UnknownModesIgnoreEverythingAndReportZeros) {
    for (const unsigned mode : {0u, 15u}) {
        HidroMotor motor(100, 60, 50, 0.9, 0.9, mode);
        EXPECT_EQ(motor.volumetricEfficiency + motor.totalEfficiency, 0);
        ReportLines lines;
        motor.writeReport(lines);
        const ReportLines expected{
            " ==========   HYDRAULIC MOTOR CALCULATION =====================",
            " Power : 0.000 kW ",
            " Flow  : 0.000 [l/min] ",
            " Torque  : 0.000 [daNm] ",
            "Pressure in: 0.000  [bar] ",
            "Angular spped: 0  [rpm] ",
            "Displacement  je: 0.000  [cm3] ",
            " Volumetric efficiency : 0.000 ",
            " Hydromechanical efficiency : 0.000 ",
        };
        EXPECT_EQ(lines, expected);
    }
}

}  // namespace
