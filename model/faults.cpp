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

FloatingPointWatch::FloatingPointWatch() { std::feclearexcept(FE_ALL_EXCEPT); }

void FloatingPointWatch::check() const {
    const int raised = std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW);
    std::feclearexcept(FE_ALL_EXCEPT);
    // Division by zero is named first: 0/0 raises invalid, x/0 raises divide.
    if (raised & FE_DIVBYZERO) {
        throw FloatingPointFault(kDivisionByZero);
    }
    if (raised & FE_INVALID) {
        throw FloatingPointFault(kInvalidOperation);
    }
    if (raised & FE_OVERFLOW) {
        throw FloatingPointFault(kOverflow);
    }
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
