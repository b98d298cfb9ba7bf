#include "model/ReportRow.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "model/faults.h"

using units::kMetric;
using units::kUsCustomary;
using units::NumberRules;
using units::Quantity;
using units::ReportRow;

namespace {

ReportLines rendered(const std::vector<ReportRow>& rows, units::UnitSystem system) {
    ReportLines lines;
    units::appendRows(lines, rows, system);
    return lines;
}

constexpr auto kPrintf = NumberRules::Printf;
constexpr auto kFramework = NumberRules::Framework;

}  // namespace

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
