#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <cmath>
#include <map>

#include "tests/support/MainWindowFixture.h"
#include "ui/CalculatorPage.h"
#include "ui/FieldAccess.h"
#include "ui/PageState.h"

namespace {

constexpr int kMetricItem = 0;
constexpr int kUsItem = 1;

class UnitSystemTest : public MainWindowFixture {
  protected:
    void chooseUnits(int item) { child<QComboBox>("cbUnits")->setCurrentIndex(item); }
    void clickRadio(const char* group, int item) {
        const auto buttons = child<QGroupBox>(group)->findChildren<QRadioButton*>();
        ASSERT_GT(buttons.size(), item);
        QTest::mouseClick(buttons.at(item), Qt::LeftButton, {},
                          QPoint(6, buttons.at(item)->height() / 2));
        ASSERT_TRUE(buttons.at(item)->isChecked());
    }
    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
    double number(const char* name) { return text(name).toDouble(); }
    // Every field of the calculator pages and the fluid panel, by name.
    std::map<QString, QString> fieldTexts() {
        std::map<QString, QString> texts;
        for (auto* edit : window->findChildren<QLineEdit*>()) {
            if (!edit->objectName().isEmpty()) {
                texts[edit->objectName()] = edit->text();
            }
        }
        for (auto* combo : window->findChildren<QComboBox*>()) {
            if (combo->isEditable() && !combo->objectName().isEmpty()) {
                texts[combo->objectName()] = combo->currentText();
            }
        }
        return texts;
    }
    // The line page's drop for a line given in the shown system.
    double lineDrop(const char* diameter, const char* length, const char* flow) {
        showPage("tsUsputni");
        clickRadio("USRadio", 1);
        typeAndLeave("edUSd", diameter);
        typeAndLeave("edUSl", length);
        typeAndLeave("edUS", flow);
        click("BitBtn5");
        return child<QLabel>("lblDp_Cev")->text().toDouble();
    }
};

// The hand cases of a US customer, typed in US units on the pages.
TEST_F(UnitSystemTest, HandCasesComeOutInUsUnits) {
    struct Case {
        const char* page;
        const char* modeGroup;
        int mode;
        std::vector<std::pair<const char*, const char*>> inputs;
        const char* calculate;
        const char* result;
        double expected;
        double tolerance;
    };
    const Case cases[] = {
        // 1450 x 1.71 / 231 = 10.73 gpm; 2900 psi x 10.73 gpm / 1714 = 18.16 hp.
        {"tsPumpa",
         "RadioGroup1",
         2,
         {{"edNiM", "1"}, {"edNiV", "1"}, {"edV", "1.71"}, {"edN", "1450"}, {"edp", "2900"}},
         "btnCalc",
         "edQ",
         10.73,
         0.005},
        {"tsPumpa",
         "RadioGroup1",
         2,
         {{"edNiM", "1"}, {"edNiV", "1"}, {"edV", "1.71"}, {"edN", "1450"}, {"edp", "2900"}},
         "btnCalc",
         "edSnaga",
         18.16,
         0.01},
        // 2000 psi x 3.14 x 4² / 4 in² = 25 120 lbf (25 133 with the true pi).
        {"tsHidrocilinder",
         "RadioGroup4",
         0,
         {{"edHCPul", "2000"}, {"edHCQ1", "10"}, {"edHCD1", "4"}, {"edHCD2", "2"}},
         "BitBtn3",
         "edHCF",
         25120.0,
         1.0},
        // 2000 psi x 3 in³ / 2 pi = 955 lbf in = 79.6 lbf ft.
        {"tdHidromotor",
         "RadioGroup2",
         10,
         {{"edHMNiMeh", "1"},
          {"edHMNIv", "1"},
          {"edHMp", "2000"},
          {"edHMv", "3"},
          {"edHMn", "1000"}},
         "btnHMCalc",
         "edHMM",
         79.6,
         0.1},
    };
    chooseUnits(kUsItem);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.page) + " " + c.result);
        showPage(c.page);
        clickRadio(c.modeGroup, c.mode);
        if (std::string(c.page) == "tsHidrocilinder") {
            child<QSlider>("tbHCNi")->setValue(100);  // efficiency 1
        }
        for (const auto& [name, value] : c.inputs) {
            typeAndLeave(name, QString::fromLatin1(value));
        }
        click(c.calculate);
        EXPECT_NEAR(number(c.result), c.expected, c.tolerance) << text(c.result).toStdString();
    }
}

TEST_F(UnitSystemTest, TheLineDropInPsiIsTheMetricDropConverted) {
    child<QLineEdit>("Edit2")->setText("46");
    // 0.625 in, 50 ft, 10 gpm.
    const double bar = lineDrop("15.875", "15.24", "37.85411784");
    chooseUnits(kUsItem);
    const double psi = lineDrop("0.625", "50", "10");
    ASSERT_GT(bar, 0.1);
    EXPECT_NEAR(psi * 0.0689475729, bar, 0.006) << psi << " psi against " << bar << " bar";
    // 3.19 m/s is 10.46 ft/s: the velocity note speaks the shown units, its limits too.
    const QString note = child<QLabel>("lblUSAdvice")->text();
    EXPECT_TRUE(note.startsWith("v = 10.46 ft/s is above the usual 4.92 ft/s of a suction line"))
        << note.toStdString();
    EXPECT_FALSE(note.contains("m/s")) << note.toStdString();
}

TEST_F(UnitSystemTest, SwitchingBackAndForthChangesNoInputBeyondItsRounding) {
    const std::vector<std::pair<const char*, std::vector<std::pair<const char*, const char*>>>>
        pages = {
            {"tsPumpa", {{"edV", "45.5"}, {"edN", "1450"}, {"edp", "160"}, {"edSnaga", "7.5"}}},
            {"tdHidromotor", {{"edHMp", "120"}, {"edHMv", "32.5"}, {"edHMQ", "40"}}},
            {"tsHidrocilinder",
             {{"edHCPul", "100"},
              {"edHCQ1", "50"},
              {"edHCD1", "100"},
              {"edHCD2", "50"},
              {"edHCStroke", "400"}}},
            {"tsUsputni", {{"edUSd", "10"}, {"edUSl", "2.0"}, {"edUS", "1.0"}}},
            {"tsLokalni", {{"edValveQ", "30"}}},
        };
    for (const auto& [page, inputs] : pages) {
        showPage(page);
        for (const auto& [name, value] : inputs) {
            typeAndLeave(name, QString::fromLatin1(value));
        }
    }
    const auto before = fieldTexts();
    for (int round = 0; round < 3; ++round) {
        chooseUnits(kUsItem);
        EXPECT_NE(fieldTexts().at("edp"), before.at("edp"));
        chooseUnits(kMetricItem);
    }
    const auto after = fieldTexts();
    ASSERT_EQ(after.size(), before.size());
    for (const auto& [name, shown] : before) {
        SCOPED_TRACE(name.toStdString());
        bool isNumber = false;
        const double was = shown.toDouble(&isNumber);
        if (!isNumber) {
            EXPECT_EQ(after.at(name), shown);
            continue;
        }
        // Within half the last digit the field showed.
        const qsizetype point = shown.indexOf('.');
        const int decimals = point < 0 ? 0 : static_cast<int>(shown.size() - point - 1);
        EXPECT_NEAR(after.at(name).toDouble(), was, 0.5 * std::pow(10.0, -decimals) + 1e-9)
            << after.at(name).toStdString();
    }
}

TEST_F(UnitSystemTest, SlidersRunOverRoundRangesOfTheShownUnit) {
    struct Case {
        const char* page;
        const char* slider;
        const char* field;
        const char* largest;  // the field at the slider's end
    };
    const Case cases[] = {
        {"tsPumpa", "TrackBar4", "edp", "5000"},           // 250 bar is 3626 psi
        {"tsPumpa", "TrackBar7", "edQ", "50.00"},          // 100 l/min is 26.4 gpm
        {"tsHidrocilinder", "tbHCD1", "edHCD1", "20.00"},  // 300 mm is 11.8 in
    };
    chooseUnits(kUsItem);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slider);
        showPage(c.page);
        auto* slider = child<QSlider>(c.slider);
        slider->setValue(slider->maximum());
        EXPECT_EQ(text(c.field), c.largest);
    }
    // Back in metric the sliders have their own ranges again.
    chooseUnits(kMetricItem);
    EXPECT_EQ(child<QSlider>("TrackBar4")->maximum(), 250);
}

TEST_F(UnitSystemTest, AMessageGivesTheAllowedRangeInPsi) {
    chooseUnits(kUsItem);
    showPage("tsPumpa");
    clickRadio("RadioGroup1", 2);
    typeAndLeave("edV", "1.71");
    typeAndLeave("edN", "1450");
    typeAndLeave("edp", "5");  // 0.34 bar, below the 1 bar a pump works at
    click("btnCalc");
    ASSERT_FALSE(desktop->shown.empty());
    EXPECT_EQ(desktop->shown.back().detail,
              "Pressure [psi]: 5.0 is out of range (allowed: 14.5038 to 14503.8)");
}

TEST_F(UnitSystemTest, ThePressureWarningNamesPsi) {
    chooseUnits(kUsItem);
    showPage("tsPumpa");
    clickRadio("RadioGroup1", 2);
    typeAndLeave("edV", "1.71");
    typeAndLeave("edN", "1450");
    typeAndLeave("edp", "4000");  // 275.8 bar, above the 250 bar of a standard drive
    click("btnCalc");
    ASSERT_FALSE(desktop->shown.empty());
    EXPECT_EQ(desktop->shown.back().text, "Warring, pressure higher  than 3626 psi :: 4000.0 psi");
}

// A design keeps model figures whatever the pages show, and shows them back
// in the units chosen when it is opened.
TEST_F(UnitSystemTest, DesignsKeepMetricFiguresShownInUsUnits) {
    chooseUnits(kUsItem);
    showPage("tsPumpa");
    typeAndLeave("edp", "1450.4");  // 100.00 bar
    typeAndLeave("edV", "3.051");   // 50.00 cm3
    auto* pump = child<CalculatorPage>("tsPumpa");
    const PageState state = capturePage(*pump);
    struct Case {
        const char* field;
        double metric;
        const char* shown;
    };
    for (const Case& c : {Case{"edp", 100.0, "1450.4"}, Case{"edV", 50.0, "3.051"}}) {
        SCOPED_TRACE(c.field);
        ASSERT_TRUE(state.fields.at(c.field).has_value());
        EXPECT_NEAR(state.fields.at(c.field)->value, c.metric, 0.005);
        typeAndLeave(c.field, "7");
        applyPage(*pump, state);
        EXPECT_EQ(text(c.field), c.shown);
    }
    // The circuit's plain flow field too: 10 gpm is kept as 37.85 l/min.
    auto* circuit = child<CalculatorPage>("tbProst");
    child<QLineEdit>("edQ_prost")->setText("10.00");
    const PageState circuitState = capturePage(*circuit);
    ASSERT_TRUE(circuitState.fields.at("edQ_prost").has_value());
    EXPECT_NEAR(circuitState.fields.at("edQ_prost")->value, 37.8541, 1e-4);
    child<QLineEdit>("edQ_prost")->setText("1");
    applyPage(*circuit, circuitState);
    EXPECT_EQ(text("edQ_prost"), "10.00");
}

}  // namespace
