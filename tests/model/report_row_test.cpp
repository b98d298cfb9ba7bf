#include "model/ReportRow.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "model/HidroMotor.h"
#include "model/Valve.h"
#include "model/cev.h"
#include "model/faults.h"
#include "model/klip.h"
#include "model/pumpa.h"

using units::kMetric;
using units::kUsCustomary;
using units::NumberRules;
using units::Quantity;
using units::ReportRow;

namespace {

ReportLines reportOf(bazna& element) {
    ReportLines lines;
    element.writeReport(lines);
    return lines;
}

ReportLines rendered(const std::vector<ReportRow>& rows, units::UnitSystem system) {
    ReportLines lines;
    units::appendRows(lines, rows, system);
    return lines;
}

constexpr auto kPrintf = NumberRules::Printf;
constexpr auto kFramework = NumberRules::Framework;

}  // namespace

// Rows that restate an element's report line give that very line in metric,
// and in US units the converted figure with the US unit. The elements are
// built from given values, so the US figures are those values converted by
// hand with the exact factors.
TEST(ReportRows, MetricRowsGiveTheElementsLinesAndUsRowsTheConvertedFigures) {
    pumpa pump(10, 100, 50, 0.96, 0.96, 1);            // power 10 kW given
    HidroMotor motor(100, 50, 1500.7, 1, 1, 11);       // speed 1500 rpm given
    Valve valve(100, 60, 0, 5, PortSide::Intake);      // a drop of 5 bar at 60 l/min
    cev pipe(10, 2.0, 890.0, 50.0, 46.0, 1, 1);        // d = 50 mm, L = 2 m
    klipDvostrani cylinder(50, 0.1, 80, 40, 0, 1, 4);  // force 50 kN given

    using Q = Quantity;
    struct Case {
        ReportLines element;
        std::size_t line;
        std::vector<ReportRow> rows;
        std::string us;  // empty: the line has no unit to convert
    };
    // clang-format off
    const Case cases[] = {
        {reportOf(pump), 0,
         {{.label = " ---------   PUMP CALCULATION       --------------------- "}},
         ""},
        {reportOf(pump), 1,
         {{.label = " Power : ", .value = pump.power, .quantity = Q::Power,
           .format = {kPrintf, "%3.3f", " [{unit}] "}}},
         " Power : 13.410 [hp] "},
        {reportOf(motor), 5,
         {{.label = "Angular spped: ", .value = static_cast<double>(motor.speed),
           .quantity = Q::Speed, .format = {kPrintf, "%d", "  [{unit}] "}}},
         "Angular spped: 1500  [rpm] "},
        // The unit written twice, and two numbers on one line.
        {reportOf(valve), 2,
         {{.label = "Pressure intake port: [{unit}]:  ", .value = valve.pressureIn,
           .quantity = Q::Pressure, .format = {kPrintf, "%3.2f", " {unit} "}}},
         "Pressure intake port: [psi]:  1450.38 psi "},
        {reportOf(valve), 3,
         {{.label = "Presure drop:  ", .value = valve.flow, .quantity = Q::Flow,
           .format = {kPrintf, "%3.2f", " [{unit}]:  "}, .continues = true},
          {.value = valve.pressureDrop, .quantity = Q::Pressure,
           .format = {kPrintf, "%3.2f", " {unit} "}}},
         "Presure drop:  15.85 [gpm]:  72.52 psi "},
        {reportOf(pipe), 1,
         {{.label = " Pipe diametar: d = ", .value = pipe.diameter, .quantity = Q::SmallLength,
           .format = {kFramework, "%.f", " [{unit}] "}}},
         // A figure in inches takes three decimals more than in millimetres.
         " Pipe diametar: d = 1.969 [in] "},
        {reportOf(pipe), 2,
         {{.label = " Reynold's number: Re = ", .value = pipe.reynolds,
           .format = {kFramework, "%.3f", ""}}},
         ""},
        {reportOf(pipe), 5,
         {{.label = "Pipe lenght L=  ", .value = pipe.length, .quantity = Q::Length,
           .format = {kFramework, "%.2f", " [{unit}]"}}},
         "Pipe lenght L=  6.56 [ft]"},
        {reportOf(cylinder), 1,
         {{.label = " External Force :  ", .value = cylinder.force, .quantity = Q::Force,
           .format = {kFramework, "%3.3f", " {unit}"}}},
         " External Force :  11240.447 lbf"},
    };
    // clang-format on
    for (const auto& c : cases) {
        ASSERT_LT(c.line, c.element.size());
        const std::string& metricLine = c.element[c.line];
        SCOPED_TRACE(metricLine);
        EXPECT_EQ(rendered(c.rows, kMetric), ReportLines{metricLine});
        EXPECT_EQ(rendered(c.rows, kUsCustomary), ReportLines{c.us.empty() ? metricLine : c.us});
    }
}

TEST(ReportRows, NumbersAreNeverCut) {
    const auto text = [](NumberRules rules, const char* number, double value) {
        return units::renderRow({.value = value, .format = {rules, number, ""}}, kMetric);
    };
    // A whole number is the value truncated toward zero, as a speed is.
    EXPECT_EQ(text(kFramework, "%d", -1999.9), "-1999");
    EXPECT_EQ(text(kPrintf, "%5d", 3e10), "30000000000");
    EXPECT_EQ(text(kPrintf, "%.3f", 1e300).size(), 305U);
}

TEST(ReportRows, FormatsOutsideTheGrammarAndUnwritableWholesAreRefused) {
    const char* const bad[] = {"%",   "%s",     "%x",      "%lf", "%3.3f%%", "%f ",
                               " %f", "%1000f", "%.1000f", "%+d", "%*d"};
    for (const char* number : bad) {
        for (const auto rules : {kFramework, kPrintf}) {
            SCOPED_TRACE(number);
            EXPECT_THROW(units::renderRow({.format = {rules, number, ""}}, kMetric),
                         ConversionError);
        }
    }
    for (const double v : {std::numeric_limits<double>::quiet_NaN(), 1e19, -1e19}) {
        EXPECT_THROW(units::renderRow({.value = v, .format = {kPrintf, "%d", ""}}, kMetric),
                     ConversionError);
    }
}

TEST(ReportRows, AppendKeepsEarlierLinesAndClosesAnOpenLastLine) {
    ReportLines lines{"kept"};
    const std::vector<ReportRow> rows{
        {.label = "a"}, {.label = "b", .continues = true}, {.label = "c", .continues = true}};
    units::appendRows(lines, rows, kMetric);
    EXPECT_EQ(lines, (ReportLines{"kept", "a", "bc"}));
}

// What a row's texts and number become in the unit shown.
TEST(ReportRows, MarksLineBuffersAndTheDecimalsOfALargerUnit) {
    using Q = Quantity;
    const struct {
        const char* name;
        std::vector<ReportRow> rows;
        std::string metric;
        std::string us;
    } cases[] = {
        {"both spellings",
         {{.label = "T = ",
           .value = 20.0,
           .quantity = Q::Temperature,
           .format = {kFramework, "%.1f", " [{symbol}] ({unit})"}}},
         "T = 20.0 [°C] (deg C)",
         "T = 68.0 [°F] (deg F)"},
        // A user's name may hold anything.
        {"text alone",
         {units::textRow("valve {unit} {symbol} %s")},
         "valve {unit} {symbol} %s",
         "valve {unit} {symbol} %s"},
        // An inch is 25.4 mm: three decimals more.
        {"whole millimetres",
         {{.value = 15.875, .quantity = Q::SmallLength, .format = {kFramework, "%.f", ""}}},
         "16",
         "0.625"},
        {"framework default",
         {{.value = 25.4, .quantity = Q::SmallLength, .format = {kFramework, "%-7f", "|"}}},
         "25.40  |",
         "1.00000|"},
        {"printf default",
         {{.value = 25.4, .quantity = Q::SmallLength, .format = {kPrintf, "%12f", "|"}}},
         "   25.400000|",
         " 1.000000000|"},
        {"whole number",
         {{.value = 50.8, .quantity = Q::SmallLength, .format = {kPrintf, "%d", ""}}},
         "50",
         "2"},
        // The shortest buffer of a line cuts it, after its last row.
        {"line buffer",
         {{.label = "p = ",
           .value = 100.0,
           .quantity = Q::Pressure,
           .format = {kPrintf, "%.2f", " {unit}"},
           .continues = true,
           .lineBuffer = 12},
          {.label = " and more", .lineBuffer = 40}},
         "p = 100.00 ",
         "p = 1450.38"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rendered(c.rows, kMetric), ReportLines{c.metric});
        EXPECT_EQ(rendered(c.rows, kUsCustomary), ReportLines{c.us});
    }
    // A row that cannot be written leaves the list as it was.
    ReportLines lines{"kept"};
    const std::vector<ReportRow> failing{{.label = "written"},
                                         {.value = 1.0, .format = {kPrintf, "%s", ""}}};
    EXPECT_THROW(units::appendRows(lines, failing, kMetric), ConversionError);
    EXPECT_EQ(lines, ReportLines{"kept"});
}
