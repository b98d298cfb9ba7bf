#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "model/CylinderDesign.h"
#include "model/HidroMotor.h"
#include "model/Quantity.h"
#include "model/ReportRow.h"
#include "model/SystemAccumulator.h"
#include "model/SystemCompress.h"
#include "model/SystemHeat.h"
#include "model/SystemLineSizing.h"
#include "model/SystemOrifice.h"
#include "model/Valve.h"
#include "model/cev.h"
#include "model/klip.h"
#include "model/numtext.h"
#include "model/pumpa.h"

using units::kMetric;
using units::kUsCustomary;
using units::Quantity;
using units::ReportRows;

namespace {

double us(double value, Quantity quantity) {
    return units::toModel(value, quantity, kUsCustomary);
}

// An element's report both ways: the lines its writeReport gives into a list
// that already holds a line, and its rows.
std::pair<ReportLines, ReportRows> bothWays(bazna& element) {
    ReportLines lines{"an earlier report"};
    element.writeReport(lines);
    ReportRows rows;
    element.writeReportRows(rows);
    return {lines, rows};
}

std::pair<ReportLines, ReportRows> bothWays(ReportLines lines, ReportRows rows) {
    return {std::move(lines), std::move(rows)};
}

AccumulatorInputs accumulator() {
    AccumulatorInputs in;
    in.precharge = 90.0;
    in.minimumPressure = 100.0;
    in.maximumPressure = 200.0;
    in.usefulVolume = 2.0;
    in.gasTemperature = 35.0;
    return in;
}

HeatInputs heat() {
    HeatInputs in;
    in.powerLost = 3.0;
    in.duty = 80.0;
    in.tankVolume = 200.0;
    in.tankArea = tankSurfaceArea(200.0);
    in.transfer = 12.0;
    in.ambient = 20.0;
    in.highestOil = 60.0;
    in.density = 870.0;
    return in;
}

CylinderStiffnessInputs stiffCylinder() {
    CylinderStiffnessInputs in;
    in.bore = 100.0;
    in.rod = 50.0;
    in.stroke = 500.0;
    in.mass = 1000.0;
    in.bulkModulus = 14000.0;
    in.deadVolumePiston = 50.0;
    return in;
}

CylinderDesignInputs designInputs() {
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

// The number that follows a label in a line.
double figureAfter(const std::string& line, std::string_view label) {
    const auto at = line.find(label);
    EXPECT_NE(at, std::string::npos) << line;
    const std::string rest = line.substr(at + label.size());
    return numtext::StrToFloat(rest.substr(0, rest.find(' ', rest.find_first_not_of(' '))));
}

std::string lineWith(const ReportLines& lines, std::string_view label) {
    for (const std::string& line : lines) {
        if (line.find(label) != std::string::npos) {
            return line;
        }
    }
    ADD_FAILURE() << "no line with " << label;
    return {};
}

// What becomes of lines already in the list: kept, or emptied first (the
// valve and the single-acting cylinder); the system reports make a list of
// their own.
enum class Earlier { Keeps, Replaces, Makes };

ReportLines usLines(const ReportRows& rows) {
    ReportLines lines;
    units::appendRows(lines, rows, kUsCustomary);
    return lines;
}

}  // namespace

// Every report's rows give in metric the very lines its report writes (the
// texts the other tests pin), and in US units no metric unit is left: a unit
// written as fixed text instead of through the quantity would stay behind.
TEST(ElementReports, RowsGiveTheMetricReportAndLeaveNoMetricUnitInUsUnits) {
    Valve valve(100, 60, 0.001, 5, PortSide::Intake);
    valve.setName("DCV {unit} 4/3");
    valve.setSource("Data line: NG6|60|5|0.001");
    pumpa pump(10, 100, 50, 0.96, 0.92, 1);
    HidroMotor motor(100, 50, 1500.7, 0.9, 0.95, 11);
    cev pipe(10, 2.0, 890, 5, 46, 4, 1);  // strongly rusted and narrow: the roughness warning
    crevo hose(60, 2.5, 890, 16, 46, 1, 1);
    klipJednostrani push(100, 40, 80, 40, 3, 0.95, false, 1);
    klipJednostrani pull(100, 40, 80, 40, 3, 0.95, true, 1);
    klipDvostrani through(50, 0.1, 80, 40, 0, 1, 4);
    const AccumulatorResult stored = computeAccumulator(accumulator());
    const HeatResult warmed = computeHeatBalance(heat());
    const CompressionInputs oil{12.5, 200.0, 14000.0};
    const CylinderStiffnessResult stiffness = lowestNaturalFrequency(stiffCylinder());
    const LineSizingInputs sizing{60.0, LineKind::Pressure, 5.0, 2.0, 870.0, 32.0};
    OrificeInputs orifice;
    orifice.diameter = 2.0;
    orifice.pressureDrop = 100.0;
    orifice.discharge = 0.62;
    orifice.density = 870.0;
    const CylinderDesign design = designCylinder(designInputs());

    const struct {
        const char* name;
        std::function<std::pair<ReportLines, ReportRows>()> report;
        Earlier earlier = Earlier::Makes;
    } cases[] = {
        {"pump", [&] { return bothWays(pump); }, Earlier::Keeps},
        {"motor", [&] { return bothWays(motor); }, Earlier::Keeps},
        {"valve", [&] { return bothWays(valve); }, Earlier::Replaces},
        {"pipe", [&] { return bothWays(pipe); }, Earlier::Keeps},
        {"hose", [&] { return bothWays(hose); }, Earlier::Keeps},
        {"single push", [&] { return bothWays(push); }, Earlier::Replaces},
        {"single pull", [&] { return bothWays(pull); }, Earlier::Replaces},
        {"through rod", [&] { return bothWays(through); }, Earlier::Keeps},
        {"accumulator",
         [&] {
             return bothWays(accumulatorReport(accumulator(), stored),
                             accumulatorReportRows(accumulator(), stored));
         }},
        {"heat",
         [&] { return bothWays(heatReport(heat(), warmed), heatReportRows(heat(), warmed)); }},
        {"compression",
         [&] { return bothWays(compressionReport(oil, 1.5), compressionReportRows(oil, 1.5)); }},
        {"stiffness",
         [&] {
             return bothWays(stiffnessReport(stiffCylinder(), stiffness),
                             stiffnessReportRows(stiffCylinder(), stiffness));
         }},
        {"line sizing",
         [&] {
             const LineSizingResult sized = sizeLine(sizing);
             return bothWays(lineSizingReport(sizing, sized), lineSizingReportRows(sizing, sized));
         }},
        {"orifice",
         [&] {
             const OrificeResult out = computeOrifice(orifice);
             return bothWays(orificeReport(orifice, out), orificeReportRows(orifice, out));
         }},
        {"design",
         [&] {
             ReportLines lines;
             ReportRows rows;
             writeDesignReport(designInputs(), design, 400.0, lines);
             writeDesignReportRows(designInputs(), design, 400.0, rows);
             return bothWays(lines, rows);
         }},
    };
    const char* const metricUnits[] = {"bar",  "l/min", "[kW]", " kW", "daNm",  "kN",
                                       "[mm]", "m/s",   "cm2",  "cm3", "kg/m3", "mm2/s",
                                       "[m]",  "°C",    "[l]",  "m2",  "[kg]",  "kJ"};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto [lines, rows] = c.report();
        if (c.earlier == Earlier::Keeps) {
            ASSERT_EQ(lines.front(), "an earlier report");
            lines.erase(lines.begin());
        }
        EXPECT_EQ(units::metricLines(rows), lines);
        const ReportLines shown = usLines(rows);
        ASSERT_EQ(shown.size(), lines.size());
        for (const std::string& line : shown) {
            for (const char* unit : metricUnits) {
                // The valve's data line is data: it stays as its file has it.
                if (line.rfind(" Data line:", 0) != 0) {
                    EXPECT_EQ(line.find(unit), std::string::npos) << line;
                }
            }
        }
    }
    // A user's text is never read for a unit mark.
    EXPECT_EQ(usLines(bothWays(valve).second)[1], "Valve type: DCV {unit} 4/3");
}

// Figures worked by hand in US units, the elements fed with the US figures
// converted.
TEST(ElementReports, HandCasesInUsUnits) {
    // 1450 x 1.71 / 231 = 10.73 gpm; 2900 psi x 10.73 gpm / 1714 = 18.16 hp.
    pumpa pump(us(1.71, Quantity::Displacement), 1450, us(2900, Quantity::Pressure), 1, 1, 3);
    const ReportLines pumpLines = usLines(bothWays(pump).second);
    EXPECT_NEAR(figureAfter(lineWith(pumpLines, " Flow : "), " Flow : "), 10.734, 0.001);
    EXPECT_NE(lineWith(pumpLines, " Flow : ").find("[gpm]"), std::string::npos);
    EXPECT_NEAR(figureAfter(lineWith(pumpLines, " Power : "), " Power : "), 18.16, 0.005);
    EXPECT_EQ(lineWith(pumpLines, "Displacement"), " Displacement volume  : 1.7100  [in3/rev] ");
    EXPECT_EQ(lineWith(pumpLines, "Revolution"), " Revolution per minute: 1450  [o/min] ");

    // 2000 psi on a 4 in piston with pi as 3.14: 25 120 lbf (25 133 with pi).
    klipJednostrani cylinder(us(2000, Quantity::Pressure), 40, us(4, Quantity::SmallLength),
                             us(2, Quantity::SmallLength), 0, 1, false, 1);
    const ReportLines cylinderLines = usLines(bothWays(cylinder).second);
    EXPECT_NEAR(figureAfter(cylinderLines[1], " External force : "), 25120.0, 0.01);
    EXPECT_EQ(cylinderLines[2], " Diameter of piston /piston rod   : 4.000 [in] / 2.000 [in]");

    // 2000 psi x 3 in3 / (2 pi) = 954.9 lbf in = 79.58 lbf ft; the motor's
    // torque constant 1.59 for 10 / (2 pi) is 0.1 % below.
    HidroMotor motor(us(2000, Quantity::Pressure), us(3, Quantity::Displacement), 1000, 1, 1, 11);
    const ReportLines motorLines = usLines(bothWays(motor).second);
    const double torque = figureAfter(lineWith(motorLines, " Torque  : "), " Torque  : ");
    EXPECT_NEAR(torque, 2000.0 * 3.0 / (2.0 * 3.14159265358979) / 12.0, 0.08);
    EXPECT_NE(lineWith(motorLines, " Torque  : ").find("[lbf-ft]"), std::string::npos);

    // A 5/8 in line, 50 ft long, 10 gpm of 46 cSt oil: the drop in psi is the
    // metric drop converted.
    cev line(us(10, Quantity::Flow), us(50, Quantity::Length), 890, 15.875, 46, 1, 1);
    const ReportLines lineLines = usLines(bothWays(line).second);
    EXPECT_EQ(lineLines[1], " Pipe diametar: d = 0.625 [in] ");
    EXPECT_EQ(lineWith(lineLines, "lenght"), "Pipe lenght L=  50.00 [ft]");
    EXPECT_NEAR(figureAfter(lineWith(lineLines, "Pressure drop"), "dP=  "),
                line.pressureDrop / 0.0689475729316836, 0.0005);
}

// The system reports' own units: a temperature with its degree sign, as the
// metric report writes it, and a fixed temperature converted too.
TEST(ElementReports, SystemReportsInUsUnits) {
    const AccumulatorInputs in = accumulator();
    const ReportLines accumulatorLines = usLines(accumulatorReportRows(in, computeAccumulator(in)));
    // 90 bar = 1305.34 psi; 20 °C = 68 °F; 35 °C = 95 °F.
    EXPECT_EQ(accumulatorLines[1], " Precharge p0 = 1305.34 [psi] at 68 °F");
    EXPECT_EQ(accumulatorLines[4], " Gas temperature = 95.0 [°F]");
    const ReportLines heatLines = usLines(heatReportRows(heat(), computeHeatBalance(heat())));
    // 12 W/(m2 K) = 2.11 Btu/(h ft2 °F); 870 kg/m3 = 54.3 lb/ft3;
    // 1.88 kJ/(kg K) = 0.449 Btu/(lb °F), a decimal more.
    EXPECT_EQ(heatLines[4], " Heat transfer coefficient k = 2.11 [Btu/(h ft2 F)]");
    EXPECT_EQ(heatLines[7], " Oil density = 54.3 [lb/ft3], specific heat c = 0.449 [Btu/(lb F)]");
}
