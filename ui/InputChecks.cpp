#include "ui/InputChecks.h"

#include <QCoreApplication>
#include <cmath>

#include "model/faults.h"
#include "ui/FieldAccess.h"
#include "ui/NumberText.h"

namespace {

// The context the checks' messages are translated in.
class InputChecks {
    Q_DECLARE_TR_FUNCTIONS(InputChecks)
};

QString figure(double value) {
    return QString::number(value, 'g', 10);
}

QString noValue(const QString& name) {
    return InputChecks::tr("%1: no value given").arg(name);
}

}  // namespace

bool isEfficiency(double value) {
    return value > 0.0 && value <= 1.0;
}

bool inRange(double value, const ValueRange& range) {
    return std::isfinite(value) && value >= range.lowest && value <= range.highest;
}

QString rangeText(const ValueRange& range) {
    return InputChecks::tr("%1 to %2").arg(figure(range.lowest), figure(range.highest));
}

QString outOfRangeText(const QString& name, const QString& text, const ValueRange& range) {
    // One pass over the pattern: a typed "%1" stays as it was typed.
    return InputChecks::tr("%1: %2 is out of range (allowed: %3)")
        .arg(name, text, rangeText(range));
}

FieldReading readQuantity(const QString& name, const QString& text, const ValueRange& range) {
    FieldReading reading;
    if (text.isEmpty()) {
        reading.problem = noValue(name);
        return reading;
    }
    try {
        reading.value = readNumber(text);
        reading.number = true;
    } catch (const ConversionError&) {
        reading.problem = InputChecks::tr("%1: \"%2\" is not a number (allowed: %3)")
                              .arg(name, text, rangeText(range));
        return reading;
    }
    if (!inRange(reading.value, range)) {
        reading.problem = outOfRangeText(name, text.trimmed(), range);
    }
    return reading;
}

std::optional<FieldProblem> modeInputProblem(std::span<const NamedField> given,
                                             std::span<const NamedField> efficiencies) {
    for (const auto& fields : {given, efficiencies}) {
        for (const NamedField& named : fields) {
            if (fieldText(named.field).isEmpty()) {
                return FieldProblem{named.field, noValue(named.name)};
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
            const QString why = usable == isEfficiency
                                    ? InputChecks::tr("%1: %2 is not in (0, 1]")
                                    : InputChecks::tr("%1: %2 is not greater than 0");
            return FieldProblem{named.field, why.arg(named.name, text)};
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
