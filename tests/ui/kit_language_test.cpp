// The kit's texts in another language: unit spellings through the "Unit"
// context wherever a widget shows one, and messages whose translation puts
// the figures in an order of its own.
#include <QLabel>
#include <QLineEdit>
#include <memory>

#include "tests/support/FakePageServices.h"
#include "tests/support/TestTranslator.h"
#include "tests/support/WidgetDriver.h"
#include "ui/DigitKeyFilter.h"
#include "ui/FieldPairs.h"
#include "ui/InputChecks.h"
#include "ui/QuantityLabels.h"

namespace {

class KitLanguageTest : public ::testing::Test, public WidgetDriver {
  protected:
    // The pairs are built in the test's language, as a page is.
    void build() {
        window = std::make_unique<QWidget>();
        pairs = new FieldPairs(services, window.get());
        pairs->build({
            // clang-format off
            {.caption = "Speed", .quantity = units::Quantity::Speed,
             .field = {.name = "edSpeed"},
             .at = {.captionLeft = 0, .top = 10, .fieldLeft = 110, .fieldWidth = 60,
                    .unitLeft = 180}},
            {.caption = "Pressure", .quantity = units::Quantity::Pressure,
             .field = {.name = "edPressure"},
             .range = {.lowest = 1, .highest = 400},
             .at = {.captionLeft = 0, .top = 40, .fieldLeft = 110, .fieldWidth = 60}},
            // clang-format on
        });
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    QWidget* root() override { return window.get(); }

    FakePageServices services;
    std::unique_ptr<QWidget> window;
    FieldPairs* pairs = nullptr;
};

TEST_F(KitLanguageTest, UnitSpellingsAreShownInTheProgramsLanguage) {
    const TestTranslator language({{{"Unit", "rpm"}, "o/min"},
                                   {{"Unit", "bar"}, "bar\u00B7"},
                                   {{"Unit", "psi"}, "lb/in\u00B2"},
                                   {{"Unit", "l/min"}, "L/min"}});
    build();
    const QuantityLabels::Entry flow{.symbol = "Q", .quantity = units::Quantity::Flow};
    struct Case {
        const char* where;
        QString shown;
        const char* expected;
    };
    const auto metric = std::vector<Case>{
        {"unit label", pairs->pair(0).unitLabel->text(), "o/min"},
        {"caption", pairs->pair(1).captionLabel->text(), "Pressure [bar\u00B7]"},
        {"message name", FieldPairs::quantityName(pairs->pair(1)), "Pressure [bar\u00B7]"},
        {"result caption", QuantityLabels::captionFor(flow, units::kMetric), "Q [L/min]"},
        {"pressure warning", pressureWarning(300, units::kMetric),
         "Warring, pressure higher  than 250 bar\u00B7 :: 300.00 bar\u00B7"},
        {"no translation", shownUnit("kW"), "kW"},
    };
    for (const Case& c : metric) {
        EXPECT_EQ(c.shown, QString::fromUtf8(c.expected)) << c.where;
    }
    // A switch of the system names the new unit in the language too.
    pairs->setUnitSystem(units::kUsCustomary);
    EXPECT_EQ(pairs->pair(1).captionLabel->text(), QString::fromUtf8("Pressure [lb/in\u00B2]"));
    EXPECT_EQ(pairs->pair(0).unitLabel->text(), "o/min");
}

TEST_F(KitLanguageTest, MessagesTakeTheirFiguresWhereTheTranslationPutsThem) {
    const TestTranslator language({
        {{"FieldPairs", "%1: \"%2\" is not a number (allowed: %3)"}, "%3 allowed, not \"%2\" (%1)"},
        {{"FieldPairs", "INPUT ERROR"}, "Input error"},
        {{"InputChecks", "%1 to %2"}, "%1..%2"},
        {{"InputChecks", "%1: %2 is out of range (allowed: %3)"}, "%1 out of range: %2 [%3]"},
        {{"InputChecks", "%1: no value given"}, "%1 missing"},
        {{"DigitKeyFilter", "Digits only: this quantity is a positive whole number"}, "digits"},
    });
    build();
    // A typed "%2" is the user's text, not a place for a figure.
    field("edPressure")->setFocus();
    child<QLineEdit>("edPressure")->setText(QStringLiteral("1%2"));
    leave("edPressure");
    ASSERT_EQ(services.shown.size(), 1u);
    EXPECT_EQ(services.shown[0].text, "1..400 allowed, not \"1%2\" (Pressure [bar])");
    EXPECT_EQ(services.shown[0].title, "Input error");

    child<QLineEdit>("edPressure")->setText(QStringLiteral("500"));
    EXPECT_EQ(FieldPairs::read(pairs->pair(1)).problem,
              "Pressure [bar] out of range: 500 [1..400]");
    EXPECT_EQ(readQuantity("Flow", QString(), {}).problem, "Flow missing");
    EXPECT_EQ(DigitKeyFilter::refusalTip(NumberForm::Whole), "digits");
}

}  // namespace
