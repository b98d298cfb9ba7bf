// A design as a document in the window: every page filled, saved, made new
// and opened again; the title's mark of unsaved changes; the question before
// unsaved work is dropped; files that cannot be opened; the crash copy.
#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <map>

#include "app/CommandLine.h"
#include "app/DesignSession.h"
#include "pages/CircuitPage.h"
#include "tests/support/FilledWindowFixture.h"
#include "ui/DiagramBox.h"

namespace {

const QString kCaption = QStringLiteral("Hydraulic calculator QX7  ver: 1.0");

auto answer(QMessageBox::StandardButton button) {
    return [button](QDialog&) { return int(button); };
}

auto fileChosen(const QString& path) {
    return [path](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(path);
        return int(QDialog::Accepted);
    };
}

// Everything a user sees of the calculator pages: each named field's text,
// each slider's position, each choice, each list's items, each named label;
// radio buttons by their group and place.
std::map<QString, QString> shown(QWidget* window) {
    std::map<QString, QString> seen;
    const QStringList pages{"tsPumpa",   "tdHidromotor", "tsHidrocilinder", "tsUsputni",
                            "tsLokalni", "tbProst",      "tsSystem"};
    for (const QString& name : pages) {
        auto* page = window->findChild<QWidget*>(name);
        for (auto* edit : page->findChildren<QLineEdit*>()) {
            if (!edit->objectName().isEmpty()) {
                seen[name + "/" + edit->objectName()] = edit->text();
            }
        }
        for (auto* combo : page->findChildren<QComboBox*>()) {
            seen[name + "/" + combo->objectName()] =
                QString::number(combo->currentIndex()) + " " + combo->currentText();
        }
        for (auto* slider : page->findChildren<QSlider*>()) {
            seen[name + "/" + slider->objectName()] = QString::number(slider->value());
        }
        for (auto* group : page->findChildren<QGroupBox*>()) {
            const auto buttons = group->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
            for (int i = 0; i < buttons.size(); ++i) {
                if (buttons[i]->isCheckable()) {
                    seen[name + "/" + group->objectName() + "/" + QString::number(i)] =
                        buttons[i]->isChecked() ? "on" : "off";
                }
            }
        }
        for (auto* box : page->findChildren<QCheckBox*>()) {
            seen[name + "/" + box->objectName()] = box->isChecked() ? "on" : "off";
        }
        for (auto* list : page->findChildren<QListWidget*>()) {
            QStringList items;
            for (int row = 0; row < list->count(); ++row) {
                items << list->item(row)->text();
            }
            seen[name + "/" + list->objectName()] =
                QString::number(list->currentRow()) + " " + items.join('|');
        }
        for (auto* tabs : page->findChildren<QTabWidget*>()) {
            seen[name + "/" + tabs->objectName()] = QString::number(tabs->currentIndex());
        }
        // Where the results came from is said apart.
        for (auto* label : page->findChildren<QLabel*>()) {
            if (!label->objectName().isEmpty() && label->objectName() != "lblResultsNote") {
                seen[name + "/" + label->objectName()] = label->text() + label->styleSheet();
            }
        }
    }
    return seen;
}

// The same controls showing the same.
void expectSame(const std::map<QString, QString>& actual,
                const std::map<QString, QString>& expected) {
    EXPECT_EQ(actual.size(), expected.size());
    for (const auto& [name, value] : expected) {
        const auto found = actual.find(name);
        ASSERT_NE(found, actual.end()) << name.toStdString();
        EXPECT_EQ(found->second, value) << name.toStdString();
    }
}

class DesignTest : public FilledWindowFixture {
  protected:
    DesignSession& design() { return window->design(); }
};

TEST_F(DesignTest, EveryPageComesBackAsSavedAfterNewAndOpen) {
    const auto start = shown(window.get());
    fillEveryPage();
    ASSERT_TRUE(desktop->shown.empty()) << desktop->shown[0].text.toStdString();
    const auto filled = shown(window.get());
    const QString filledLog = log();
    const auto diagrams = std::pair(child<DiagramBox>("PaintBox2")->diagram(),
                                    child<DiagramBox>("PaintBox1")->diagram());
    ASSERT_TRUE(diagrams.first && diagrams.second);
    const auto circuit = child<CircuitPage>("tbProst")->characteristic();
    ASSERT_TRUE(circuit);
    const DesignDocument saved = design().capture();

    desktop->queue(fileChosen(path("every page")));
    trigger("actSaveDesign");
    ASSERT_TRUE(QFile::exists(path("every page.hcalc")));
    trigger("actNewDesign");
    EXPECT_EQ(desktop->shown.size(), 1u);  // the save dialog; nothing was left unsaved
    {
        SCOPED_TRACE("after new");
        expectSame(shown(window.get()), start);
    }
    EXPECT_TRUE(log().isEmpty());

    desktop->queue(fileChosen(path("every page.hcalc")));
    trigger("actOpenDesign");
    expectSame(shown(window.get()), filled);
    EXPECT_EQ(log(), filledLog);
    EXPECT_EQ(design().capture(), saved);
    // Results shown as saved say when they were calculated.
    auto* note = child<QWidget>("tsPumpa")->findChild<QLabel*>("lblResultsNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith("Results as calculated on ")) << note->text().toStdString();
    EXPECT_TRUE(note->text().endsWith("opened from every page.hcalc"));
    EXPECT_EQ(child<QWidget>("tsHidrocilinder")->findChild<QLabel*>("lblResultsNote"), nullptr);
    EXPECT_FALSE(design().modified());
    // What only a calculation draws is there again: the line and valve
    // pages showed the inputs of their results, and so did the circuit.
    const auto sameDiagram = [](const std::optional<ValveDiagram>& a,
                                const std::optional<ValveDiagram>& b) {
        return a && b && a->flowCells == b->flowCells && a->dropCells == b->dropCells &&
               a->points == b->points && a->curve.has_value() == b->curve.has_value();
    };
    EXPECT_TRUE(sameDiagram(child<DiagramBox>("PaintBox2")->diagram(), diagrams.first));
    EXPECT_TRUE(sameDiagram(child<DiagramBox>("PaintBox1")->diagram(), diagrams.second));
    const auto& again = child<CircuitPage>("tbProst")->characteristic();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->flowMax, circuit->flowMax);
    EXPECT_EQ(again->pressureMax, circuit->pressureMax);
    EXPECT_EQ(again->supplyDrop, circuit->supplyDrop);
    EXPECT_EQ(again->returnDrop, circuit->returnDrop);
    auto* lineNote = child<QWidget>("tsUsputni")->findChild<QLabel*>("lblResultsNote");
    ASSERT_NE(lineNote, nullptr);
    EXPECT_TRUE(lineNote->text().contains("calculated again on opening every page.hcalc"))
        << lineNote->text().toStdString();
    EXPECT_EQ(log(), filledLog);  // calculated again without a word in the log
    // The system page, filled after the circuit's calculation, is no input of it.
    auto* circuitNote = child<QWidget>("tbProst")->findChild<QLabel*>("lblResultsNote");
    ASSERT_NE(circuitNote, nullptr);
    EXPECT_TRUE(circuitNote->text().contains("calculated again on opening"));
    auto* orificeNote = child<QWidget>("tsOrifice")->findChild<QLabel*>("lblResultsNote");
    ASSERT_NE(orificeNote, nullptr);
    EXPECT_TRUE(orificeNote->text().contains("calculated again on opening"));

    // A page changed after its calculation shows its results as saved, with
    // the diagram of that calculation; a system calculator, which can only
    // calculate its results again, shows none and no note.
    showPage("tsUsputni");
    typeAndLeave("edUSd", "20");
    showPage("tsSystem");
    typeAndLeave("edOrfQ", "25");
    const auto changed = shown(window.get());
    desktop->queue(answer(QMessageBox::Save));
    trigger("actNewDesign");
    ASSERT_TRUE(window->openDesignFile(path("every page.hcalc")));
    EXPECT_EQ(text("edUSd"), "20.00");
    EXPECT_TRUE(sameDiagram(child<DiagramBox>("PaintBox2")->diagram(), diagrams.first));
    EXPECT_EQ(child<QLabel>("lblDp_Cev")->text(), filled.at("tsUsputni/lblDp_Cev"));
    EXPECT_TRUE(lineNote->text().startsWith("Results as calculated on "));
    EXPECT_EQ(text("edOrfQ"), "25.00");
    EXPECT_EQ(child<QLabel>("lblOrfResult")->text(), "\u2014");
    EXPECT_TRUE(orificeNote->isHidden());
    EXPECT_EQ(child<QLabel>("lblHeatSteady")->text(), changed.at("tsSystem/lblHeatSteady"));
    EXPECT_FALSE(design().capture().pages.at("tsOrifice").current);
    EXPECT_TRUE(design().capture().pages.at("tsOrifice").computed.isEmpty());
}

TEST_F(DesignTest, StrokeGroupAndCircuitListsComeBackAsShownWhenNotCalculatedAgain) {
    fillCalculatorPages();
    // The cylinder calculated after the circuit: the circuit's results no
    // longer follow from what the pages show, and are not calculated again.
    showPage("tsHidrocilinder");
    choose("RadioGroup4", 1);
    for (const auto& [field, keys] : {std::pair("edHCF", "150"),
                                      {"edHCQ1", "50"},
                                      {"edHCD1", "100"},
                                      {"edHCD2", "50"},
                                      {"edHCStroke", "500"},
                                      {"edHCMountLength", "1000"}}) {
        typeAndLeave(field, keys);
    }
    click("BitBtn3");
    ASSERT_EQ(child<QLabel>("lblHCSlenderness")->text(), "84.0");  // mounted 0.7 L
    auto* circuit = child<CircuitPage>("tbProst");
    const auto characteristic = circuit->characteristic();
    ASSERT_TRUE(characteristic);
    circuit->Label56Click();  // the cylinder listed a second time
    ASSERT_EQ(child<QListWidget>("lbHc")->count(), 6);
    const auto before = shown(window.get());
    desktop->queue(fileChosen(path("stroke.hcalc")));
    trigger("actSaveDesignAs");
    trigger("actNewDesign");
    EXPECT_EQ(child<QListWidget>("lbHc")->count(), 0);
    EXPECT_EQ(child<QLabel>("lblHCSlenderness")->text(), "");

    ASSERT_TRUE(window->openDesignFile(path("stroke.hcalc")));
    expectSame(shown(window.get()), before);
    auto* note = child<QWidget>("tbProst")->findChild<QLabel*>("lblResultsNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->text().startsWith("Results as calculated on "));
    // The characteristic of that calculation, drawn from what it was
    // calculated from, not from the cylinder the pages show now.
    const auto& again = circuit->characteristic();
    ASSERT_TRUE(again);
    EXPECT_EQ(again->flowMax, characteristic->flowMax);
    EXPECT_EQ(again->supplyDrop, characteristic->supplyDrop);
    EXPECT_EQ(again->returnDrop, characteristic->returnDrop);
    EXPECT_EQ(again->points.size(), characteristic->points.size());
    // The operation line taken over is listed by its figures, as before.
    circuit->Label52Click();
    const auto* list = child<QListWidget>("lbHc");
    ASSERT_EQ(list->count(), 8);
    EXPECT_EQ(list->item(6)->text(), "16");
    EXPECT_EQ(list->item(7)->text(), "2.5");
}

TEST_F(DesignTest, TheCircuitCalculatesTheSameFiguresAfterOpening) {
    fillCalculatorPages();
    const QString first = log();
    const qsizetype report = first.lastIndexOf("SIMPLE PIPELINE CALCULATION");
    ASSERT_GT(report, 0);
    desktop->queue(fileChosen(path("circuit.hcalc")));
    trigger("actSaveDesignAs");
    desktop->queue(answer(QMessageBox::Discard));
    trigger("actNewDesign");  // nothing unsaved: no question, the answer stays queued
    ASSERT_TRUE(window->openDesignFile(path("circuit.hcalc")));
    click("btnNovProst");
    // The pump's unrounded figures, the slots and the cylinder as before.
    EXPECT_EQ(log().mid(log().lastIndexOf("SIMPLE PIPELINE CALCULATION")), first.mid(report));
}

TEST_F(DesignTest, TheTitleNamesTheFileAndMarksUnsavedChanges) {
    EXPECT_EQ(window->windowTitle(), kCaption);
    typeAndLeave("edHMp", "120");
    EXPECT_EQ(window->windowTitle(), kCaption + " - untitled*");
    desktop->queue(fileChosen(path("motor")));
    QTest::keySequence(window.get(), QKeySequence(QStringLiteral("Ctrl+S")));
    EXPECT_EQ(window->windowTitle(), kCaption + " - motor.hcalc");
    // A calculation is a change; so is a mode.
    click("btnHMCalc");
    EXPECT_EQ(window->windowTitle(), kCaption + " - motor.hcalc*");
    trigger("actSaveDesign");
    EXPECT_EQ(window->windowTitle(), kCaption + " - motor.hcalc");
    choose("RadioGroup2", 3);
    EXPECT_TRUE(window->windowTitle().endsWith("*"));
    // Once the design has a file, its log is part of it.
    trigger("actSaveDesign");
    window->appendToLog({"a report"});
    EXPECT_TRUE(window->windowTitle().endsWith("*"));
    EXPECT_EQ(design().recentDesigns(),
              QStringList{QFileInfo(path("motor.hcalc")).absoluteFilePath()});
}

TEST_F(DesignTest, UnsavedWorkIsAskedAboutOnceBeforeNewOpenAndClose) {
    struct Case {
        const char* name;
        std::function<void()> command;
        QMessageBox::StandardButton button;
        bool workGoes;
    };
    desktop->queue(fileChosen(path("other.hcalc")));
    trigger("actSaveDesignAs");
    const auto other = path("other.hcalc");
    const Case cases[] = {
        {"new, discard", [this] { trigger("actNewDesign"); }, QMessageBox::Discard, true},
        {"new, cancel", [this] { trigger("actNewDesign"); }, QMessageBox::Cancel, false},
        {"open, discard",
         [&] {
             desktop->queue(fileChosen(other));
             trigger("actOpenDesign");
         },
         QMessageBox::Discard, true},
        {"open, cancel", [this] { trigger("actOpenDesign"); }, QMessageBox::Cancel, false},
        {"close, cancel", [this] { window->close(); }, QMessageBox::Cancel, false},
        {"close, save", [this] { window->close(); }, QMessageBox::Save, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        showPage("tdHidromotor");
        typeAndLeave("edHMp", "150");
        window->appendToLog({"unsaved report"});
        desktop->shown.clear();
        desktop->queue(answer(c.button));
        c.command();
        ASSERT_GE(desktop->shown.size(), 1u);
        // One question for the design and its log.
        EXPECT_EQ(desktop->shown[0].title, "Design");
        EXPECT_TRUE(desktop->shown[0].text.contains("never saved"));
        EXPECT_EQ(std::count_if(desktop->shown.begin(), desktop->shown.end(),
                                [](const auto& s) { return s.className == "QMessageBox"; }),
                  1);
        EXPECT_EQ(text("edHMp") == "150", !c.workGoes) << text("edHMp").toStdString();
    }
    // "Save" on a design with a file saved it there and closed the window.
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(design().modified());
}

TEST_F(DesignTest, AFileThatCannotBeOpenedChangesNothingAndSaysWhy) {
    struct Case {
        const char* name;
        QByteArray content;
        const char* detail;
    };
    const Case cases[] = {
        {"not JSON", "hello", "the file is no design"},
        {"newer", R"({"format": "3.1", "pages": {}})", "by a newer version"},
        {"wrong type",
         R"({"format": "1.0", "pages": {"tsPumpa": {"choices": {"RadioGroup1": "x"}}}})",
         "At pages.tsPumpa.choices.RadioGroup1: a whole number is expected"},
    };
    typeAndLeave("edHMp", "120");
    const auto before = shown(window.get());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile file(path("bad.hcalc"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.content);
        file.close();
        QString detail;
        desktop->queue(answer(QMessageBox::Discard));
        desktop->queue([&detail](QDialog& dialog) {
            detail = static_cast<QMessageBox&>(dialog).informativeText();
            return int(QMessageBox::Ok);
        });
        EXPECT_FALSE(window->openDesignFile(file.fileName()));
        EXPECT_TRUE(detail.contains(QString::fromLatin1(c.detail))) << detail.toStdString();
        EXPECT_TRUE(desktop->shown.back().text.contains("cannot be opened; nothing was changed"));
        expectSame(shown(window.get()), before);
        EXPECT_TRUE(design().modified());
    }

    // A valve data file that is not there: the rest opens, and it is said.
    const DesignDocument saved = [&] {
        DesignDocument document = design().capture();
        document.pages["tsLokalni"].names["ComboBox1"] = "Gone Valve";
        document.pages["tdHidromotor"].fields["edHMp"] = FieldFigure{135, 1};
        return document;
    }();
    ASSERT_EQ(writeDesignFile(path("gone.hcalc"), saved), "");
    desktop->queue(answer(QMessageBox::Discard));
    EXPECT_TRUE(window->openDesignFile(path("gone.hcalc")));
    EXPECT_EQ(text("edHMp"), "135.0");
    EXPECT_TRUE(desktop->shown.back().text.contains("Gone Valve.dat was not found"))
        << desktop->shown.back().text.toStdString();
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentIndex(), -1);
}

TEST_F(DesignTest, TheCommandsAnswerTheirKeysFromAPagesFieldAndKeepFiveRecentDesigns) {
    QStringList saved;
    for (int design = 1; design <= 6; ++design) {
        showPage("tsPumpa");
        typeAndLeave("edV", QString::number(10 * design));
        const QString name = path("d") + QString::number(design) + ".hcalc";
        desktop->queue(fileChosen(name));
        // The focus stands in a field of the page.
        field("edV")->setFocus();
        QTest::keySequence(QApplication::focusWidget(),
                           QKeySequence(QStringLiteral("Ctrl+Shift+S")));
        ASSERT_TRUE(QFile::exists(name)) << name.toStdString();
        saved.prepend(QFileInfo(name).absoluteFilePath());
    }
    EXPECT_EQ(design().recentDesigns(), saved.mid(0, 5));
    // The menu's recent list opens its design.
    QTest::keySequence(QApplication::focusWidget(), QKeySequence(QStringLiteral("Ctrl+N")));
    EXPECT_EQ(text("edV"), "1.00");
    child<QToolButton>("btnDesign")->menu()->aboutToShow();
    const auto recent = child<QMenu>("mnuRecentDesigns")->actions();
    ASSERT_EQ(recent.size(), 5);
    EXPECT_EQ(recent[2]->text(), "&3 d4.hcalc");
    recent[2]->trigger();
    EXPECT_EQ(text("edV"), "40.00");
    EXPECT_EQ(window->windowTitle(), kCaption + " - d4.hcalc");
}

TEST_F(DesignTest, AFailedSaveSaysWhyAndKeepsTheChangesUnsaved) {
    QFile blocker(path("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    typeAndLeave("edHMp", "120");
    QString detail;
    desktop->queue(fileChosen(path("blocked/motor.hcalc")));
    desktop->queue([&detail](QDialog& dialog) {
        detail = static_cast<QMessageBox&>(dialog).informativeText();
        return int(QMessageBox::Ok);
    });
    trigger("actSaveDesign");
    ASSERT_EQ(desktop->shown.size(), 2u);
    EXPECT_TRUE(desktop->shown[1].text.startsWith("The design could not be saved to"))
        << desktop->shown[1].text.toStdString();
    EXPECT_EQ(detail, "A file that was there before is as it was.");
    EXPECT_EQ(window->windowTitle(), kCaption + " - untitled*");
    EXPECT_TRUE(design().fileName().isEmpty());
}

TEST(DesignCommandLine, TheFirstArgumentThatIsNoOptionIsTheDesign) {
    struct Case {
        QStringList arguments;
        const char* design;
    };
    const Case cases[] = {
        {{"hydrocalc"}, ""},
        {{"hydrocalc", "pump.hcalc"}, "pump.hcalc"},
        {{"hydrocalc", "-platform", "xcb"}, "xcb"},  // Qt takes its own options first
        {{"hydrocalc", "--style=fusion", "/home/a/b c.hcalc"}, "/home/a/b c.hcalc"},
        {{"hydrocalc", "--", "-odd.hcalc"}, "-odd.hcalc"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(designFileArgument(c.arguments), c.design) << c.arguments.join(' ').toStdString();
    }
}

TEST_F(DesignTest, ADesignNamedAtStartOpens) {
    showPage("tsPumpa");
    choose("RadioGroup1", 4);
    typeAndLeave("edQ", "33");
    ASSERT_EQ(writeDesignFile(path("start.hcalc"), design().capture()), "");
    open({});
    ASSERT_TRUE(window->openDesignFile(path("start.hcalc")));
    EXPECT_EQ(text("edQ"), "33.00");
    EXPECT_EQ(window->windowTitle(), kCaption + " - start.hcalc");
}

TEST(DesignRecovery, ADesignLeftByAKilledProgramIsOfferedBackWithItsLog) {
    QTemporaryDir home;
    QProcess killed;
    killed.start(QStringLiteral(HYDROCALC_LOGGING_SESSION),
                 {home.path(), QStringLiteral("MOTOR  p = 150 bar"), QStringLiteral("design")});
    ASSERT_TRUE(killed.waitForReadyRead(20000)) << killed.readAllStandardError().toStdString();
    ASSERT_EQ(killed.readAllStandardOutput().trimmed(), "logged");
    killed.kill();  // SIGKILL
    ASSERT_TRUE(killed.waitForFinished(5000));

    auto scripted = std::make_unique<ScriptedDesktop>();
    scripted->home = home.path();
    ScriptedDesktop* desktop = scripted.get();
    desktop->queue(answer(QMessageBox::Yes));
    TfrmKalvorMain next(nullptr, std::move(scripted));
    next.pictures().setSearchDirs({});
    next.show();
    next.beginSession();
    // One question, for the design and the log together.
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_EQ(desktop->shown[0].title, "Design");
    EXPECT_EQ(fieldText(next.findChild<QWidget*>("edHMp")), "150.00");
    EXPECT_TRUE(
        next.findChild<QTextEdit*>("RichEdit1")->toPlainText().contains("MOTOR  p = 150 bar"));
    EXPECT_TRUE(next.windowTitle().endsWith("*"));
    EXPECT_TRUE(next.design().modified());
    desktop->queue(answer(QMessageBox::Discard));
    next.close();
}

}  // namespace
