#include <gtest/gtest.h>

#include <stdexcept>

#include "circuit/CircuitArithmetic.h"
#include "model/InputError.h"
#include "model/Valve.h"
#include "model/faults.h"
#include "model/pumpa.h"
#include "tests/support/FakePageServices.h"
#include "tests/support/TestTranslator.h"
#include "ui/ModelText.h"
#include "ui/ReportLog.h"

namespace {

TestTranslator::Table serbian() {
    const QString model = QStringLiteral("Model");
    return {
        {{model, QStringLiteral("The %1 slot is empty: %2")},
         QStringLiteral("%2: prazno je mesto za %1")},
        {{model, QStringLiteral("throttle")}, QStringLiteral("prigušni ventil")},
        {{model, QStringLiteral("Throttle")}, QStringLiteral("Prigušni ventil")},
        {{model, QStringLiteral("calculate the valve on its page and take it over again")},
         QStringLiteral("izračunajte ventil")},
        {{model, QStringLiteral("Invalid floating point operation")},
         QStringLiteral("Nedozvoljena operacija")},
        {{model, QStringLiteral(" Revolution per minute: ")}, QStringLiteral(" Broj obrtaja: ")},
        {{model, QStringLiteral("  [o/min] ")}, QStringLiteral("  [obr/min] ")},
        {{model, QStringLiteral(" Power : ")}, QStringLiteral(" Snaga : ")},
        {{model, QStringLiteral("Valve type: ")}, QStringLiteral("Tip ventila: ")},
        {{QStringLiteral("Unit"), QStringLiteral("rpm")}, QStringLiteral("o/min")},
    };
}

TEST(ModelTextTest, AFaultReadsInTheLanguageWithTheUsersFiguresAsTyped) {
    const TestTranslator translator(serbian());
    struct Case {
        std::exception_ptr fault;
        QString shown;
    };
    const Case cases[] = {
        // The key and its model-text figures translated, the order the
        // translation chose.
        {std::make_exception_ptr(InputError(
             KeyedText{"The %1 slot is empty: %2",
                       {keyFigure("throttle"),
                        keyFigure("calculate the valve on its page and take it over again")}})),
         QStringLiteral("izračunajte ventil: prazno je mesto za prigušni ventil")},
        // A plain figure stays as typed though it reads like a key, and a
        // marker inside it is not filled again.
        {std::make_exception_ptr(
             InputError(KeyedText{"The %1 slot is empty: %2", {"Throttle", "%1 %2"}})),
         QStringLiteral("%1 %2: prazno je mesto za Throttle")},
        // A message without figures is its own key.
        {std::make_exception_ptr(FloatingPointFault("Invalid floating point operation")),
         QStringLiteral("Nedozvoljena operacija")},
        // A message nobody translated stands as it is.
        {std::make_exception_ptr(std::runtime_error("disk full")), QStringLiteral("disk full")},
    };
    for (const Case& c : cases) {
        try {
            std::rethrow_exception(c.fault);
        } catch (const std::exception& failure) {
            EXPECT_EQ(faultText(failure), c.shown);
        }
    }
}

TEST(ModelTextTest, ReportRowsReachTheLogTranslatedWithTheLanguagesUnits) {
    const TestTranslator translator(serbian());
    FakePageServices services;
    units::ReportRows rows;
    pumpa(10.0, 100.0, 20.0, 0.96, 0.96, 1).writeReportRows(rows);
    // The speed's unit as the report's own text spells it.
    const ReportLines lines = shownLines(services, rows);
    ASSERT_GE(lines.size(), 5u);
    EXPECT_EQ(lines[1], " Snaga : 10.000 [kW] ");
    EXPECT_EQ(lines[4], " Broj obrtaja: 2880  [obr/min] ");

    // A valve named like a model text keeps its name.
    Valve valve(100.0, 20.0, 0.001, 2.0, PortSide::Intake);
    valve.setName("Throttle");
    units::ReportRows valveRows;
    valve.writeReportRows(valveRows);
    EXPECT_EQ(shownLines(services, valveRows).at(1), "Tip ventila: Throttle");

    // A name the model hands up as a view.
    EXPECT_EQ(modelText(slotLabel(CircuitSlot::Throttle)), QStringLiteral("prigušni ventil"));

    // A message's text in the units of a system of its own.
    const units::ReportRows speed{
        units::numberRow(" Revolution per minute: ", 1450.0, units::Quantity::Speed,
                         units::NumberRules::Printf, "%d", " {unit}"),
        units::textRow("Throttle")};
    EXPECT_EQ(shownText(speed, units::kUsCustomary),
              QStringLiteral(" Broj obrtaja: 1450 o/min\nPrigušni ventil"));
}

}  // namespace
