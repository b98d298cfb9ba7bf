#include "ui/InputChecks.h"

#include "ui/FieldAccess.h"

bool isEfficiency(double value) {
    return value > 0.0 && value <= 1.0;
}

std::optional<QString> modeInputProblem(std::span<const NamedField> given,
                                        std::span<const NamedField> efficiencies) {
    for (const auto& fields : {given, efficiencies}) {
        for (const NamedField& named : fields) {
            if (fieldText(named.field).isEmpty()) {
                return named.name + QStringLiteral(": no value given");
            }
        }
    }
    for (const NamedField& named : given) {
        if (!(fieldValue(named.field) > 0.0)) {
            return named.name + QStringLiteral(": ") + fieldText(named.field) +
                   QStringLiteral(" is not greater than 0");
        }
    }
    for (const NamedField& named : efficiencies) {
        if (!isEfficiency(fieldValue(named.field))) {
            return named.name + QStringLiteral(": ") + fieldText(named.field) +
                   QStringLiteral(" is not in (0, 1]");
        }
    }
    return std::nullopt;
}
