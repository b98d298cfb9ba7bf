#pragma once

#include <QString>
#include <optional>
#include <span>

class QWidget;

// An efficiency is a fraction of at most 1: more would give more power out
// than goes in.
bool isEfficiency(double value);

// A field with the name of its quantity, as the user reads it on the page.
struct NamedField {
    QWidget* field = nullptr;
    QString name;  // e.g. "Pressure [bar]"
};

// What makes the inputs of a calculation mode unusable, naming the quantity
// and the allowed range ("Efficiency: 1.5 is not in (0, 1]"), or nothing when
// they are usable: no field is empty (checked in the order given, given
// values first), every given value is greater than 0 and every efficiency
// lies in (0, 1]. A text that is no number is not this check's business: its
// ConversionError reaches the application-wide message.
std::optional<QString> modeInputProblem(std::span<const NamedField> given,
                                        std::span<const NamedField> efficiencies);
