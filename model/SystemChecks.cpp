#include "model/SystemChecks.h"

#include <cmath>

#include "model/numtext.h"

namespace syscheck {

namespace {

std::string shown(double value) {
    return numtext::FloatToStr(value);
}

}  // namespace

void requirePositive(double value, const char* name) {
    if (!positive(value)) {
        throw InputError(KeyedText{TEXT_KEY("Model", "%1: %2 is not greater than 0"),
                                   {keyFigure(name), shown(value)}});
    }
}

void requireNotNegative(double value, const char* name) {
    if (!std::isfinite(value) || value < 0.0) {
        throw InputError(
            KeyedText{TEXT_KEY("Model", "%1: %2 is negative"), {keyFigure(name), shown(value)}});
    }
}

void requireWithin(double value, double low, double high, const char* name) {
    if (!std::isfinite(value) || value < low || value > high) {
        throw InputError(KeyedText{TEXT_KEY("Model", "%1: %2 is not in [%3, %4]"),
                                   {keyFigure(name), shown(value), shown(low), shown(high)}});
    }
}

void requireSound(const FloatingPointWatch& watch, long double value) {
    watch.check();
    requireFinite(value);
}

}  // namespace syscheck
