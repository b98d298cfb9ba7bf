#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

#include "pages/CircuitPage.h"
#include "pages/SystemPage.h"
#include "tests/support/MainWindowFixture.h"

namespace {

class SystemWiringTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        child<QLineEdit>("Edit1")->setText("870");
        child<QLineEdit>("Edit2")->setText("32");
    }
    void showCalculator(const char* name) {
        showPage("tsSystem");
        child<QTabWidget>("pgcSystem")->setCurrentWidget(child<QWidget>(name));
    }
    void click(const char* name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }
    bool checked(const char* group, int item) {
        return child<QGroupBox>(group)->findChildren<QRadioButton*>().at(item)->isChecked();
    }
};

TEST_F(SystemWiringTest, AllEightTabsAreReadableOnALaptopScreen) {
    auto* tabs = child<QTabWidget>("PageControl1");
    EXPECT_EQ(tabs->tabText(6), "System");
    EXPECT_FALSE(tabs->tabIcon(6).isNull());
    // Every tab whole within the bar, and the window within 1280 x 800 with
    // room for its frame.
    const QTabBar* bar = tabs->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
        EXPECT_LE(bar->tabRect(i).right(), tabs->width()) << i;
    }
    EXPECT_LE(bar->sizeHint().width(), tabs->width());
    EXPECT_LE(window->width(), 1280 - 40);
    EXPECT_LE(window->height(), 800 - 60);
    const QStringList calculators{"Accumulator", "Heat balance", "Orifice", "Compressibility",
                                  "Line sizing"};
    auto* inner = child<QTabWidget>("pgcSystem");
    ASSERT_EQ(inner->count(), calculators.size());
    for (int i = 0; i < inner->count(); ++i) {
        EXPECT_EQ(inner->tabText(i), calculators[i]);
    }
}

TEST_F(SystemWiringTest, CylinderPumpAndLineLinksAreTypedValues) {
    // The cylinder page's bore, rod and stroke.
    showPage("tsHidrocilinder");
    typeAndLeave("edHCD1", "100");
    typeAndLeave("edHCD2", "50");
    typeAndLeave("edHCStroke", "500");
    showCalculator("tsCompress");
    click("btnCompFromCylinder");
    EXPECT_EQ(text("edCompBore"), "100.00");
    EXPECT_EQ(text("edCompRod"), "50.00");
    EXPECT_EQ(text("edCompStroke"), "500.00");
    EXPECT_TRUE(desktop->shown.empty());

    // The pump's flow.
    showPage("tsPumpa");
    typeAndLeave("edQ", "40");
    showCalculator("tsLineSizing");
    click("btnSizeFromPump");
    EXPECT_EQ(text("edSizeQ"), "40.00");

    // The hose chosen goes to the line page, which comes to the front.
    typeAndLeave("edSizeL", "2");
    click("btnSizeCalc");
    click("btnSizeToLine");
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentWidget()->objectName(), "tsUsputni");
    EXPECT_TRUE(checked("RGcevCrevo", 1));
    EXPECT_TRUE(checked("USRadio", 1));
    EXPECT_EQ(text("edUSd"), "15.88");
    EXPECT_EQ(text("edUSl"), "2.00");
    EXPECT_EQ(text("edUS"), "40.00");
    // The line page then computes the same hose the sizing showed.
    child<QCheckBox>("chBelezi")->setChecked(false);
    click("BitBtn5");
    EXPECT_TRUE(desktop->shown.empty());
    const QString sizingDrop = child<QLabel>("lblSizeDrop")->text();
    EXPECT_NEAR(child<QLabel>("lblDp_Cev")->text().toDouble(), sizingDrop.toDouble(), 0.0051);

    // No circuit calculated: the heat balance says so.
    showCalculator("tsHeat");
    click("btnHeatFromCircuit");
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_TRUE(desktop->shown[0].text.startsWith("No circuit has been calculated yet"));
}

TEST_F(SystemWiringTest, TheCircuitsLossIsThePumpsPowerLessTheCylindersFv) {
    PumpInputs pump{10.0, 100.0, 50.0, 1.0, 1.0};
    LineTakeOver line{1.50, 16.0, 2.5, 0};
    ValveTakeOver valve{1.20, QStringLiteral("WE 6"), 0.5, 0.001};
    const CylinderDefinition cylinder{CylinderKind::SingleActing, 50.0,        30.0, 1.0,
                                      LoadDirection::Push,        std::nullopt};
    auto* circuit = replacePage(new CircuitPage(
        *window, {[&] { return pump; }, [] { return std::optional<double>(32.0); },
                  [&] { return std::optional<LineTakeOver>(line); },
                  [&] { return std::optional<ValveTakeOver>(valve); }, [&] { return cylinder; }}));
    showPage("tbProst");
    EXPECT_FALSE(circuit->powerLost().has_value());
    for (const char* name : {"edQ_prost", "edDpPog", "edDpPov", "edDp"}) {
        QTest::mouseDClick(field(name), Qt::LeftButton);
    }
    click("btnNovProst");
    ASSERT_TRUE(circuit->powerLost().has_value());
    const double force = child<QLabel>("lblProstForce")->text().toDouble();
    const double speed = child<QLabel>("lblProstSpeed")->text().toDouble();
    EXPECT_NEAR(*circuit->powerLost(), 10.0 - force * speed, 0.005);
    EXPECT_GT(*circuit->powerLost(), 0.0);
    click("BitBtn9");
    EXPECT_FALSE(circuit->powerLost().has_value());
}

class SystemManualTest : public SystemWiringTest {
  protected:
    void SetUp() override {
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(QStringLiteral(HYDROCALC_BUILD_APP_DIR)));
        SystemWiringTest::SetUp();
    }
    void TearDown() override { QDir::setCurrent(previous); }
    QString previous;
};

TEST_F(SystemManualTest, F1OpensEachCalculatorsOwnSection) {
    QFile manual(QStringLiteral(HYDROCALC_BUILD_APP_DIR "/HCHelp.html"));
    ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
    const QByteArray html = manual.readAll();
    const std::pair<const char*, QString> calculators[] = {
        {"tsAccumulator", "accumulator"}, {"tsHeat", "heat"},
        {"tsOrifice", "orifice"},         {"tsCompress", "compressibility"},
        {"tsLineSizing", "linesizing"},
    };
    for (const auto& [name, section] : calculators) {
        showCalculator(name);
        desktop->opened.clear();
        QTest::keyClick(child<QWidget>(name), Qt::Key_F1);
        ASSERT_EQ(desktop->opened.size(), 1u) << name;
        EXPECT_EQ(desktop->opened[0].fragment(), section) << name;
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(section).toUtf8())) << name;
    }
    EXPECT_TRUE(html.contains("id=\"system\""));
}

}  // namespace
