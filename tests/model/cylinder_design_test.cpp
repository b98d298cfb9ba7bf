#include "model/CylinderDesign.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A 100/50 cylinder, 500 mm stroke, fed with 50 l/min at 100 bar.
CylinderDesignInputs hundredByFifty() {
    CylinderDesignInputs in;
    in.pistonDiameter = 100.0;
    in.rodDiameter = 50.0;
    in.stroke = 500.0;
    in.flow = 50.0;
    in.pressure = 100.0;
    in.efficiency = 0.9;
    in.mountingLength = 1000.0;
    return in;
}

}  // namespace

TEST(CylinderDesign, StrokeAndRegenerativeFiguresByHand) {
    // A1 = 3.14 x 100 / 4 = 78.5 cm2, A2 = 78.5 - 19.625 = 58.875 cm2, v = Q / (6 A).
    const CylinderDesign design = designCylinder(hundredByFifty());
    EXPECT_NEAR(design.stroke.extendSpeed, 0.10616, 1e-5);
    EXPECT_NEAR(design.stroke.extendTime, 4.71, 0.005);
    EXPECT_NEAR(design.stroke.extendVolume, 3.925, 1e-9);
    EXPECT_NEAR(design.stroke.retractSpeed, 0.14154, 1e-5);
    EXPECT_NEAR(design.stroke.retractTime, 3.53, 0.005);
    EXPECT_NEAR(design.stroke.retractVolume, 2.944, 0.0005);
    // Regenerative: the rod's 19.625 cm2 alone; 100 bar x 19.625 cm2 x 0.9 = 17.66 kN.
    ASSERT_TRUE(design.regenerative.has_value());
    EXPECT_NEAR(design.regenerative->speed, 50.0 / (6.0 * 19.625), 1e-12);
    EXPECT_NEAR(design.regenerative->force, 17.6625, 1e-9);
    EXPECT_NEAR(design.regenerative->time, 0.5 / (50.0 / (6.0 * 19.625)), 1e-12);

    // A through rod moves on the annulus both ways and has no regenerative circuit.
    CylinderDesignInputs through = hundredByFifty();
    through.throughRod = true;
    const CylinderDesign both = designCylinder(through);
    EXPECT_DOUBLE_EQ(both.stroke.extendSpeed, both.stroke.retractSpeed);
    EXPECT_NEAR(both.stroke.extendVolume, 2.944, 0.0005);
    EXPECT_FALSE(both.regenerative.has_value());
}

TEST(CylinderDesign, BucklingByMountingCaseAndLaw) {
    // d 50 mm: I = pi d^4 / 64 = 306 796 mm4, A = 1963.5 mm2; L = mounting + stroke.
    struct Case {
        MountingCase mounting;
        double mountingLength;
        double freeLength, slenderness;
        BucklingLaw law;
        double load;  // kN, worked out by hand
    };
    const Case cases[] = {
        // Euler: pi^2 210000 I / 1500^2.
        {MountingCase::PinnedPinned, 1000.0, 1500.0, 120.0, BucklingLaw::Euler, 282.609},
        {MountingCase::FixedFree, 1000.0, 3000.0, 240.0, BucklingLaw::Euler, 70.652},
        // Tetmajer: (335 - 0.62 x 84) x 1963.5 and (335 - 0.62 x 60) x 1963.5.
        {MountingCase::FixedPinned, 1000.0, 1050.0, 84.0, BucklingLaw::Tetmajer, 555.512},
        {MountingCase::FixedFixed, 1000.0, 750.0, 60.0, BucklingLaw::Tetmajer, 584.729},
        // Below 60 the yield strength: 355 x 1963.5.
        {MountingCase::FixedFixed, 500.0, 500.0, 40.0, BucklingLaw::Yield, 697.041},
    };
    for (const Case& c : cases) {
        CylinderDesignInputs in = hundredByFifty();
        in.mounting = c.mounting;
        in.mountingLength = c.mountingLength;
        const BucklingFigures b = designCylinder(in).buckling;
        EXPECT_NEAR(b.freeLength, c.freeLength, 1e-9) << c.load;
        EXPECT_NEAR(b.slenderness, c.slenderness, 1e-9) << c.load;
        EXPECT_EQ(b.law, c.law) << c.load;
        EXPECT_NEAR(b.load, c.load, 0.001) << c.load;
        EXPECT_NEAR(b.permissible, c.load / 3.5, 0.001) << c.load;
    }
}

TEST(CylinderDesign, VerdictAndReport) {
    // Rear eye and rod eye, 1000 mm between them retracted: 80.75 kN permissible.
    CylinderDesignInputs in = hundredByFifty();
    const CylinderDesign design = designCylinder(in);
    EXPECT_EQ(bucklingVerdict(design.buckling, 150.0),
              "rod may buckle: permissible 80.75 kN, load 150.00 kN");
    EXPECT_EQ(bucklingVerdict(design.buckling, 50.0), "rod safe against buckling");
    EXPECT_FALSE(rodSafe(design.buckling, 150.0));
    EXPECT_TRUE(rodSafe(design.buckling, std::nullopt));
    ReportLines lines;
    writeDesignReport(in, design, 150.0, lines);
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[2], " Extend:  v = 0.1062 [m/s], t = 4.71 [s], V = 3.925 [l]");
    EXPECT_EQ(lines[3], " Retract: v = 0.1415 [m/s], t = 3.53 [s], V = 2.944 [l]");
    EXPECT_EQ(lines.back(), " rod may buckle: permissible 80.75 kN, load 150.00 kN");
}

TEST(CylinderDesign, UnsoundInputsAreRefusedWithTheirMessage) {
    struct Case {
        void (*spoil)(CylinderDesignInputs&);
        const char* message;
    };
    const Case cases[] = {
        {[](CylinderDesignInputs& in) { in.stroke = 0.0; }, "Stroke must be greater than 0 mm"},
        {[](CylinderDesignInputs& in) { in.rodDiameter = 100.0; },
         "Rod diameter d must be greater than 0 and smaller than the piston diameter D"},
        {[](CylinderDesignInputs& in) { in.mountingLength = -1.0; },
         "Mounting length must not be negative"},
        {[](CylinderDesignInputs& in) { in.safetyFactor = 0.99; },
         "Safety factor must be at least 1"},
    };
    for (const Case& c : cases) {
        CylinderDesignInputs in = hundredByFifty();
        c.spoil(in);
        EXPECT_EQ(checkDesignInputs(in).value_or("(accepted)"), c.message);
        EXPECT_THROW(designCylinder(in), std::invalid_argument) << c.message;
    }
    EXPECT_FALSE(checkDesignInputs(hundredByFifty()).has_value());
}
