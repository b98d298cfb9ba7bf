#include "model/faults.h"

#include <array>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr const char* kDivisionByZero = TEXT_KEY("Model", "Floating point division by zero");
constexpr const char* kInvalidOperation = TEXT_KEY("Model", "Invalid floating point operation");
constexpr const char* kOverflow = TEXT_KEY("Model", "Floating point overflow");

}  // namespace

namespace {

constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;

}  // namespace

#if !(defined(__x86_64__) && defined(__GNUC__))
int FloatingPointWatch::raisedFaults() {
    return std::fetestexcept(kFaults);
}
#else
// The status bits read directly are the ones the standard flags name.
static_assert(FE_INVALID == 0x01 && FE_DIVBYZERO == 0x04 && FE_OVERFLOW == 0x08);
#endif

void FloatingPointWatch::clearFaults() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

void FloatingPointWatch::throwFault(int raised) {
    clearFaults();
    // Division by zero is named first: 0/0 raises invalid, x/0 raises divide.
    if (raised & FE_DIVBYZERO) {
        throw FloatingPointFault(kDivisionByZero);
    }
    if (raised & FE_INVALID) {
        throw FloatingPointFault(kInvalidOperation);
    }
    throw FloatingPointFault(kOverflow);
}

void requireFinite(long double value) {
    if (std::isnan(value)) {
        throw FloatingPointFault(kInvalidOperation);
    }
    if (std::isinf(value)) {
        throw FloatingPointFault(kOverflow);
    }
}

namespace {

constexpr int kSpeedDigits = 12;
// 10^0 to 10^12, each exact in binary.
constexpr std::array<long double, kSpeedDigits + 1> kPowersOfTen = {
    1e0L, 1e1L, 1e2L, 1e3L, 1e4L, 1e5L, 1e6L, 1e7L, 1e8L, 1e9L, 1e10L, 1e11L, 1e12L};

// Rounds to kSpeedDigits significant digits every value whose truncation the
// rounding can change and that can still be a 32-bit speed; below 0.5 the
// truncation is 0 either way, and from 1e10 on the value is out of range.
long double roundForSpeed(long double value) {
    const long double magnitude = std::fabs(value);
    if (!(magnitude >= 0.5L && magnitude < 1e10L)) {
        return value;
    }
    int integerDigits = 0;
    while (integerDigits < 10 &&
           magnitude >= kPowersOfTen[static_cast<std::size_t>(integerDigits)]) {
        ++integerDigits;
    }
    const long double scale = kPowersOfTen[static_cast<std::size_t>(kSpeedDigits - integerDigits)];
    return std::round(value * scale) / scale;
}

}  // namespace

int truncateSpeed(long double value) {
    requireFinite(value);
    const long double truncated = std::trunc(roundForSpeed(value));
    if (truncated < static_cast<long double>(std::numeric_limits<std::int32_t>::min()) ||
        truncated > static_cast<long double>(std::numeric_limits<std::int32_t>::max())) {
        throw FloatingPointFault(kInvalidOperation);
    }
    return static_cast<int>(truncated);
}

int truncateSpeedResult(long double value, const FloatingPointWatch& watch) {
    try {
        return truncateSpeed(value);
    } catch (const FloatingPointFault&) {
        watch.check();
        throw;
    }
}
