#include "model/fluids.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

namespace {

const FluidGrade& fluid(const char* name) {
    const FluidGrade* found = findFluid(name);
    if (found == nullptr) {
        throw std::logic_error(std::string("no fluid ") + name);
    }
    return *found;
}

TEST(FluidTable, DhvFirstNamesUniqueAndFound) {
    const auto& table = fluidTable();
    ASSERT_FALSE(table.empty());
    EXPECT_EQ(table.front().name, "DHV 32");
    std::set<std::string> names;
    for (const FluidGrade& f : table) {
        EXPECT_TRUE(names.insert(f.name).second) << "twice: " << f.name;
        EXPECT_NE(f.name, kUserDefinedFluid);
        EXPECT_EQ(findFluid(f.name), &f);
    }
    EXPECT_EQ(findFluid(kUserDefinedFluid), nullptr);
    EXPECT_EQ(findFluid("hlp 46"), nullptr);
}

// Both reference points are met for every fluid: 40 °C through the table
// (every fluid's range holds it), 100 °C through the relation itself, since a
// water glycol's range ends below it.
TEST(FluidViscosity, ReferencePointsComeBack) {
    for (const FluidGrade& f : fluidTable()) {
        EXPECT_NEAR(fluidAt(f, 40.0).viscosity, f.viscosity40, 1e-9) << f.name;
        EXPECT_NEAR(waltherViscosity(f.viscosity40, f.viscosity100, 100.0), f.viscosity100, 1e-9)
            << f.name;
    }
}

// Worked by hand from log10 log10(nu + 0.7) = A - B log10 T:
// VG 46 with 46 and 6.8 mm2/s: w40 = log10 log10 46.7 = 0.222539,
// w100 = log10 log10 7.5 = -0.057962, B = (w40 - w100) / (log10 373.15 -
// log10 313.15) = 3.684441, A = w40 + B log10 313.15 = 9.417993.
// At 70 °C: w = A - B log10 343.15 = 0.076150, nu = 10^10^w - 0.7 = 14.8473;
// at 60 °C 20.6227, 20 °C 133.838, 0 °C 577.321, -20 °C 4517.84, 120 °C 4.57143.
// A water glycol, 46 and 9.5 (B = 2.874252, A = 7.395960): 0 °C 296.097,
// 60 °C 24.2573. VG 10, 10 and 2.7 (B = 3.771015, A = 9.424098): 120 °C 2.03209.
TEST(FluidViscosity, MatchesWaltherWorkedByHand) {
    struct Case {
        double nu40, nu100, celsius, expected;
    };
    for (const Case& c :
         {Case{46, 6.8, 70, 14.8473}, Case{46, 6.8, 60, 20.6227}, Case{46, 6.8, 20, 133.838},
          Case{46, 6.8, 0, 577.321}, Case{46, 6.8, -20, 4517.84}, Case{46, 6.8, 120, 4.57143},
          Case{46, 9.5, 0, 296.097}, Case{46, 9.5, 60, 24.2573}, Case{10, 2.7, 120, 2.03209}}) {
        EXPECT_NEAR(waltherViscosity(c.nu40, c.nu100, c.celsius), c.expected, c.expected * 1e-5)
            << c.nu40 << "/" << c.nu100 << " at " << c.celsius;
    }
}

// Viscosity and density fall strictly over each fluid's whole range, and the
// density is the table's at 15 °C.
TEST(FluidViscosity, FallsWithTemperatureOverEachRange) {
    for (const FluidGrade& f : fluidTable()) {
        EXPECT_DOUBLE_EQ(fluidAt(f, 15.0).density, f.density15) << f.name;
        FluidState previous = fluidAt(f, f.minCelsius);
        for (double t = f.minCelsius + 0.25; t <= f.maxCelsius; t += 0.25) {
            const FluidState now = fluidAt(f, t);
            ASSERT_TRUE(std::isfinite(now.viscosity) && now.viscosity > 0) << f.name << " " << t;
            ASSERT_LT(now.viscosity, previous.viscosity) << f.name << " at " << t;
            ASSERT_LT(now.density, previous.density) << f.name << " at " << t;
            previous = now;
        }
    }
}

// rho = rho15 / (1 + alpha (t - 15)): HLP 46 (877, 0.0007) 877 / 1.0595 =
// 827.749 at 100 °C and 877 / 0.9755 = 899.026 at -20 °C; HFC 46 (1070,
// 0.0006) 1070 / 1.027 = 1041.87 at 60 °C.
TEST(FluidDensity, ThermalExpansionWorkedByHand) {
    EXPECT_NEAR(fluidAt(fluid("HLP 46"), 100.0).density, 827.749, 1e-3);
    EXPECT_NEAR(fluidAt(fluid("HLP 46"), -20.0).density, 899.026, 1e-3);
    EXPECT_NEAR(fluidAt(fluid("HFC 46"), 60.0).density, 1041.87, 1e-2);
}

// H of ASTM D2270 (ISO 2909), Table 1, at the 100 °C viscosities of the
// high-index grades and either side of grade 10's; L only matters below an
// index of 100. The table steps by 0.1 mm2/s there and is interpolated
// linearly between neighbouring rows.
constexpr std::pair<double, double> kD2270H[] = {{2.9, 11.50},  {3.0, 12.15}, {3.9, 18.77},
                                                 {5.0, 28.49},  {6.5, 43.18}, {8.4, 64.18},
                                                 {10.9, 93.92}, {14.5, 142.4}};

// The viscosity index by ASTM D2270 where nu40 lies below H, rounded to a
// whole number as the standard reports it; -1 without rows for nu100.
int viscosityIndex(double nu40, double nu100) {
    for (std::size_t i = 0; i < std::size(kD2270H); ++i) {
        const auto [nu, H] = kD2270H[i];
        const bool between =
            nu > nu100 && i > 0 && nu - kD2270H[i - 1].first < 0.11 && kD2270H[i - 1].first < nu100;
        if (nu == nu100 || between) {
            const auto [lowNu, lowH] = between ? kD2270H[i - 1] : kD2270H[i];
            const double h = between ? lowH + (H - lowH) * (nu100 - lowNu) / (nu - lowNu) : H;
            const double N = (std::log10(h) - std::log10(nu40)) / std::log10(nu100);
            return static_cast<int>(std::lround((std::pow(10.0, N) - 1.0) / 0.00715 + 100.0));
        }
    }
    return -1;
}

TEST(FluidTable, HighIndexGradesLieInTheirFamilysRange) {
    // Grade 10 lay at 149 with 2.9 mm2/s.
    EXPECT_EQ(viscosityIndex(10, 2.9), 149);
    int checked = 0;
    for (const FluidGrade& f : fluidTable()) {
        if (f.name.starts_with("HV") || f.name.starts_with("DHV")) {
            const int vi = viscosityIndex(f.viscosity40, f.viscosity100);
            EXPECT_TRUE(vi >= 150 && vi <= 165) << f.name << ": " << vi;
            ++checked;
        }
    }
    EXPECT_EQ(checked, 15);
}

TEST(FluidRange, EdgesAcceptedBeyondRefused) {
    const FluidGrade& hlp = fluid("HLP 46");
    EXPECT_NO_THROW(fluidAt(hlp, -20.0));
    EXPECT_NO_THROW(fluidAt(hlp, 120.0));
    EXPECT_THROW(fluidAt(hlp, -20.1), FluidRangeError);
    EXPECT_THROW(fluidAt(hlp, 120.1), FluidRangeError);
    EXPECT_THROW(fluidAt(hlp, std::numeric_limits<double>::quiet_NaN()), FluidRangeError);
    EXPECT_THROW(waltherViscosity(46, 6.8, -20.1), FluidRangeError);
    EXPECT_THROW(waltherViscosity(46, 6.8, 120.1), FluidRangeError);
    // Water boils out of a water glycol long before the relation's end.
    EXPECT_NO_THROW(fluidAt(fluid("HFC 46"), 60.0));
    EXPECT_THROW(fluidAt(fluid("HFC 46"), 60.1), FluidRangeError);
    try {
        fluidAt(hlp, 130.0);
        ADD_FAILURE() << "130 °C accepted";
    } catch (const FluidRangeError& e) {
        EXPECT_STREQ(e.what(), "Temperature 130 °C is outside the range -20 to 120 °C of HLP 46");
    }
}

// Figures the relations cannot use are refused, and the extreme figures that
// are taken still give finite, positive results at both ends of the range.
TEST(FluidRange, UnusableFiguresRefusedExtremesStayFinite) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(waltherViscosity(6.8, 46, 40), std::invalid_argument);
    EXPECT_THROW(waltherViscosity(46, 46, 40), std::invalid_argument);
    EXPECT_THROW(waltherViscosity(46, 0.9, 40), std::invalid_argument);
    EXPECT_THROW(waltherViscosity(10001, 6.8, 40), std::invalid_argument);
    EXPECT_THROW(waltherViscosity(nan, 6.8, 40), std::invalid_argument);
    for (double t : {-20.0, 120.0}) {
        const double nu = waltherViscosity(10000, 1, t);
        EXPECT_TRUE(std::isfinite(nu) && nu > 0) << t;
    }
    FluidGrade odd = fluid("HLP 46");
    odd.expansion = 0.01;
    EXPECT_THROW(fluidAt(odd, 40), std::invalid_argument);
    odd.expansion = 0.0007;
    odd.density15 = 0;
    EXPECT_THROW(fluidAt(odd, 40), std::invalid_argument);
}

}  // namespace
