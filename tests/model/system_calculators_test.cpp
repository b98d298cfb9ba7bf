#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "model/InputError.h"
#include "model/SystemAccumulator.h"
#include "model/SystemCompress.h"
#include "model/SystemHeat.h"
#include "model/SystemLineSizing.h"
#include "model/SystemOrifice.h"

namespace {

// The accumulator of the worked example: p0 90, p1 100, p2 200 bar gauge at 20 °C.
AccumulatorInputs exampleAccumulator(GasProcess process, AccumulatorSolve solve) {
    AccumulatorInputs in;
    in.precharge = 90.0;
    in.minimumPressure = 100.0;
    in.maximumPressure = 200.0;
    in.process = process;
    in.solve = solve;
    in.usefulVolume = 2.0;
    in.size = 10.0;
    return in;
}

TEST(AccumulatorTest, HandFiguresOfBothProcessesAndBothUnknowns) {
    struct Case {
        GasProcess process;
        AccumulatorSolve solve;
        double size, useful, v1, v2;
    };
    const Case cases[] = {
        {GasProcess::Isothermal, AccumulatorSolve::SizeForUsefulVolume, 4.462, 2.0, 4.020, 2.020},
        {GasProcess::Adiabatic, AccumulatorSolve::SizeForUsefulVolume, 5.549, 2.0, 5.151, 3.151},
        {GasProcess::Isothermal, AccumulatorSolve::UsefulVolumeOfSize, 10.0, 4.482, 9.010, 4.528},
        {GasProcess::Adiabatic, AccumulatorSolve::UsefulVolumeOfSize, 10.0, 3.604, 9.282, 5.678},
    };
    for (const Case& c : cases) {
        const AccumulatorResult out = computeAccumulator(exampleAccumulator(c.process, c.solve));
        EXPECT_NEAR(out.size, c.size, 0.0005);
        EXPECT_NEAR(out.usefulVolume, c.useful, 0.0005);
        EXPECT_NEAR(out.volumeAtMinimum, c.v1, 0.0005);
        EXPECT_NEAR(out.volumeAtMaximum, c.v2, 0.0005);
        // The useful volume is what the gas gives between p1 and p2.
        EXPECT_NEAR(out.volumeAtMinimum - out.volumeAtMaximum, out.usefulVolume, 1e-12);
        EXPECT_NEAR(out.pressureRatio, 201.01325 / 91.01325, 1e-12);
        EXPECT_TRUE(out.advice.empty());
    }
}

TEST(AccumulatorTest, PolytropicExponentAndWarmGasFollowTheLaw) {
    AccumulatorInputs in =
        exampleAccumulator(GasProcess::Polytropic, AccumulatorSolve::UsefulVolumeOfSize);
    in.exponent = 1.4;
    EXPECT_NEAR(computeAccumulator(in).usefulVolume, 3.604, 0.0005);
    // At 50 °C the precharge given at 20 °C rises with the absolute temperature.
    in.process = GasProcess::Isothermal;
    in.gasTemperature = 50.0;
    const AccumulatorResult warm = computeAccumulator(in);
    const double p0 = 91.01325 * 323.15 / 293.15;
    EXPECT_NEAR(warm.workingPrecharge, p0 - 1.01325, 1e-9);
    EXPECT_NEAR(warm.usefulVolume, 10.0 * (p0 / 101.01325 - p0 / 201.01325), 1e-9);
    // ... above 0.9 p1 now, so the page advises.
    ASSERT_EQ(warm.advice.size(), 1u);
    EXPECT_EQ(warm.advice[0], "precharge at most 0.9 \u00D7 minimum pressure");
}

TEST(AccumulatorTest, AdviceOnALowPrecharge) {
    AccumulatorInputs in =
        exampleAccumulator(GasProcess::Isothermal, AccumulatorSolve::SizeForUsefulVolume);
    in.precharge = 40.0;
    const AccumulatorResult out = computeAccumulator(in);
    EXPECT_NEAR(out.pressureRatio, 201.01325 / 41.01325, 1e-12);
    ASSERT_EQ(out.advice.size(), 1u);
    EXPECT_EQ(out.advice[0], "p2/p0 above 4, the usual limit of a bladder");
}

TEST(AccumulatorTest, RefusesWhatTheLawCannotTake) {
    struct Case {
        std::function<void(AccumulatorInputs&)> change;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[](AccumulatorInputs& in) { in.minimumPressure = 90.0; },
         "Minimum pressure p1 (90 bar) must be above the precharge p0 (90 bar)"},
        {[](AccumulatorInputs& in) { in.maximumPressure = 100.0; },
         "Maximum pressure p2 (100 bar) must be above the minimum pressure p1 (100 bar)"},
        {[](AccumulatorInputs& in) { in.maximumPressure = 95.0; },
         "Maximum pressure p2 (95 bar) must be above the minimum pressure p1 (100 bar)"},
        {[](AccumulatorInputs& in) { in.precharge = 0.0; },
         "Precharge p0: 0 is not greater than 0"},
        {[](AccumulatorInputs& in) { in.usefulVolume = -1.0; },
         "Useful volume: -1 is not greater than 0"},
        {[](AccumulatorInputs& in) {
             in.solve = AccumulatorSolve::UsefulVolumeOfSize;
             in.size = 0.0;
         },
         "Accumulator size: 0 is not greater than 0"},
        {[](AccumulatorInputs& in) {
             in.process = GasProcess::Polytropic;
             in.exponent = 0.9;
         },
         "Polytropic exponent n: 0.9 is not in [1, 2]"},
        {[](AccumulatorInputs& in) { in.gasTemperature = -273.15; },
         "Gas temperature: -273.15 is not above absolute zero"},
        // Warm gas lifts the precharge above p1.
        {[](AccumulatorInputs& in) {
             in.minimumPressure = 95.0;
             in.gasTemperature = 80.0;
         },
         "At 80 \u00B0C the precharge is 108.63 bar, not below the minimum pressure p1 (95 bar)"},
    };
    for (const Case& c : cases) {
        AccumulatorInputs in =
            exampleAccumulator(GasProcess::Isothermal, AccumulatorSolve::SizeForUsefulVolume);
        c.change(in);
        try {
            computeAccumulator(in);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
}

HeatInputs exampleHeat() {
    HeatInputs in;
    in.powerLost = 3.0;
    in.duty = 100.0;
    in.tankVolume = 200.0;
    in.tankArea = tankSurfaceArea(200.0);
    in.transfer = 12.0;
    in.ambient = 20.0;
    in.highestOil = 60.0;
    in.density = 870.0;
    return in;
}

TEST(HeatBalanceTest, HandFiguresAndTheCurveThroughThem) {
    EXPECT_NEAR(tankSurfaceArea(200.0), 2.223, 0.0005);
    EXPECT_NEAR(tankSurfaceArea(1000.0), 6.5, 1e-12);
    const HeatInputs in = exampleHeat();
    const HeatResult out = computeHeatBalance(in);
    EXPECT_NEAR(out.steadyTemperature, 132.5, 0.05);
    EXPECT_NEAR(out.timeConstant, 204.4, 0.05);
    ASSERT_TRUE(out.timeToHighest.has_value());
    EXPECT_NEAR(*out.timeToHighest, 89.8, 0.05);
    EXPECT_NEAR(out.coolerPower, 1.933, 0.0005);
    // The curve starts at ambient, passes Tmax at that time and has risen
    // 1 - 1/e of the way after one time constant.
    EXPECT_DOUBLE_EQ(oilTemperatureAt(in, out, 0.0), 20.0);
    EXPECT_NEAR(oilTemperatureAt(in, out, *out.timeToHighest), 60.0, 1e-9);
    EXPECT_NEAR(oilTemperatureAt(in, out, out.timeConstant),
                20.0 + (out.steadyTemperature - 20.0) * (1.0 - std::exp(-1.0)), 1e-9);
}

TEST(HeatBalanceTest, DutyAndALargeTankKeepTheOilBelowTmax) {
    struct Case {
        double duty, area, steady;
        bool reached;
        double cooler;
    };
    // k A = 12 W/K per m2; 40 K allowed.
    const Case cases[] = {
        {50.0, 2.223, 20.0 + 1500.0 / (12.0 * 2.223), true, 1.5 - 12.0 * 2.223 * 0.04},
        {100.0, 10.0, 45.0, false, 0.0},
        // Exactly Tmax in the steady state: reached only after infinite time.
        {100.0, 6.25, 60.0, false, 0.0},
    };
    for (const Case& c : cases) {
        HeatInputs in = exampleHeat();
        in.duty = c.duty;
        in.tankArea = c.area;
        const HeatResult out = computeHeatBalance(in);
        EXPECT_NEAR(out.steadyTemperature, c.steady, 1e-9);
        EXPECT_EQ(out.timeToHighest.has_value(), c.reached) << c.area;
        EXPECT_NEAR(out.coolerPower, c.cooler, 1e-9);
    }
    HeatInputs in = exampleHeat();
    in.tankArea = 10.0;
    EXPECT_EQ(heatReport(in, computeHeatBalance(in)).at(11),
              " Time from ambient to Tmax: not reached");
}

TEST(HeatBalanceTest, RefusesZeroAndNegativeInputsAndATmaxNotAboveAmbient) {
    struct Case {
        std::function<void(HeatInputs&)> change;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[](HeatInputs& in) { in.powerLost = 0.0; }, "Power lost: 0 is not greater than 0"},
        {[](HeatInputs& in) { in.duty = 0.0; }, "Duty: 0 is not in (0, 100]"},
        {[](HeatInputs& in) { in.duty = 120.0; }, "Duty: 120 is not in (0, 100]"},
        {[](HeatInputs& in) { in.tankVolume = -5.0; }, "Tank volume: -5 is not greater than 0"},
        {[](HeatInputs& in) { in.tankArea = 0.0; }, "Tank surface: 0 is not greater than 0"},
        {[](HeatInputs& in) { in.transfer = 0.0; },
         "Heat transfer coefficient k: 0 is not greater than 0"},
        {[](HeatInputs& in) { in.density = 0.0; }, "Oil density: 0 is not greater than 0"},
        {[](HeatInputs& in) { in.highestOil = 20.0; },
         "Highest oil temperature (20) must be above the ambient temperature (20)"},
    };
    for (const Case& c : cases) {
        HeatInputs in = exampleHeat();
        c.change(in);
        try {
            computeHeatBalance(in);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
    EXPECT_THROW(tankSurfaceArea(0.0), InputError);
}

TEST(OrificeTest, EachUnknownFromTheOtherTwo) {
    struct Case {
        OrificeUnknown unknown;
        double diameter, drop, flow;
        double expected;
    };
    const Case cases[] = {
        {OrificeUnknown::Flow, 2.0, 100.0, 0.0, 17.72},
        {OrificeUnknown::Diameter, 0.0, 50.0, 20.0, 2.527},
        // The inverse of the first case.
        {OrificeUnknown::PressureDrop, 2.0, 0.0, 17.7197, 100.0},
    };
    for (const Case& c : cases) {
        OrificeInputs in;
        in.unknown = c.unknown;
        in.diameter = c.diameter;
        in.pressureDrop = c.drop;
        in.flow = c.flow;
        in.discharge = 0.62;
        in.density = 870.0;
        const OrificeResult out = computeOrifice(in);
        const double found = c.unknown == OrificeUnknown::Flow       ? out.flow
                             : c.unknown == OrificeUnknown::Diameter ? out.diameter
                                                                     : out.pressureDrop;
        EXPECT_NEAR(found, c.expected, 0.005 * c.expected / 10.0);
    }
    // Flow goes with the square root of the drop and the square of the diameter.
    OrificeInputs in;
    in.diameter = 4.0;
    in.pressureDrop = 25.0;
    EXPECT_NEAR(computeOrifice(in).flow, 17.7197 * 4.0 / 2.0, 0.001);
}

TEST(OrificeTest, RefusesAlphaOutsideTheUnitIntervalAndUnsizedInputs) {
    struct Case {
        std::function<void(OrificeInputs&)> change;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[](OrificeInputs& in) { in.discharge = 0.0; },
         "Discharge coefficient alpha: 0 is not in (0, 1]"},
        {[](OrificeInputs& in) { in.discharge = 1.2; },
         "Discharge coefficient alpha: 1.2 is not in (0, 1]"},
        {[](OrificeInputs& in) { in.diameter = 0.0; }, "Diameter: 0 is not greater than 0"},
        {[](OrificeInputs& in) { in.pressureDrop = -3.0; },
         "Pressure drop: -3 is not greater than 0"},
        {[](OrificeInputs& in) { in.density = 0.0; }, "Oil density: 0 is not greater than 0"},
        {[](OrificeInputs& in) {
             in.unknown = OrificeUnknown::Diameter;
             in.flow = 0.0;
         },
         "Flow: 0 is not greater than 0"},
    };
    for (const Case& c : cases) {
        OrificeInputs in;
        in.diameter = 2.0;
        in.pressureDrop = 100.0;
        c.change(in);
        try {
            computeOrifice(in);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
    // The unknown's own input is not read: alpha 1 and no flow given.
    OrificeInputs in;
    in.diameter = 2.0;
    in.pressureDrop = 100.0;
    in.discharge = 1.0;
    EXPECT_NO_THROW(computeOrifice(in));
}

CylinderStiffnessInputs exampleCylinder() {
    CylinderStiffnessInputs in;
    in.bore = 100.0;
    in.rod = 50.0;
    in.stroke = 500.0;
    in.mass = 1000.0;
    in.bulkModulus = 14000.0;
    return in;
}

TEST(CompressibilityTest, OilTakenByCompression) {
    EXPECT_NEAR(compressedVolume({10.0, 200.0, 14000.0}), 142.857, 0.0005);
    EXPECT_NEAR(compressedVolume({10.0, 200.0, 7000.0}), 285.714, 0.0005);
    EXPECT_THROW(compressedVolume({10.0, 0.0, 14000.0}), InputError);
    EXPECT_THROW(compressedVolume({10.0, 200.0, -1.0}), InputError);
}

TEST(CompressibilityTest, LowestNaturalFrequencyAgreesWithAFineScan) {
    struct Case {
        double deadPiston, deadRod;
        double frequency, position;  // hand figures, where there are some
    };
    const Case cases[] = {
        {0.0, 0.0, 44.04, 268.0},
        {500.0, 0.0, 41.48, 238.0},
        {0.0, 800.0, 0.0, 0.0},
        {300.0, 300.0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        CylinderStiffnessInputs in = exampleCylinder();
        in.deadVolumePiston = c.deadPiston;
        in.deadVolumeRod = c.deadRod;
        const CylinderStiffnessResult out = lowestNaturalFrequency(in);
        if (c.frequency > 0.0) {
            EXPECT_NEAR(out.lowestFrequency, c.frequency, 0.005);
            EXPECT_NEAR(out.position, c.position, 0.5);
        }
        // No point of a scan in steps of 0.01 mm lies lower, and the scan's
        // lowest point stands next to the closed form's.
        double lowest = INFINITY;
        double where = 0.0;
        for (int i = 1; i < 50000; ++i) {
            const double x = i * 0.01;
            const double f = naturalFrequencyAt(in, x);
            if (f < lowest) {
                lowest = f;
                where = x;
            }
        }
        EXPECT_LE(out.lowestFrequency, lowest + 1e-12);
        EXPECT_NEAR(out.lowestFrequency, lowest, 1e-6);
        EXPECT_NEAR(out.position, where, 0.01);
    }
}

TEST(CompressibilityTest, DeadVolumeFarBeyondTheStrokeHoldsTheMinimumAtTheEnd) {
    // A huge piston-side volume makes that column the soft one everywhere.
    CylinderStiffnessInputs in = exampleCylinder();
    in.deadVolumePiston = 1e6;
    const CylinderStiffnessResult out = lowestNaturalFrequency(in);
    EXPECT_EQ(out.position, 0.0);
    EXPECT_NEAR(out.lowestFrequency, naturalFrequencyAt(in, 0.0), 1e-12);
}

TEST(CompressibilityTest, CurveLeavesOutEndsWithoutOilAndRefusesABadCylinder) {
    CylinderStiffnessInputs in = exampleCylinder();
    auto curve = naturalFrequencyCurve(in, 100);
    ASSERT_EQ(curve.size(), 99u);
    EXPECT_DOUBLE_EQ(curve.front().first, 5.0);
    EXPECT_DOUBLE_EQ(curve.back().first, 495.0);
    in.deadVolumePiston = 500.0;
    in.deadVolumeRod = 500.0;
    curve = naturalFrequencyCurve(in, 100);
    ASSERT_EQ(curve.size(), 101u);
    EXPECT_DOUBLE_EQ(curve.front().first, 0.0);

    struct Case {
        std::function<void(CylinderStiffnessInputs&)> change;
        std::string message;
    };
    const std::vector<Case> cases = {
        {[](CylinderStiffnessInputs& c) { c.rod = 100.0; },
         "Rod (100 mm) must be thinner than the bore (100 mm)"},
        {[](CylinderStiffnessInputs& c) { c.rod = 0.0; }, "Rod: 0 is not greater than 0"},
        {[](CylinderStiffnessInputs& c) { c.mass = 0.0; }, "Moving mass: 0 is not greater than 0"},
        {[](CylinderStiffnessInputs& c) { c.stroke = -1.0; }, "Stroke: -1 is not greater than 0"},
        {[](CylinderStiffnessInputs& c) { c.deadVolumeRod = -1.0; },
         "Dead volume, rod side: -1 is negative"},
        {[](CylinderStiffnessInputs& c) { c.bulkModulus = 0.0; },
         "Bulk modulus K: 0 is not greater than 0"},
    };
    for (const Case& c : cases) {
        CylinderStiffnessInputs bad = exampleCylinder();
        c.change(bad);
        try {
            lowestNaturalFrequency(bad);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()), c.message);
        }
    }
}

TEST(LineSizingTest, DiameterHoseAndItsFlowByTheHoseElement) {
    struct Case {
        double flow, velocity;
        double diameter;
        const char* dash;
        double hoseVelocity;
    };
    const Case cases[] = {
        {40.0, 5.0, 13.03, "-10", 3.37},
        // Exactly a series size takes that size, not the next.
        {60.0 * 1000.0 * 3.14159265358979 / 4.0 * 0.0127 * 0.0127, 1.0, 12.70, "-8", 1.0},
        {10.0, 1.0, 14.57, "-10", 0.84},
    };
    for (const Case& c : cases) {
        LineSizingInputs in{c.flow, LineKind::Pressure, c.velocity, 2.0, 870.0, 32.0};
        const LineSizingResult out = sizeLine(in);
        EXPECT_NEAR(out.diameter, c.diameter, 0.005);
        ASSERT_TRUE(out.hose.has_value());
        EXPECT_STREQ(out.hose->dash, c.dash);
        EXPECT_NEAR(out.hoseVelocity, c.hoseVelocity, 0.005);
        EXPECT_GT(out.hoseDrop, 0.0);
    }
    // 40 l/min in -10 at 32 mm2/s: Re 2234, laminar, lambda 75 / Re (a hose).
    const LineSizingResult out = sizeLine({40.0, LineKind::Pressure, 5.0, 2.0, 870.0, 32.0});
    EXPECT_EQ(out.flowType, "Lamilar");
    const double v = out.hoseVelocity;
    const double lambda = 75.0 / (v * 15.88 / 32.0 * 1000.0);
    EXPECT_NEAR(out.hoseDrop, lambda * 2.0 * 870.0 * v * v / (200.0 * 15.88), 1e-9);
}

TEST(LineSizingTest, SeriesEndsAndRefusals) {
    EXPECT_STREQ(nextHoseSize(1.0)->dash, "-4");
    EXPECT_STREQ(nextHoseSize(50.8)->dash, "-32");
    EXPECT_FALSE(nextHoseSize(50.81).has_value());
    const LineSizingResult big = sizeLine({1000.0, LineKind::Suction, 1.0, 2.0, 870.0, 32.0});
    EXPECT_FALSE(big.hose.has_value());
    EXPECT_EQ(lineSizingReport({1000.0, LineKind::Suction, 1.0, 2.0, 870.0, 32.0}, big).back(),
              " No hose of the series up to -32 (50.80 [mm]) is wide enough");
    EXPECT_DOUBLE_EQ(lineKindVelocities(LineKind::Suction).design, 1.0);
    EXPECT_DOUBLE_EQ(lineKindVelocities(LineKind::Return).design, 3.0);
    EXPECT_DOUBLE_EQ(lineKindVelocities(LineKind::Pressure).design, 5.0);
    for (const LineSizingInputs& in :
         {LineSizingInputs{0.0, LineKind::Return, 3.0, 2.0, 870, 32},
          LineSizingInputs{40.0, LineKind::Return, 0.0, 2.0, 870, 32},
          LineSizingInputs{40.0, LineKind::Return, 3.0, 0.0, 870, 32},
          LineSizingInputs{40.0, LineKind::Return, 3.0, 2.0, 870, 0}}) {
        EXPECT_THROW(sizeLine(in), InputError);
    }
}

}  // namespace
