#include "model/faults.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

constexpr const char* kDivisionByZero = "Floating point division by zero";
constexpr const char* kInvalidOperation = "Invalid floating point operation";
constexpr const char* kOverflow = "Floating point overflow";

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

int truncateToInt32(long double value) {
    requireFinite(value);
    const long double truncated = std::trunc(value);
    if (truncated < static_cast<long double>(std::numeric_limits<std::int32_t>::min()) ||
        truncated > static_cast<long double>(std::numeric_limits<std::int32_t>::max())) {
        throw FloatingPointFault(kInvalidOperation);
    }
    return static_cast<int>(truncated);
}

int truncateResultToInt32(long double value, const FloatingPointWatch& watch) {
    try {
        return truncateToInt32(value);
    } catch (const FloatingPointFault&) {
        watch.check();
        throw;
    }
}
