#include "model/TextKey.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "model/ReportRow.h"
#include "model/SystemHeat.h"
#include "model/SystemOrifice.h"
#include "model/cev.h"
#include "model/faults.h"
#include "model/fluids.h"
#include "model/numtext.h"

namespace {

TEST(KeyedText, FiguresGoWhereTheKeyMarksThem) {
    struct Case {
        const char* key;
        std::vector<KeyedText::Figure> figures;
        std::string filled;
    };
    const Case cases[] = {
        {"No figures at all", {}, "No figures at all"},
        {"%1 is not in [%2, %3]", {"Bore", "-1", "0"}, "Bore is not in [-1, 0]"},
        // A translation may put the figures in another order; so may a key.
        {"%2 before %1", {"first", "second"}, "second before first"},
        // A figure is put in as it is, a marker inside it too.
        {"Slot '%1' of %2", {"50%2", "x"}, "Slot '50%2' of x"},
        // A marker without a figure, a lone percent sign and a trailing one stay.
        {"%1 and %3", {"a"}, "a and %3"},
        {"100% at %1 %", {"5"}, "100% at 5 %"},
        // A figure that is a key itself reads as its English text.
        {"The %1 slot is empty", {keyFigure("throttle")}, "The throttle slot is empty"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ((KeyedText{c.key, c.figures}.filled()), c.filled) << c.key;
    }
}

// What an error carries to the user: what() exactly as before, and the same
// message as a key with figures, so the window can show it in its language.
TEST(KeyedText, ErrorsWithFiguresCarryTheirKey) {
    struct Case {
        std::function<void()> raise;
        std::string what;
        std::string key;
        // The figures that are model texts themselves.
        std::vector<std::string> keyFigures;
    };
    HeatInputs heat;
    heat.powerLost = 2.0;
    heat.duty = 150.0;
    OrificeInputs orifice;
    orifice.discharge = 0.6;
    orifice.density = 0.0;
    const Case cases[] = {
        {[&] { computeHeatBalance(heat); },
         "Duty: 150 is not in (0, 100]",
         "Duty: %1 is not in (0, 100]",
         {}},
        {[&] { computeOrifice(orifice); },
         "Oil density: 0 is not greater than 0",
         "%1: %2 is not greater than 0",
         {"Oil density"}},
        {[] { fluidAt(*findFluid("HLP 46"), 130.0); },
         "Temperature 130 °C is outside the range -20 to 120 °C of HLP 46",
         "Temperature %1 °C is outside the range %2 to %3 °C of %4",
         {}},
        {[] { waltherViscosity(46.0, 6.8, -30.0); },
         "Temperature -30 °C is outside the range -20 to 120 °C of the viscosity relation",
         "Temperature %1 °C is outside the range %2 to %3 °C of %4",
         {"the viscosity relation"}},
        {[] { numtext::StrToFloat("1,5"); },
         "'1,5' is not a valid floating point value",
         "'%1' is not a valid floating point value",
         {}},
        {[] { cev(8.0, 2.0, 890.0, 0.5, 1.0, 4, 0); },
         "Relative roughness k/d = 5.0000 leaves Colebrook-White without a friction factor",
         "Relative roughness k/d = %1 leaves Colebrook-White without a friction factor",
         {}},
    };
    for (const Case& c : cases) {
        try {
            c.raise();
            ADD_FAILURE() << "no error, expected: " << c.what;
        } catch (const std::exception& error) {
            EXPECT_EQ(std::string(error.what()), c.what);
            const auto* keyed = dynamic_cast<const KeyedMessage*>(&error);
            ASSERT_TRUE(keyed != nullptr && keyed->keyed()) << c.what;
            EXPECT_EQ(std::string(keyed->keyed()->key), c.key);
            EXPECT_EQ(keyed->keyed()->filled(), c.what);
            std::vector<std::string> keyFigures;
            for (const KeyedText::Figure& figure : keyed->keyed()->figures) {
                if (figure.isKey) {
                    keyFigures.push_back(figure.text);
                }
            }
            EXPECT_EQ(keyFigures, c.keyFigures) << c.what;
        }
    }
}

TEST(ReportUnits, ASpellingMapWritesEveryUnitMarkAndNothingElse) {
    using units::Quantity;
    const units::ReportRows rows = {
        units::numberRow(" Speed ", 1450.0, Quantity::Speed, units::NumberRules::Printf, "%d",
                         " [{unit}] at ", true),
        units::numberRow("", 40.0, Quantity::Temperature, units::NumberRules::Framework, "%.f",
                         " {symbol}"),
        // A row without a number keeps its marks as typed, as it always did.
        units::textRow("Valve {unit}"),
    };
    const auto spelt = [](std::string_view spelling) {
        return spelling == "rpm" ? std::string("o/min") : "<" + std::string(spelling) + ">";
    };
    ReportLines plain;
    units::appendRows(plain, rows, units::kMetric);
    EXPECT_EQ(plain, (ReportLines{" Speed 1450 [rpm] at 40 °C", "Valve {unit}"}));
    ReportLines mapped;
    units::appendRows(mapped, rows, units::kMetric, spelt);
    EXPECT_EQ(mapped, (ReportLines{" Speed 1450 [o/min] at 40 <°C>", "Valve {unit}"}));
    ReportLines us;
    units::appendRows(us, rows, units::kUsCustomary, spelt);
    EXPECT_EQ(us, (ReportLines{" Speed 1450 [o/min] at 104 <°F>", "Valve {unit}"}));
}

// A line cut by its buffer keeps whole characters: "č" is two bytes, and a
// cut through it would leave a byte that is no text.
TEST(ReportUnits, ALineCutByItsBufferKeepsWholeCharacters) {
    struct Case {
        std::size_t buffer;
        std::string line;
    };
    // "Tip: " then "č" (2 bytes), "a": the buffer keeps buffer - 1 bytes at most.
    const Case cases[] = {
        {6, "Tip: "},    // the cut falls on the first byte of "č"
        {7, "Tip: "},    // ... on its second: the whole "č" goes
        {8, "Tip: č"},   // right after it
        {9, "Tip: ča"},  // the line fits
    };
    for (const Case& c : cases) {
        const units::ReportRows rows{{.label = "Tip: ", .continues = true, .lineBuffer = c.buffer},
                                     {.label = "ča", .lineBuffer = c.buffer, .userText = true}};
        ReportLines lines;
        units::appendRows(lines, rows, units::kMetric);
        ASSERT_EQ(lines.size(), 1u);
        EXPECT_EQ(lines[0], c.line) << c.buffer;
    }
}

}  // namespace
