#include "model/klip.h"

#include <gtest/gtest.h>

#include "tests/model/ExpectFault.h"

#include <string>

#include "model/faults.h"

namespace {

// A 100/50 cylinder, with pi taken as 3.14: piston area 78.5 cm2, annulus
// 58.875 cm2. 1 bar on 1 cm2 is 0.01 kN; 1 l/min through 1 cm2 is 1/6 m/s.
constexpr double kA1 = 78.5;
constexpr double kA2 = 58.875;
constexpr bool kPush = false;
constexpr bool kPull = true;

TEST(SingleActingCylinder, PushAndPullFromPressureAndFlow) {
    // The rod gives 90 % of the hydraulic force; the flows take no share.
    const klipJednostrani push(100, 50, 100, 50, 0, 0.9, kPush, 1);
    EXPECT_DOUBLE_EQ(push.pistonArea, kA1);
    EXPECT_DOUBLE_EQ(push.rodSideArea, kA2);
    EXPECT_DOUBLE_EQ(push.force, 70.65);
    EXPECT_DOUBLE_EQ(push.strokeSpeed, 50 / kA1 / 6);
    EXPECT_DOUBLE_EQ(push.inletFlow, 50);
    EXPECT_DOUBLE_EQ(push.outletFlow, 37.5);

    const klipJednostrani pull(100, 50, 100, 50, 0, 0.9, kPull, 1);
    EXPECT_DOUBLE_EQ(pull.force, 0.9 * kA2);
    EXPECT_DOUBLE_EQ(pull.strokeSpeed, 50 / kA2 / 6);
    EXPECT_DOUBLE_EQ(pull.inletFlow, 50);
    EXPECT_DOUBLE_EQ(pull.outletFlow, 50 * kA1 / kA2);

    // The back pressure acts on the annulus when pushing, on the piston when pulling.
    EXPECT_DOUBLE_EQ(klipJednostrani(100, 50, 100, 50, 10, 1, kPush, 1).force, 72.6125);
    EXPECT_DOUBLE_EQ(klipJednostrani(100, 50, 100, 50, 10, 1, kPull, 1).force, 51.025);
}

TEST(SingleActingCylinder, ForceAndSpeedGivenModes) {
    EXPECT_DOUBLE_EQ(klipJednostrani(78.5, 50, 100, 50, 0, 1, kPush, 2).pressureIn, 100);

    const klipJednostrani m3(100, 0.1, 100, 50, 10, 1, kPull, 3);
    EXPECT_DOUBLE_EQ(m3.inletFlow, 35.325);  // 0.1 x 58.875 x 6 into the annulus
    EXPECT_DOUBLE_EQ(m3.outletFlow, 47.1);
    EXPECT_DOUBLE_EQ(m3.force, 51.025);

    const klipJednostrani pushed(50, 0.1, 100, 50, 10, 1, kPush, 4);
    EXPECT_DOUBLE_EQ(pushed.pressureIn, (5000 + 10 * kA2) / kA1);  // 71.194
    EXPECT_DOUBLE_EQ(pushed.inletFlow, 47.1);
    EXPECT_DOUBLE_EQ(pushed.outletFlow, 35.325);
    const klipJednostrani pulled(50, 0.1, 100, 50, 10, 1, kPull, 4);
    EXPECT_DOUBLE_EQ(pulled.pressureIn, (5000 + 10 * kA1) / kA2);  // 98.259
    EXPECT_DOUBLE_EQ(pulled.inletFlow, 35.325);

    const klipJednostrani noRod(100, 50, 100, 0, 0, 1, kPush, 1);
    EXPECT_EQ(noRod.outletFlow, noRod.inletFlow);
}

TEST(SingleActingCylinder, GivenForceNeedsMorePressureThroughTheEfficiency) {
    // F 50 kN at 80 %: the oil must produce 62.5 kN against the back pressure.
    EXPECT_DOUBLE_EQ(klipJednostrani(50, 0.1, 100, 50, 10, 0.8, kPush, 4).pressureIn,
                     (6250 + 10 * kA2) / kA1);  // 87.118
    EXPECT_DOUBLE_EQ(klipJednostrani(50, 0.1, 100, 50, 10, 0.8, kPull, 4).pressureIn,
                     (6250 + 10 * kA1) / kA2);  // 119.490

    // Force from pressure and pressure from that force meet again in either
    // direction, the flow-given modes (1, 2) and the speed-given ones (3, 4).
    for (const bool pull : {kPush, kPull}) {
        const klipJednostrani m1(160, 40, 80, 45, 6, 0.85, pull, 1);
        const klipJednostrani m2(m1.force, 40, 80, 45, 6, 0.85, pull, 2);
        EXPECT_NEAR(m2.pressureIn, 160, 1e-12) << pull;
        EXPECT_DOUBLE_EQ(m2.strokeSpeed, m1.strokeSpeed);
        const klipJednostrani m3(160, 0.2, 80, 45, 6, 0.85, pull, 3);
        EXPECT_DOUBLE_EQ(m3.force, m1.force) << pull;
        EXPECT_NEAR(klipJednostrani(m3.force, 0.2, 80, 45, 6, 0.85, pull, 4).pressureIn, 160,
                    1e-12);
    }
}

TEST(Cylinders, UnknownModeSetsOnes) {
    const klipJednostrani single(5, 6, 7, 8, 9, 0.5, kPush, 0);
    const klipDvostrani through(5, 6, 7, 8, 9, 0.5, 5);
    for (const klipJednostrani* c : {static_cast<const klipJednostrani*>(&single),
                                     static_cast<const klipJednostrani*>(&through)}) {
        for (const double one : {c->pressureIn, c->force, c->pistonDiameter, c->rodDiameter,
                                 c->inletFlow, c->outletFlow}) {
            EXPECT_EQ(one, 1.0);
        }
        EXPECT_EQ(c->strokeSpeed + c->pistonArea + c->rodSideArea, 0);
        EXPECT_EQ(c->pressureOut, 9);
    }
    EXPECT_EQ(single.name, "Single action hydro cylinder ");
    EXPECT_EQ(single.typeCode, 201);
    EXPECT_EQ(through.typeCode, 202);
}

const std::string kDivide = "Floating point division by zero";

TEST(Cylinders, ZeroAreas) {
    expectFault([] { klipJednostrani(100, 50, 0, 0, 0, 1, kPush, 1); }, kDivide);
    expectFault([] { klipJednostrani(100, 50, 50, 50, 0, 1, kPull, 1); }, kDivide);
    expectFault([] { klipJednostrani(0, 50, 0, 0, 0, 1, kPush, 2); },
                "Invalid floating point operation");
    // No force reaches the rod through an efficiency of 0.
    expectFault([] { klipJednostrani(50, 0.1, 100, 50, 0, 0, kPull, 4); }, kDivide);
    expectFault([] { klipDvostrani(50, 50, 100, 50, 0, 0, 2); }, kDivide);
    // Equal diameters leave the through-rod cylinder no area.
    expectFault([] { klipDvostrani(100, 50, 80, 80, 0, 1, 1); }, kDivide);
    expectFault([] { klipDvostrani(50, 50, 80, 80, 0, 1, 2); }, kDivide);
    expectFault([] { klipDvostrani(50, 0.1, 80, 80, 0, 1, 4); }, kDivide);
    const klipDvostrani m3(100, 0.1, 80, 80, 0, 1, 3);
    EXPECT_EQ(m3.inletFlow, 0);
    EXPECT_EQ(m3.force, 0);
}

TEST(SingleActingCylinder, ReportEmptiesTheListAndUsesCFormat) {
    ReportLines lines{"dropped"};
    klipJednostrani(100, 50, 100, 50, 0, 1, kPush, 1).writeReport(lines);
    const ReportLines expected{
        " ----------- Single action cylinder calculaton -------------- ",
        " External force : 78.500  [kN]",
        " Diameter of piston /piston rod   : 100 [mm] / 50 [mm]",
        " Stroke speed : 0.106  m/s",
        " Piston area : 78.500  cm2",
        " Piston rod side area: 58.875  cm2",
        " Working pressure:  100.00  [bar]",
        " Outgoing pressure  0.00  [bar]",
        "Piston side flow  50.000  [l/min]",
        "Outgoing flow  37.500  [l/min]",
        " Cylinder efficiency : 1.000",
    };
    EXPECT_EQ(lines, expected);

    // printf rounds the exact half 100.5 to even; a rod of 5 is padded to two places.
    klipJednostrani(100, 50, 100.5, 5, 0, 1, kPush, 1).writeReport(lines);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[2], " Diameter of piston /piston rod   : 100 [mm] /  5 [mm]");

    klipJednostrani(1e100, 50, 100, 50, 0, 1, kPush, 1).writeReport(lines);
    EXPECT_EQ(lines[1].size(), 79u);  // cut to the 80-character line buffer
}

TEST(DoubleActingCylinder, ModesOnTheAnnulus) {
    const klipDvostrani m1(100, 50, 100, 50, 0, 0.9, 1);
    EXPECT_DOUBLE_EQ(m1.pistonArea, kA2);
    EXPECT_DOUBLE_EQ(m1.rodSideArea, kA2);
    EXPECT_DOUBLE_EQ(m1.force, 0.9 * kA2);
    EXPECT_DOUBLE_EQ(m1.strokeSpeed, 50 / kA2 / 6);
    EXPECT_EQ(m1.outletFlow, 50);
    EXPECT_EQ(m1.name, "Dvosmerni klip");

    const klipDvostrani m2(50, 40, 100, 50, 5, 1, 2);
    EXPECT_DOUBLE_EQ(m2.pressureIn, 5000 / kA2 + 5);
    EXPECT_EQ(m2.outletFlow, 40);
    const klipDvostrani m3(100, 0.1, 100, 50, 20, 1, 3);
    EXPECT_DOUBLE_EQ(m3.inletFlow, 35.325);
    EXPECT_DOUBLE_EQ(m3.outletFlow, 35.325);
    EXPECT_DOUBLE_EQ(m3.force, 80 * kA2 * 0.01);
    const klipDvostrani m4(50, 0.1, 100, 50, 5, 1, 4);
    EXPECT_DOUBLE_EQ(m4.inletFlow, 35.325);
    EXPECT_DOUBLE_EQ(m4.pressureIn, 5000 / kA2 + 5);  // 89.926
    EXPECT_DOUBLE_EQ(klipDvostrani(50, 0.1, 100, 50, 5, 0.8, 4).pressureIn,
                     6250 / kA2 + 5);  // 111.157
    EXPECT_DOUBLE_EQ(klipDvostrani(100, 0.1, 100, 50, 20, 0.8, 3).force, 0.8 * 80 * kA2 * 0.01);

    EXPECT_EQ(klipDvostrani(100, 50, 100, 50, 100, 1, 1).force, 0);
}

TEST(Cylinders, TheReportNamesTheEfficiencyTheForceWasComputedWith) {
    ReportLines single;
    ReportLines through;
    klipJednostrani(100, 50, 100, 50, 0, 0.92, kPush, 1).writeReport(single);
    klipDvostrani(100, 50, 100, 50, 0, 0.92, 1).writeReport(through);
    EXPECT_EQ(single.back(), " Cylinder efficiency : 0.920");
    EXPECT_EQ(through.back(), " Cylinder efficiency : 0.920");
}

TEST(DoubleActingCylinder, ReportAppendsInFrameworkFormat) {
    ReportLines lines{"kept"};
    klipDvostrani(100, 50, 100, 50, 0, 1, 1).writeReport(lines);
    const ReportLines expected{
        "kept",
        " ----------- Double action hydro cylinder calculation -------------- ",
        " External Force :  58.875 kN",
        " Stroke speed : 0.142  [m/s]",
        " Pison diameater : 100.000  [mm]",
        " Pison rod diameter : 50.000  [mm]",
        " Piston area  : 58.875  [cm2]",
        "Working pressure  100.00  [bar]",
        "Flow:  50.000  [l/min]",
        " Cylinder efficiency : 1.000",
    };
    EXPECT_EQ(lines, expected);

    // The framework rounds the exact half away from zero; printf gives 100.062.
    lines.clear();
    klipDvostrani(100, 50, 100.0625, 50, 0, 1, 1).writeReport(lines);
    EXPECT_EQ(lines.at(3), " Pison diameater : 100.063  [mm]");
}

}  // namespace
