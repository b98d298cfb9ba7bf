#include "model/fluids.h"

#include <cmath>
#include <span>
#include <string>

#include "model/numtext.h"

namespace {

constexpr long double kZeroCelsius = 273.15L;  // K

// Volumetric expansion coefficients, 1/K. Mineral oils: the petroleum
// measurement tables give 0.6278/density15 for lubricating oils, 0.00071 to
// 0.00074 over 850 to 890 kg/m3, and hydraulics handbooks 0.00065 to 0.0007;
// one figure, 0.0007, serves every grade. Water glycols: water expands about
// half as much as the glycols (0.0006 to 0.0007), so the mixture 0.0006.
// Synthetic esters: 0.00075.
constexpr double kMineralExpansion = 0.0007;
constexpr double kWaterGlycolExpansion = 0.0006;
constexpr double kEsterExpansion = 0.00075;

// A water glycol loses water above about 60 °C in an open tank; its figures
// then no longer describe the fluid in the circuit.
constexpr double kWaterGlycolMaxCelsius = 60.0;

// The largest expansion coefficient fluidAt takes: well above any liquid's,
// and small enough that 1 + expansion * (t - 15) stays positive from -20 °C.
constexpr double kMaxExpansion = 0.002;

// The reference viscosities waltherViscosity takes. The lower bound keeps
// log10(nu + 0.7) well above zero; the upper one (three times ISO VG 3200)
// keeps 10^10^w finite at -20 °C.
constexpr double kMinViscosity100 = 1.0;
constexpr double kMaxViscosity40 = 10000.0;

struct GradeFigures {
    int grade;            // ISO VG: the midpoint of the 40 °C viscosity, mm2/s
    double viscosity100;  // mm2/s
    double density15;     // kg/m3
};

// Mineral oils of viscosity index about 100 (ISO 11158 HM, DIN 51524-2 HLP).
constexpr GradeFigures kMineralGrades[] = {
    {10, 2.7, 855}, {15, 3.4, 861}, {22, 4.3, 866},   {32, 5.4, 872},
    {46, 6.8, 877}, {68, 8.7, 882}, {100, 11.4, 887},
};

// Mineral oils of high viscosity index, 150 to 165 (ISO 11158 HV, DIN 51524-3
// HVLP); their base oils are a little lighter. Grade 10 takes two decimals:
// by ASTM D2270 its viscosity index is 149 with 2.9 mm2/s and 170 with 3.0.
constexpr GradeFigures kHighIndexGrades[] = {
    {10, 2.94, 850}, {15, 3.9, 855},  {22, 5.0, 860},   {32, 6.5, 865},
    {46, 8.4, 870},  {68, 10.9, 875}, {100, 14.5, 880},
};

void addFamily(std::vector<FluidGrade>& table, const char* family,
               std::span<const GradeFigures> grades) {
    for (const GradeFigures& g : grades) {
        table.push_back({std::string(family) + " " + std::to_string(g.grade),
                         static_cast<double>(g.grade), g.viscosity100, g.density15,
                         kMineralExpansion});
    }
}

std::vector<FluidGrade> buildTable() {
    std::vector<FluidGrade> table;
    // The panel's original single item: a high-index grade 32.
    table.push_back({"DHV 32", 32.0, 6.5, 865, kMineralExpansion});
    // The DIN names first, the ISO names of the same oils after them.
    addFamily(table, "HLP", kMineralGrades);
    addFamily(table, "HVLP", kHighIndexGrades);
    addFamily(table, "HM", kMineralGrades);
    addFamily(table, "HV", kHighIndexGrades);
    // Fire-resistant water glycol (ISO 6743-4 HFC): viscosity index about 195.
    table.push_back({"HFC 46", 46.0, 9.5, 1070, kWaterGlycolExpansion, kFluidMinCelsius,
                     kWaterGlycolMaxCelsius});
    // Biodegradable synthetic ester (ISO 15380 HEES): viscosity index about 185.
    table.push_back({"HEES 46", 46.0, 9.2, 920, kEsterExpansion});
    return table;
}

// The comparison is written so that nan falls outside. `of` names the fluid
// (its grade, the same in every language) or the relation (a model text).
void requireWithin(double celsius, double minCelsius, double maxCelsius,
                   const KeyedText::Figure& of) {
    if (!(celsius >= minCelsius && celsius <= maxCelsius)) {
        throw FluidRangeError(
            KeyedText{TEXT_KEY("Model", "Temperature %1 °C is outside the range %2 to %3 °C of %4"),
                      {numtext::FloatToStr(celsius), numtext::FloatToStr(minCelsius),
                       numtext::FloatToStr(maxCelsius), of}});
    }
}

long double walther(long double nu) {
    return std::log10(std::log10(nu + 0.7L));
}

}  // namespace

const std::vector<FluidGrade>& fluidTable() {
    static const std::vector<FluidGrade> table = buildTable();
    return table;
}

const FluidGrade* findFluid(std::string_view name) {
    for (const FluidGrade& fluid : fluidTable()) {
        if (fluid.name == name) {
            return &fluid;
        }
    }
    return nullptr;
}

double waltherViscosity(double nu40, double nu100, double celsius) {
    requireWithin(celsius, kFluidMinCelsius, kFluidMaxCelsius,
                  keyFigure(TEXT_KEY("Model", "the viscosity relation")));
    // Written so that nan fails too.
    if (!(nu100 >= kMinViscosity100 && nu100 < nu40 && nu40 <= kMaxViscosity40)) {
        throw std::invalid_argument("The reference viscosities " + numtext::FloatToStr(nu40) +
                                    " mm2/s at 40 °C and " + numtext::FloatToStr(nu100) +
                                    " mm2/s at 100 °C do not satisfy 1 <= nu100 < nu40 <= "
                                    "10000 mm2/s");
    }
    // The straight line through the two points in (log10 T, log log) is taken
    // from the 40 °C point, so that both points come back to within rounding.
    const long double x40 = std::log10(40.0L + kZeroCelsius);
    const long double x100 = std::log10(100.0L + kZeroCelsius);
    const long double x = std::log10(static_cast<long double>(celsius) + kZeroCelsius);
    const long double w40 = walther(nu40);
    const long double w100 = walther(nu100);
    const long double w = w40 + (w100 - w40) * (x - x40) / (x100 - x40);
    return static_cast<double>(std::pow(10.0L, std::pow(10.0L, w)) - 0.7L);
}

FluidState fluidAt(const FluidGrade& fluid, double celsius) {
    requireWithin(celsius, fluid.minCelsius, fluid.maxCelsius, fluid.name);
    if (!(fluid.density15 > 0.0 && std::isfinite(fluid.density15) && fluid.expansion >= 0.0 &&
          fluid.expansion <= kMaxExpansion)) {
        throw std::invalid_argument("The density " + numtext::FloatToStr(fluid.density15) +
                                    " kg/m3 at 15 °C or the expansion " +
                                    numtext::FloatToStr(fluid.expansion) + " 1/K of " + fluid.name +
                                    " cannot be used");
    }
    FluidState state;
    state.viscosity = waltherViscosity(fluid.viscosity40, fluid.viscosity100, celsius);
    // The mass of a volume stays; the volume grows by expansion per kelvin.
    state.density = fluid.density15 / (1.0 + fluid.expansion * (celsius - 15.0));
    return state;
}
