#pragma once

#include <QString>
#include <optional>

// Reading numbers the user typed: the point is the decimal separator whatever
// the locale, blanks around the number and an exponent are allowed. Every
// page reads its texts through these, so a text is read one way everywhere.

// A text that is no number (the empty text too) throws ConversionError, which
// reaches the application-wide message unless the caller catches it.
double readNumber(const QString& text);

// Nothing for an empty text, a field left blank; any other text as readNumber.
std::optional<double> readOptionalNumber(const QString& text);

// A number that must be given: nothing fails as reading the blank field did.
double requireNumber(const std::optional<double>& number);
