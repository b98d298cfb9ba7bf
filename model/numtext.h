#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

// Number texts. Fields and some reports use the framework formatting rules
// (Format: "%f" has two decimals, a decimal half rounds away from zero);
// other reports use the C printf rules (cformat). Fields are read back with
// StrToFloat, which takes the point as the decimal separator whatever the
// locale is.
namespace numtext {

// One argument of Format: a floating-point value, an integer or a text.
class FormatArg {
  public:
    FormatArg(double v) : value_(static_cast<long double>(v)) {}
    FormatArg(long double v) : value_(v) {}
    FormatArg(int v) : value_(static_cast<std::int64_t>(v)) {}
    FormatArg(long v) : value_(static_cast<std::int64_t>(v)) {}
    FormatArg(long long v) : value_(static_cast<std::int64_t>(v)) {}
    FormatArg(const char* v) : value_(std::string(v)) {}
    FormatArg(std::string v) : value_(std::move(v)) {}
    FormatArg(std::string_view v) : value_(std::string(v)) {}

    const std::variant<long double, std::int64_t, std::string>& value() const { return value_; }

  private:
    std::variant<long double, std::int64_t, std::string> value_;
};

// The framework Format: "%[-][W][.P]f", "%[-][W][.P]d", "%[-][W][.P]s" and "%%".
// "%f" without a precision gives two decimals; "%.f" gives none. A format that
// does not match its argument throws ConversionError.
std::string Format(std::string_view format, std::initializer_list<FormatArg> args);

// General format with at most 15 significant digits and no trailing zeros:
// 6.1, 78.5, 0.0001, 1E-5, 1E20.
std::string FloatToStr(long double value);

// Reads a number with the point as decimal separator; blanks around it and an
// exponent are allowed. Anything else throws ConversionError with the text
// "'TEXT' is not a valid floating point value".
double StrToFloat(std::string_view text);

// C printf formatting into a buffer of bufferSize characters (the terminator
// included): output that would not fit is cut, never written past the buffer.
std::string cformat(std::size_t bufferSize, const char* format, ...)
    __attribute__((format(printf, 2, 3)));

}  // namespace numtext
