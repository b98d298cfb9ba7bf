#include "ui/ModelText.h"

#include <QCoreApplication>

namespace {
constexpr const char* kContext = "Model";
constexpr const char* kUnitContext = "Unit";
}  // namespace

QString modelText(const char* key) {
    return QCoreApplication::translate(kContext, key);
}

QString modelText(const std::string& key) {
    return modelText(key.c_str());
}

QString modelText(std::string_view key) {
    return modelText(std::string(key));
}

QString modelText(const KeyedText& text) {
    QString message = modelText(text.key);
    // One pass over the key: a figure that holds "%2" itself stays as it is.
    QString filled;
    for (qsizetype at = 0; at < message.size(); ++at) {
        if (message[at] == QLatin1Char('%') && at + 1 < message.size() &&
            message[at + 1] >= QLatin1Char('1') && message[at + 1] <= QLatin1Char('9')) {
            const auto index = static_cast<std::size_t>(message[at + 1].unicode() - '1');
            if (index < text.figures.size()) {
                const KeyedText::Figure& figure = text.figures[index];
                filled +=
                    figure.isKey ? modelText(figure.text) : QString::fromStdString(figure.text);
                ++at;
                continue;
            }
        }
        filled += message[at];
    }
    return filled;
}

QString faultText(const std::exception& failure) {
    if (const auto* keyed = dynamic_cast<const KeyedMessage*>(&failure);
        keyed != nullptr && keyed->keyed()) {
        return modelText(*keyed->keyed());
    }
    return modelText(failure.what());
}

units::ReportRows translatedRows(std::span<const units::ReportRow> rows) {
    units::ReportRows translated(rows.begin(), rows.end());
    for (units::ReportRow& row : translated) {
        if (!row.userText) {
            row.label = modelText(row.label).toStdString();
        }
        row.format.after = modelText(row.format.after).toStdString();
    }
    return translated;
}

QString shownUnit(std::string_view spelling) {
    if (spelling.empty()) {
        return {};
    }
    // The table's views need not end in a terminator.
    const std::string key(spelling);
    return QCoreApplication::translate(kUnitContext, key.c_str());
}

std::string unitSpelling(std::string_view spelling) {
    return shownUnit(spelling).toStdString();
}
