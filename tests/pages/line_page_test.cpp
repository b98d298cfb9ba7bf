#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTextEdit>
#include <functional>
#include <set>

#include "pages/LinePage.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/NumberText.h"

namespace {

class LinePageTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        showPage("tsUsputni");
        child<QLineEdit>("Edit1")->setText("890");
        child<QLineEdit>("Edit2")->setText("46");
        child<QCheckBox>("chBelezi")->setChecked(true);
    }

    LinePage* page() { return child<LinePage>("tsUsputni"); }
    DiagramBox* box() { return child<DiagramBox>("PaintBox2"); }
    void option(const char* group, int item) {
        const auto buttons = child<QGroupBox>(group)->findChildren<QRadioButton*>();
        ASSERT_GT(buttons.size(), item);
        // On the indicator: the rest of a wide button is no click target.
        QTest::mouseClick(buttons.at(item), Qt::LeftButton, {},
                          QPoint(6, buttons.at(item)->height() / 2));
        ASSERT_TRUE(buttons.at(item)->isChecked());
    }
    void calculate() { QTest::mouseClick(child<QPushButton>("BitBtn5"), Qt::LeftButton); }
    void reset() { QTest::mouseClick(child<QPushButton>("BitBtn7"), Qt::LeftButton); }
    int slider(const char* name) { return child<QSlider>(name)->value(); }
    QString drop() { return child<QLabel>("lblDp_Cev")->text(); }
    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }
    // The last report's lines, without the blank line that ends it.
    QStringList lastReport(int lines) {
        QStringList all = log().split('\n');
        while (!all.isEmpty() && all.last().isEmpty()) {
            all.removeLast();
        }
        return all.mid(all.size() - lines);
    }
    // The pipe of the worked example: copper, 10 mm, 2 m, 1 m/s.
    void exampleLine() {
        typeAndLeave("edUSd", "10");
        typeAndLeave("edUSl", "2.0");
        typeAndLeave("edUS", "1.0");
    }
    std::set<QRgb> colours() {
        const QImage image = box()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        std::set<QRgb> found;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                found.insert(image.pixel(x, y) & 0xFFFFFF);
            }
        }
        return found;
    }
    static QRgb rgb(const QColor& colour) { return colour.rgb() & 0xFFFFFF; }
    void expectNoNumberFaults() {
        for (const QString& shown : {drop(), log(), text("edUS"), text("edUSd"), text("edUSl")}) {
            EXPECT_FALSE(shown.contains("nan", Qt::CaseInsensitive)) << shown.toStdString();
            EXPECT_FALSE(shown.contains("inf", Qt::CaseInsensitive)) << shown.toStdString();
        }
    }
};

TEST_F(LinePageTest, PageStartsAsATubeAtSpeedWithCopper) {
    EXPECT_TRUE(child<QGroupBox>("RGcevCrevo")->findChildren<QRadioButton*>().at(0)->isChecked());
    EXPECT_TRUE(child<QGroupBox>("USRadio")->findChildren<QRadioButton*>().at(0)->isChecked());
    EXPECT_EQ(child<QComboBox>("cmbVrsta")->count(), 6);
    EXPECT_EQ(child<QComboBox>("cmbVrsta")->currentIndex(), 0);
    EXPECT_FALSE(child<QComboBox>("cmbVrsta")->isEditable());
    EXPECT_EQ(drop(), "0");
    EXPECT_EQ(fieldColour(field("edUS")), QColor(255, 255, 0));
    EXPECT_FALSE(box()->diagram().has_value());
}

TEST_F(LinePageTest, TubeAndHoseGiveTheirDropsAndReports) {
    exampleLine();
    calculate();
    // Re = 1 * 10 / 46 * 1000 = 217.39; lambda = 64 / Re = 0.2944;
    // drop = lambda L rho v^2 / (200 d) = 0.2944 * 2 * 890 / 2000 = 0.262 bar.
    EXPECT_EQ(drop(), "0.26");
    QStringList report = lastReport(11);
    EXPECT_EQ(report.first(), " -------   Single pipe pressure drop calculation  ----------- ");
    EXPECT_EQ(report.at(2), " Reynold's number: Re = 217.391");
    EXPECT_EQ(report.at(5), "Pipe lenght L=  2.00 [m]");
    EXPECT_EQ(report.at(6), "Pressure drop dP=  0.262 [bar]");
    EXPECT_EQ(report.last(), "Flow type :  Lamilar");

    // A hose: lambda = 75 / Re = 0.345, drop 0.307 bar.
    option("RGcevCrevo", 1);
    calculate();
    EXPECT_EQ(drop(), "0.31");
    report = lastReport(11);
    EXPECT_EQ(report.first(), " =========Hose pipe calculation ============================");
    EXPECT_EQ(report.at(5), "Length L=  2.00 [m]");
    EXPECT_EQ(report.at(6), "Pressure drop dP = 0.307 [bar]");
    EXPECT_EQ(report.last(), "Flow type :   Lamilar");
    EXPECT_TRUE(desktop->shown.empty());
    ASSERT_TRUE(page()->takeOver().has_value());
    EXPECT_EQ(shownDrop(page()->takeOver()->drop), "0.31");
    EXPECT_EQ(page()->takeOver()->diameter, 10.0);
    EXPECT_EQ(page()->takeOver()->length, 2.0);
    // Fields edited since are not the line calculated: the take-over stays whole.
    typeAndLeave("edUSd", "25");
    EXPECT_EQ(page()->takeOver()->diameter, 10.0);
    QTest::mouseClick(child<QPushButton>("BitBtn7"), Qt::LeftButton);
    EXPECT_FALSE(page()->takeOver().has_value());
}

TEST_F(LinePageTest, ShowsWhatTheDropWasComputedFromAndAdvisesOnTheVelocity) {
    struct Case {
        const char* diameter;
        const char* speedOrFlow;
        int option;  // 0 speed, 1 flow
        const char* viscosity;
        const char* velocity;
        const char* reynolds;  // nullptr: not checked
        const char* lambda;
        const char* regime;
        const char* advice;  // a part of the note; "" for none
    };
    const Case cases[] = {
        // v = 40 / 60000 / (3.14 * 0.008^2) = 3.317 m/s; Re = 3.317 * 16 / 46 * 1000
        // = 1154; lambda = 64 / Re = 0.05546.
        {"16", "40", 1, "46", "3.32", "1154", "0.05546", "Lamilar",
         "above the usual 1.5 m/s of a suction line"},
        // Re = 1 * 10 / 46 * 1000 = 217.4; lambda = 64 / 217.39 = 0.2944.
        {"10", "1.0", 0, "46", "1.00", "217", "0.2944", "Lamilar", ""},
        // Re = 4.5 * 20 / 10 * 1000 = 9000.
        {"20", "4.5", 0, "10", "4.50", "9000", nullptr, "Turbulence flow by hydaulic smooth pipes",
         "above the usual 4 m/s of a return line"},
        {"20", "7.0", 0, "10", "7.00", "14000", nullptr, "Turbulence flow by hydaulic smooth pipes",
         "above the usual 6 m/s of a pressure line"},
    };
    child<QLineEdit>("Edit1")->setText("870");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.velocity);
        child<QLineEdit>("Edit2")->setText(c.viscosity);
        option("USRadio", c.option);
        typeAndLeave("edUSd", c.diameter);
        typeAndLeave("edUSl", "20");
        typeAndLeave("edUS", c.speedOrFlow);
        calculate();
        EXPECT_EQ(child<QLabel>("lblUSVelocity")->text(), c.velocity);
        if (c.reynolds != nullptr) {
            EXPECT_EQ(child<QLabel>("lblUSReynolds")->text(), c.reynolds);
        }
        if (c.lambda != nullptr) {
            EXPECT_EQ(child<QLabel>("lblUSLambda")->text(), c.lambda);
        }
        EXPECT_EQ(child<QLabel>("lblUSRegime")->text(), c.regime);
        const QString advice = child<QLabel>("lblUSAdvice")->text();
        EXPECT_TRUE(advice.contains(c.advice)) << advice.toStdString();
        // The note gives every usual range, never a verdict on this line.
        EXPECT_EQ(advice.isEmpty(), *c.advice == '\0');
        if (!advice.isEmpty()) {
            EXPECT_TRUE(advice.contains(QString::fromUtf8("suction lines 0.5\u20131.5 m/s")));
        }
    }
    // Another input: the figures no longer describe it.
    typeAndLeave("edUSl", "21");
    for (const char* name :
         {"lblUSVelocity", "lblUSReynolds", "lblUSLambda", "lblUSRegime", "lblUSAdvice"}) {
        EXPECT_TRUE(child<QLabel>(name)->text().isEmpty()) << name;
    }
    for (const std::function<void()>& change : std::initializer_list<std::function<void()>>{
             [this] { option("RGcevCrevo", 1); },
             [this] { child<QComboBox>("cmbVrsta")->setCurrentIndex(2); },
             [this] { child<QLineEdit>("Edit2")->setText("32"); }}) {
        calculate();
        ASSERT_FALSE(child<QLabel>("lblUSVelocity")->text().isEmpty());
        change();
        EXPECT_TRUE(child<QLabel>("lblUSVelocity")->text().isEmpty());
    }
}

TEST_F(LinePageTest, FieldsAndSlidersFollowTheSpeedOrFlowOption) {
    // A speed beyond the slider's range stays in the field and is calculated.
    exampleLine();
    typeAndLeave("edUS", "15");
    EXPECT_EQ(text("edUS"), "15.00");
    EXPECT_EQ(slider("tbUS"), 100);
    calculate();
    EXPECT_EQ(lastReport(11).at(3), " Fluid flow speed  v =  15.000 [m/s]");

    child<QSlider>("tbUS")->setValue(25);
    EXPECT_EQ(text("edUS"), "2.50");
    option("USRadio", 1);
    EXPECT_EQ(text("edUS"), "2.50");  // the option alone changes no text
    child<QSlider>("tbUS")->setValue(24);
    child<QSlider>("tbUS")->setValue(25);
    EXPECT_EQ(text("edUS"), "25.00");
    typeAndLeave("edUS", "40.7");
    EXPECT_EQ(slider("tbUS"), 40);
    EXPECT_EQ(text("edUS"), "40.70");

    typeAndLeave("edUSl", "3.75");
    EXPECT_EQ(slider("tbUSl"), 37);
    EXPECT_EQ(text("edUSl"), "3.8");
    // The inlet pressure's exit rewrites its own field and no other.
    typeAndLeave("btnUsputPul", "120.5");
    EXPECT_EQ(slider("TrackBar10"), 120);
    EXPECT_EQ(text("btnUsputPul"), "120.50");
    EXPECT_EQ(text("edUS"), "40.70");
}

TEST_F(LinePageTest, EachCalculationReportsItsFlowRange) {
    QSignalSpy range(page(), &LinePage::diagramFlowRange);
    option("USRadio", 1);
    typeAndLeave("edUSd", "10");
    typeAndLeave("edUSl", "2");
    typeAndLeave("edUS", "30.5");
    calculate();
    ASSERT_EQ(range.count(), 1);
    EXPECT_EQ(range.at(0).at(0).toInt(), 31);
    ASSERT_TRUE(box()->diagram().has_value());
    EXPECT_EQ(box()->diagram()->flowCells, 31);
    // 30.5 l/min through 10 mm is 6.476 m/s, Re 1407.7, laminar lambda 0.04546:
    // 0.04546 * 2 * 890 * 6.476^2 / 2000 = 1.697 bar.
    EXPECT_EQ(drop(), "1.70");
    // Tenths of a bar, so the small drop is read at several labelled values.
    EXPECT_DOUBLE_EQ(box()->diagram()->dropUnit, 0.1);
    EXPECT_EQ(box()->diagram()->dropCells, 17);
    // The curve is the line's own law: laminar, so half the flow loses half
    // the drop (Hagen-Poiseuille), and it ends on the operating point.
    const std::vector<QPointF>& points = box()->diagram()->points;
    ASSERT_EQ(points.size(), 201u);
    EXPECT_DOUBLE_EQ(points[100].x(), 15.25);
    EXPECT_NEAR(points[100].y(), points.back().y() / 2.0, 1e-12);
    EXPECT_DOUBLE_EQ(points.back().x(), 30.5);
    EXPECT_NEAR(points.back().y(), 1.697, 0.0005);
}

TEST_F(LinePageTest, RepaintsOnlyDrawWhatWasCalculatedAndResetClearsIt) {
    exampleLine();
    typeAndLeave("btnUsputPul", "50");
    calculate();
    const QString logged = log();
    // Even with a field emptied since, a repaint neither calculates nor asks.
    child<QLineEdit>("edUSd")->clear();
    for (int i = 0; i < 5; ++i) {
        box()->repaint();
    }
    const std::set<QRgb> drawn = colours();
    EXPECT_TRUE(drawn.count(rgb(kDiagramGrid)));
    EXPECT_TRUE(drawn.count(rgb(kDiagramCurve)));
    EXPECT_EQ(log(), logged);
    EXPECT_TRUE(desktop->shown.empty());

    reset();
    EXPECT_EQ(drop(), "0.0");
    EXPECT_EQ(text("edUSd"), "1");
    EXPECT_EQ(text("edUSl"), "0");
    EXPECT_EQ(text("edUS"), "1");
    EXPECT_EQ(text("btnUsputPul"), "1");
    EXPECT_EQ(slider("tbUSd"), 1);
    EXPECT_EQ(slider("tbUSl"), 20);  // the other sliders keep their places
    EXPECT_FALSE(box()->diagram().has_value());
    for (int i = 0; i < 3; ++i) {
        box()->repaint();
    }
    EXPECT_EQ(colours(), std::set<QRgb>{rgb(kDiagramBackground)});
    EXPECT_EQ(drop(), "0.0");

    // The reset texts calculate: length 0 gives no drop.
    calculate();
    EXPECT_EQ(drop(), "0.00");
    EXPECT_TRUE(box()->diagram().has_value());
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(LinePageTest, AHoseKeepsTheTubeTypeChosenLast) {
    child<QComboBox>("cmbVrsta")->setCurrentIndex(3);
    option("RGcevCrevo", 1);
    EXPECT_FALSE(child<QComboBox>("cmbVrsta")->isEnabled());
    EXPECT_EQ(child<QComboBox>("cmbVrsta")->currentIndex(), 3);
    exampleLine();
    calculate();
    // Strongly rusted steel, k = 2.5 mm over 10 mm.
    EXPECT_EQ(lastReport(12).at(9), "Wall roughness k =   2.5000 [mm]");
    option("RGcevCrevo", 0);
    EXPECT_TRUE(child<QComboBox>("cmbVrsta")->isEnabled());
}

TEST_F(LinePageTest, UnsoundInputsAreRefusedWithTheInputErrorBox) {
    exampleLine();
    calculate();
    const QString logged = log();
    struct Case {
        const char* field;
        QString text;
    };
    // A minus sign cannot be typed; a pasted one can arrive.
    const std::vector<Case> cases = {
        {"edUSd", ""},  {"edUSl", ""},   {"edUS", ""},        {"edUSd", "0"},
        {"edUS", "0"},  {"edUSl", "-1"}, {"edUSd", "-10"},    {"edUS", "-1"},
        {"Edit2", "0"}, {"Edit1", "0"},  {"edUSd", "0.0000"},
    };
    for (const Case& c : cases) {
        const QString before = text(c.field);
        child<QLineEdit>(c.field)->setText(c.text);
        desktop->shown.clear();
        calculate();
        ASSERT_EQ(desktop->shown.size(), 1u) << c.field << " " << c.text.toStdString();
        EXPECT_EQ(desktop->shown[0].text, "Pipeline input data is not regular ");
        EXPECT_EQ(desktop->shown[0].title, "INPUT ERROR");
        EXPECT_EQ(drop(), "0.26");
        child<QLineEdit>(c.field)->setText(before);
    }
    EXPECT_EQ(log(), logged);
    EXPECT_EQ(box()->diagram()->flowCells, 5);  // 4.71 l/min of the example

    expectNoNumberFaults();

    // A text that is no number is named with the field's meaning and range.
    child<QLineEdit>("edUS")->setText("1.2.3");
    desktop->shown.clear();
    calculate();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "INPUT ERROR");
    EXPECT_EQ(desktop->shown[0].detail,
              "Fluid speed [m/s]: \"1.2.3\" is not a number (allowed: 0.01 to 100)");
    EXPECT_EQ(fieldColour(field("edUS")), kRefusedFieldColour);
    EXPECT_EQ(drop(), "0.26");
}

TEST_F(LinePageTest, LargeValuesGiveNoNumberFaults) {
    typeAndLeave("edUSd", "2000");
    typeAndLeave("edUSl", "10000");
    option("USRadio", 1);
    typeAndLeave("edUS", "999999999");
    calculate();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].detail,
              "Flow [l/min]: 999999999.00 is out of range (allowed: 0.1 to 10000)");
    desktop->shown.clear();
    typeAndLeave("edUS", "10000");
    QSignalSpy range(page(), &LinePage::diagramFlowRange);
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    ASSERT_EQ(range.count(), 1);
    EXPECT_EQ(range.at(0).at(0).toInt(), 10001);
    box()->repaint();
    // Beyond the counts a diagram can show: the box stays empty.
    EXPECT_EQ(colours(), std::set<QRgb>{rgb(kDiagramBackground)});
    expectNoNumberFaults();
}

class ReturnFlowTest : public LinePageTest {
  protected:
    void SetUp() override {
        LinePageTest::SetUp();
        // The sources read their texts as the pump and circuit pages read their fields.
        replacePage(new LinePage(*window, {[this] { return readOptionalNumber(pumpFlow); },
                                           [this] { return readOptionalNumber(operationLine); },
                                           [this] { return cylinder; }}));
        option("USRadio", 1);
        child<QSlider>("tbUS")->setValue(5);
    }
    void doubleClick() { QTest::mouseDClick(child<QLineEdit>("edUS"), Qt::LeftButton); }

    QString pumpFlow = "32";
    QString operationLine = "0.26";
    CylinderDefinition cylinder{CylinderKind::SingleActing, 50.0, 30.0, 0.95, LoadDirection::Push};
};

TEST_F(ReturnFlowTest, TheCylinderGivesTheReturnFlow) {
    struct Case {
        bool doubleActing;
        bool pull;
        const char* flow;
        int position;
    };
    // Q 32 l/min, D1 50, D2 30: the annulus is 16/25 of the piston's area.
    const Case cases[] = {
        {false, false, "20.48", 20}, {false, true, "50.00", 50}, {true, false, "32.00", 32}};
    for (const Case& c : cases) {
        cylinder.kind = c.doubleActing ? CylinderKind::DoubleActing : CylinderKind::SingleActing;
        cylinder.direction = c.pull ? LoadDirection::Pull : LoadDirection::Push;
        child<QSlider>("tbUS")->setValue(1);
        doubleClick();
        EXPECT_EQ(text("edUS"), c.flow);
        EXPECT_EQ(slider("tbUS"), c.position);
    }
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(ReturnFlowTest, WithoutAPumpFlowThePageSaysSoAndChangesNothing) {
    pumpFlow.clear();
    const QString before = text("edUS");
    doubleClick();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text,
              "The pump page has no flow yet: calculate the pump, or type the flow here.");
    EXPECT_EQ(desktop->shown[0].title, "INPUT ERROR");
    EXPECT_EQ(text("edUS"), before);
}

TEST_F(ReturnFlowTest, WithoutCylinderOrOperationLineOnlyThePumpFlowComes) {
    // No cylinder diameters: the slider follows the pump flow, the field keeps it.
    pumpFlow = "32.50";
    cylinder.rodDiameter.reset();
    doubleClick();
    EXPECT_EQ(text("edUS"), "32.50");
    EXPECT_EQ(slider("tbUS"), 32);
    // A rod as wide as the piston is no cylinder either.
    cylinder.rodDiameter = 50.0;
    child<QSlider>("tbUS")->setValue(5);
    doubleClick();
    EXPECT_EQ(slider("tbUS"), 32);

    cylinder.rodDiameter = 30.0;
    for (const QString& none : {QString(), QString("0")}) {
        operationLine = none;
        child<QSlider>("tbUS")->setValue(5);
        doubleClick();
        EXPECT_EQ(text("edUS"), "32.50");
        EXPECT_EQ(slider("tbUS"), 5);
    }
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(ReturnFlowTest, OnlyTheFlowOptionTakesItAndBadNumbersEndInTheMessage) {
    option("USRadio", 0);
    typeAndLeave("edUS", "1.5");
    doubleClick();
    EXPECT_EQ(text("edUS"), "1.50");
    EXPECT_EQ(slider("tbUS"), 15);

    option("USRadio", 1);
    operationLine = "x";
    doubleClick();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_TRUE(desktop->shown[0].title.startsWith("FATAL ERROR:: "));
    EXPECT_EQ(text("edUS"), "32.00");
}

}  // namespace
