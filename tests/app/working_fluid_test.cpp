#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>
#include <functional>

#include "tests/support/MainWindowFixture.h"
#include "ui/UpDown.h"

namespace {

class WorkingFluidTest : public MainWindowFixture {
  protected:
    void choose(const QString& fluid) {
        auto* combo = child<QComboBox>("cmbUlje");
        const int index = combo->findText(fluid);
        ASSERT_GE(index, 0) << fluid.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void setTemperature(const QString& celsius) {
        type("edTemperatura", celsius);
        QTest::keyClick(field("edTemperatura"), Qt::Key_Return);
    }
    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }
};

TEST_F(WorkingFluidTest, StartValuesStayUntilAFluidIsChosen) {
    auto* combo = child<QComboBox>("cmbUlje");
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->itemText(0), "DHV 32");
    EXPECT_EQ(combo->itemText(combo->count() - 1), "User defined");
    EXPECT_EQ(text("Edit1"), "840");
    EXPECT_EQ(text("Edit2"), "12");
    EXPECT_EQ(text("edTemperatura"), "40");
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(WorkingFluidTest, AFluidAndATemperatureWriteDensityAndViscosity) {
    // HLP 46: 46 mm2/s at 40 °C, 877 kg/m3 at 15 °C, expansion 0.0007 1/K.
    choose("HLP 46");
    EXPECT_EQ(text("Edit2"), "46.0");
    EXPECT_EQ(text("Edit1"), "862");  // 877 / (1 + 0.0007 * 25) = 861.9
    setTemperature("60");
    // Walther through 46 and 6.8 mm2/s: 20.6 mm2/s at 60 °C.
    EXPECT_EQ(text("Edit2"), "20.6");
    EXPECT_EQ(text("Edit1"), "850");  // 877 / 1.0315 = 850.2
    // A choice alone is no calculation: the fluid is named before the next entry.
    EXPECT_TRUE(log().isEmpty());
}

TEST_F(WorkingFluidTest, AnEntryComputedWithAnotherFluidIsPrecededByTheFluid) {
    const QString hlp40 = " Working fluid: HLP 46 at 40 \u00B0C, 862 kg/m3, 46.0 mm2/s";
    const QString hlp60 = " Working fluid: HLP 46 at 60 \u00B0C, 850 kg/m3, 20.6 mm2/s";
    const QString typed = " Working fluid: user defined, 850 kg/m3, 25.5 mm2/s";
    auto entry = [this](const char* report) { window->appendToLog({report}); };
    auto erase = [this] {
        desktop->queue([](QDialog&) { return int(QMessageBox::Discard); });
        QTest::mouseClick(child<QPushButton>("btnClear"), Qt::LeftButton);
    };
    const struct {
        const char* step;
        std::function<void()> before;
        QString fluidLine;  // empty: the entry follows without one
    } steps[] = {
        {"first entry: the start values", [] {},
         " Working fluid: user defined, 840 kg/m3, 12 mm2/s"},
        {"a fluid chosen", [&] { choose("HLP 46"); }, hlp40},
        {"same fluid again", [] {}, {}},
        {"another temperature", [&] { setTemperature("60"); }, hlp60},
        {"a figure typed", [&] { type("Edit2", "25.5"); }, typed},
        {"after an erase", erase, typed},
        // Undone, the entry takes its fluid line along: the next one names it again.
        {"after an undone entry",
         [&] {
             choose("HLP 46");
             setTemperature("60");
             entry("undone");
             child<QTextEdit>("RichEdit1")->undo();
         },
         hlp60},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.step);
        s.before();
        const QString before = log();
        entry(s.step);
        const QString added = log().mid(before.size());
        const QString expected = (before.isEmpty() ? QString() : QStringLiteral("\n")) +
                                 (s.fluidLine.isEmpty() ? QString() : s.fluidLine + "\n") +
                                 QString::fromLatin1(s.step) + "\n";
        EXPECT_EQ(added, expected);
    }
}

TEST_F(WorkingFluidTest, TheUpDownStepsTheTemperature) {
    choose("HLP 46");
    child<UpDown>("UpDown3")->stepUp();
    EXPECT_EQ(text("edTemperatura"), "45");
    EXPECT_NE(text("Edit2"), "46.0");
}

TEST_F(WorkingFluidTest, TypedFiguresSwitchToUserDefinedAndStay) {
    choose("HVLP 32");
    type("Edit2", "25.5");
    EXPECT_EQ(child<QComboBox>("cmbUlje")->currentText(), "User defined");
    EXPECT_EQ(text("Edit2"), "25.5");
    // A temperature change no longer overwrites the user's figures.
    setTemperature("80");
    EXPECT_EQ(text("Edit2"), "25.5");
    child<UpDown>("UpDown2")->stepUp();
    EXPECT_EQ(child<QComboBox>("cmbUlje")->currentText(), "User defined");
}

TEST_F(WorkingFluidTest, ATemperatureOutsideTheRangeIsRefusedAndChangesNothing) {
    choose("HLP 46");
    setTemperature("130");
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "Working fluid");
    EXPECT_TRUE(desktop->shown[0].text.contains("130")) << desktop->shown[0].text.toStdString();
    EXPECT_EQ(text("Edit2"), "46.0");
    setTemperature("1.2.3");
    ASSERT_EQ(desktop->shown.size(), 2u);
    EXPECT_EQ(text("Edit1"), "862");
}

TEST_F(WorkingFluidTest, TheLinePageComputesWithTheChosenFluid) {
    showPage("tsUsputni");
    typeAndLeave("edUSd", "10");
    typeAndLeave("edUSl", "2");
    typeAndLeave("edUS", "1");
    auto dropAt = [this](const QString& celsius) {
        setTemperature(celsius);
        QTest::mouseClick(child<QPushButton>("BitBtn5"), Qt::LeftButton);
        return child<QLabel>("lblDp_Cev")->text();
    };
    choose("HLP 46");
    // 46.0 mm2/s, 862 kg/m3: Re 217.4, lambda 0.2944, 0.2944 * 2 * 862 / 2000 = 0.254 bar.
    EXPECT_EQ(dropAt("40"), "0.25");
    // 20.6 mm2/s, 850 kg/m3: Re 485.4, lambda 0.1318, 0.1318 * 2 * 850 / 2000 = 0.112 bar.
    EXPECT_EQ(dropAt("60"), "0.11");
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(WorkingFluidTest, WithLoggingOffNothingIsLogged) {
    child<QCheckBox>("chBelezi")->setChecked(false);
    choose("HLP 68");
    EXPECT_EQ(text("Edit2"), "68.0");
    EXPECT_TRUE(log().isEmpty());
}

}  // namespace
