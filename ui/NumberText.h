#pragma once

#include <QString>
#include <optional>

// Reading numbers the user typed or pasted: the point is the decimal separator
// whatever the locale, and a single comma in a text without a point is read as
// the point ("28,5" is 28.5); "1,2.3" and "1,2,3" are no numbers. Blanks
// around the number and an exponent are allowed. Every page reads its texts
// through these, so a text is read one way everywhere.

// A text that is no number (the empty text too) throws ConversionError, naming
// the text as given; it reaches the application-wide message unless the
// caller catches it.
double readNumber(const QString& text);

// Nothing for an empty text, a field left blank; any other text as readNumber.
std::optional<double> readOptionalNumber(const QString& text);

// A number that must be given: nothing fails as reading the blank field did.
double requireNumber(const std::optional<double>& number);
