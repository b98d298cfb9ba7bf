// The window as a user of each language reads it: built with the English
// translation it shows none of the old misspellings, with the Serbian one no
// English text is left, and a calculation gives the same figures in either.
#include <QRegularExpression>
#include <QTranslator>
#include <algorithm>

#include "app/Language.h"
#include "tests/support/FilledWindowFixture.h"
#include "tests/support/ProgramRun.h"
#include "tests/support/ShownTexts.h"

namespace {

// Installed before the window is built, as main() does, and removed after it.
class TranslatedWindow : public FilledWindowFixture {
  protected:
    void openIn(const QString& code) {
        ASSERT_TRUE(loadTranslation(translator_, code)) << code.toStdString();
        QCoreApplication::installTranslator(&translator_);
        FilledWindowFixture::SetUp();
    }
    void TearDown() override {
        FilledWindowFixture::TearDown();
        QCoreApplication::removeTranslator(&translator_);
    }

    // Every calculator's button pressed with nothing entered: each page's
    // refusal, and the circuit's question for the pump.
    void calculateEmptyPages() {
        for (const auto& [page, button] : {std::pair("tsPumpa", "btnCalc"),
                                           {"tdHidromotor", "btnHMCalc"},
                                           {"tsHidrocilinder", "BitBtn3"},
                                           {"tsUsputni", "BitBtn5"},
                                           {"tsLokalni", "BitBtn10"},
                                           {"tbProst", "btnNovProst"}}) {
            showPage(page);
            click(button);
        }
    }

    // What the window showed, and every message and dialog it raised.
    std::map<QString, QString> everythingRead() {
        auto texts = shownTexts(window.get());
        for (std::size_t shown = 0; shown < desktop->shown.size(); ++shown) {
            const auto& dialog = desktop->shown[shown];
            const QString where = QStringLiteral("dialog%1/").arg(shown);
            texts[where + "title"] = dialog.title;
            texts[where + "text"] = dialog.text;
            texts[where + "detail"] = dialog.detail;
        }
        return texts;
    }

    QTranslator translator_;
};

class EnglishWindowTest : public TranslatedWindow {
  protected:
    void SetUp() override { openIn(QStringLiteral("en")); }
};

TEST_F(EnglishWindowTest, ShowsNoneOfTheOldMisspellingsOnAnyPageMessageOrReport) {
    calculateEmptyPages();
    fillEveryPage();
    showPage("tbInfo");
    click("BitBtn2");  // the log's save dialog, cancelled
    const auto texts = everythingRead();
    ASSERT_TRUE(std::any_of(texts.begin(), texts.end(), [](const auto& entry) {
        return entry.first.endsWith("RichEdit1/text") && entry.second.contains("CALCULATION");
    })) << "no log";
    const QStringList misspelt{
        "cyliner",    "avlve",      "feture",    "prssure", "Calculatie", "Result's", "improoperly",
        "lenght",     "spped",      "Hydarulic", "Lamilar", "Pumpa mora", "Snimi",    "proracune",
        "Tekst fajl", "Aplication", "r/min",     "o/min",   "r/m ",       "ERROR",    "FATAL"};
    for (const auto& [where, text] : texts) {
        for (const QString& wrong : misspelt) {
            EXPECT_FALSE(text.contains(wrong))
                << where.toStdString() << ": \"" << text.toStdString() << "\" has "
                << wrong.toStdString();
        }
    }
    // The new names of the cylinder kinds, and the prompt in English.
    const auto kinds = child<QGroupBox>("RadioGroup3")->findChildren<QRadioButton*>();
    ASSERT_EQ(kinds.size(), 2);
    EXPECT_EQ(kinds[0]->text(), "Single-rod cylinder (differential)");
    EXPECT_EQ(kinds[1]->text(), "Through-rod cylinder (double rod)");
}

// Texts that read the same in both languages: names of languages, units and
// symbols, numbers, and names from the data (fluid grades, valve files).
bool sameInEveryLanguage(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    static const QStringList names{"English", "Srpski", "Temp", "Reynolds", "QX7", "Check Valve"};
    QString rest = text;
    for (const QString& name : names) {
        rest.remove(name);
    }
    for (const char* unit : {"bar", "min", "mm", "kW", "daNm", "psi", "gpm", "lbf", "cm3", "kg"}) {
        rest.remove(QString::fromLatin1(unit));
    }
    return !rest.contains(word);
}

TEST(SerbianWindowTest, LeavesNoEnglishTextOnAnyPage) {
    // The same window built twice: with the source texts, and in Serbian.
    const auto build = [] { return shownTexts(ProgramRun().window.get()); };
    const auto source = build();
    QTranslator serbian;
    ASSERT_TRUE(loadTranslation(serbian, QStringLiteral("sr")));
    QCoreApplication::installTranslator(&serbian);
    const auto translated = build();
    QCoreApplication::removeTranslator(&serbian);

    int compared = 0;
    for (const auto& [where, text] : source) {
        // The fluid grades are names; only the choice to type figures is words.
        const bool grade = where.contains("cmbUlje/") && text != "User defined";
        if (grade || sameInEveryLanguage(text)) {
            continue;
        }
        const auto found = translated.find(where);
        ASSERT_NE(found, translated.end()) << where.toStdString();
        EXPECT_NE(found->second, text)
            << where.toStdString() << " stays \"" << text.toStdString() << "\"";
        ++compared;
    }
    EXPECT_GT(compared, 250);
    // A sample from each page, as a Serbian engineer reads it.
    const auto at = [&translated](const char* ending) {
        for (const auto& [where, text] : translated) {
            if (where.endsWith(QString::fromLatin1(ending))) {
                return text;
            }
        }
        return QStringLiteral("nothing at ") + QString::fromLatin1(ending);
    };
    for (const auto& [ending, serbianText] : {std::pair("PageControl1/tab0", "Pumpa"),
                                              {"tsPumpa/btnCalc/text", "Izračunaj"},
                                              {"PageControl1/tab1", "Hidromotor"},
                                              {"PageControl1/tab7", "Rezultati"},
                                              {"grOpcije/chBelezi/text", "Beleži proračune"}}) {
        EXPECT_EQ(at(ending), QString::fromUtf8(serbianText)) << ending;
    }
}

class SameFiguresTest : public TranslatedWindow {
  protected:
    // Each language opens its own window in the test.
    void SetUp() override {}
};

// The numbers of the log, in their order: no figure is written otherwise in
// another language, and no calculation takes another path.
QStringList figuresOf(const QString& log) {
    static const QRegularExpression number(QStringLiteral("-?\\d+(\\.\\d+)?"));
    QStringList figures;
    for (const auto& match : number.globalMatch(log)) {
        figures << match.captured();
    }
    return figures;
}

TEST_F(SameFiguresTest, EveryPageCalculatesTheSameFiguresInEnglishAndSerbian) {
    QStringList logs;
    std::map<QString, QString> fields[2];
    int run = 0;
    for (const char* code : {"en", "sr"}) {
        openIn(QString::fromLatin1(code));
        fillEveryPage();
        // Every calculation went through, the valve and the circuit included.
        EXPECT_TRUE(desktop->shown.empty())
            << code << ": " << desktop->shown.front().text.toStdString();
        logs << log();
        for (auto* edit : window->findChildren<QLineEdit*>()) {
            if (!edit->objectName().isEmpty()) {
                fields[run][edit->objectName()] = edit->text();
            }
        }
        TearDown();
        ++run;
    }
    // A figure a text spells out ("NG6", "HLP 46") is the same in both.
    EXPECT_EQ(figuresOf(logs[0]), figuresOf(logs[1]));
    EXPECT_GT(figuresOf(logs[0]).size(), 100);
    EXPECT_EQ(fields[0], fields[1]);
}

}  // namespace
