#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSvgRenderer>
#include <QTextEdit>
#include <QToolTip>
#include <utility>
#include <vector>

#include "pages/CylinderPage.h"
#include "tests/support/MainWindowFixture.h"

namespace {

using Inputs = std::vector<std::pair<const char*, const char*>>;

// A cylinder picture as the page should show it: the program's drawing at 370 x 65.
QImage expectedPicture(const char* name) {
    QSvgRenderer renderer(QStringLiteral(":/program/%1.svg").arg(QLatin1String(name)));
    QImage image(370, 65, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, 370, 65));
    return image;
}

class CylinderPageTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        showPage("tsHidrocilinder");
    }

    CylinderPage* page() { return child<CylinderPage>("tsHidrocilinder"); }
    void clickRadio(const char* group, int item) {
        const auto buttons = child<QGroupBox>(group)->findChildren<QRadioButton*>();
        ASSERT_GT(buttons.size(), item);
        QTest::mouseClick(buttons.at(item), Qt::LeftButton);
        ASSERT_TRUE(buttons.at(item)->isChecked());
    }
    void selectMode(int item) { clickRadio("RadioGroup4", item); }
    void selectType(int item) { clickRadio("RadioGroup3", item); }
    void enter(const Inputs& inputs) {
        for (const auto& [name, value] : inputs) {
            typeAndLeave(name, QString::fromLatin1(value));
        }
    }
    void calculate() { QTest::mouseClick(child<QPushButton>("BitBtn3"), Qt::LeftButton); }
    int slider(const char* name) { return child<QSlider>(name)->value(); }
    double number(const char* name) { return text(name).toDouble(); }
    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }
    QString direction() { return child<QLabel>("lblHCSmer")->text(); }
    // Which of the three cylinder pictures Image3 shows: the nearest one, as
    // glyphs of the picture's letters may come out a few pixels apart.
    QString picture() {
        const QPixmap pixmap = child<QLabel>("Image3")->pixmap();
        if (pixmap.isNull() || pixmap.size() != QSize(370, 65)) {
            return QStringLiteral("none");
        }
        const QImage shown = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QString nearest;
        long fewest = -1;
        for (const char* name : {"B1", "B2", "B3"}) {
            const QImage candidate = expectedPicture(name);
            long differing = 0;
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x) {
                    differing += shown.pixel(x, y) != candidate.pixel(x, y) ? 1 : 0;
                }
            }
            if (fewest < 0 || differing < fewest) {
                fewest = differing;
                nearest = QString::fromLatin1(name);
            }
        }
        // The pictures differ in hundreds of pixels or more; a match is a near match.
        return fewest < 200 ? nearest : QStringLiteral("unknown");
    }
    // The one message of the last action, with the page's caption.
    void expectMessage(const QString& message, const std::string& where) {
        ASSERT_EQ(desktop->shown.size(), 1u) << where;
        EXPECT_EQ(desktop->shown[0].title, "ERROR !!!") << where;
        EXPECT_EQ(desktop->shown[0].text, message) << where;
        desktop->shown.clear();
    }

    // D 100 mm, d 50 mm: A1 = 100^2 * 3.14 / 400 = 78.5 cm2, A2 = 7500 * 3.14 / 400 = 58.875 cm2.
    const Inputs pressureFlow{{"edHCPul", "100"},
                              {"edHCPiz", "0"},
                              {"edHCQ1", "50"},
                              {"edHCD1", "100"},
                              {"edHCD2", "50"}};
};

TEST_F(CylinderPageTest, StartsSingleActingWithPushLoadAndTheSliderEfficiency) {
    EXPECT_EQ(text("lblHCNi"), "0.99");
    EXPECT_EQ(slider("tbHCNi"), 99);
    EXPECT_EQ(direction(), "Load direction: Push");
    EXPECT_FALSE(window->shared().loadDirection);
    EXPECT_EQ(child<QComboBox>("ComboBox2")->currentIndex(), 0);
    EXPECT_FALSE(child<QComboBox>("ComboBox2")->isEditable());
    EXPECT_TRUE(child<QAction>("Potisnasila1")->isChecked());
    EXPECT_FALSE(child<QAction>("Vucnasila1")->isChecked());
    EXPECT_EQ(picture(), "B1");
    EXPECT_EQ(text("edHCPiz"), "0");
    for (const char* empty :
         {"edHCF", "edHCPul", "edHCQ1", "edHCQ2", "edHCD1", "edHCD2", "edHCv"}) {
        EXPECT_TRUE(text(empty).isEmpty()) << empty;
    }
    EXPECT_EQ(page()->selectedItem(), -1);
    const CylinderDefinition defined = page()->definition();
    EXPECT_EQ(defined.kind, CylinderKind::SingleActing);
    EXPECT_EQ(defined.direction, LoadDirection::Push);
    EXPECT_DOUBLE_EQ(defined.efficiency, 0.99);
    EXPECT_TRUE(desktop->shown.empty());
}

// The fields show the computed values, whatever the sliders can hold, each in
// the format its field gives a typed value.
TEST_F(CylinderPageTest, SingleActingPushShowsTheComputedValues) {
    selectMode(0);
    enter(pressureFlow);
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    // F = 0.99 * 100 bar * 78.5 cm2 / 100 = 77.715 kN; v = 50 / 78.5 / 6 = 0.10616 m/s;
    // Q2 = 50 * 58.875 / 78.5 = 37.5 l/min.
    EXPECT_EQ(text("edHCF"), "77.72");
    EXPECT_EQ(slider("tbHCSila"), 77715);
    EXPECT_EQ(text("edHCv"), "0.1062");
    EXPECT_EQ(slider("tbHCv"), 10);
    EXPECT_EQ(text("edHCQ2"), "37.50");
    EXPECT_EQ(slider("tbHCQ2"), 37);
    EXPECT_EQ(text("edHCQ1"), "50.00");
    EXPECT_EQ(text("edHCPul"), "100.00");
    // The slider stops at its minimum; the field keeps the value.
    EXPECT_EQ(text("edHCPiz"), "0.00");
    EXPECT_EQ(slider("tbHCPiz"), 1);
    EXPECT_EQ(text("edHCD1"), "100");
    EXPECT_EQ(text("edHCD2"), "50");
    EXPECT_TRUE(log().contains(" External force : 77.715  [kN]")) << log().toStdString();
    EXPECT_TRUE(log().contains("Outgoing flow  37.500  [l/min]"));
}

TEST_F(CylinderPageTest, APressureAbove250BarIsWarnedOfAsOnThePumpPage) {
    struct Case {
        int type;  // 0 single, 1 double action
        int mode;
        Inputs inputs;
        const char* warning;  // nullptr: none
    };
    // Piston 78.5 cm2, annulus 58.875 cm2, efficiency 0.99.
    const Case cases[] = {
        // p1 = 250 / 0.99 / 78.5 * 100 = 321.69 bar.
        {0,
         1,
         {{"edHCF", "250"}, {"edHCQ1", "50"}, {"edHCD1", "100"}, {"edHCD2", "50"}},
         "Warring, pressure higher  than 250 bar :: 321.69 bar"},
        {0, 1, {{"edHCF", "150"}}, nullptr},
        {0, 0, {{"edHCPul", "260"}}, "Warring, pressure higher  than 250 bar :: 260.00 bar"},
        {0, 0, {{"edHCPul", "250"}}, nullptr},
        // Through-rod: p1 = 250 / 0.99 / 58.875 * 100 = 428.92 bar.
        {1, 1, {{"edHCF", "250"}}, "Warring, pressure higher  than 250 bar :: 428.92 bar"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        desktop->shown.clear();
        selectType(c.type);
        selectMode(c.mode);
        enter(c.inputs);
        if (c.mode == 0) {
            enter({{"edHCQ1", "50"}, {"edHCD1", "100"}, {"edHCD2", "50"}});
        }
        calculate();
        if (c.warning == nullptr) {
            EXPECT_TRUE(desktop->shown.empty());
            continue;
        }
        ASSERT_EQ(desktop->shown.size(), 1u);
        EXPECT_EQ(desktop->shown[0].text, c.warning);
        EXPECT_EQ(desktop->shown[0].title, "CALCULATION ERROR");
    }
    EXPECT_EQ(field("edHCMountLength")->toolTip(),
              "between the mounting points, rod retracted; extended, the stroke is added");
}

TEST_F(CylinderPageTest, SingleActingPullAndForceGivenModes) {
    // Pull from the popup menu: the calculation follows it.
    child<QAction>("Vucnasila1")->trigger();
    selectMode(0);
    enter(pressureFlow);
    typeAndLeave("edHCPiz", "10");
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    // Oil on the annulus, back pressure on the piston:
    // F = 0.99 * (100 * 58.875 - 10 * 78.5) / 100 = 50.51475 kN; v = 50 / 58.875 / 6 = 0.14154;
    // Q2 = 50 * 78.5 / 58.875 = 200/3, rounded, not cut off at the field's edge.
    EXPECT_EQ(text("edHCF"), "50.51");
    EXPECT_EQ(slider("tbHCSila"), 50514);
    EXPECT_EQ(text("edHCv"), "0.1415");
    EXPECT_EQ(slider("tbHCv"), 14);
    EXPECT_EQ(text("edHCQ1"), "50.00");
    EXPECT_EQ(text("edHCQ2"), "66.67");
    EXPECT_EQ(slider("tbHCQ2"), 66);
    EXPECT_EQ(text("edHCPiz"), "10.00");

    // Push, force and speed given: p1 = (50 * 100 / 0.99 + 10 * 58.875) / 78.5 = 71.83764 bar,
    // Q1 = 0.1 * 78.5 * 6 = 47.1, Q2 = 0.1 * 58.875 * 6 = 35.325.
    child<QComboBox>("ComboBox2")->setCurrentIndex(0);
    selectMode(3);
    enter({{"edHCF", "50"}, {"edHCv", "0.1"}});
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_EQ(text("edHCPul"), "71.84");
    EXPECT_EQ(slider("tbHCPul"), 71);
    EXPECT_EQ(text("edHCQ1"), "47.10");
    EXPECT_EQ(text("edHCQ2"), "35.33");
    EXPECT_EQ(text("edHCF"), "50.00");
    EXPECT_EQ(text("edHCv"), "0.1000");
}

TEST_F(CylinderPageTest, DoubleActingUsesTheAnnulusOnBothSides) {
    selectType(1);
    selectMode(0);
    enter(pressureFlow);
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    // A = 58.875 cm2: F = 0.99 * 100 * 58.875 / 100 = 58.28625 kN, v = 50 / 58.875 / 6.
    EXPECT_EQ(text("edHCF"), "58.29");
    EXPECT_EQ(slider("tbHCSila"), 58286);
    EXPECT_EQ(text("edHCv"), "0.1415");
    EXPECT_EQ(slider("tbHCv"), 14);
    EXPECT_EQ(text("edHCQ1"), "50.00");
    EXPECT_EQ(text("edHCQ2"), "50.00");
    EXPECT_EQ(slider("tbHCQ2"), 50);
    EXPECT_TRUE(log().contains(" External Force :  58.286 kN")) << log().toStdString();

    // Force given: p1 = 50 * 100 / (0.99 * 58.875) + 5 = 90.78353 bar.
    selectMode(1);
    enter({{"edHCF", "50"}, {"edHCPiz", "5"}});
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_EQ(text("edHCPul"), "90.78");
    EXPECT_EQ(slider("tbHCPul"), 90);
    EXPECT_EQ(text("edHCF"), "50.00");
}

// Both cylinder kinds refuse the same inputs, with the same messages.
TEST_F(CylinderPageTest, InvalidInputsAreRefusedOnBothPaths) {
    const QString data = QStringLiteral("DATA INPUT IS NOT VALID");
    const QString pressure = QStringLiteral("PRESSURE INPUT IS NOT VALID");
    const QString diameters = QStringLiteral("PISTON OR PISTON ROD DIAMETAR ARE NOT VALID  ");
    enter(pressureFlow);
    for (int type : {0, 1}) {
        const std::string where = type == 0 ? "single action" : "double action";
        const QString logBefore = log();
        selectType(type);
        if (type == 0) {
            // No mode chosen yet (a radio group cannot go back to none).
            calculate();
            expectMessage(data, where + ", no mode");
            selectType(1);
            calculate();
            expectMessage(data, "double action, no mode");
            selectType(0);
        }
        selectMode(0);
        enter({{"edHCQ1", "0"}});
        calculate();
        expectMessage(data, where + ", zero flow");
        child<QLineEdit>("edHCQ1")->clear();
        calculate();
        expectMessage(data, where + ", empty flow");

        enter({{"edHCQ1", "50"}, {"edHCPul", "10"}, {"edHCPiz", "10"}});
        calculate();
        expectMessage(pressure, where + ", p1 = p2");
        enter({{"edHCPul", "100"}, {"edHCD1", "50"}, {"edHCD2", "50"}});
        calculate();
        expectMessage(diameters, where + ", D = d");
        enter({{"edHCD2", "60"}});
        calculate();
        expectMessage(diameters, where + ", D < d");
        // Nothing was computed.
        EXPECT_TRUE(text("edHCF").isEmpty()) << where;
        EXPECT_EQ(log(), logBefore) << where;

        // With the force given, the inlet pressure is a result: p1 = p2 is no fault.
        selectMode(1);
        enter({{"edHCF", "10"}, {"edHCD1", "100"}, {"edHCD2", "50"}, {"edHCPul", "10"}});
        calculate();
        EXPECT_TRUE(desktop->shown.empty()) << where;
        EXPECT_GT(number("edHCPul"), 10.0) << where;
        child<QLineEdit>("edHCF")->clear();
    }
}

TEST_F(CylinderPageTest, EfficiencyComesFromItsSlider) {
    child<QSlider>("tbHCNi")->setValue(100);
    EXPECT_EQ(text("lblHCNi"), "1.00");
    EXPECT_DOUBLE_EQ(page()->definition().efficiency, 1.0);
    child<QSlider>("tbHCNi")->setValue(10);
    EXPECT_EQ(slider("tbHCNi"), 95);
    EXPECT_EQ(text("lblHCNi"), "0.95");

    child<QSlider>("tbHCNi")->setValue(100);
    selectMode(0);
    enter(pressureFlow);
    calculate();
    // Lossless: F = 100 bar * 78.5 cm2 / 100.
    EXPECT_EQ(text("edHCF"), "78.50");
    EXPECT_EQ(slider("tbHCSila"), 78500);

    // The label's text is checked all the same.
    for (const char* wrong : {"1.5", "0"}) {
        child<QLabel>("lblHCNi")->setText(QString::fromLatin1(wrong));
        calculate();
        expectMessage(QStringLiteral("DATA INPUT IS NOT VALID"), wrong);
    }
}

TEST_F(CylinderPageTest, LoadDirectionIsOneStateForComboMenuCaptionAndPicture) {
    auto* combo = child<QComboBox>("ComboBox2");
    auto* push = child<QAction>("Potisnasila1");
    auto* pull = child<QAction>("Vucnasila1");
    const auto expectPull = [&](bool pulling, const char* caption, const char* shownPicture) {
        EXPECT_EQ(direction(), caption);
        EXPECT_EQ(combo->currentIndex(), pulling ? 1 : 0);
        EXPECT_EQ(pull->isChecked(), pulling);
        EXPECT_EQ(push->isChecked(), !pulling);
        EXPECT_EQ(window->shared().loadDirection, pulling);
        EXPECT_EQ(page()->definition().direction == LoadDirection::Pull, pulling);
        EXPECT_EQ(picture(), shownPicture) << caption;
    };
    combo->setCurrentIndex(1);
    expectPull(true, "Load direction: Pull", "B2");
    combo->setCurrentIndex(0);
    expectPull(false, "Load direction : Push", "B1");
    pull->trigger();
    expectPull(true, "Load direction : Pull", "B2");
    push->trigger();
    expectPull(false, "Load direction : Push", "B1");

    // The through-rod cylinder has one picture whatever the load.
    selectType(1);
    EXPECT_EQ(picture(), "B3");
    EXPECT_EQ(page()->definition().kind, CylinderKind::DoubleActing);
    pull->trigger();
    EXPECT_EQ(picture(), "B3");
    EXPECT_EQ(page()->definition().direction, LoadDirection::Pull);
    selectType(0);
    EXPECT_EQ(picture(), "B2");

    // A right click on the cylinder type opens the load menu.
    auto* types = child<QGroupBox>("RadioGroup3");
    const QPoint at(10, 10);
    QContextMenuEvent click(QContextMenuEvent::Mouse, at, types->mapToGlobal(at));
    QApplication::sendEvent(types, &click);
    auto* menu = child<QMenu>("PopupMenu1");
    EXPECT_TRUE(menu->isVisible());
    menu->close();
}

TEST_F(CylinderPageTest, DoubleClickOnInletFlowTakesThePumpFlow) {
    showPage("tsPumpa");
    typeAndLeave("edQ", "42");
    const QString pumpFlow = text("edQ");
    showPage("tsHidrocilinder");
    QTest::mouseDClick(child<QLineEdit>("edHCQ1"), Qt::LeftButton);
    EXPECT_EQ(text("edHCQ1"), pumpFlow);
    EXPECT_EQ(pumpFlow.toDouble(), 42.0);
    EXPECT_EQ(slider("tbHCQ1"), 1);

    // No pump flow: nothing happens.
    showPage("tsPumpa");
    typeAndLeave("edQ", "0");
    showPage("tsHidrocilinder");
    typeAndLeave("edHCQ1", "7");
    QTest::mouseDClick(child<QLineEdit>("edHCQ1"), Qt::LeftButton);
    EXPECT_EQ(text("edHCQ1"), "7.00");
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(CylinderPageTest, ResetPutsThePairsAtTheirMinimaAndKeepsTheChoices) {
    child<QComboBox>("ComboBox2")->setCurrentIndex(1);
    child<QSlider>("tbHCNi")->setValue(97);
    selectMode(0);
    enter(pressureFlow);
    calculate();
    // F = 0.97 * 100 * 58.875 / 100 = 57.10875 kN.
    ASSERT_EQ(text("edHCF"), "57.11");
    QTest::mouseClick(child<QPushButton>("BitBtn4"), Qt::LeftButton);
    // Force and inlet pressure get their text first: the slider that moves
    // back rewrites its field in the slider's format.
    EXPECT_EQ(text("edHCF"), "0.00");
    EXPECT_EQ(slider("tbHCSila"), 0);
    EXPECT_EQ(text("edHCPul"), "1.0");
    EXPECT_EQ(slider("tbHCPul"), 1);
    for (const char* one : {"edHCPiz", "edHCQ1", "edHCQ2", "edHCD1", "edHCD2"}) {
        EXPECT_EQ(text(one), "1") << one;
    }
    EXPECT_EQ(text("edHCv"), "0");
    EXPECT_EQ(slider("tbHCD1"), 1);
    EXPECT_EQ(fieldColour(field("edHCPul")), windowColour());
    EXPECT_EQ(text("lblHCNi"), "0.97");
    EXPECT_EQ(direction(), "Load direction: Pull");
    EXPECT_EQ(page()->selectedItem(), 0);
}

TEST_F(CylinderPageTest, ChosenModeMarksItsFourFields) {
    selectMode(2);
    for (const char* known : {"edHCPul", "edHCv", "edHCD1", "edHCD2"}) {
        EXPECT_EQ(fieldColour(field(known)), QColor(0, 255, 0)) << known;
    }
    for (const char* other : {"edHCF", "edHCQ1", "edHCQ2", "edHCPiz"}) {
        EXPECT_EQ(fieldColour(field(other)), windowColour()) << other;
    }
    selectMode(1);
    EXPECT_EQ(fieldColour(field("edHCF")), QColor(0, 255, 0));
    EXPECT_EQ(fieldColour(field("edHCv")), windowColour());
}

TEST_F(CylinderPageTest, LoggingFollowsTheOption) {
    child<QCheckBox>("chBelezi")->setChecked(false);
    selectMode(0);
    enter(pressureFlow);
    calculate();
    EXPECT_EQ(text("edHCQ2"), "37.50");
    EXPECT_TRUE(log().isEmpty());
    child<QCheckBox>("chBelezi")->setChecked(true);
    calculate();
    EXPECT_TRUE(
        log().startsWith(" Working fluid: user defined, 840 kg/m3, 12 mm2/s\n"
                         " ----------- Single action cylinder calculaton -------------- "));
    EXPECT_EQ(log().count(QStringLiteral("calculaton")), 1);
}

TEST_F(CylinderPageTest, DiameterFieldsTakeWholeNumbers) {
    typeAndLeave("edHCD1", "120");
    EXPECT_EQ(text("edHCD1"), "120");
    EXPECT_EQ(slider("tbHCD1"), 120);
    // The point is refused at the key, with a word, not dropped in silence.
    typeAndLeave("edHCD1", "12.5");
    EXPECT_EQ(QToolTip::text(), "Digits only: this quantity is a positive whole number");
    EXPECT_EQ(text("edHCD1"), "125");
    EXPECT_EQ(slider("tbHCD1"), 125);
    // Beyond the slider: the slider stops, the field keeps the number.
    typeAndLeave("edHCD2", "400");
    EXPECT_EQ(text("edHCD2"), "400");
    EXPECT_EQ(slider("tbHCD2"), 299);
    EXPECT_EQ(page()->definition().pistonDiameter, 125.0);
    EXPECT_EQ(page()->definition().rodDiameter, 400.0);
}

TEST_F(CylinderPageTest, StrokeAndBucklingOfAHundredByFiftyCylinder) {
    // Rear eye and rod eye, 1000 mm between them retracted, 500 mm stroke,
    // pushed with 150 kN: L_K 1500 mm, lambda 120, Euler 282.61 kN / 3.5.
    EXPECT_EQ(child<QComboBox>("cbHCMounting")->count(), 4);
    EXPECT_EQ(child<QComboBox>("cbHCMounting")->currentIndex(), 1);
    EXPECT_EQ(text("edHCSafety"), "3.50");
    selectMode(1);
    enter({{"edHCF", "150"},
           {"edHCQ1", "50"},
           {"edHCD1", "100"},
           {"edHCD2", "50"},
           {"edHCStroke", "500"},
           {"edHCMountLength", "1000"}});
    calculate();
    ASSERT_TRUE(desktop->shown.empty());
    const std::pair<const char*, const char*> shown[] = {
        {"lblHCExtendTime", "4.71"},
        {"lblHCExtendVolume", "3.925"},
        {"lblHCRetractTime", "3.53"},
        {"lblHCRetractVolume", "2.944"},
        {"lblHCRegenSpeed", "0.4246"},
        {"lblHCBucklingLength", "1500"},
        {"lblHCSlenderness", "120.0"},
        {"lblHCPermissibleForce", "80.75"},
        {"lblHCBucklingVerdict", "rod may buckle: permissible 80.75 kN, load 150.00 kN"},
    };
    for (const auto& [name, expected] : shown) {
        EXPECT_EQ(child<QLabel>(name)->text(), expected) << name;
    }
    // The design's lines follow the cylinder's report.
    EXPECT_TRUE(log().endsWith(" rod may buckle: permissible 80.75 kN, load 150.00 kN\n") ||
                log().endsWith(" rod may buckle: permissible 80.75 kN, load 150.00 kN"))
        << log().right(200).toStdString();
    EXPECT_LT(log().indexOf(QStringLiteral("cylinder")), log().indexOf("Stroke and buckling"));

    // A pull load stretches the rod.
    child<QComboBox>("ComboBox2")->setCurrentIndex(1);
    calculate();
    EXPECT_EQ(child<QLabel>("lblHCBucklingVerdict")->text(),
              "pull load: the rod is not pushed and does not buckle");

    // On the annulus 150 kN need 257 bar: warned of.
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "CALCULATION ERROR");
    desktop->shown.clear();

    // An unusable stroke is said, and nothing is computed.
    const QString before = log();
    typeAndLeave("edHCStroke", "0");
    calculate();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text, "Stroke must be greater than 0 mm");
    EXPECT_EQ(desktop->shown[0].title, "Stroke and buckling");
    EXPECT_EQ(log(), before);
}

}  // namespace
