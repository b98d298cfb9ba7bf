#pragma once

#include <stdexcept>
#include <string>

// The errors the element model raises. Callers show what() to the user, so the
// texts are the ones an engineer recognises from any numeric program.

// A formula divided by zero, overflowed or produced an invalid result.
class FloatingPointFault : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is no number reached a conversion.
class ConversionError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// Clears the floating-point status flags on construction; check() throws the
// fault that a formula raised since then. Every element constructor runs its
// formulas between the two, so no element ever holds inf or nan as a result.
class FloatingPointWatch {
public:
    FloatingPointWatch();
    // Throws FloatingPointFault when division by zero, overflow or an invalid
    // operation happened since construction (or since the last check).
    void check() const;
};

// Throws the fault matching a non-finite value (used where a result is
// produced without raising a status flag, e.g. by a library call).
void requireFinite(long double value);

// Truncates toward zero into a 32-bit speed; a value beyond the integer range
// is an invalid operation rather than an undefined conversion.
int truncateToInt32(long double value);
