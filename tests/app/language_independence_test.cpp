// What one run writes (the log's fluid lines, the settings, a design) reads
// back the same in a run of another language. The other language here is a
// small table of words, so the tests do not hang on the shipped lists.
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextEdit>

#include "app/DesignSession.h"
#include "app/ResultsLogPage.h"
#include "app/ResultsLogState.h"
#include "model/InputError.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/TestTranslator.h"

namespace {

// A few texts of the window in "Serbian".
TestTranslator::Table serbian() {
    return {
        {{"TfrmKalvorMain", " Working fluid: "}, " Radni fluid: "},
        {{"TfrmKalvorMain", "user defined"}, "korisnički zadat"},
        {{"TfrmKalvorMain", "%1 at %2 %3"}, "%1 na %2 %3"},
        {{"TfrmKalvorMain", "FATAL ERROR:: %1"}, "Kalkulator: %1"},
        {{"Model", "Flow %1 is too high"}, "Protok %1 je prevelik"},
        {{"WorkingFluidPanel", "User defined"}, "Korisnički zadat"},
        {{"ResultsLogPage", "Rich text (*.rtf)"}, "RTF dokument (*.rtf)"},
    };
}

const QString kEnglishStart = " Working fluid: user defined, 840 kg/m3, 12 mm2/s";
const QString kSerbianStart = " Radni fluid: korisnički zadat, 840 kg/m3, 12 mm2/s";
const QString kEnglishOther =
    QStringLiteral(" Working fluid: HLP 46 at 40 \u00B0C, 862 kg/m3, 46.0 mm2/s");
const QString kSerbianOther =
    QStringLiteral(" Radni fluid: HLP 46 na 40 \u00B0C, 862 kg/m3, 46.0 mm2/s");

class FluidLineInEitherLanguage : public MainWindowFixture {
  protected:
    const TestTranslator speaking{serbian()};  // before SetUp opens the window
};

TEST_F(FluidLineInEitherLanguage, TheFluidLastNamedCountsInTheLanguageItWasWrittenIn) {
    const struct {
        const char* name;
        QString logBefore;  // as an earlier run left it
        bool named;         // the entry follows without a fluid line of its own
    } cases[] = {
        {"same fluid, named in English", kEnglishStart + "\nold\n", true},
        {"same fluid, named in Serbian", kSerbianStart + "\nold\n", true},
        {"another fluid, named in English", kEnglishOther + "\nold\n", false},
        {"another fluid named in Serbian below", kEnglishStart + "\nold\n\n" + kSerbianOther + "\n",
         false},
        {"a run's heading below",
         kEnglishStart + "\nold\n\n ===== Hydraulic calculator 1.0, 2026-01-01 10:00 =====\n",
         false},
    };
    auto* log = child<QTextEdit>("RichEdit1");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        log->setPlainText(c.logBefore);
        window->appendToLog({"new"});
        const QString added = log->toPlainText().mid(c.logBefore.size());
        EXPECT_EQ(added, c.named ? QString("\nnew\n") : "\n" + kSerbianStart + "\nnew\n");
    }
}

// A run in English or in Serbian, in a home shared with the next run; its
// language goes after its window.
struct RunIn : TestTranslator, ProgramRun {
    RunIn(const QString& home, bool inSerbian)
        : TestTranslator(inSerbian ? serbian() : Table{}), ProgramRun(home) {
        window->show();
    }
    QComboBox* fluids() { return child<QComboBox>("cmbUlje"); }
};

TEST(FluidChoiceInEitherLanguage, ComesBackFromSettingsAndDesigns) {
    const struct {
        const char* name;
        bool writtenInSerbian;
        bool readInSerbian;
    } runs[] = {
        {"English to Serbian", false, true},
        {"Serbian to English", true, false},
        {"Serbian to Serbian", true, true},
    };
    for (const auto& r : runs) {
        for (const bool typed : {true, false}) {
            SCOPED_TRACE(std::string(r.name) + (typed ? ", typed figures" : ", HLP 46"));
            QTemporaryDir home;
            DesignDocument design;
            {
                RunIn first(home.path(), r.writtenInSerbian);
                if (typed) {
                    // Typing a figure switches to the user's own figures.
                    auto* density = first.child<QLineEdit>("Edit1");
                    density->setText("900");
                    emit density->textEdited("900");
                } else {
                    first.fluids()->setCurrentIndex(first.fluids()->findText("HLP 46"));
                }
                ASSERT_EQ(first.fluids()->currentIndex() == first.fluids()->count() - 1, typed);
                design = first.window->design().capture();
                first.window->close();
            }
            RunIn second(home.path(), r.readInSerbian);
            const int expected =
                typed ? second.fluids()->count() - 1 : second.fluids()->findText("HLP 46");
            EXPECT_EQ(second.fluids()->currentIndex(), expected) << "settings";
            second.fluids()->setCurrentIndex(-1);
            second.window->design().apply(design);
            EXPECT_EQ(second.fluids()->currentIndex(), expected) << "design";
        }
    }
}

TEST(FailureInEitherLanguage, TheWindowShowsTheMessageInItsLanguage) {
    const TestTranslator speaking(serbian());
    ProgramRun run;
    run.window->reportFailure(InputError(KeyedText{"Flow %1 is too high", {"250"}}));
    ASSERT_EQ(run.desktop->shown.size(), 1u);
    EXPECT_EQ(run.desktop->shown[0].title, "Kalkulator: Protok 250 je prevelik");
}

TEST(SavingInEitherLanguage, TheRichTextFilterWritesRichText) {
    const TestTranslator speaking(serbian());
    QTemporaryDir dir;
    ResultsLogState state;
    ScriptedDesktop desktop;
    struct : FailureRoute {
        void reportFailure(const std::exception&) override {}
        void reportUnknownFailure() override {}
    } route;
    ResultsLogPage page(state, desktop, route);
    page.appendReport({"report"});
    const QString path = dir.filePath("log");
    desktop.queue([&path](QDialog& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        const QString rtf = files.nameFilters().value(1);
        EXPECT_EQ(rtf, "RTF dokument (*.rtf)");
        files.selectNameFilter(rtf);
        emit files.filterSelected(rtf);
        files.selectFile(path);
        return int(QDialog::Accepted);
    });
    ASSERT_TRUE(page.BitBtn2Click());
    QFile written(path + ".rtf");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("{\\rtf1"));
}

}  // namespace
