#include "ui/NumberText.h"

#include "model/numtext.h"

double readNumber(const QString& text) {
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
