#include "model/numtext.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>

#include "model/faults.h"

using numtext::cformat;
using numtext::FloatToStr;
using numtext::Format;
using numtext::StrToFloat;

TEST(FormatRules, PlainFHasTwoDecimals) {
    EXPECT_EQ(Format("%f", {0.99}), "0.99");
    EXPECT_EQ(Format("%f", {8.0}), "8.00");
    EXPECT_EQ(Format("%f", {0.0316}), "0.03");
    EXPECT_EQ(Format("%f", {-1.5}), "-1.50");
}

TEST(FormatRules, WidthAndPrecision) {
    EXPECT_EQ(Format("%2.2f", {75.0}), "75.00");
    EXPECT_EQ(Format("%2.2f", {1.0}), "1.00");
    EXPECT_EQ(Format("%6.2f", {1.0}), "  1.00");
    EXPECT_EQ(Format("%-6.1f|", {1.0}), "1.0   |");
    EXPECT_EQ(Format("%2.0f", {300.0}), "300");
    EXPECT_EQ(Format("%2.0f", {5.0}), " 5");
    EXPECT_EQ(Format("%.3f", {217.391304}), "217.391");
    EXPECT_EQ(Format("%.f", {10.0}), "10");
    EXPECT_EQ(Format("%0.2f", {0.96}), "0.96");
}

// The framework rounds a decimal half away from zero, unlike printf.
TEST(FormatRules, HalfRoundsAwayFromZero) {
    EXPECT_EQ(Format("%0.0f", {2.5}), "3");
    EXPECT_EQ(Format("%0.0f", {-2.5}), "-3");
    EXPECT_EQ(Format("%0.0f", {0.5}), "1");
    EXPECT_EQ(Format("%.2f", {0.125}), "0.13");
    EXPECT_EQ(Format("%0.0f", {119.99}), "120");
    EXPECT_EQ(Format("%.2f", {9.999}), "10.00");
    // 2.675 is stored just below the half, so it rounds down in both rule sets.
    EXPECT_EQ(Format("%.2f", {2.675}), "2.67");
    EXPECT_EQ(cformat(64, "%.0f", 2.5), "2");
}

TEST(FormatRules, SmallAndZeroValues) {
    EXPECT_EQ(Format("%f", {0.0}), "0.00");
    EXPECT_EQ(Format("%0.0f", {0.0}), "0");
    EXPECT_EQ(Format("%f", {0.000075}), "0.00");
    EXPECT_EQ(Format("%f", {-0.001}), "0.00");
    EXPECT_EQ(Format("%.3f", {0.0005}), "0.001");
}

TEST(FormatRules, IntegersTextsAndPercent) {
    EXPECT_EQ(Format("%d", {1200}), "1200");
    EXPECT_EQ(Format("%.d", {-7}), "-7");
    EXPECT_EQ(Format("%4d|", {12}), "  12|");
    EXPECT_EQ(Format("%.3d", {5}), "005");
    EXPECT_EQ(Format("Flow type :  %s", {"Lamilar"}), "Flow type :  Lamilar");
    EXPECT_EQ(Format("100%%", {}), "100%");
    EXPECT_EQ(Format("%f and %d", {1.0, 2}), "1.00 and 2");
}

TEST(FormatRules, IntegerLimitsKeepTheirDigits) {
    // The most negative value has no positive counterpart in its own type.
    EXPECT_EQ(Format("%d", {std::numeric_limits<long long>::min()}), "-9223372036854775808");
    EXPECT_EQ(Format("%d", {std::numeric_limits<long long>::max()}), "9223372036854775807");
    EXPECT_EQ(Format("%.20d", {std::numeric_limits<long long>::min()}), "-09223372036854775808");
}

TEST(FormatRules, MismatchedArgumentIsAConversionError) {
    EXPECT_THROW(Format("%d", {1.5}), ConversionError);
    EXPECT_THROW(Format("%s", {1.5}), ConversionError);
    EXPECT_THROW(Format("%f %f", {1.5}), ConversionError);
    EXPECT_THROW(Format("%x", {1}), ConversionError);
}

TEST(FormatRules, NonFiniteValuesAreNamed) {
    EXPECT_EQ(Format("%f", {std::numeric_limits<double>::infinity()}), "INF");
    EXPECT_EQ(Format("%f", {std::numeric_limits<double>::quiet_NaN()}), "NAN");
}

TEST(FloatToStrRules, GeneralFormatWithoutTrailingZeros) {
    EXPECT_EQ(FloatToStr(6.1), "6.1");
    EXPECT_EQ(FloatToStr(78.5), "78.5");
    EXPECT_EQ(FloatToStr(100.0), "100");
    EXPECT_EQ(FloatToStr(0.0), "0");
    EXPECT_EQ(FloatToStr(-2.25), "-2.25");
    EXPECT_EQ(FloatToStr(0.0001), "0.0001");
    EXPECT_EQ(FloatToStr(0.00001), "1E-5");
    EXPECT_EQ(FloatToStr(1e20), "1E20");
    EXPECT_EQ(FloatToStr(1.5e20), "1.5E20");
    EXPECT_EQ(FloatToStr(123456789012345.0), "123456789012345");
    EXPECT_EQ(FloatToStr(0.1 + 0.2), "0.3");
    EXPECT_EQ(FloatToStr(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(FloatToStr(2.0 / 3.0), "0.666666666666667");
}

TEST(StrToFloatRules, AcceptsNumbersWithThePoint) {
    EXPECT_DOUBLE_EQ(StrToFloat("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(StrToFloat("  42 "), 42.0);
    EXPECT_DOUBLE_EQ(StrToFloat("-0.25"), -0.25);
    EXPECT_DOUBLE_EQ(StrToFloat("+3"), 3.0);
    EXPECT_DOUBLE_EQ(StrToFloat("1e3"), 1000.0);
    EXPECT_DOUBLE_EQ(StrToFloat("2.5E-2"), 0.025);
    EXPECT_DOUBLE_EQ(StrToFloat(".5"), 0.5);
    EXPECT_DOUBLE_EQ(StrToFloat("7."), 7.0);
    EXPECT_DOUBLE_EQ(StrToFloat(" -.5e1 "), -5.0);
}

TEST(StrToFloatRules, RejectsWhatIsNoNumberWithTheTextInTheMessage) {
    for (const char* bad : {"", "   ", "1.2.3", "abc", "1,5", "12a", "e5", "1e", ".", "-", "1 2",
                            "0x10", "inf", "nan", "1e999"}) {
        try {
            StrToFloat(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      "'" + std::string(bad) + "' is not a valid floating point value");
        }
    }
}

TEST(StrToFloatRules, IgnoresTheProcessLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    // A comma locale may not be installed; the point must work either way.
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    EXPECT_DOUBLE_EQ(StrToFloat("1.25"), 1.25);
    EXPECT_EQ(cformat(32, "%3.3f", 1.25), "1.250");
    EXPECT_EQ(Format("%f", {1.25}), "1.25");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(CFormatRules, CutsAtTheBufferSize) {
    EXPECT_EQ(cformat(128, " Power : %3.3f [kW] ", 10.0), " Power : 10.000 [kW] ");
    EXPECT_EQ(cformat(6, "%s", "abcdefgh"), "abcde");
    EXPECT_EQ(cformat(0, "%d", 5), "");
}
