#include "model/SystemChecks.h"

#include <cmath>

#include "model/numtext.h"

namespace syscheck {

namespace {

std::string shown(double value) {
    return numtext::FloatToStr(value);
}

}  // namespace

void requirePositive(double value, const std::string& name) {
    if (!positive(value)) {
        throw InputError(name + ": " + shown(value) + " is not greater than 0");
    }
}

void requireNotNegative(double value, const std::string& name) {
    if (!std::isfinite(value) || value < 0.0) {
        throw InputError(name + ": " + shown(value) + " is negative");
    }
}

void requireWithin(double value, double low, double high, const std::string& name) {
    if (!std::isfinite(value) || value < low || value > high) {
        throw InputError(name + ": " + shown(value) + " is not in [" + shown(low) + ", " +
                         shown(high) + "]");
    }
}

void requireSound(const FloatingPointWatch& watch, long double value) {
    watch.check();
    requireFinite(value);
}

}  // namespace syscheck
