#include "app/Language.h"

#include <QSettings>
#include <QTranslator>

namespace {
constexpr const char* kSettingsKey = "window/language";
}

QString languageKey(LanguageChoice choice) {
    switch (choice) {
        case LanguageChoice::English:
            return QStringLiteral("en");
        case LanguageChoice::Serbian:
            return QStringLiteral("sr");
        case LanguageChoice::SystemDefault:
            break;
    }
    return QStringLiteral("system");
}

LanguageChoice languageFromKey(const QString& key) {
    for (LanguageChoice choice : {LanguageChoice::English, LanguageChoice::Serbian}) {
        if (key == languageKey(choice)) {
            return choice;
        }
    }
    return LanguageChoice::SystemDefault;
}

LanguageChoice savedLanguage(const QSettings& settings) {
    return languageFromKey(settings.value(QLatin1String(kSettingsKey)).toString());
}

void saveLanguage(QSettings& settings, LanguageChoice choice) {
    settings.setValue(QLatin1String(kSettingsKey), languageKey(choice));
}

QString translationCode(LanguageChoice choice, const QLocale& locale) {
    if (choice != LanguageChoice::SystemDefault) {
        return languageKey(choice);
    }
    // Serbian in either script reads the Latin translation; the neighbouring
    // languages that read it as easily are not guessed at.
    return locale.language() == QLocale::Serbian ? languageKey(LanguageChoice::Serbian)
                                                 : languageKey(LanguageChoice::English);
}

QStringList translationCodes() {
    return {languageKey(LanguageChoice::English), languageKey(LanguageChoice::Serbian)};
}

bool loadTranslation(QTranslator& translator, const QString& code) {
    return translator.load(QStringLiteral(":/i18n/hydrocalc_%1.qm").arg(code));
}
