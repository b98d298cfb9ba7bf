#include "app/EveryLanguage.h"

#include <QCoreApplication>
#include <QTranslator>

#include "app/Language.h"

EveryLanguage::EveryLanguage(std::vector<std::unique_ptr<QTranslator>> translations)
    : translations_(std::move(translations)) {
    languages_.emplace_back([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source);
    });
    languages_.emplace_back(
        [](const char*, const char* source) { return QString::fromUtf8(source); });
    for (const std::unique_ptr<QTranslator>& translation : translations_) {
        languages_.emplace_back(
            [language = translation.get()](const char* context, const char* source) {
                const QString text = language->translate(context, source);
                return text.isEmpty() ? QString::fromUtf8(source) : text;
            });
    }
}

EveryLanguage::~EveryLanguage() = default;

QStringList EveryLanguage::texts(const char* context, const char* source) const {
    QStringList texts;
    for (const Words& words : languages_) {
        const QString text = words(context, source);
        if (!texts.contains(text)) {
            texts << text;
        }
    }
    return texts;
}

std::vector<std::unique_ptr<QTranslator>> shippedTranslations() {
    std::vector<std::unique_ptr<QTranslator>> shipped;
    for (const QString& code : translationCodes()) {
        auto translation = std::make_unique<QTranslator>();
        if (loadTranslation(*translation, code)) {
            shipped.push_back(std::move(translation));
        }
    }
    return shipped;
}
