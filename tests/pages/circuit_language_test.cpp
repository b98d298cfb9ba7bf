#include <QCoreApplication>
#include <QImage>
#include <QListWidget>
#include <QTranslator>

#include "pages/CircuitPage.h"
#include "tests/support/PageFixture.h"
#include "ui/PageState.h"

namespace {

// A language in which every text of the circuit's page reads differently
// from the English: "context/source". Logic that compares or keeps shown
// texts breaks under it; logic that keeps keys does not.
class MarkingTranslator : public QTranslator {
  public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        const QString from = QString::fromLatin1(context);
        if (from != QLatin1String("CircuitPage") && from != QLatin1String("CircuitSketch")) {
            return {};
        }
        return from + QLatin1Char('/') + QString::fromUtf8(source);
    }
};

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
    void SetUp() override {
        QCoreApplication::installTranslator(&translator);
        PageFixture::SetUp();
    }
    void TearDown() override { QCoreApplication::removeTranslator(&translator); }

    void click(const char* name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }
    QStringList items(const char* name) {
        QStringList texts;
        for (int row = 0; row < child<QListWidget>(name)->count(); ++row) {
            texts << child<QListWidget>(name)->item(row)->text();
        }
        return texts;
    }

    MarkingTranslator translator;
};

TEST_F(CircuitLanguageTest, ADesignKeepsTheListsInEnglishAndShowsThemInTheLanguageOfTheDay) {
    // Lines as a design written in English keeps them, and as they are shown now.
    struct Row {
        const char* list;
        QString saved;
        QString shown;
    };
    const Row rows[] = {
        {"lsKomponente", "Pump", "CircuitSketch/Pump"},
        {"lsKomponente", " Supply tank", "CircuitSketch/ Supply tank"},
        {"lsKomponente", "Return line", "CircuitSketch/Return line"},
        {"lsKomponente", "Return line: 25.00|3", "CircuitPage/Return line: 25.00|3"},
        {"lsKomponente", "Operational line: 16.00|2.5", "CircuitPage/Operational line: 16.00|2.5"},
        {"lsKomponente", "Operational line: ", "CircuitPage/Operational line: "},
        {"lbHc", "Single action HC ", "CircuitPage/Single action HC "},
        {"lbHc", "Double action HC", "CircuitPage/Double action HC"},
        // Figures, symbols and units, and a line the page never writes.
        {"lbHc", "D1= 50 mm", "D1= 50 mm"},
        {"lbHc", "2.5", "2.5"},
        {"lbHc", "Single action", "Single action"},
    };
    PageState design;
    std::map<QString, QStringList> saved;
    std::map<QString, QStringList> shown;
    for (const Row& row : rows) {
        saved[QString::fromLatin1(row.list)] << row.saved;
        shown[QString::fromLatin1(row.list)] << row.shown;
    }
    for (const auto& [list, lines] : saved) {
        design.names[list] = lines.join(QLatin1Char('\n'));
    }
    applyPage(*page, design);
    for (const auto& [list, lines] : shown) {
        EXPECT_EQ(items(list.toLatin1().constData()), lines) << list.toStdString();
    }
    // Saved again, word for word as the English program wrote it.
    const PageState again = capturePage(*page);
    for (const auto& [list, lines] : saved) {
        EXPECT_EQ(again.names.at(list), design.names.at(list)) << list.toStdString();
    }
}

TEST_F(CircuitLanguageTest, WhatThePageListsItselfIsSavedInEnglish) {
    click("Label56");
    const PageState state = capturePage(*page);
    EXPECT_EQ(items("lbHc").first(), "CircuitPage/Single action HC ");
    EXPECT_EQ(state.names.at("lbHc"), "Single action HC \nD1= 50 mm\nD2= 30 mm");
    EXPECT_EQ(items("lsKomponente").first(), "CircuitSketch/Pump");
    EXPECT_EQ(state.names.at("lsKomponente"),
              "Pump\nOperation line\nDirectional control valve\nHydro Cylinder\nReturn "
              "line\n Supply tank");
}

TEST_F(CircuitLanguageTest, TheSketchWritesEachFigureUnderItsComponentInAnyLanguage) {
    // The pump's flow under the pump's symbol, where the cell's lower edge is.
    const auto figurePixels = [this] {
        const QImage image = child<QWidget>("pbShema")->grab().toImage();
        int count = 0;
        for (int y = 30; y < 52; ++y) {
            for (int x = 3; x < 52; ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.blue() > 100 && c.red() < 80 && c.green() < 80 ? 1 : 0;
            }
        }
        return count;
    };
    QTest::mouseDClick(child<QLineEdit>("edQ_prost"), Qt::LeftButton);
    ASSERT_EQ(text("edQ_prost"), "32.00");
    click("Button1");
    EXPECT_GT(figurePixels(), 20);
}

}  // namespace
