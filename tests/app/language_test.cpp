// The language choice: what each choice and locale stand for, the
// translations compiled into the program, and the panel's choice kept for
// the next start with a word about when it takes effect.
#include <QSettings>
#include <QTemporaryDir>

#include "app/Language.h"
#include "app/WorkingFluidPanel.h"
#include "tests/support/MainWindowFixture.h"

namespace {

TEST(LanguageTest, EachChoiceAndLocaleStandsForOneTranslation) {
    struct Case {
        LanguageChoice choice;
        QLocale locale;
        const char* code;
    };
    const Case cases[] = {
        {LanguageChoice::SystemDefault, QLocale(QLocale::Serbian, QLocale::Serbia), "sr"},
        {LanguageChoice::SystemDefault,
         QLocale(QLocale::Serbian, QLocale::LatinScript, QLocale::Montenegro), "sr"},
        {LanguageChoice::SystemDefault, QLocale(QLocale::German, QLocale::Germany), "en"},
        {LanguageChoice::SystemDefault, QLocale(QLocale::Croatian, QLocale::Croatia), "en"},
        {LanguageChoice::SystemDefault, QLocale::c(), "en"},
        {LanguageChoice::English, QLocale(QLocale::Serbian, QLocale::Serbia), "en"},
        {LanguageChoice::Serbian, QLocale(QLocale::English, QLocale::UnitedStates), "sr"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(translationCode(c.choice, c.locale), QString::fromLatin1(c.code))
            << c.locale.name().toStdString();
    }
    for (LanguageChoice choice :
         {LanguageChoice::SystemDefault, LanguageChoice::English, LanguageChoice::Serbian}) {
        EXPECT_EQ(languageFromKey(languageKey(choice)), choice);
    }
    EXPECT_EQ(languageFromKey(QStringLiteral("de")), LanguageChoice::SystemDefault);
    EXPECT_EQ(languageFromKey({}), LanguageChoice::SystemDefault);
}

class LanguageChoiceTest : public MainWindowFixture {
  protected:
    QComboBox* choice() { return child<QComboBox>("cbLanguage"); }
    // A start of the program with its settings in home.
    void start(const QString& home) {
        window.reset();
        auto scripted = std::make_unique<ScriptedDesktop>();
        scripted->home = home;
        desktop = scripted.get();
        window = std::make_unique<TfrmKalvorMain>(nullptr, std::move(scripted));
        window->buildEveryPage();
    }
    QTemporaryDir home;
};

TEST_F(LanguageChoiceTest, IsKeptForTheNextStartWithANoteAndChangesNoFigure) {
    start(home.path());
    EXPECT_EQ(choice()->currentIndex(), 0);
    typeAndLeave("edp", "160");
    choice()->setCurrentIndex(static_cast<int>(LanguageChoice::Serbian));
    ASSERT_EQ(desktop->shown.size(), 1u);
    EXPECT_TRUE(desktop->shown[0].text.contains("next start"));
    EXPECT_EQ(text("edp"), "160");
    EXPECT_EQ(savedLanguage(*desktop->settings()), LanguageChoice::Serbian);

    // The next start shows the choice kept, and says nothing about it.
    start(home.path());
    EXPECT_EQ(choice()->currentIndex(), static_cast<int>(LanguageChoice::Serbian));
    EXPECT_TRUE(desktop->shown.empty());
}

}  // namespace
