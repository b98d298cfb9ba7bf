#include "ui/InputChecks.h"

#include "ui/FieldAccess.h"

bool isEfficiency(double value) {
    return value > 0.0 && value <= 1.0;
}

bool modeInputsUsable(std::span<QWidget* const> given, std::span<QWidget* const> efficiencies) {
    for (const auto& fields : {given, efficiencies}) {
        for (QWidget* field : fields) {
            if (fieldText(field).isEmpty()) {
                return false;
            }
        }
    }
    for (QWidget* field : given) {
        if (!(fieldValue(field) > 0.0)) {
            return false;
        }
    }
    for (QWidget* field : efficiencies) {
        if (!isEfficiency(fieldValue(field))) {
            return false;
        }
    }
    return true;
}
