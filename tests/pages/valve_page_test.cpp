#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <QTextEdit>

#include "model/Quantity.h"
#include "pages/ValvePage.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/WorkingFolder.h"
#include "ui/Diagram.h"
#include "ui/DiagramBox.h"

namespace {

const char* const kTestValves =
    "V1|60|20|2.5|0.004|5|\r\n"
    "V2 | 40 | 10 | 1 | 0.002 | 0 |text after the last bar\r\n";

// Lines that cannot be drawn, between two that can.
const char* const kBadValves =
    "V1|60|20|2.5|0.004|5|\n"
    "Short|60|20|2.5|\n"
    "Words|sixty|20|2.5|0.004|5|\n"
    "Comma|60|20|2,5|0.004|5|\n"
    "Zero|0|20|2.5|0.004|5|\n"
    "Huge|20000|20|2.5|0.004|5|\n"
    "Deep|60|5000|2.5|0.004|5|\n"
    "Late|60|20|2.5|0.004|60|\n"
    "Early|60|20|2.5|0.004|-1|\n"
    "\n"
    "Coarse|600|40|1|0.0001|0|\n"
    "Largest|10000|1000|0|0.00001|0|\n";

const QString kProgramTitle = QStringLiteral("Hydraulic calculator QX7  ver: 1.0");

class ValvePageTest : public MainWindowFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.entered());
        writeFile("Test Valves.dat", kTestValves);
        MainWindowFixture::SetUp();
        showPage("tsLokalni");
    }
    void TearDown() override { window.reset(); }

    void writeFile(const QString& name, const QByteArray& content) {
        ASSERT_TRUE(folder.write(name, content)) << name.toStdString();
    }

    ValvePage* page() { return child<ValvePage>("tsLokalni"); }
    QListWidget* list() { return child<QListWidget>("ListBox1"); }
    QSlider* flowSlider() { return child<QSlider>("tbVENTIL_Q"); }
    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }
    QString drop() { return child<QLabel>("lblFall")->text(); }

    // Types a valve type's name and presses Enter.
    void enterType(const QString& name) {
        type("ComboBox1", name);
        QTest::keyClick(field("ComboBox1"), Qt::Key_Return);
    }
    // Chooses an item of the type list as a user does, from its popup.
    void chooseType(int item) {
        auto* combo = child<QComboBox>("ComboBox1");
        combo->showPopup();
        QAbstractItemView* view = combo->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QRect rect = view->visualRect(view->model()->index(item, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        ASSERT_EQ(combo->currentIndex(), item);
    }
    void calculate() { QTest::mouseClick(child<QPushButton>("BitBtn10"), Qt::LeftButton); }
    void useUserDefinedTab() { child<QTabWidget>("pgcntrsValves")->setCurrentIndex(1); }

    QImage diagram() { return child<QWidget>("PaintBox1")->grab().toImage(); }
    static bool isEmpty(const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) != kDiagramBackground) {
                    return false;
                }
            }
        }
        return true;
    }
    static bool hasCurve(const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == kDiagramCurve) {
                    return true;
                }
            }
        }
        return false;
    }

    WorkingFolder folder;
};

TEST_F(ValvePageTest, StartsWithItsControlsAndDefaults) {
    EXPECT_EQ(child<QTabWidget>("pgcntrsValves")->tabPosition(), QTabWidget::South);
    EXPECT_EQ(child<QTabWidget>("pgcntrsValves")->tabText(0), "Select From Database");
    EXPECT_EQ(child<QTabWidget>("pgcntrsValves")->tabText(1), "User defined");
    auto* combo = child<QComboBox>("ComboBox1");
    EXPECT_TRUE(combo->isEditable());
    ASSERT_EQ(combo->count(), 4);
    EXPECT_EQ(combo->itemText(3), "Pilot Operated Check Valve");
    EXPECT_EQ(text("edLokalK"), "0.05");
    EXPECT_FALSE(field("edLokalK")->isEnabled());
    EXPECT_EQ(text("edQ0"), "0");
    EXPECT_EQ(text("edVENTIL_Pul"), "1");
    EXPECT_EQ(fieldColour(field("edVENTIL_Pul")), QColor(255, 255, 0));
    EXPECT_EQ(drop(), "0");
    EXPECT_EQ(child<QWidget>("PaintBox1")->size(), QSize(469, 342));
    EXPECT_EQ(flowSlider()->maximum(), 10);
    EXPECT_EQ(flowSlider()->toolTip(), "Right click for pump flow");
    EXPECT_EQ(child<QAction>("Koristiprotok1")->text(), "Use Flow");
    EXPECT_FALSE(page()->takeOver().has_value());
    EXPECT_TRUE(isEmpty(diagram()));
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(ValvePageTest, SlidersWriteTheirFields) {
    auto* coefficient = child<QSlider>("tbHidrKar");
    EXPECT_EQ(coefficient->minimum(), 1);
    EXPECT_EQ(coefficient->maximum(), 50);
    coefficient->setValue(15);
    EXPECT_EQ(text("edLokalK"), "0.010");
    coefficient->setValue(50);
    EXPECT_EQ(text("edLokalK"), "0.033");
    coefficient->setValue(1);
    EXPECT_EQ(text("edLokalK"), "0.001");
    child<QSlider>("TrackBar8")->setValue(7);
    EXPECT_EQ(text("edQ0"), "7");
    child<QSlider>("TrackBar9")->setValue(120);
    EXPECT_EQ(text("edVENTIL_Pul"), "120");
    flowSlider()->setValue(8);
    EXPECT_EQ(flowSlider()->toolTip(), "8");
}

TEST_F(ValvePageTest, ADataLineIsDrawnAndCalculated) {
    enterType("Test Valves");
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(0)->text(), "V1");
    EXPECT_EQ(list()->item(1)->text(), "V2 ");
    list()->setCurrentRow(0);
    EXPECT_EQ(flowSlider()->maximum(), 60);
    const QImage image = diagram();
    // 469 / 60 = 7 px across, 342 / 20 = 17 px down.
    for (int x = 7; x < 350; x += 7) {
        EXPECT_EQ(image.pixelColor(x, 115), kDiagramGrid) << x;
        EXPECT_EQ(image.pixelColor(x + 3, 115), kDiagramBackground) << x;
    }
    for (int y = 17; y < 300; y += 17) {
        EXPECT_EQ(image.pixelColor(200, y), kDiagramGrid) << y;
    }
    EXPECT_TRUE(hasCurve(image));

    flowSlider()->setValue(30);
    setFieldText(field("edVENTIL_Pul"), QStringLiteral("100"));
    calculate();
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_EQ(drop(), "6.10");
    EXPECT_EQ(page()->dropText(), "6.10");
    // The drop has its label; the window keeps the program's title.
    EXPECT_TRUE(window->windowTitle().startsWith(kProgramTitle))
        << window->windowTitle().toStdString();
    EXPECT_TRUE(
        log().contains("Valve type: Test Valves V1\n"
                       "Pressure intake port: [bar]:  100.00 bar \n"
                       "Presure drop:  30.00 [l/min]:  6.10 bar \n"
                       "Presure out:  [bar]:  93.90 bar "))
        << log().toStdString();
    const auto valve = page()->takeOver();
    ASSERT_TRUE(valve.has_value());
    EXPECT_EQ(shownDrop(valve->drop), "6.10");
    EXPECT_EQ(valve->name, "Test Valves V1");
    EXPECT_EQ(valve->constantTerm, 2.5);
    EXPECT_EQ(valve->flowCoefficient, 0.004);

    // Fields are trimmed; text after the sixth bar is not read.
    list()->setCurrentRow(1);
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_EQ(flowSlider()->maximum(), 40);
    const std::array<QString, 5> fields{"40", "10", "1", "0.002", "0"};
    EXPECT_EQ(page()->selectedFields(), fields);
    // The take-over is the valve the drop label shows, not the one selected since.
    EXPECT_EQ(page()->takeOver()->name, "Test Valves V1");
}

TEST_F(ValvePageTest, TestDrawsTheUserCurveAndUserValvesCalculate) {
    useUserDefinedTab();
    child<QSlider>("tbHidrKar")->setValue(15);
    child<QSlider>("TrackBar8")->setValue(3);
    QTest::mouseClick(child<QPushButton>("btnTest"), Qt::LeftButton);
    EXPECT_EQ(flowSlider()->maximum(), 75);
    const QImage image = diagram();
    // 469 / 75 = 6 px across, 342 / 15 = 22 px down.
    // The curve crosses row 120 near 27 l/min.
    for (int x = 6; x < 150; x += 6) {
        EXPECT_EQ(image.pixelColor(x, 120), kDiagramGrid) << x;
        EXPECT_EQ(image.pixelColor(x + 3, 120), kDiagramBackground) << x;
    }
    for (int y = 44; y < 300; y += 22) {
        EXPECT_EQ(image.pixelColor(200, y), kDiagramGrid) << y;
    }
    EXPECT_TRUE(hasCurve(image));

    flowSlider()->setValue(30);
    setFieldText(field("edVENTIL_Pul"), QStringLiteral("100"));
    calculate();
    // 0.01 * 30^2 + 3
    EXPECT_EQ(drop(), "12.00");
    EXPECT_TRUE(window->windowTitle().startsWith(kProgramTitle))
        << window->windowTitle().toStdString();
    EXPECT_TRUE(log().contains("Valve type: User defined valve\n"));
    const auto valve = page()->takeOver();
    ASSERT_TRUE(valve.has_value());
    EXPECT_EQ(valve->name, "User defined valve");
    EXPECT_EQ(valve->constantTerm, 3.0);
    EXPECT_DOUBLE_EQ(valve->flowCoefficient, 0.01);
    EXPECT_TRUE(desktop->shown.empty());

    // The flow field shows the slider's flow and takes a typed one, fractions too.
    EXPECT_EQ(text("edValveQ"), "30");
    typeAndLeave("edValveQ", "20.5");
    EXPECT_EQ(flowSlider()->value(), 20);
    calculate();
    // 0.01 * 20.5^2 + 3 = 7.2025
    EXPECT_EQ(drop(), "7.20");
}

TEST_F(ValvePageTest, UseFlowTakesThePumpFlowBelowTheMaximumOnly) {
    useUserDefinedTab();
    QTest::mouseClick(child<QPushButton>("btnTest"), Qt::LeftButton);
    ASSERT_EQ(flowSlider()->maximum(), 75);
    auto* useFlow = child<QAction>("Koristiprotok1");
    setFieldText(field("edQ"), QStringLiteral("75.9"));
    useFlow->trigger();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text, "Flow to big for this valve, please select other");
    EXPECT_EQ(flowSlider()->value(), 0);

    page()->setFlowSliderMaximum(76);
    useFlow->trigger();
    EXPECT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(flowSlider()->value(), 75);

    setFieldText(field("edQ"), QStringLiteral("1.2.3"));
    useFlow->trigger();
    ASSERT_EQ(desktop->shown.size(), 2u);
    // The pump page names its field; there is no flow to take.
    EXPECT_EQ(desktop->shown[1].text,
              "Flow [l/min]: \"1.2.3\" is not a number (allowed: 0.1 to 10000)");
    EXPECT_EQ(desktop->shown[1].title, "INPUT ERROR");
    EXPECT_EQ(flowSlider()->value(), 75);

    setFieldText(field("edQ"), QString());
    useFlow->trigger();
    EXPECT_EQ(desktop->shown.size(), 2u);
    EXPECT_EQ(flowSlider()->value(), 75);
}

TEST_F(ValvePageTest, AMissingFileKeepsTheListAndIsReportedOnce) {
    enterType("Test Valves");
    ASSERT_EQ(list()->count(), 2);
    list()->setCurrentRow(0);
    enterType("Nowhere");
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text, "Error no : 1000");
    EXPECT_EQ(desktop->shown[0].title, "File load error");
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->currentRow(), 0);
    EXPECT_TRUE(hasCurve(diagram()));
    // Leaving the combo after Enter loads nothing again.
    leave("ComboBox1");
    EXPECT_EQ(desktop->shown.size(), 1u);
}

// A type that fails to load must not lend its name to the valves still listed:
// the log and the circuit name the valve that was computed.
TEST_F(ValvePageTest, AFailedLoadPutsTheListedTypeBackInTheBox) {
    child<QCheckBox>("chBelezi")->setChecked(true);
    writeFile("Check Valve.dat", "NG6|60|15|0.5|0.0032|0|\n");
    chooseType(2);
    ASSERT_EQ(list()->count(), 1);
    enterType("Check Valv");
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text, "Error no : 1000");
    EXPECT_EQ(text("ComboBox1"), "Check Valve");
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), 2);

    list()->setCurrentRow(0);
    flowSlider()->setValue(30);
    setFieldText(field("edVENTIL_Pul"), QStringLiteral("100"));
    calculate();
    EXPECT_TRUE(log().contains("Valve type: Check Valve NG6\n")) << log().toStdString();
    ASSERT_TRUE(page()->takeOver().has_value());
    EXPECT_EQ(page()->takeOver()->name, "Check Valve NG6");
    showPage("tbProst");
    QTest::mouseDClick(child<QWidget>("edDp"), Qt::LeftButton);
    EXPECT_TRUE(child<QWidget>("Label54")->toolTip().startsWith("Check Valve NG6|"))
        << child<QWidget>("Label54")->toolTip().toStdString();
}

TEST_F(ValvePageTest, ATypedNameLoadsOnEnterOrOnLeavingOnce) {
    type("ComboBox1", "Test Valves");
    // No load per keystroke: no message for "T", "Te", ...
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_EQ(list()->count(), 0);
    QTest::keyClick(field("ComboBox1"), Qt::Key_Return);
    EXPECT_EQ(list()->count(), 2);
    // The file changes; leaving the combo without typing does not reload it.
    writeFile("Test Valves.dat", "A|60|20|1|0.001|0|\n");
    leave("ComboBox1");
    EXPECT_EQ(list()->count(), 2);

    typeAndLeave("ComboBox1", "Test Valves");
    EXPECT_EQ(list()->count(), 1);
    EXPECT_TRUE(desktop->shown.empty());
}

TEST_F(ValvePageTest, ValveTypesShowTheirPicturesAndAMissingOneIsReported) {
    for (const char* type : {"DirectionalControlValve 4-3", "Double Check Valve", "Check Valve",
                             "Pilot Operated Check Valve"}) {
        writeFile(QString::fromLatin1(type) + ".dat", "NG6|60|15|0.5|0.0032|0|\n");
    }
    open({QStringLiteral(HYDROCALC_BUILD_APP_DIR)});
    showPage("tsLokalni");
    chooseType(2);
    EXPECT_EQ(list()->count(), 1);
    EXPECT_FALSE(child<QLabel>("imgVentil")->pixmap().isNull());
    EXPECT_TRUE(desktop->shown.empty());

    // This bundle has none of the valve pictures.
    open({QStringLiteral(HYDROCALC_TEST_DATA_DIR "/incomplete")});
    showPage("tsLokalni");
    desktop->shown.clear();
    chooseType(0);
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].text, "Error no: 1001");
    EXPECT_EQ(desktop->shown[0].title, "Resource loading error");
    // The file loaded all the same.
    EXPECT_EQ(list()->count(), 1);
    EXPECT_TRUE(child<QLabel>("imgVentil")->pixmap().isNull());
}

TEST_F(ValvePageTest, RepaintsDrawTheStoredDiagramAndNeverCalculate) {
    child<QCheckBox>("chBelezi")->setChecked(true);
    enterType("Test Valves");
    list()->setCurrentRow(0);
    flowSlider()->setValue(30);
    setFieldText(field("edVENTIL_Pul"), QStringLiteral("100"));
    calculate();
    const QString logged = log();
    ASSERT_FALSE(logged.isEmpty());
    const std::size_t messages = desktop->shown.size();
    auto* box = child<QWidget>("PaintBox1");
    for (int i = 0; i < 5; ++i) {
        box->repaint();
    }
    EXPECT_EQ(log(), logged);
    EXPECT_EQ(desktop->shown.size(), messages);
    // The calculation kept the diagram on show.
    EXPECT_TRUE(hasCurve(diagram()));

    QTest::mouseClick(child<QPushButton>("BitBtn8"), Qt::LeftButton);
    box->repaint();
    EXPECT_TRUE(isEmpty(diagram()));
    EXPECT_EQ(log(), logged);
    // A click on the line shows it again.
    const QRect row = list()->visualItemRect(list()->item(0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, row.center());
    EXPECT_TRUE(hasCurve(diagram()));

    // Another file takes the selection, and the line's diagram with it.
    writeFile("Other.dat", "X|10|10|0|0.01|0|\n");
    enterType("Other");
    EXPECT_EQ(list()->currentRow(), -1);
    EXPECT_TRUE(isEmpty(diagram()));
    box->repaint();
    EXPECT_EQ(desktop->shown.size(), messages);
    EXPECT_EQ(log(), logged);
}

TEST_F(ValvePageTest, BadLinesAreRefusedWithOneClearMessageEach) {
    writeFile("Bad Valves.dat", kBadValves);
    enterType("Bad Valves");
    ASSERT_EQ(list()->count(), 12);
    list()->setCurrentRow(0);
    ASSERT_EQ(flowSlider()->maximum(), 60);
    const auto v1Fields = page()->selectedFields();
    for (int row = 1; row <= 9; ++row) {
        desktop->shown.clear();
        list()->setCurrentRow(row);
        ASSERT_EQ(desktop->shown.size(), 1u) << row;
        EXPECT_EQ(desktop->shown[0].title, "Valve data error");
        const QString message = desktop->shown[0].text;
        EXPECT_TRUE(message.contains(QStringLiteral("Line %1 ").arg(row + 1)))
            << message.toStdString();
        EXPECT_TRUE(message.contains("Bad Valves.dat")) << message.toStdString();
        EXPECT_TRUE(isEmpty(diagram())) << row;
        EXPECT_EQ(flowSlider()->maximum(), 60) << row;
        EXPECT_EQ(page()->selectedFields(), v1Fields) << row;
        // Calculating with the refused line selected changes nothing and
        // does not repeat the message given when the line was chosen.
        calculate();
        EXPECT_EQ(desktop->shown.size(), 1u) << row;
        EXPECT_EQ(drop(), "0");
    }
    list()->setCurrentRow(1);
    desktop->shown.clear();
    list()->setCurrentRow(10);
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_EQ(flowSlider()->maximum(), 600);
    EXPECT_TRUE(hasCurve(diagram()));
    list()->setCurrentRow(11);
    EXPECT_TRUE(desktop->shown.empty());
    EXPECT_EQ(flowSlider()->maximum(), 10000);
    // Ticks stay apart on the slider's 276 pixels.
    EXPECT_GE(flowSlider()->tickInterval() * 276 / 10000, 4);
    EXPECT_FALSE(isEmpty(diagram()));
}

TEST_F(ValvePageTest, TheIntakeMustCarryTheDropAndAFlowAboveTheDataIsWarned) {
    struct Case {
        const char* intake;
        const char* flow;
        const char* refusal;  // part of the message refusing it, or nullptr
        const char* warning;  // part of the warning, or nullptr
    };
    // V1: drop = 0.004 Q^2 + 2.5, largest flow 60 l/min.
    const Case cases[] = {
        {"1", "0", "The intake pressure 1.00 bar is below the valve's drop of 2.50 bar", nullptr},
        {"5", "30", "The intake pressure 5.00 bar is below the valve's drop of 6.10 bar", nullptr},
        {"2.5", "0", nullptr, nullptr},
        {"100", "60", nullptr, nullptr},
        {"100", "70", nullptr,
         "the valve \"Test Valves V1\" runs at 70.00 l/min, above the largest flow of "
         "its data, 60.00 l/min"},
    };
    enterType("Test Valves");
    list()->setCurrentRow(0);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.intake) + " bar, " + c.flow + " l/min");
        desktop->shown.clear();
        setFieldText(field("edVENTIL_Pul"), QString::fromLatin1(c.intake));
        setFieldText(field("edValveQ"), QString::fromLatin1(c.flow));
        const QString logged = log();
        const QString shownDrop = drop();
        calculate();
        if (c.refusal != nullptr) {
            ASSERT_EQ(desktop->shown.size(), 1u);
            EXPECT_TRUE(desktop->shown[0].text.contains(c.refusal))
                << desktop->shown[0].text.toStdString();
            EXPECT_EQ(log(), logged);
            EXPECT_EQ(drop(), shownDrop);
            continue;
        }
        // The report names the valve's data line.
        const QString added = log().mid(logged.size());
        EXPECT_TRUE(added.contains("Valve type: Test Valves V1\n")) << added.toStdString();
        EXPECT_TRUE(added.contains(" Data line: V1|60|20|2.5|0.004|5|")) << added.toStdString();
        if (c.warning == nullptr) {
            EXPECT_TRUE(desktop->shown.empty());
            EXPECT_FALSE(added.contains("Warning"));
        } else {
            ASSERT_EQ(desktop->shown.size(), 1u);
            EXPECT_TRUE(desktop->shown[0].text.contains(c.warning))
                << desktop->shown[0].text.toStdString();
            EXPECT_TRUE(added.contains(c.warning)) << added.toStdString();
        }
    }
    // A valve of the user's own names its coefficients.
    useUserDefinedTab();
    child<QSlider>("tbHidrKar")->setValue(15);
    child<QSlider>("TrackBar8")->setValue(2);
    setFieldText(field("edVENTIL_Pul"), QStringLiteral("100"));
    const QString logged = log();
    calculate();
    EXPECT_TRUE(
        log().mid(logged.size()).contains(" User coefficients: k = 0.01 bar/(l/min)^2, p0 = 2 bar"))
        << log().toStdString();
}

// The refusal names its figures in the units shown; the drop comes from the
// data file's metric figures (2.5 bar = 36.26 psi).
TEST_F(ValvePageTest, TheIntakeRefusalNamesItsFiguresInTheUnitsShown) {
    enterType("Test Valves");
    list()->setCurrentRow(0);
    window->shared().unitSystem = units::kUsCustomary;
    setFieldText(field("edVENTIL_Pul"), QStringLiteral("1"));
    setFieldText(field("edValveQ"), QStringLiteral("0"));
    desktop->shown.clear();
    calculate();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_TRUE(QRegularExpression(
                    QStringLiteral("^The intake pressure [0-9.]+ psi is below the valve's drop "
                                   "of 36.26 psi at 0.00 gpm: the outlet would be below 0 psi\\."))
                    .match(desktop->shown[0].text)
                    .hasMatch())
        << desktop->shown[0].text.toStdString();
}

TEST_F(ValvePageTest, OpenDataFileLoadsTheChosenFileAsIfTyped) {
    QTemporaryDir elsewhere;
    ASSERT_TRUE(elsewhere.isValid());
    const QString chosen = QDir(elsewhere.path()).filePath("Workshop Valves.dat");
    {
        QFile file(chosen);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("W1|50|10|1|0.002|0|\nW2|80|20|2|0.002|0|\n");
    }
    const QString big = QDir(elsewhere.path()).filePath("Big Valves.dat");
    {
        QFile file(big);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(11LL * 1024 * 1024));
    }
    auto choose = [this](const QString& path) {
        desktop->queue([path](QDialog& dialog) {
            auto& files = dynamic_cast<QFileDialog&>(dialog);
            files.selectFile(path);
            return static_cast<int>(QDialog::Accepted);
        });
        QTest::mouseClick(child<QPushButton>("btnValveOpen"), Qt::LeftButton);
    };

    choose(chosen);
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].className, "QFileDialog");
    ASSERT_EQ(list()->count(), 2);
    EXPECT_EQ(list()->item(1)->text(), "W2");
    EXPECT_EQ(text("ComboBox1"), "Workshop Valves");
    list()->setCurrentRow(1);
    EXPECT_EQ(flowSlider()->maximum(), 80);
    setFieldText(field("edVENTIL_Pul"), QStringLiteral("100"));
    calculate();
    EXPECT_EQ(page()->takeOver()->name, "Workshop Valves W2");

    // A huge file is refused by its size, unread; the list stays.
    desktop->shown.clear();
    choose(big);
    ASSERT_EQ(desktop->shown.size(), 2u);
    EXPECT_EQ(desktop->shown[1].title, "File load error");
    EXPECT_TRUE(desktop->shown[1].text.contains("Big Valves.dat"));
    EXPECT_TRUE(desktop->shown[1].text.contains("11.0 MB")) << desktop->shown[1].text.toStdString();
    EXPECT_EQ(list()->count(), 2);
    EXPECT_EQ(text("ComboBox1"), "Workshop Valves");

    // A file that is no valve data lists what it holds; a line chosen is
    // refused with the message of any bad line.
    const QString notes = QDir(elsewhere.path()).filePath("Notes.txt");
    {
        QFile file(notes);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("Shopping list\nmilk, bread\n");
    }
    desktop->shown.clear();
    choose(notes);
    EXPECT_EQ(desktop->shown.size(), 1u);
    ASSERT_EQ(list()->count(), 2);
    list()->setCurrentRow(0);
    ASSERT_EQ(desktop->shown.size(), 2u);
    EXPECT_EQ(desktop->shown[1].title, "Valve data error");
    EXPECT_TRUE(desktop->shown[1].text.contains("Notes.txt"));

    // Cancelled: nothing changes.
    desktop->shown.clear();
    QTest::mouseClick(child<QPushButton>("btnValveOpen"), Qt::LeftButton);
    EXPECT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(list()->count(), 2);
}

TEST_F(ValvePageTest, AClickOnTheTypeBoxOpensItsList) {
    auto* combo = child<QComboBox>("ComboBox1");
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    EXPECT_TRUE(combo->view()->isVisible());
    combo->hidePopup();
}

TEST_F(ValvePageTest, CalculatingWithNothingSelectedSaysWhatToSelect) {
    calculate();
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "No valve selected");
    EXPECT_TRUE(desktop->shown[0].text.contains("select a valve"));
    EXPECT_EQ(drop(), "0");
    EXPECT_TRUE(window->windowTitle().startsWith(kProgramTitle))
        << window->windowTitle().toStdString();
    EXPECT_TRUE(log().isEmpty());

    // A loaded file with no line chosen yet is no different.
    enterType("Test Valves");
    calculate();
    ASSERT_EQ(desktop->shown.size(), 2u);
    EXPECT_EQ(desktop->shown[1].title, "No valve selected");
    EXPECT_FALSE(page()->takeOver().has_value());
}

}  // namespace

TEST_F(ValvePageTest, TheDiagramsTitlesAndOperatingPointFollowTheUnitSystem) {
    useUserDefinedTab();
    child<QSlider>("tbHidrKar")->setValue(15);
    child<QSlider>("TrackBar8")->setValue(3);
    QTest::mouseClick(child<QPushButton>("btnTest"), Qt::LeftButton);
    flowSlider()->setValue(30);
    setFieldText(field("edVENTIL_Pul"), QStringLiteral("100"));
    calculate();
    ASSERT_EQ(drop(), "12.00");  // 0.01 * 30^2 + 3
    const auto* box = child<DiagramBox>("PaintBox1");
    struct Case {
        int item;
        const char* flowTitle;
        const char* dropTitle;
        double flow;
        double drop;
    };
    // 30 l/min = 7.925 gpm, 12 bar = 174.05 psi; back to metric, exactly.
    for (const Case& c : {Case{1, "Q [gpm]", "pressure drop [psi]", 7.925, 174.05},
                          Case{0, "Q [l/min]", "pressure drop [bar]", 30.0, 12.0}}) {
        child<QComboBox>("cbUnits")->setCurrentIndex(c.item);
        ASSERT_TRUE(box->diagram().has_value()) << c.item;
        const ValveDiagram& shown = *box->diagram();
        EXPECT_EQ(shown.titles.flow, c.flowTitle);
        EXPECT_EQ(shown.titles.drop, c.dropTitle);
        ASSERT_TRUE(shown.operatingPoint.has_value()) << c.item;
        EXPECT_NEAR(shown.operatingPoint->x(), c.flow, 0.001);
        EXPECT_NEAR(shown.operatingPoint->y(), c.drop, 0.01);
    }
}
