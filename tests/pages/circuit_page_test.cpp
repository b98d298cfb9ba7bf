#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTextEdit>
#include <cmath>
#include <functional>
#include <map>

#include "pages/CircuitPage.h"
#include "pages/CircuitSketch.h"
#include "pages/Funkcije.h"
#include "tests/support/MainWindowFixture.h"
#include "ui/Diagram.h"

namespace {

// The circuit page with its sources played by the test, so it does not
// depend on the other calculator pages.
class CircuitPageTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        useTestSources();
    }

    void useTestSources() {
        page = replacePage(new CircuitPage(
            *window, {[this] { return pump; }, [this] { return pumpFlow; }, [this] { return line; },
                      [this] { return valve; }, [this] { return cylinder; }}));
        showPage("tbProst");
    }

    void doubleClick(const char* name) { QTest::mouseDClick(field(name), Qt::LeftButton); }
    void calculate() { click("btnNovProst"); }
    void selectBlocking(int item) {
        // On the indicator: the button's box is wider than what it reacts to.
        QRadioButton* button =
            child<QGroupBox>("rgBlockSys")->findChildren<QRadioButton*>().at(item);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
        ASSERT_TRUE(button->isChecked());
    }
    void setThrottle(bool on) { child<QCheckBox>("cbPrigusnica")->setChecked(on); }
    QString tip(const char* name) { return child<QWidget>(name)->toolTip(); }
    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }
    QStringList items(const char* name) {
        QStringList texts;
        for (int row = 0; row < child<QListWidget>(name)->count(); ++row) {
            texts << child<QListWidget>(name)->item(row)->text();
        }
        return texts;
    }
    // The numbers of the report lines that match, in log order.
    std::vector<double> reported(const QString& pattern) {
        std::vector<double> values;
        auto matches = QRegularExpression(pattern).globalMatch(log());
        while (matches.hasNext()) {
            values.push_back(matches.next().captured(1).toDouble());
        }
        return values;
    }

    // The whole working order: both lines, the directional valve, the
    // blocking valve and the throttle as asked.
    void takeOverAll(int blocking = 0, bool throttle = false) {
        pumpFlow = 32.0;
        doubleClick("edQ_prost");
        line = LineTakeOver{1.50, 16.0, 2.5, 0};
        doubleClick("edDpPog");
        line = LineTakeOver{0.80, 25.0, 3.0, 2};
        doubleClick("edDpPov");
        valve = ValveTakeOver{1.20, QStringLiteral("WE 6"), 0.5, 0.001};
        doubleClick("edDp");
        if (blocking > 0) {
            selectBlocking(blocking);
            valve = ValveTakeOver{1.00, QStringLiteral("RV 10"), 1.0, 0.0005};
            doubleClick("edDpProstBlok");
        }
        if (throttle) {
            setThrottle(true);
            valve = ValveTakeOver{2.00, QStringLiteral("DRV 8"), 2.0, 0.0};
            doubleClick("edDpPrig");
        }
    }

    CircuitPage* page = nullptr;
    PumpInputs pump{10.0, 100.0, 50.0, 1.0, 1.0};
    std::optional<double> pumpFlow = 32.0;
    std::optional<LineTakeOver> line;
    std::optional<ValveTakeOver> valve;
    CylinderDefinition cylinder{CylinderKind::SingleActing, 50.0, 30.0, 1.0, LoadDirection::Push};
};

// ---- Take-overs, options and information labels ----

TEST_F(CircuitPageTest, DoubleClicksTakeEachComponentOverIntoFieldAndSlot) {
    // Before a line is calculated there is nothing to take over.
    doubleClick("edDpPog");
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text,
              "Calculate a line on the line page first, then take it over.");
    EXPECT_TRUE(tip("Label52").isEmpty());
    desktop->shown.clear();
    EXPECT_EQ(child<QLabel>("Label49")->text(), "Pumpa mora biti definisana !");
    EXPECT_TRUE(
        tip("edDpPog").startsWith("Dupli klik za prihvatanje podataka zadnjeg izracunatog\n"));
    // The drops are read-only, look it, and say how they are filled.
    for (const char* name : {"edDpPog", "edDp", "edDpProstBlok", "edDpPrig", "edDpPov"}) {
        EXPECT_TRUE(child<QLineEdit>(name)->isReadOnly()) << name;
        EXPECT_EQ(child<QLineEdit>(name)->palette().color(QPalette::Base),
                  child<QLineEdit>(name)->palette().color(QPalette::Window))
            << name;
        EXPECT_TRUE(tip(name).contains("double-click it, or use its context menu")) << name;
    }
    takeOverAll(1, true);
    // Numbers taken over are shown as the pages they come from show them.
    EXPECT_EQ(text("edQ_prost"), "32.00");
    EXPECT_EQ(text("edDpPog"), "1.50");
    EXPECT_EQ(tip("Label52"), "16.00|2.5");
    EXPECT_EQ(text("edDpPov"), "0.80");
    EXPECT_EQ(tip("Label53"), "25.00|3.0");
    // Each line keeps its own tube type.
    EXPECT_EQ(page->operationTubeType(), 0);
    EXPECT_EQ(page->returnTubeType(), 2);
    EXPECT_EQ(text("edDp"), "1.20");
    EXPECT_EQ(tip("Label54"), "WE 6|0.5%0.001");
    EXPECT_EQ(text("edDpProstBlok"), "1.00");
    EXPECT_EQ(tip("rgBlockSys"), "RV 10|1%0.0005");
    EXPECT_EQ(text("edDpPrig"), "2.00");
    EXPECT_EQ(tip("cbPrigusnica"), "DRV 8|2%0");
    EXPECT_EQ(page->operationLineDrop(), 1.5);
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(CircuitPageTest, ThePageTellsHowItIsBuiltAndShowsTheCylinderItComputed) {
    EXPECT_EQ(child<QLabel>("lblHint")->text(),
              "Double-click a field to take over the component last calculated on its page");
    EXPECT_FALSE(child<QLabel>("Label49")->isHidden());
    EXPECT_EQ(child<QLabel>("lblProstForce")->text(), "\u2014");
    takeOverAll();
    EXPECT_TRUE(child<QLabel>("Label49")->isHidden());

    // Every take-over field has a menu: take over from its page, or clear.
    const QList<QAction*> actions = child<QMenu>("mnuedDpPog")->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), "Take over from Pipe pressure drop");
    EXPECT_EQ(child<QMenu>("mnuedDp")->actions()[0]->text(), "Take over from Valve pressure drop");
    actions[1]->trigger();
    EXPECT_TRUE(text("edDpPog").isEmpty());
    EXPECT_TRUE(tip("Label52").isEmpty());
    line = LineTakeOver{1.50, 16.0, 2.5, 0};
    actions[0]->trigger();
    EXPECT_EQ(tip("Label52"), "16.00|2.5");

    calculate();
    ASSERT_TRUE(desktop->shown.empty());
    // 32 l/min on a 50 mm piston (3.14 for pi): v = Q / (6 A1) = 32 / (6 x 19.625) m/s.
    EXPECT_EQ(child<QLabel>("lblProstSpeed")->text(), "0.2718");
    // The pressure left after the supply drops, the force against the return drop.
    const double p1 = child<QLabel>("lblProstPressure")->text().toDouble();
    const double p2 = text("edDpPov").toDouble();
    EXPECT_NEAR(p1, 100.0 - text("edDpPog").toDouble() - text("edDp").toDouble(), 0.011);
    EXPECT_NEAR(child<QLabel>("lblProstForce")->text().toDouble(),
                (p1 * 19.625 - p2 * (19.625 - 7.065)) / 100.0, 0.01);

    // A pump too weak for its drops: said, and no negative figure shown.
    pump.pressure = 1.0;
    calculate();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_NE(desktop->shown[0].text.indexOf("cannot move the load"), -1);
    EXPECT_EQ(child<QLabel>("lblProstPressure")->text(), "\u2014");
    EXPECT_NE(log().indexOf("The cylinder cannot move the load."), -1);
    click("BitBtn9");
    EXPECT_FALSE(child<QLabel>("Label49")->isHidden());
}

TEST_F(CircuitPageTest, OptionsEnableTheirFieldsAndTheBlockingSystemTakesThePumpFlow) {
    EXPECT_FALSE(field("edDpProstBlok")->isEnabled());
    EXPECT_FALSE(field("edDpPrig")->isEnabled());
    pumpFlow = 41.5;
    selectBlocking(2);
    EXPECT_TRUE(field("edDpProstBlok")->isEnabled());
    EXPECT_EQ(text("edQ_prost"), "41.50");
    selectBlocking(0);
    EXPECT_FALSE(field("edDpProstBlok")->isEnabled());
    setThrottle(true);
    EXPECT_TRUE(field("edDpPrig")->isEnabled());

    // The pump page's flow field is mirrored, through the window's wiring,
    // into the window's own circuit page.
    showPage("tsPumpa");
    typeAndLeave("edQ", "45");
    EXPECT_EQ(fieldText(replaced.back()->findChild<QWidget*>("edQ_prost")), "45.00");
}

TEST_F(CircuitPageTest, BlockingTakeOverWithoutABlockingValveFillsOnlyTheField) {
    valve = ValveTakeOver{0.40, QStringLiteral("RV"), 1.0, 0.0};
    page->edDpProstBlokDblClick();
    EXPECT_EQ(text("edDpProstBlok"), "0.40");
    EXPECT_TRUE(tip("rgBlockSys").isEmpty());
}

TEST_F(CircuitPageTest, ValveTakeOverWithoutACalculatedValveSaysSoAndChangesNothing) {
    takeOverAll(1, true);
    valve.reset();
    for (const char* name : {"edDp", "edDpProstBlok", "edDpPrig"}) {
        desktop->shown.clear();
        const QString before = text(name);
        doubleClick(name);
        ASSERT_EQ(desktop->shown.size(), 1u) << name;
        EXPECT_EQ(desktop->shown[0].title, "Simple pipeline");
        EXPECT_EQ(desktop->shown[0].text,
                  "Calculate a valve on the valve page first, then take it over.");
        EXPECT_EQ(text(name), before);
    }
    EXPECT_EQ(tip("Label54"), "WE 6|0.5%0.001");
    EXPECT_EQ(tip("rgBlockSys"), "RV 10|1%0.0005");
    EXPECT_EQ(tip("cbPrigusnica"), "DRV 8|2%0");
}

TEST_F(CircuitPageTest, InformationLabelsListTheComponentsData) {
    takeOverAll();
    const QString title = window->windowTitle();
    click("Label52");
    // The line's figures as given, not in a field's format.
    EXPECT_EQ(items("lbHc"), (QStringList{"16", "2.5"}));
    click("Label53");
    EXPECT_EQ(items("lbHc").size(), 2);
    // The slots show on the page, the title stays the program's.
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(items("lsKomponente").mid(items("lsKomponente").size() - 2),
              (QStringList{"Operational line: 16.00|2.5", "Return line: 25.00|3.0"}));
    click("Label56");
    EXPECT_EQ(items("lbHc"),
              (QStringList{"16", "2.5", "Single action HC ", "D1= 50 mm", "D2= 30 mm"}));
    cylinder.kind = CylinderKind::DoubleActing;
    click("Label56");
    EXPECT_EQ(items("lbHc").at(5), "Double action HC");

    QSignalSpy valveCalculation(page, &CircuitPage::valveCalculationRequested);
    click("Label51");
    EXPECT_EQ(valveCalculation.count(), 1);
}

TEST_F(CircuitPageTest, ResetEmptiesSlotsFieldsAndTheList) {
    takeOverAll(1, true);
    click("Label56");
    click("BitBtn9");
    for (const char* name :
         {"edQ_prost", "edDp", "edDpProstBlok", "edDpPrig", "edDpPog", "edDpPov"}) {
        EXPECT_TRUE(text(name).isEmpty()) << name;
    }
    for (const char* name : {"Label52", "Label53", "Label54", "rgBlockSys", "cbPrigusnica"}) {
        EXPECT_TRUE(tip(name).isEmpty()) << name;
    }
    EXPECT_TRUE(items("lbHc").isEmpty());
    EXPECT_EQ(page->returnTubeType(), 0);
    // Nothing is calculated until everything is taken over again.
    pumpFlow = 32.0;
    doubleClick("edQ_prost");
    calculate();
    EXPECT_TRUE(log().isEmpty());
    EXPECT_EQ(desktop->shown.size(), 1u);
}

// ---- The calculation ----

TEST_F(CircuitPageTest, CalculationAppendsTheChainsReportInFlowOrder) {
    window->appendToLog({"an earlier report"});
    takeOverAll(1, true);
    calculate();
    ASSERT_TRUE(desktop->shown.empty()) << desktop->shown[0].text.toStdString();
    const QString text = log();
    // The log keeps what it held (its fluid named before it); the report
    // follows with its heading.
    const QString earlier =
        " Working fluid: user defined, 840 kg/m3, 12 mm2/s\nan earlier report\n";
    EXPECT_TRUE(text.startsWith(earlier)) << text.toStdString();
    EXPECT_TRUE(
        text.contains("\n ----------- SIMPLE PIPELINE CALCULATION --------------- \n\n "
                      "---------   PUMP CALCULATION"));
    const QStringList headings = {"PUMP CALCULATION",          "Single pipe pressure drop",
                                  "VALVE CALCULATION",         "VALVE CALCULATION",
                                  "Single pipe pressure drop", "VALVE CALCULATION",
                                  "Single action cylinder"};
    qsizetype at = 0;
    for (const QString& heading : headings) {
        const qsizetype found = text.indexOf(heading, at);
        ASSERT_GE(found, 0) << heading.toStdString() << " after " << at;
        at = found + heading.size();
    }
    EXPECT_EQ(text.indexOf("VALVE CALCULATION", at), -1);
    // The valves in flow order, with their own names.
    EXPECT_LT(text.indexOf("Valve type: WE 6"), text.indexOf("Valve type: RV 10"));
    EXPECT_LT(text.indexOf("Valve type: RV 10"), text.indexOf("Valve type: DRV 8"));

    // The throttle's constant 2 bar lies on top of the return line's drop.
    const auto lineDrops = reported(QStringLiteral("Pressure drop dP=  ([0-9.]+) \\[bar\\]"));
    const auto back = reported(QStringLiteral("Outgoing pressure  ([0-9.]+)  \\[bar\\]"));
    ASSERT_EQ(lineDrops.size(), 2u);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_GT(lineDrops[1], 0.0);
    EXPECT_NEAR(back[0], lineDrops[1] + 2.0, 0.006);

    // A second calculation adds its report; the first stays.
    calculate();
    EXPECT_EQ(log().count("SIMPLE PIPELINE CALCULATION"), 2);
    EXPECT_TRUE(log().startsWith(earlier));
}

TEST_F(CircuitPageTest, ReturnFlowFollowsTheCylindersOneLoadDirection) {
    struct Case {
        bool doubleActing;
        bool pull;
        double returnFlow;  // l/min, from Q = 32, D1 = 50, D2 = 30
    };
    // Pushing, the annulus returns; pulling, the piston side does.
    for (const Case& c :
         {Case{false, false, 20.48}, Case{false, true, 50.0}, Case{true, false, 32.0}}) {
        child<QTextEdit>("RichEdit1")->clear();
        cylinder.kind = c.doubleActing ? CylinderKind::DoubleActing : CylinderKind::SingleActing;
        cylinder.direction = c.pull ? LoadDirection::Pull : LoadDirection::Push;
        takeOverAll();
        calculate();
        ASSERT_TRUE(desktop->shown.empty());
        // The return line (25 mm) carries the return flow: v = 400 Q / (6 pi d^2).
        const auto speeds = reported(QStringLiteral("v =  ([0-9.]+) \\[m/s\\]"));
        ASSERT_EQ(speeds.size(), 2u);
        EXPECT_NEAR(speeds[1], 400.0 * c.returnFlow / (6.0 * 3.14 * 25.0 * 25.0), 0.0006)
            << c.doubleActing << c.pull;
        if (!c.doubleActing) {
            // The cylinder pushes or pulls as the return line was calculated.
            const auto outgoing = reported(QStringLiteral("Outgoing flow  ([0-9.]+)"));
            ASSERT_EQ(outgoing.size(), 1u);
            EXPECT_NEAR(outgoing[0], c.returnFlow, 0.0006);
        }
    }
}

TEST_F(CircuitPageTest, UnsoundInputsAreRefusedWithTheirMessageAndKeepLogAndDiagram) {
    takeOverAll();
    calculate();
    ASSERT_TRUE(page->characteristic().has_value());
    const QString before = log();
    const QImage diagram = child<QWidget>("PaintBox3")->grab().toImage();

    struct Case {
        const char* flow;
        double pistonDiameter;
        double rodDiameter;
        const char* start;  // the message's beginning
    };
    for (const Case& c :
         {Case{"0", 50, 30, "Supply flow Q must be greater than 0"},
          Case{"32", 30, 30, "Piston diameter D1 must be greater than the rod"},
          Case{"32", 25, 30, "Piston diameter D1 must be greater than the rod"},
          Case{"32", 50, 0, "Rod diameter D2 must be greater than 0"},
          Case{".", 50, 30, "Supply flow Q [l/min]: \".\" is not a number (allowed"},
          Case{"99999", 50, 30, "Supply flow Q must lie between 0.1 and 10000"}}) {
        desktop->shown.clear();
        setFieldText(field("edQ_prost"), QString::fromLatin1(c.flow));
        cylinder.pistonDiameter = c.pistonDiameter;
        cylinder.rodDiameter = c.rodDiameter;
        calculate();
        ASSERT_EQ(desktop->shown.size(), 1u) << c.flow << " " << c.pistonDiameter;
        EXPECT_EQ(desktop->shown[0].title, "Simple pipeline");
        EXPECT_TRUE(desktop->shown[0].text.startsWith(QString::fromLatin1(c.start)))
            << desktop->shown[0].text.toStdString();
        EXPECT_EQ(log(), before);
        EXPECT_EQ(child<QWidget>("PaintBox3")->grab().toImage(), diagram);
    }
}

TEST_F(CircuitPageTest, MissingComponentsAreListedWithTheirPages) {
    struct Case {
        std::function<void()> spoil;
        QStringList missing;  // the lines of the message after its first
    };
    const QString pipe =
        "calculate it on the \"Pipe pressure drop\" page, then double-click its "
        "field here";
    const QString valvePage =
        "calculate it on the \"Valve pressure drop\" page, then "
        "double-click its field here";
    const Case cases[] = {
        {[this] { setFieldText(field("edQ_prost"), {}); },
         {"- the pump flow: calculate it on the \"Pump\" page, then double-click its field here"}},
        {[this] { setFieldText(field("edDpPov"), {}); }, {"- the return line: " + pipe}},
        {[this] { setFieldText(field("edDpPrig"), {}); }, {"- the throttle: " + valvePage}},
        {[this] { page->clearSlot(CircuitSlot::ReturnLine); }, {"- the return line: " + pipe}},
        {[this] { page->clearSlot(CircuitSlot::BlockingValve); },
         {"- the blocking valve: " + valvePage}},
        {[this] {
             page->clearSlot(CircuitSlot::Throttle);
             page->clearSlot(CircuitSlot::OperationLine);
             setFieldText(field("edDp"), {});
         },
         {"- the operational line: " + pipe, "- the directional control valve: " + valvePage,
          "- the throttle: " + valvePage}},
        {[this] { cylinder.rodDiameter.reset(); },
         {"- the cylinder's piston and rod diameters: give them on the \"Hydro Cylinder\" "
          "page"}},
        // Without the throttle its drop is not needed; the blocking field never is.
        {[this] {
             setThrottle(false);
             setFieldText(field("edDpPrig"), {});
             setFieldText(field("edDpProstBlok"), {});
         },
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing.join(' ').toStdString());
        child<QTextEdit>("RichEdit1")->clear();
        click("BitBtn9");
        takeOverAll(1, true);
        cylinder.rodDiameter = 30.0;
        c.spoil();
        desktop->shown.clear();
        calculate();
        if (c.missing.isEmpty()) {
            EXPECT_FALSE(log().isEmpty());
            EXPECT_TRUE(desktop->shown.empty());
            // The definition list shows the cylinder the circuit used.
            EXPECT_EQ(items("lbHc"), (QStringList{"Single action HC ", "D1= 50 mm", "D2= 30 mm"}));
            continue;
        }
        EXPECT_TRUE(log().isEmpty());
        ASSERT_EQ(desktop->shown.size(), 1u);
        EXPECT_EQ(desktop->shown[0].title, "Simple pipeline");
        QStringList lines = desktop->shown[0].text.split('\n');
        EXPECT_EQ(lines.takeFirst(), "The circuit is not complete yet. Still to be taken over:");
        EXPECT_EQ(lines, c.missing);
    }
}

// ---- Sketch and characteristic ----

TEST_F(CircuitPageTest, SketchListsTheComponentsOfTheChosenOptions) {
    EXPECT_EQ(items("lsKomponente"),
              (QStringList{"Pump", "Operation line", "Directional control valve", "Hydro Cylinder",
                           "Return line", " Supply tank"}));
    selectBlocking(1);
    setThrottle(true);
    click("Button1");
    EXPECT_EQ(items("lsKomponente"),
              (QStringList{"Pump", "Operation line", "Directional control valve", "Check valve",
                           "Throttle valve", "Hydro Cylinder", "Return line", " Supply tank"}));
    selectBlocking(2);
    EXPECT_EQ(items("lsKomponente").at(3), "Double Check valve");

    using namespace SketchPicture;
    auto cells = [](const SketchLayout& layout, int row) {
        std::map<int, int> byColumn;
        for (const SketchCell& cell : layout.cells) {
            if (cell.row == row) {
                byColumn[cell.column] = cell.picture;
            }
        }
        return byColumn;
    };
    const SketchLayout plain = sketchLayout(0, false);
    EXPECT_EQ(cells(plain, 0),
              (std::map<int, int>{{0, Pump}, {1, Line}, {2, DirectionalValve}, {3, Cylinder}}));
    EXPECT_EQ(cells(plain, 1), (std::map<int, int>{{0, Tank}, {1, Line}}));
    const SketchLayout full = sketchLayout(1, true);
    EXPECT_EQ(cells(full, 0), (std::map<int, int>{{0, Pump},
                                                  {1, Line},
                                                  {2, DirectionalValve},
                                                  {3, CheckValve},
                                                  {4, Line},
                                                  {5, Cylinder}}));
    EXPECT_EQ(cells(full, 1),
              (std::map<int, int>{{0, Tank}, {1, Line}, {3, CheckValve}, {4, Throttle}}));
}

TEST_F(CircuitPageTest, SketchButtonNamesTheComponentsBesideTheirSymbols) {
    // Each named cell stands for the component of its name in the list.
    const SketchLayout full = sketchLayout(1, true);
    std::map<QString, QString> named;
    for (const SketchCell& cell : full.cells) {
        if (cell.component >= 0) {
            named[QString::fromLatin1(cell.shortName)] = full.components.at(cell.component);
        }
    }
    EXPECT_EQ(named, (std::map<QString, QString>{{"Pump", "Pump"},
                                                 {"Line", "Operation line"},
                                                 {"DCV", "Directional control valve"},
                                                 {"Check", "Check valve"},
                                                 {"Throttle", "Throttle valve"},
                                                 {"Cylinder", "Hydro Cylinder"},
                                                 {"Return", "Return line"},
                                                 {"Tank", " Supply tank"}}));

    takeOverAll(1, true);
    calculate();
    auto captionPixels = [this] {
        const QImage image = child<QWidget>("pbShema")->grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.blue() > 100 && c.red() < 80 && c.green() < 80 ? 1 : 0;
            }
        }
        return count;
    };
    EXPECT_EQ(captionPixels(), 0);
    click("Button1");
    EXPECT_GT(captionPixels(), 100);
}

TEST_F(CircuitPageTest, SketchDrawsTheBundlesPicturesInTheirCells) {
    auto cellDrawn = [this](int column, int row) {
        const QImage image = child<QWidget>("pbShema")->grab().toImage();
        for (int y = 4; y < 48; ++y) {
            for (int x = 4; x < 48; ++x) {
                if (image.pixelColor(50 * column + x, 50 * row + y) != Qt::white) {
                    return true;
                }
            }
        }
        return false;
    };
    // No bundle: a framed empty box.
    const QImage empty = child<QWidget>("pbShema")->grab().toImage();
    EXPECT_EQ(empty.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_FALSE(cellDrawn(0, 0));

    open({QStringLiteral(HYDROCALC_BUILD_APP_DIR)});
    useTestSources();
    ASSERT_TRUE(desktop->shown.empty());
    EXPECT_TRUE(cellDrawn(0, 0));
    EXPECT_TRUE(cellDrawn(3, 0));
    EXPECT_FALSE(cellDrawn(4, 0));
    // The return path joins the cylinder's rod side to the return line: down
    // its column and along the middle of the return row.
    auto onReturnPath = [this](int x, int y) {
        return child<QWidget>("pbShema")->grab().toImage().pixelColor(x, y) == Qt::black;
    };
    EXPECT_TRUE(onReturnPath(50 * 3 + 2 + 30, 64));
    EXPECT_TRUE(onReturnPath(50 * 2 + 25, 77));
    selectBlocking(1);
    setThrottle(true);
    EXPECT_TRUE(cellDrawn(5, 0));
    EXPECT_TRUE(cellDrawn(3, 1));
    EXPECT_TRUE(cellDrawn(4, 1));
    EXPECT_TRUE(onReturnPath(50 * 5 + 2 + 30, 64));
    EXPECT_TRUE(onReturnPath(50 * 2 + 25, 77));
}

TEST_F(CircuitPageTest, CharacteristicIsDrawnFromTheStoredCurvesOnEveryPaint) {
    QWidget* box = child<QWidget>("PaintBox3");
    takeOverAll(1, true);
    calculate();
    ASSERT_TRUE(page->characteristic().has_value());
    const CircuitCharacteristic c = *page->characteristic();
    EXPECT_EQ(c.flowMax, 32);
    EXPECT_EQ(c.pressureMax,
              std::max(4, static_cast<int>(std::ceil(std::max(c.supplyDrop, c.returnDrop)))));

    auto check = [&](const QImage& image) {
        const int cw = box->width() / c.flowMax;
        const int ch = box->height() / c.pressureMax;
        const int bottom = box->height() - 1;
        EXPECT_EQ(image.pixelColor(20 * cw, 3), Funkcije::kGrid);
        EXPECT_EQ(image.pixelColor(cw + cw / 2, bottom - ch * (c.pressureMax - 1) - ch / 2),
                  Funkcije::kBackground);
        // Between two grid lines each curve is a pixel of its colour where its drop says.
        const int x = 20 * cw + cw / 2;
        const double q = static_cast<double>(x) / cw;
        const std::pair<double, QColor> curves[] = {{c.supplyAt(q), Funkcije::kCurve},
                                                    {c.returnAt(q), Funkcije::kReturnCurve}};
        for (const auto& [drop, colour] : curves) {
            const int expected = bottom - static_cast<int>(drop * ch);
            bool drawn = false;
            for (int y = expected - 3; y <= expected + 3; ++y) {
                drawn = drawn || image.pixelColor(x, y) == colour;
            }
            EXPECT_TRUE(drawn) << "drop " << drop << " row " << expected;
        }
    };
    check(box->grab().toImage());
    box->repaint();
    check(box->grab().toImage());

    // Below 1 l/min there is no flow axis to draw on.
    setFieldText(field("edQ_prost"), QStringLiteral("0.5"));
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_FALSE(page->characteristic().has_value());
    EXPECT_EQ(box->grab().toImage().pixelColor(20 * (box->width() / 32), 3), Funkcije::kBackground);
}

TEST(CircuitDrawing, GridTakesWholeCellsWhereTheyFitAndCoarserStepsBeyond) {
    auto gridColumns = [](int flowMax) {
        QImage image(401, 321, QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        Funkcije::grid(painter, image.size(), flowMax, 0, 10, 0);
        painter.end();
        std::vector<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, 5) == Funkcije::kGrid) {
                columns.push_back(x);
            }
        }
        return columns;
    };
    const auto twenty = gridColumns(20);
    ASSERT_EQ(twenty.size(), 21u);
    for (std::size_t i = 0; i < twenty.size(); ++i) {
        EXPECT_EQ(twenty[i], static_cast<int>(20 * i));
    }
    const auto wide = gridColumns(5000);
    ASSERT_GT(wide.size(), 5u);
    EXPECT_LT(wide.size(), 401u / AxisScale::kMinGridPixels);
    for (std::size_t i = 1; i < wide.size(); ++i) {
        EXPECT_GE(wide[i] - wide[i - 1], AxisScale::kMinGridPixels);
    }
    // A range of no width draws nothing (it would divide by zero).
    EXPECT_TRUE(gridColumns(0).empty());
}

}  // namespace
