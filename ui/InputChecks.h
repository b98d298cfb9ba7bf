#pragma once

#include <span>

class QWidget;

// An efficiency is a fraction of at most 1: more would give more power out
// than goes in.
bool isEfficiency(double value);

// The inputs of a calculation mode are usable: no field is empty (checked in
// the order given, given values first), every given value is greater than 0
// and every efficiency lies in (0, 1]. A text that is no number is not this
// check's business: its ConversionError reaches the application-wide message.
bool modeInputsUsable(std::span<QWidget* const> given, std::span<QWidget* const> efficiencies);
