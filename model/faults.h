#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

#include "model/TextKey.h"

// The errors the element model raises. Callers show what() to the user, so the
// texts are the ones an engineer recognises from any numeric program; a
// message with figures also comes as keyed() (see TextKey.h).

// A formula divided by zero, overflowed or produced an invalid result.
class FloatingPointFault : public std::runtime_error, public KeyedMessage {
  public:
    using std::runtime_error::runtime_error;
    explicit FloatingPointFault(KeyedText text)
        : std::runtime_error(text.filled()), KeyedMessage(std::move(text)) {}
};

// A text that is no number reached a conversion.
class ConversionError : public std::invalid_argument, public KeyedMessage {
  public:
    using std::invalid_argument::invalid_argument;
    explicit ConversionError(KeyedText text)
        : std::invalid_argument(text.filled()), KeyedMessage(std::move(text)) {}
};

// Clears the floating-point status flags on construction; check() throws the
// fault that a formula raised since then. Every element constructor runs its
// formulas between the two, so no element ever holds inf or nan as a result.
class FloatingPointWatch {
  public:
    FloatingPointWatch() {
        if (raisedFaults() != 0) {
            clearFaults();
        }
    }
    // Throws FloatingPointFault when division by zero, overflow or an invalid
    // operation happened since construction (or since the last check).
    void check() const {
        if (const int raised = raisedFaults(); raised != 0) {
            throwFault(raised);
        }
    }

    // The fault flags now raised (division by zero, invalid, overflow).
    static int raisedFaults();

  private:
    static void clearFaults();
    [[noreturn]] static void throwFault(int raised);
};

#if defined(__x86_64__) && defined(__GNUC__)
// The elements check after every formula; reading the two status registers
// directly costs a fraction of the library call. The memory clobber keeps the
// formulas' stores, and so the formulas, before the read.
inline int FloatingPointWatch::raisedFaults() {
    constexpr unsigned kInvalid = 0x01;
    constexpr unsigned kDivideByZero = 0x04;
    constexpr unsigned kOverflow = 0x08;
    unsigned int sse = 0;
    unsigned short x87 = 0;
    __asm__ volatile("stmxcsr %0" : "=m"(sse) : : "memory");
    __asm__ volatile("fnstsw %0" : "=am"(x87) : : "memory");
    return static_cast<int>((sse | x87) & (kInvalid | kDivideByZero | kOverflow));
}
#endif

// Throws the fault matching a non-finite value (used where a result is
// produced without raising a status flag, e.g. by a library call).
void requireFinite(long double value);

// A number a formula may divide by or take as a size: finite and above 0.
inline bool positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

// truncateSpeed for a formula's result: a formula that divided by zero yields
// inf, which the truncation alone would call an overflow, so the flags the
// formula raised decide the message.
int truncateSpeedResult(long double value, const FloatingPointWatch& watch);

// A speed in whole r/min, truncated toward zero after rounding to 12
// significant digits: a speed that is whole on paper but lands a hair below
// the integer in binary (60 x 0.96 x 1000 / 50 = 1151.999...) keeps its
// value, while 1151.7 still gives 1151. A value beyond the 32-bit range is an
// invalid operation rather than an undefined conversion.
int truncateSpeed(long double value);
