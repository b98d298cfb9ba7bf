#pragma once

#include <QColor>
#include <QString>
#include <optional>

class QSlider;
class QWidget;

// Lime green marks a known input of the selected calculation mode.
inline const QColor kKnownFieldColour{0, 255, 0};

// A field is a one-line edit, an editable combo box or a value label; these
// read and write any of them.
QString fieldText(const QWidget* field);
void setFieldText(QWidget* field, const QString& text);

// The field's number, read as ui/NumberText reads it, for a field its page
// has checked (FieldPairs::read, the mode checks): a text that is no number
// throws ConversionError, which would reach the application-wide message.
double fieldValue(const QWidget* field);
// Nothing for a blank field; otherwise as fieldValue.
std::optional<double> optionalFieldValue(const QWidget* field);

// Field background through the palette's Base role.
void setFieldColour(QWidget* field, const QColor& colour);
// The system's normal edit background.
QColor windowColour();
QColor fieldColour(const QWidget* field);

// A field whose text the user has to correct is red until it is corrected;
// its text stays as the user left it. Correcting it gives back the colour it
// had (lime green or the window colour), unless something painted it since.
inline const QColor kRefusedFieldColour{255, 96, 96};
void markRefused(QWidget* field);
void clearRefused(QWidget* field);
bool isRefused(const QWidget* field);

// Moves a slider to a value truncated toward zero, clamped to the slider's
// range. The slider's change handler runs only if the position changes. No
// slider, nothing to move.
void moveSlider(QSlider* slider, long double value);

// Texts formatted with the framework rules, as Qt strings. A whole-number
// format ("%d") formats the value truncated toward zero.
QString formatText(const char* format, long double value);
