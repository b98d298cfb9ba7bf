#pragma once

#include <QString>
#include <limits>
#include <optional>
#include <span>

class QWidget;

// An efficiency is a fraction of at most 1: more would give more power out
// than goes in.
bool isEfficiency(double value);

// The figures a quantity takes, both ends included. The ends are what an
// engineer never goes beyond: past them a formula gives absurd figures (a
// billionth of a bar asks for a pump the size of a lake) or leaves the range
// of a double on its way to the report.
struct ValueRange {
    double lowest = 0.0;
    double highest = std::numeric_limits<double>::max();
};

bool inRange(double value, const ValueRange& range);
// "0.1 to 1000", as messages and hints show a range.
QString rangeText(const ValueRange& range);

// "Pressure [bar]: 1200 is out of range (allowed: 1 to 1000)": a number the
// quantity does not take.
QString outOfRangeText(const QString& name, const QString& text, const ValueRange& range);

// A field's text read as the number of a named quantity: the number, or why
// it is no usable figure, naming the quantity and its range.
struct FieldReading {
    double value = 0.0;
    bool number = false;  // the text is a number, in range or not
    QString problem;      // empty: the value is usable
    bool usable() const { return problem.isEmpty(); }
};
// An empty text is "no value given"; a text that is no number, or a number
// outside the range, gets a message that names the quantity and the range
// ("Pressure [bar]: \"abc\" is not a number (allowed: 1 to 1000)").
FieldReading readQuantity(const QString& name, const QString& text, const ValueRange& range);

// A field with the name of its quantity, as the user reads it on the page,
// and the figures it takes.
struct NamedField {
    QWidget* field = nullptr;
    QString name;  // e.g. "Pressure [bar]"
    ValueRange range;
};

// The field whose text makes a calculation impossible, and why.
struct FieldProblem {
    QWidget* field = nullptr;
    QString text;
};

// What makes the inputs of a calculation mode unusable, naming the quantity
// and the allowed range, or nothing when they are usable: no field is empty
// (checked in the order given, given values first), every text is a number
// within its field's range, every given value is greater than 0 and every
// efficiency lies in (0, 1].
std::optional<FieldProblem> modeInputProblem(std::span<const NamedField> given,
                                             std::span<const NamedField> efficiencies);
