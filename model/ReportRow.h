#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/Quantity.h"
#include "model/ReportLines.h"
#include "model/TextKey.h"

// A report as data: each row a fixed text, one value in the model unit, its
// quantity and the way the number is written. The rows are turned into text
// in one place (appendRows), in any unit system; in the metric system the text
// is the one the elements' report formats give.
namespace units {

// The two number-text rule sets of the reports (see numtext): the framework
// Format ("%f" has two decimals, a half rounds away from zero) and C printf.
enum class NumberRules { Framework, Printf };

// Where the unit's ASCII spelling goes in a row's texts: "Pressure: [{unit}]".
inline constexpr std::string_view kUnitMark = "{unit}";
// Where its display spelling goes, for reports that write "°C" rather than
// "deg C".
inline constexpr std::string_view kSymbolMark = "{symbol}";

struct RowFormat {
    NumberRules rules = NumberRules::Framework;
    // One conversion: "%[-][width][.precision]f" or "...d" (width and precision
    // of at most three digits). Empty: the row has no number, and its texts
    // stand as they are, unit marks too, so that a user's text (a valve's
    // name) may stand in one.
    std::string number;
    // The text after the number; may hold the unit marks. An "f" number in a
    // unit with extra decimals (see Unit) takes them.
    std::string after;
};

struct ReportRow {
    // The text before the number, as it stands in the line; may hold kUnitMark.
    std::string label;
    // In the model unit of `quantity`. A "%d" number writes the converted value
    // truncated toward zero, as the elements truncate a speed.
    double value = 0.0;
    Quantity quantity = Quantity::Ratio;
    RowFormat format;
    // The next row carries on this row's line (a line with two numbers).
    bool continues = false;
    // The line this row stands in is cut to lineBuffer - 1 characters, as a
    // fixed printf line buffer of that size cuts it; 0: never cut.
    std::size_t lineBuffer = 0;
    // The label is the user's own text (a valve's name, a data line): it
    // stands as typed in every language, even where it reads like a label.
    bool userText = false;
};

using ReportRows = std::vector<ReportRow>;

// A row of text alone: a heading, a remark.
ReportRow textRow(std::string text, bool continues = false);
// A row of the user's own text.
ReportRow userTextRow(std::string text, bool continues = false);
// A row with one figure.
ReportRow numberRow(std::string label, double value, Quantity quantity, NumberRules rules,
                    std::string number, std::string after, bool continues = false);

// Appends an element's figure rows, all under one number-text rule set and
// one line buffer: row(" Power : ", power, Quantity::Power, "%.3f", " {unit} ").
class RowWriter {
  public:
    RowWriter(ReportRows& rows, NumberRules rules, std::size_t lineBuffer = 0)
        : rows_(rows), rules_(rules), lineBuffer_(lineBuffer) {}

    void operator()(const char* label, double value, Quantity quantity, const char* number,
                    const char* after, bool continues = false) const {
        rows_.push_back({.label = label,
                         .value = value,
                         .quantity = quantity,
                         .format = {rules_, number, after},
                         .continues = continues,
                         .lineBuffer = lineBuffer_});
    }

  private:
    ReportRows& rows_;
    NumberRules rules_;
    std::size_t lineBuffer_;
};

// How a unit's spelling (ASCII or display, as the unit table has it) is
// written in a report: a window in another language may write "o/min" where
// the table spells "rpm". Empty: as the table spells it.
using UnitSpelling = std::function<std::string(std::string_view spelling)>;

// One row's text in the system's units. A number format outside the grammar
// above, or a "%d" value with no whole-number text (not finite, or beyond
// 64 bits), throws ConversionError; a value the system's unit cannot hold
// throws FloatingPointFault (see toDisplay).
std::string renderRow(const ReportRow& row, UnitSystem system, const UnitSpelling& spelling = {});

// Appends the rows' lines to `lines`: one line per row, a continued row and the
// rows after it joined into one. Nothing is appended when a row cannot be
// written (the exceptions of renderRow).
void appendRows(ReportLines& lines, std::span<const ReportRow> rows, UnitSystem system,
                const UnitSpelling& spelling = {});

// The rows' lines in the metric system, which are the elements' report texts.
ReportLines metricLines(std::span<const ReportRow> rows);

}  // namespace units
