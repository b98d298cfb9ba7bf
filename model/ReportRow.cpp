#include "model/ReportRow.h"

#include <cmath>
#include <string>

#include "model/faults.h"
#include "model/numtext.h"

namespace units {
namespace {

[[noreturn]] void badNumberFormat(std::string_view number) {
    throw ConversionError("Report number format '" + std::string(number) +
                          "' is not one conversion of a number");
}

struct Conversion {
    char letter = 'f';
    int width = 0;
    int precision = 0;
};

// Checks "%[-][width][.precision](f|d)", so that no format reaches printf with
// an argument it does not expect.
Conversion parseNumber(std::string_view number) {
    Conversion conversion;
    std::size_t i = 0;
    const auto readDigits = [&]() {
        const std::size_t start = i;
        int value = 0;
        while (i < number.size() && number[i] >= '0' && number[i] <= '9') {
            value = value * 10 + (number[i++] - '0');
        }
        if (i - start > 3) {
            badNumberFormat(number);
        }
        return value;
    };
    if (number.empty() || number[i++] != '%') {
        badNumberFormat(number);
    }
    if (i < number.size() && number[i] == '-') {
        ++i;
    }
    conversion.width = readDigits();
    if (i < number.size() && number[i] == '.') {
        ++i;
        conversion.precision = readDigits();
    }
    if (i + 1 != number.size() || (number[i] != 'f' && number[i] != 'd')) {
        badNumberFormat(number);
    }
    conversion.letter = number[i];
    return conversion;
}

long long wholeNumber(double value) {
    // 2^63: the first double beyond a long long's range.
    constexpr double kBeyond = 9223372036854775808.0;
    const double truncated = std::trunc(value);
    if (!std::isfinite(truncated) || truncated >= kBeyond || truncated < -kBeyond) {
        throw ConversionError("The value " + numtext::FloatToStr(value) +
                              " has no whole-number text");
    }
    return static_cast<long long>(truncated);
}

std::string numberText(const RowFormat& format, double value) {
    const Conversion conversion = parseNumber(format.number);
    const bool whole = conversion.letter == 'd';
    if (format.rules == NumberRules::Framework) {
        return whole ? numtext::Format(format.number, {wholeNumber(value)})
                     : numtext::Format(format.number, {value});
    }
    // Room for any double in "%f" (309 integer digits, sign, point and the
    // terminator) with its width and precision: a number is never cut.
    const auto buffer = static_cast<std::size_t>(320 + conversion.width + conversion.precision);
    if (whole) {
        std::string number = format.number;
        number.insert(number.size() - 1, "ll");
        return numtext::cformat(buffer, number.c_str(), wholeNumber(value));
    }
    return numtext::cformat(buffer, format.number.c_str(), value);
}

// The text with every unit mark replaced by the unit's ASCII spelling.
std::string withUnit(std::string_view text, std::string_view unit) {
    std::string out;
    std::size_t from = 0;
    for (auto at = text.find(kUnitMark); at != std::string_view::npos;
         at = text.find(kUnitMark, from)) {
        out.append(text.substr(from, at - from));
        out.append(unit);
        from = at + kUnitMark.size();
    }
    out.append(text.substr(from));
    return out;
}

}  // namespace

std::string renderRow(const ReportRow& row, UnitSystem system) {
    const std::string_view unit = displayUnit(row.quantity, system).ascii;
    std::string text = withUnit(row.label, unit);
    if (!row.format.number.empty()) {
        text += numberText(row.format, toDisplay(row.value, row.quantity, system));
    }
    text += withUnit(row.format.after, unit);
    return text;
}

void appendRows(ReportLines& lines, std::span<const ReportRow> rows, UnitSystem system) {
    std::string line;
    bool open = false;
    for (const auto& row : rows) {
        line += renderRow(row, system);
        open = row.continues;
        if (!open) {
            lines.push_back(std::move(line));
            line.clear();
        }
    }
    // A last row marked as continued has nothing to continue with: its line
    // still counts.
    if (open) {
        lines.push_back(std::move(line));
    }
}

}  // namespace units
