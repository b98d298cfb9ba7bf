#include "ui/ModelText.h"

#include <QCoreApplication>

#include "model/InputError.h"

namespace {
constexpr const char* kContext = "Model";
}

QString modelText(const char* key) {
    return QCoreApplication::translate(kContext, key);
}

QString modelText(const std::string& key) {
    return modelText(key.c_str());
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
                filled += QString::fromStdString(text.figures[index]);
                ++at;
                continue;
            }
        }
        filled += message[at];
    }
    return filled;
}

QString faultText(const std::exception& failure) {
    if (const auto* input = dynamic_cast<const InputError*>(&failure);
        input != nullptr && input->keyed()) {
        return modelText(*input->keyed());
    }
    return modelText(failure.what());
}

units::ReportRows translatedRows(std::span<const units::ReportRow> rows) {
    units::ReportRows translated(rows.begin(), rows.end());
    for (units::ReportRow& row : translated) {
        row.label = modelText(row.label).toStdString();
        row.format.after = modelText(row.format.after).toStdString();
    }
    return translated;
}
