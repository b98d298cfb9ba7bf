#include <QCoreApplication>
#include <QImage>
#include <QListWidget>

#include "pages/CircuitPage.h"
#include "tests/support/PageFixture.h"
#include "tests/support/TestTranslator.h"
#include "ui/PageState.h"

namespace {

struct CircuitSources {
    std::optional<double> pumpFlow = 32.0;
    CylinderDefinition cylinder{.pistonDiameter = 50.0, .rodDiameter = 30.0};
};

// The circuit page on its own, its sources played by the test.
class StandaloneCircuit : private CircuitSources, public CircuitPage {
  public:
    explicit StandaloneCircuit(PageServices& services)
        : CircuitPage(services, {[] { return PumpInputs{}; }, [this] { return pumpFlow; },
                                 [] { return std::optional<LineTakeOver>(); },
                                 [] { return std::optional<ValveTakeOver>(); },
                                 [this] { return cylinder; }}) {}
};

class CircuitLanguageTest : public PageFixture<StandaloneCircuit> {
  protected:
    QStringList items(const char* name) {
        QStringList texts;
        for (int row = 0; row < child<QListWidget>(name)->count(); ++row) {
            texts << child<QListWidget>(name)->item(row)->text();
        }
        return texts;
    }
    // Every text of the page reads differently from the English, and names
    // the context it was looked up in: logic that compares or keeps shown
    // texts breaks under it, logic that keeps keys does not. In place before
    // SetUp makes the page, as at start.
    TestTranslator language{{},
                            {.markOthers = true,
                             .markedContexts = {"CircuitPage", "CircuitSketch"},
                             .markNamesContext = true}};
};

// A page text as the language shows it.
QString in(const char* context, const QString& text) {
    return TestTranslator::mark(QString::fromLatin1(context) + u'/' + text);
}

TEST_F(CircuitLanguageTest, ADesignKeepsTheListsInEnglishAndShowsThemInTheLanguageOfTheDay) {
    // Lines as a design written in English keeps them, and the context each
    // is shown in now (none: as kept).
    struct Row {
        const char* list;
        QString saved;
        const char* context;
    };
    const Row rows[] = {
        {"lsKomponente", " Supply tank", "CircuitSketch"},
        // A component, and the page's line that starts with its name.
        {"lsKomponente", "Return line", "CircuitSketch"},
        {"lsKomponente", "Return line: 25.00|3", "CircuitPage"},
        {"lsKomponente", "Operational line: ", "CircuitPage"},
        {"lbHc", "Single action HC ", "CircuitPage"},
        // Figures, symbols and units, and a line the page never writes.
        {"lbHc", "D1= 50 mm", nullptr},
        {"lbHc", "Single action", nullptr},
    };
    std::map<QString, QStringList> saved;
    std::map<QString, QStringList> shown;
    for (const Row& row : rows) {
        saved[QString::fromLatin1(row.list)] << row.saved;
        shown[QString::fromLatin1(row.list)]
            << (row.context != nullptr ? in(row.context, row.saved) : row.saved);
    }
    PageState design;
    for (const auto& [list, lines] : saved) {
        design.names[list] = lines.join(QLatin1Char('\n'));
    }
    applyPage(*page, design);
    // Saved again, word for word as the English program wrote it.
    const PageState again = capturePage(*page);
    for (const auto& [list, lines] : shown) {
        EXPECT_EQ(items(qPrintable(list)), lines) << list.toStdString();
        EXPECT_EQ(again.names.at(list), design.names.at(list)) << list.toStdString();
    }
}

TEST_F(CircuitLanguageTest, WhatThePageListsItselfIsSavedInEnglish) {
    click("Label56");
    const PageState state = capturePage(*page);
    EXPECT_EQ(items("lbHc").first(), in("CircuitPage", "Single action HC "));
    EXPECT_EQ(state.names.at("lbHc"), "Single action HC \nD1= 50 mm\nD2= 30 mm");
    EXPECT_EQ(items("lsKomponente").first(), in("CircuitSketch", "Pump"));
    EXPECT_EQ(state.names.at("lsKomponente"),
              "Pump\nOperation line\nDirectional control valve\nHydro Cylinder\nReturn "
              "line\n Supply tank");
}

TEST_F(CircuitLanguageTest, TheSketchWritesEachFigureUnderItsComponentInAnyLanguage) {
    QTest::mouseDClick(child<QLineEdit>("edQ_prost"), Qt::LeftButton);
    ASSERT_EQ(text("edQ_prost"), "32.00");
    click("Button1");
    // The pump's flow under the pump's symbol, where the cell's lower edge is.
    const QImage image = child<QWidget>("pbShema")->grab().toImage();
    int figurePixels = 0;
    for (int y = 30; y < 52; ++y) {
        for (int x = 3; x < 52; ++x) {
            const QColor c = image.pixelColor(x, y);
            figurePixels += c.blue() > 100 && c.red() < 80 && c.green() < 80 ? 1 : 0;
        }
    }
    EXPECT_GT(figurePixels, 20);
}

}  // namespace
