#include "ui/InputChecks.h"

#include <cmath>

#include "model/faults.h"
#include "ui/FieldAccess.h"
#include "ui/NumberText.h"

namespace {

QString figure(double value) {
    return QString::number(value, 'g', 10);
}

QString allowed(const ValueRange& range) {
    return QStringLiteral(" (allowed: ") + rangeText(range) + QLatin1Char(')');
}

}  // namespace

bool isEfficiency(double value) {
    return value > 0.0 && value <= 1.0;
}

bool inRange(double value, const ValueRange& range) {
    return std::isfinite(value) && value >= range.lowest && value <= range.highest;
}

QString rangeText(const ValueRange& range) {
    return figure(range.lowest) + QStringLiteral(" to ") + figure(range.highest);
}

FieldReading readQuantity(const QString& name, const QString& text, const ValueRange& range) {
    FieldReading reading;
    if (text.isEmpty()) {
        reading.problem = name + QStringLiteral(": no value given");
        return reading;
    }
    try {
        reading.value = readNumber(text);
        reading.number = true;
    } catch (const ConversionError&) {
        reading.problem = name + QStringLiteral(": \"") + text +
                          QStringLiteral("\" is not a number") + allowed(range);
        return reading;
    }
    if (!inRange(reading.value, range)) {
        reading.problem = name + QStringLiteral(": ") + text.trimmed() +
                          QStringLiteral(" is out of range") + allowed(range);
    }
    return reading;
}

std::optional<FieldProblem> modeInputProblem(std::span<const NamedField> given,
                                             std::span<const NamedField> efficiencies) {
    for (const auto& fields : {given, efficiencies}) {
        for (const NamedField& named : fields) {
            if (fieldText(named.field).isEmpty()) {
                return FieldProblem{named.field, named.name + QStringLiteral(": no value given")};
            }
        }
    }
    // A given value is divided by or taken as a size; an efficiency is a fraction.
    const auto problem = [](const NamedField& named,
                            bool (*usable)(double)) -> std::optional<FieldProblem> {
        const QString text = fieldText(named.field);
        const FieldReading reading = readQuantity(named.name, text, named.range);
        if (!reading.usable()) {
            return FieldProblem{named.field, reading.problem};
        }
        if (!usable(reading.value)) {
            return FieldProblem{named.field, named.name + QStringLiteral(": ") + text +
                                                 (usable == isEfficiency
                                                      ? QStringLiteral(" is not in (0, 1]")
                                                      : QStringLiteral(" is not greater than 0"))};
        }
        return std::nullopt;
    };
    for (const NamedField& named : given) {
        if (auto found = problem(named, positive)) {
            return found;
        }
    }
    for (const NamedField& named : efficiencies) {
        if (auto found = problem(named, isEfficiency)) {
            return found;
        }
    }
    return std::nullopt;
}
