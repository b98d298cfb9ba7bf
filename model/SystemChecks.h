#pragma once

#include <string>

#include "model/InputError.h"
#include "model/faults.h"

// The input checks the system calculators share: each throws InputError with
// a text that names the quantity as the page shows it and what it must be.
// The name is a model text (marked TEXT_KEY where the check is called), so
// the message reads in the program's language.
namespace syscheck {

// Finite and above 0.
void requirePositive(double value, const char* name);
// Finite and not below 0.
void requireNotNegative(double value, const char* name);
// Finite and within [low, high].
void requireWithin(double value, double low, double high, const char* name);

// A result a formula produced: the faults its status flags recorded first,
// then inf or nan that came without a flag.
void requireSound(const FloatingPointWatch& watch, long double value);

}  // namespace syscheck
