#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QSettings;
class QTranslator;

// The languages the program speaks, in the order of the panel's choice.
enum class LanguageChoice { SystemDefault, English, Serbian };

// The choice as the settings keep it ("system", "en", "sr"), and back; an
// unknown or missing text is the system default.
QString languageKey(LanguageChoice choice);
LanguageChoice languageFromKey(const QString& key);

LanguageChoice savedLanguage(const QSettings& settings);
void saveLanguage(QSettings& settings, LanguageChoice choice);

// The translation a choice stands for: "en" or "sr". The system default
// follows the locale's language; any language other than Serbian gets English.
QString translationCode(LanguageChoice choice, const QLocale& locale = QLocale::system());

// Every translation the program ships, by code.
QStringList translationCodes();

// Loads the program's translation for the code (compiled into the program);
// false when there is none.
bool loadTranslation(QTranslator& translator, const QString& code);
