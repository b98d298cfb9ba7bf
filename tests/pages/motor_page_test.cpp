#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTextEdit>

#include "pages/MotorPage.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/PageFixture.h"

namespace {

const char* const kQuantityFields[] = {"edHMM", "edHMp", "edHMQ", "edHMSnaga", "edHMv", "edHMn"};
const char* const kQuantitySliders[] = {"tbHMM", "tbHMp", "tbHMQ", "tbHMSnaga", "tbHMv", "tbHMn"};

// The motor page's controls, driven on the page alone or in the window.
template <typename Fixture>
class MotorDriver : public Fixture {
  protected:
    void selectMode(int item) {
        const auto buttons =
            this->template child<QGroupBox>("RadioGroup2")->template findChildren<QRadioButton*>();
        ASSERT_EQ(buttons.size(), 14);
        QTest::mouseClick(buttons.at(item), Qt::LeftButton);
        ASSERT_TRUE(buttons.at(item)->isChecked());
    }
    void calculate() {
        QTest::mouseClick(this->template child<QPushButton>("btnHMCalc"), Qt::LeftButton);
    }
    void setInputs(std::initializer_list<std::pair<const char*, const char*>> inputs) {
        for (const auto& [name, value] : inputs) {
            this->typeAndLeave(name, QString::fromLatin1(value));
        }
    }
    int slider(const char* name) { return this->template child<QSlider>(name)->value(); }
    QString log() { return this->services.logText(); }
    bool isLime(const char* name) { return fieldColour(this->field(name)) == QColor(0, 255, 0); }
    // Every quantity's text and slider, to see that nothing moved.
    QStringList pageState() {
        QStringList state;
        for (const char* name : kQuantityFields) {
            state << this->text(name);
        }
        for (const char* name : kQuantitySliders) {
            state << QString::number(slider(name));
        }
        return state << this->text("edHMNiMeh") << this->text("edHMNIv");
    }
    void expectRefused() {
        ASSERT_EQ(this->services.shown.size(), 1u);
        EXPECT_EQ(this->services.shown[0].text, "Iregular data input ");
        EXPECT_EQ(this->services.shown[0].title, "ERROR, HYDRO MOTOR DEFINITION ");
        this->services.shown.clear();
    }
    // Item "Pressure, Flow, Displacement" with p 100, Q 60, V 50.
    void enterPressureFlowDisplacement() {
        selectMode(6);
        setInputs({{"edHMp", "100"}, {"edHMQ", "60"}, {"edHMv", "50"}});
    }
};

// Everything the motor page does by itself needs no other page.
using MotorPageTest = MotorDriver<PageFixture<MotorPage>>;
// Pictures from the window's bundle and colours shared with other pages.
using MotorPageInWindowTest = MotorDriver<MainWindowFixture>;

TEST_F(MotorPageTest, StartsWithEfficienciesFromTheSlidersAndNoMode) {
    EXPECT_EQ(text("edHMNiMeh"), "0.96");
    EXPECT_EQ(text("edHMNIv"), "0.96");
    for (QRadioButton* button : child<QGroupBox>("RadioGroup2")->findChildren<QRadioButton*>()) {
        EXPECT_FALSE(button->isChecked()) << button->text().toStdString();
    }
    EXPECT_TRUE(child<QLabel>("Image2")->pixmap().isNull());
}

TEST_F(MotorPageInWindowTest, ThePictureComesFromTheBundle) {
    EXPECT_TRUE(child<QLabel>("Image2")->pixmap().isNull());
    open({QStringLiteral(HYDROCALC_BUILD_APP_DIR)});
    EXPECT_FALSE(child<QLabel>("Image2")->pixmap().isNull());
    EXPECT_TRUE(desktop->shown.empty());
    // A bundle with the pump's picture but not the motor's.
    open({QStringLiteral(HYDROCALC_TEST_DATA_DIR "/incomplete")});
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "Resource 2022 not found");
    EXPECT_TRUE(child<QLabel>("Image2")->pixmap().isNull());
    EXPECT_EQ(text("edHMNIv"), "0.96");
}

TEST_F(MotorPageTest, TwoModesAgainstFiguresWorkedByHand) {
    struct Case {
        int item;
        std::vector<std::pair<const char*, const char*>> inputs;
        const char* efficiency;
        std::vector<std::pair<const char*, const char*>> results;
    };
    // n = 1000 Q etaV / V, P = p Q etaV etaHm / 600, M = 1.59 V p etaHm / 1000.
    const std::vector<Case> cases = {
        // 57.6 / 50 x 1000 lands a hair below 1152 in binary; torque 1.59 x 5 x 0.96.
        {6,
         {{"edHMp", "100"}, {"edHMQ", "60"}, {"edHMv", "50"}},
         "0.96",
         {{"edHMM", "7.63"}, {"edHMSnaga", "9.22"}, {"edHMn", "1152"}}},
        // Q = n V / 1000 = 60, p = 600 P / Q = 100.
        {13,
         {{"edHMSnaga", "10"}, {"edHMv", "50"}, {"edHMn", "1200"}},
         "1",
         {{"edHMQ", "60.00"}, {"edHMp", "100.00"}, {"edHMM", "7.95"}, {"edHMv", "50.00"}}},
        // Q = 60 / 0.96 = 62.5, p = 6000 / 57.6 = 104.17, M = 1.59 x 50 x 100 / 1000.
        {13,
         {{"edHMSnaga", "10"}, {"edHMv", "50"}, {"edHMn", "1200"}},
         "0.96",
         {{"edHMQ", "62.50"}, {"edHMp", "104.17"}, {"edHMM", "7.95"}, {"edHMn", "1200"}}},
        // Lossless; the torque slider stood at 300 before.
        {6,
         {{"edHMp", "100"}, {"edHMQ", "60"}, {"edHMv", "50"}, {"edHMM", "300"}},
         "1.00",
         {{"edHMM", "7.95"}, {"edHMSnaga", "10.00"}, {"edHMn", "1200"}, {"edHMp", "100.00"}}},
    };
    for (const Case& c : cases) {
        selectMode(c.item);
        for (const auto& [name, value] : c.inputs) {
            typeAndLeave(name, QString::fromLatin1(value));
        }
        typeAndLeave("edHMNiMeh", QString::fromLatin1(c.efficiency));
        typeAndLeave("edHMNIv", QString::fromLatin1(c.efficiency));
        calculate();
        for (const auto& [name, value] : c.results) {
            EXPECT_EQ(text(name), value) << "item " << c.item << " eta " << c.efficiency;
        }
    }
    EXPECT_TRUE(services.shown.empty());
    const std::vector<int> sliders{7, 100, 60, 10, 500, 1200};
    for (std::size_t i = 0; i < sliders.size(); ++i) {
        EXPECT_EQ(slider(kQuantitySliders[i]), sliders[i]) << kQuantitySliders[i];
    }
}

TEST_F(MotorPageTest, ReportGoesToTheLogOnlyWithLoggingOn) {
    enterPressureFlowDisplacement();
    setInputs({{"edHMNiMeh", "1"}, {"edHMNIv", "1"}});
    calculate();
    const QString expected =
        " ==========   HYDRAULIC MOTOR CALCULATION =====================\n"
        " Power : 10.000 kW \n"
        " Flow  : 60.000 [l/min] \n"
        " Torque  : 7.950 [daNm] \n"
        "Pressure in: 100.000  [bar] \n"
        "Angular spped: 1200  [rpm] \n"
        "Displacement  je: 50.000  [cm3] \n"
        " Volumetric efficiency : 1.000 \n"
        " Hydromechanical efficiency : 1.000 \n";
    EXPECT_TRUE(log().startsWith(expected)) << log().toStdString();

    services.writes = false;
    const QString before = log();
    typeAndLeave("edHMQ", "30");
    calculate();
    EXPECT_EQ(text("edHMn"), "600");
    EXPECT_EQ(log(), before);
}

TEST_F(MotorPageTest, ComputedSpeedBeyondTheSliderStaysWholeInTheField) {
    selectMode(6);
    setInputs({{"edHMp", "100"}, {"edHMQ", "200"}, {"edHMv", "50"}});
    setInputs({{"edHMNiMeh", "1"}, {"edHMNIv", "1"}});
    calculate();
    EXPECT_EQ(text("edHMn"), "4000");
    EXPECT_EQ(slider("tbHMn"), 1500);
}

TEST_F(MotorPageTest, SpeedBelowOneIsRefusedWithoutTouchingThePage) {
    setInputs({{"edHMM", "8"}, {"edHMp", "100"}, {"edHMQ", "60"}, {"edHMSnaga", "10"}});
    setInputs({{"edHMv", "50"}});
    // A speed that never left its field; truncated to 0 it would be divided by.
    child<QLineEdit>("edHMn")->setText("0.5");
    for (int item : {4, 7, 9, 12, 13}) {
        selectMode(item);
        const QStringList before = pageState();
        calculate();
        EXPECT_TRUE(services.failures.empty()) << "item " << item;
        ASSERT_EQ(services.shown.size(), 1u) << "item " << item;
        EXPECT_EQ(services.shown[0].detail,
                  "Speed range [rpm]: 0.5 is out of range (allowed: 1 to 20000)");
        EXPECT_EQ(fieldColour(field("edHMn")), kRefusedFieldColour) << "item " << item;
        EXPECT_EQ(pageState(), before) << "item " << item;
        services.shown.clear();
    }
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(MotorPageTest, NoModeDoesNothingAndBadInputsAreRefused) {
    setInputs({{"edHMp", "100"}, {"edHMQ", "60"}, {"edHMv", "50"}});
    const QStringList before = pageState();
    calculate();
    EXPECT_TRUE(services.shown.empty());
    EXPECT_EQ(pageState(), before);
    selectMode(6);
    for (const char* efficiency : {"1.5", "1.01", "0", ""}) {
        for (const char* name : {"edHMNiMeh", "edHMNIv"}) {
            const QString kept = text(name);
            child<QLineEdit>(name)->setText(QString::fromLatin1(efficiency));
            calculate();
            expectRefused();
            child<QLineEdit>(name)->setText(kept);
        }
    }
    for (const char* name : {"edHMp", "edHMQ", "edHMv"}) {
        const QString kept = text(name);
        for (const char* bad : {"", "0"}) {
            child<QLineEdit>(name)->setText(QString::fromLatin1(bad));
            calculate();
            expectRefused();
        }
        child<QLineEdit>(name)->setText(kept);
    }
    EXPECT_EQ(pageState(), before);
    EXPECT_TRUE(log().isEmpty());
    // An efficiency of exactly 1 is a lossless motor, not an error.
    setInputs({{"edHMNiMeh", "1"}});
    calculate();
    EXPECT_TRUE(services.shown.empty());
    EXPECT_EQ(text("edHMn"), "1152");
}

TEST_F(MotorPageTest, TheRefusalNamesTheQuantityAndItsRange) {
    enterPressureFlowDisplacement();
    struct Case {
        const char* name;
        const char* value;
        const char* detail;
    };
    for (const Case& c :
         {Case{"edHMNIv", "1.5", "Volumetric efficiency: 1.5 is out of range (allowed: 0.3 to 1)"},
          Case{"edHMQ", "0", "Flow [l/min]: 0 is out of range (allowed: 0.1 to 10000)"},
          Case{"edHMp", "", "Pressure [bar]: no value given"}}) {
        const QString kept = text(c.name);
        child<QLineEdit>(c.name)->setText(QString::fromLatin1(c.value));
        calculate();
        ASSERT_EQ(services.shown.size(), 1u) << c.name;
        EXPECT_EQ(services.shown[0].text, "Iregular data input ");
        EXPECT_EQ(services.shown[0].detail, c.detail);
        services.shown.clear();
        child<QLineEdit>(c.name)->setText(kept);
    }
}

TEST_F(MotorPageTest, EfficiencyFieldsFilterKeysAndNameATextThatIsNoNumber) {
    enterPressureFlowDisplacement();
    typeAndLeave("edHMNIv", "x0.9-y");
    EXPECT_EQ(text("edHMNIv"), "0.9");
    // Pasted text the field can hold reaches the calculation.
    const auto paste = [this](const char* pasted) {
        QApplication::clipboard()->setText(QString::fromLatin1(pasted));
        type("edHMNIv", QString());
        QTest::keyClick(field("edHMNIv"), Qt::Key_V, Qt::ControlModifier);
        leave("edHMNIv");
    };
    // A decimal comma is the point: P = 100 x 60 x 0.9 x 0.96 / 600.
    paste("0,9");
    calculate();
    EXPECT_TRUE(services.failures.empty());
    EXPECT_EQ(text("edHMSnaga"), "8.64");
    // A comma alone is held, and is no number: named, never the fatal message.
    paste(",");
    const QStringList before = pageState();
    calculate();
    EXPECT_TRUE(services.failures.empty());
    ASSERT_EQ(services.shown.size(), 1u);
    EXPECT_EQ(services.shown[0].detail,
              "Volumetric efficiency: \",\" is not a number (allowed: 0.3 to 1)");
    EXPECT_EQ(pageState(), before);
    EXPECT_EQ(fieldColour(field("edHMNIv")), kRefusedFieldColour);
}

TEST_F(MotorPageInWindowTest, SelectingAModeMarksItsThreeFieldsAndClearsOtherPages) {
    showPage("tsPumpa");
    QTest::mouseClick(child<QGroupBox>("RadioGroup1")->findChildren<QRadioButton*>().at(4),
                      Qt::LeftButton);
    ASSERT_TRUE(isLime("edQ"));
    showPage("tdHidromotor");
    selectMode(6);
    for (const char* name : {"edHMp", "edHMQ", "edHMv"}) {
        EXPECT_TRUE(isLime(name)) << name;
    }
    for (const char* name :
         {"edHMM", "edHMSnaga", "edHMn", "edHMNiMeh", "edHMNIv", "edQ", "edV", "edp"}) {
        EXPECT_FALSE(isLime(name)) << name;
    }
    selectMode(13);
    for (const char* name : {"edHMSnaga", "edHMv", "edHMn"}) {
        EXPECT_TRUE(isLime(name)) << name;
    }
    EXPECT_FALSE(isLime("edHMp"));
    EXPECT_FALSE(isLime("edHMQ"));
}

TEST_F(MotorPageTest, FieldExitsAndSlidersKeepPairsInStep) {
    typeAndLeave("edHMv", "12.34");
    EXPECT_EQ(slider("tbHMv"), 123);
    EXPECT_EQ(text("edHMv"), "12.34");
    typeAndLeave("edHMn", "700");
    // A speed is whole: the point is refused at the key.
    typeAndLeave("edHMn", "1.5");
    EXPECT_EQ(text("edHMn"), "15");
    EXPECT_EQ(slider("tbHMn"), 15);
    typeAndLeave("edHMn", "2000");
    EXPECT_EQ(slider("tbHMn"), 1500);
    EXPECT_EQ(text("edHMn"), "1500");
    child<QSlider>("tbHMNim")->setValue(66);
    EXPECT_EQ(text("edHMNiMeh"), "0.66");
}

TEST_F(MotorPageTest, ResetClearsQuantitiesAndColoursButKeepsEfficiencies) {
    selectMode(6);
    child<QSlider>("tbHMM")->setValue(50);
    typeAndLeave("edHMp", "120");
    typeAndLeave("edHMNiMeh", "0.80");
    ASSERT_EQ(slider("tbHMn"), 0);
    QTest::mouseClick(child<QPushButton>("btnHMReset"), Qt::LeftButton);
    // Moved sliders rewrite their fields; those already at 0 leave the reset text.
    EXPECT_EQ(text("edHMM"), "0.00");
    EXPECT_EQ(text("edHMp"), "0.00");
    EXPECT_EQ(text("edHMn"), "0.0");
    EXPECT_EQ(text("edHMSnaga"), "0");
    EXPECT_EQ(text("edHMv"), "0.00");
    for (const char* name : kQuantitySliders) {
        EXPECT_EQ(slider(name), 0) << name;
    }
    EXPECT_EQ(text("edHMNiMeh"), "0.80");
    EXPECT_EQ(slider("tbHMNim"), 96);
    EXPECT_FALSE(isLime("edHMp"));
    EXPECT_TRUE(child<QGroupBox>("RadioGroup2")->findChildren<QRadioButton*>().at(6)->isChecked());
}

}  // namespace
