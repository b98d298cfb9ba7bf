#include "ui/NumberText.h"

#include "model/faults.h"
#include "model/numtext.h"

double readNumber(const QString& text) {
    // A decimal comma, pasted from a document or another program, means what
    // the point means. With both separators, or several commas, there is no
    // telling which is the decimal one: such a text stays no number.
    if (text.count(u',') == 1 && !text.contains(u'.')) {
        QString withPoint = text;
        withPoint.replace(u',', u'.');
        try {
            return numtext::StrToFloat(withPoint.toStdString());
        } catch (const ConversionError&) {
            // Reported below with the text as the user wrote it.
        }
    }
    return numtext::StrToFloat(text.toStdString());
}

std::optional<double> readOptionalNumber(const QString& text) {
    if (text.isEmpty()) {
        return std::nullopt;
    }
    return readNumber(text);
}

double requireNumber(const std::optional<double>& number) {
    return number ? *number : readNumber(QString());
}
