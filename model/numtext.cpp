#include "model/numtext.h"

#include <locale.h>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <system_error>
#include <vector>

#include "model/faults.h"

namespace numtext {
namespace {

// The window toolkit switches the process to the user's locale, whose decimal
// separator may be a comma; number texts here always use the point.
class CLocaleScope {
  public:
    CLocaleScope() : previous_(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(previous_); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

  private:
    static locale_t cLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
        return c;
    }
    locale_t previous_;
};

// |value| = 0.d1 d2 d3 ... x 10^exponent; digits has no trailing zeros and is
// empty for zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

// The framework converts with 18 significant digits before it rounds to the
// requested places, so rounding looks at those digits, not at the binary value.
constexpr int kSignificantDigits = 18;

Decimal toDecimal(long double value) {
    Decimal d;
    d.negative = std::signbit(value);
    if (value == 0.0L) {
        return d;
    }
    char buffer[64];
    std::string_view text;
    const long double magnitude = std::fabs(value);
    const auto asDouble = static_cast<double>(magnitude);
    if (static_cast<long double>(asDouble) == magnitude) {
        // Most values are doubles: to_chars gives the same correctly rounded
        // digits as printf, much faster and with no locale in play.
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, asDouble,
                                          std::chars_format::scientific, kSignificantDigits - 1);
        text = std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
    } else {
        CLocaleScope scope;
        const int length =
            std::snprintf(buffer, sizeof buffer, "%.*Le", kSignificantDigits - 1, magnitude);
        text = std::string_view(buffer, static_cast<std::size_t>(length));
    }
    // text is "d.ddddde[+-]xx"
    const auto ePos = text.find('e');
    for (char c : text.substr(0, ePos)) {
        if (c >= '0' && c <= '9') {
            d.digits.push_back(c);
        }
    }
    int exp10 = 0;
    std::from_chars(text.data() + ePos + (text[ePos + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    exp10);
    d.exponent = exp10 + 1;
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
    return d;
}

// Keeps `keep` digits (counted from the first), rounding a half away from zero.
void roundDigits(Decimal& d, int keep) {
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.digits.size()) {
        return;
    }
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        } else {
            ++d.digits[static_cast<std::size_t>(i)];
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0') {
        d.digits.pop_back();
    }
}

std::string nonFinite(long double value) {
    if (std::isnan(value)) {
        return "NAN";
    }
    return value < 0 ? "-INF" : "INF";
}

std::string generalText(long double value, int precision) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    Decimal d = toDecimal(value);
    roundDigits(d, precision);
    if (d.digits.empty()) {
        return "0";
    }
    std::string out = d.negative ? "-" : "";
    if (d.exponent > precision || d.exponent < -3) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out += d.digits.substr(1);
        }
        out += 'E';
        out += std::to_string(d.exponent - 1);
        return out;
    }
    if (d.exponent <= 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exponent), '0');
        out += d.digits;
        return out;
    }
    const auto intDigits = static_cast<std::size_t>(d.exponent);
    if (d.digits.size() <= intDigits) {
        out += d.digits;
        out.append(intDigits - d.digits.size(), '0');
    } else {
        out += d.digits.substr(0, intDigits);
        out += '.';
        out += d.digits.substr(intDigits);
    }
    return out;
}

std::string fixedText(long double value, int decimals) {
    if (!std::isfinite(value)) {
        return nonFinite(value);
    }
    Decimal d = toDecimal(value);
    // Beyond 18 integer digits the framework falls back to the general format.
    if (d.exponent > kSignificantDigits) {
        return generalText(value, 15);
    }
    roundDigits(d, d.exponent + decimals);
    std::string out;
    if (!d.digits.empty() && d.negative) {
        out += '-';
    }
    auto digitAt = [&d](int position) -> char {
        // position counts from the first digit, which has weight 10^(exponent-1)
        if (position < 0 || static_cast<std::size_t>(position) >= d.digits.size()) {
            return '0';
        }
        return d.digits[static_cast<std::size_t>(position)];
    };
    if (d.digits.empty() || d.exponent <= 0) {
        out += '0';
    } else {
        for (int i = 0; i < d.exponent; ++i) {
            out += digitAt(i);
        }
    }
    if (decimals > 0) {
        out += '.';
        const int start = d.digits.empty() ? 0 : d.exponent;
        for (int i = 0; i < decimals; ++i) {
            out += d.digits.empty() ? '0' : digitAt(start + i);
        }
    }
    return out;
}

[[noreturn]] void badFormat(std::string_view format) {
    throw ConversionError("Format '" + std::string(format) +
                          "' invalid or incompatible with argument");
}

std::string pad(std::string text, int width, bool leftJustify) {
    if (width > 0 && text.size() < static_cast<std::size_t>(width)) {
        const std::string fill(static_cast<std::size_t>(width) - text.size(), ' ');
        text = leftJustify ? text + fill : fill + text;
    }
    return text;
}

}  // namespace

std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char c = format[i];
        if (c != '%') {
            out += c;
            continue;
        }
        if (++i >= format.size()) {
            badFormat(format);
        }
        if (format[i] == '%') {
            out += '%';
            continue;
        }
        bool leftJustify = false;
        if (format[i] == '-') {
            leftJustify = true;
            ++i;
        }
        int width = -1;
        int precision = -1;
        auto readNumber = [&](int& target) {
            if (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                target = 0;
                while (i < format.size() && format[i] >= '0' && format[i] <= '9') {
                    target = target * 10 + (format[i] - '0');
                    ++i;
                }
            }
        };
        readNumber(width);
        if (i < format.size() && format[i] == '.') {
            ++i;
            precision = 0;  // "%.f" means no decimals
            readNumber(precision);
        }
        if (i >= format.size() || next == args.end()) {
            badFormat(format);
        }
        const auto& value = (next++)->value();
        std::string piece;
        switch (format[i]) {
            case 'f': {
                long double v = 0;
                if (const auto* f = std::get_if<long double>(&value)) {
                    v = *f;
                } else if (const auto* n = std::get_if<std::int64_t>(&value)) {
                    v = static_cast<long double>(*n);
                } else {
                    badFormat(format);
                }
                piece = fixedText(v, precision < 0 ? 2 : precision);
                break;
            }
            case 'd': {
                const auto* n = std::get_if<std::int64_t>(&value);
                if (n == nullptr) {
                    badFormat(format);
                }
                // Negated in the unsigned type: the most negative value has no
                // positive counterpart in its own type.
                const auto magnitude =
                    *n < 0 ? 0U - static_cast<std::uint64_t>(*n) : static_cast<std::uint64_t>(*n);
                std::string digits = std::to_string(magnitude);
                if (precision > 0 && digits.size() < static_cast<std::size_t>(precision)) {
                    digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
                }
                piece = (*n < 0 ? "-" : "") + digits;
                break;
            }
            case 's': {
                const auto* s = std::get_if<std::string>(&value);
                if (s == nullptr) {
                    badFormat(format);
                }
                piece = precision >= 0 ? s->substr(0, static_cast<std::size_t>(precision)) : *s;
                break;
            }
            default:
                badFormat(format);
        }
        out += pad(std::move(piece), width, leftJustify);
    }
    return out;
}

std::string FloatToStr(long double value) {
    return generalText(value, 15);
}

double StrToFloat(std::string_view text) {
    const auto fail = [text]() -> double {
        throw ConversionError(KeyedText{
            TEXT_KEY("Model", "'%1' is not a valid floating point value"), {std::string(text)}});
    };
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && isBlank(text[end - 1])) {
        --end;
    }
    std::string_view body = text.substr(begin, end - begin);
    bool negative = false;
    if (!body.empty() && (body[0] == '+' || body[0] == '-')) {
        negative = body[0] == '-';
        body.remove_prefix(1);
    }
    // Check the grammar first: from_chars alone would accept "1.2.3" as 1.2.
    std::size_t i = 0;
    std::size_t mantissaDigits = 0;
    while (i < body.size() && body[i] >= '0' && body[i] <= '9') {
        ++i;
        ++mantissaDigits;
    }
    if (i < body.size() && body[i] == '.') {
        ++i;
        while (i < body.size() && body[i] >= '0' && body[i] <= '9') {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return fail();
    }
    if (i < body.size() && (body[i] == 'e' || body[i] == 'E')) {
        ++i;
        if (i < body.size() && (body[i] == '+' || body[i] == '-')) {
            ++i;
        }
        std::size_t exponentDigits = 0;
        while (i < body.size() && body[i] >= '0' && body[i] <= '9') {
            ++i;
            ++exponentDigits;
        }
        if (exponentDigits == 0) {
            return fail();
        }
    }
    if (i != body.size()) {
        return fail();
    }
    // The grammar above is a subset of from_chars's (which, like strtod, takes
    // ".5" and "5."), so the checked text converts in place, without a copy.
    double value = 0;
    const auto [ptr, ec] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (ec != std::errc() || ptr != body.data() + body.size() || !std::isfinite(value)) {
        return fail();
    }
    return negative ? -value : value;
}

std::string cformat(std::size_t bufferSize, const char* format, ...) {
    if (bufferSize == 0) {
        return {};
    }
    // Report lines are short: a buffer on the stack spares an allocation per line.
    constexpr std::size_t kStackBuffer = 512;
    char stackBuffer[kStackBuffer];
    std::vector<char> heapBuffer;
    char* buffer = stackBuffer;
    if (bufferSize > kStackBuffer) {
        heapBuffer.resize(bufferSize);
        buffer = heapBuffer.data();
    }
    va_list args;
    va_start(args, format);
    {
        CLocaleScope scope;
        std::vsnprintf(buffer, bufferSize, format, args);
    }
    va_end(args);
    return std::string(buffer);
}

}  // namespace numtext
