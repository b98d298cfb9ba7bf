#include "model/ReportRow.h"

#include <cmath>
#include <iterator>
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
    bool left = false;
    int width = 0;
    bool hasPrecision = false;
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
        conversion.left = true;
        ++i;
    }
    conversion.width = readDigits();
    if (i < number.size() && number[i] == '.') {
        ++i;
        conversion.hasPrecision = true;
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

// The "f" conversion with `extra` more decimals than it gives by itself.
std::string withMoreDecimals(const Conversion& conversion, NumberRules rules, int extra) {
    // Without a precision the framework gives two decimals, printf six.
    const int given = conversion.hasPrecision           ? conversion.precision
                      : rules == NumberRules::Framework ? 2
                                                        : 6;
    std::string number = "%";
    if (conversion.left) {
        number += '-';
    }
    if (conversion.width > 0) {
        number += std::to_string(conversion.width);
    }
    return number + "." + std::to_string(given + extra) + "f";
}

std::string numberText(const RowFormat& format, double value, int extraDecimals) {
    Conversion conversion = parseNumber(format.number);
    const bool whole = conversion.letter == 'd';
    std::string number = format.number;
    if (!whole && extraDecimals > 0) {
        number = withMoreDecimals(conversion, format.rules, extraDecimals);
        conversion = parseNumber(number);
    }
    if (format.rules == NumberRules::Framework) {
        return whole ? numtext::Format(number, {wholeNumber(value)})
                     : numtext::Format(number, {value});
    }
    // Room for any double in "%f" (309 integer digits, sign, point and the
    // terminator) with its width and precision: a number is never cut.
    const auto buffer = static_cast<std::size_t>(320 + conversion.width + conversion.precision);
    if (whole) {
        number.insert(number.size() - 1, "ll");
        return numtext::cformat(buffer, number.c_str(), wholeNumber(value));
    }
    return numtext::cformat(buffer, number.c_str(), value);
}

// The text with every mark replaced by the spelling.
std::string replaced(std::string_view text, std::string_view mark, std::string_view spelling) {
    std::string out;
    std::size_t from = 0;
    for (auto at = text.find(mark); at != std::string_view::npos; at = text.find(mark, from)) {
        out.append(text.substr(from, at - from));
        out.append(spelling);
        from = at + mark.size();
    }
    out.append(text.substr(from));
    return out;
}

std::string withUnit(std::string_view text, const Unit& unit, const UnitSpelling& spelling) {
    if (!spelling) {
        return replaced(replaced(text, kUnitMark, unit.ascii), kSymbolMark, unit.display);
    }
    // Only a text that holds a mark asks for a spelling.
    std::string out(text);
    if (out.find(kUnitMark) != std::string::npos) {
        out = replaced(out, kUnitMark, spelling(unit.ascii));
    }
    if (out.find(kSymbolMark) != std::string::npos) {
        out = replaced(out, kSymbolMark, spelling(unit.display));
    }
    return out;
}

// The cut at `at` moved back to where a character starts: a line in another
// language, or a user's name, holds characters of more than one byte (UTF-8),
// and half a character is no text.
std::size_t characterStart(const std::string& line, std::size_t at) {
    constexpr unsigned char kContinuationMask = 0xC0;
    constexpr unsigned char kContinuation = 0x80;
    while (at > 0 && at < line.size() &&
           (static_cast<unsigned char>(line[at]) & kContinuationMask) == kContinuation) {
        --at;
    }
    return at;
}

}  // namespace

ReportRow textRow(std::string text, bool continues) {
    return {.label = std::move(text), .continues = continues};
}

ReportRow userTextRow(std::string text, bool continues) {
    return {.label = std::move(text), .continues = continues, .userText = true};
}

ReportRow numberRow(std::string label, double value, Quantity quantity, NumberRules rules,
                    std::string number, std::string after, bool continues) {
    return {.label = std::move(label),
            .value = value,
            .quantity = quantity,
            .format = {rules, std::move(number), std::move(after)},
            .continues = continues};
}

std::string renderRow(const ReportRow& row, UnitSystem system, const UnitSpelling& spelling) {
    if (row.format.number.empty()) {
        return row.label + row.format.after;
    }
    const Unit& unit = displayUnit(row.quantity, system);
    std::string text = withUnit(row.label, unit, spelling);
    const int extra = unit.isIdentity() ? 0 : unit.extraDecimals;
    text += numberText(row.format, toDisplay(row.value, row.quantity, system), extra);
    text += withUnit(row.format.after, unit, spelling);
    return text;
}

void appendRows(ReportLines& lines, std::span<const ReportRow> rows, UnitSystem system,
                const UnitSpelling& spelling) {
    ReportLines added;
    std::string line;
    std::size_t buffer = 0;
    bool open = false;
    const auto close = [&]() {
        if (buffer > 0 && line.size() >= buffer) {
            line.resize(characterStart(line, buffer - 1));
        }
        added.push_back(std::move(line));
        line.clear();
        buffer = 0;
    };
    for (const auto& row : rows) {
        line += renderRow(row, system, spelling);
        if (row.lineBuffer > 0 && (buffer == 0 || row.lineBuffer < buffer)) {
            buffer = row.lineBuffer;
        }
        open = row.continues;
        if (!open) {
            close();
        }
    }
    // A last row marked as continued has nothing to continue with: its line
    // still counts.
    if (open) {
        close();
    }
    lines.insert(lines.end(), std::make_move_iterator(added.begin()),
                 std::make_move_iterator(added.end()));
}

ReportLines metricLines(std::span<const ReportRow> rows) {
    ReportLines lines;
    appendRows(lines, rows, kMetric);
    return lines;
}

}  // namespace units
