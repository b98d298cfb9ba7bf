#include "model/CylinderFlow.h"

#include <cmath>

#include "model/InputError.h"
#include "model/faults.h"

const char* cylinderDiametersProblem(double pistonDiameter, double rodDiameter) {
    if (!positive(pistonDiameter)) {
        return TEXT_KEY(
            "Model", "Piston diameter D1 must be greater than 0 mm: set it on the cylinder page");
    }
    if (!positive(rodDiameter)) {
        return TEXT_KEY("Model",
                        "Rod diameter D2 must be greater than 0 mm: set it on the cylinder page");
    }
    if (pistonDiameter <= rodDiameter) {
        return TEXT_KEY("Model",
                        "Piston diameter D1 must be greater than the rod diameter D2: correct the "
                        "cylinder on the cylinder page");
    }
    return nullptr;
}

std::optional<std::string> checkCylinderDiameters(double pistonDiameter, double rodDiameter) {
    if (const char* problem = cylinderDiametersProblem(pistonDiameter, rodDiameter)) {
        return std::string(problem);
    }
    return std::nullopt;
}

double returnFlow(double supplyFlow, double pistonDiameter, double rodDiameter, CylinderKind kind,
                  LoadDirection direction) {
    if (kind == CylinderKind::DoubleActing) {
        return supplyFlow;
    }
    if (const char* problem = cylinderDiametersProblem(pistonDiameter, rodDiameter)) {
        throw InputError(KeyedText{problem});
    }
    FloatingPointWatch watch;
    const long double piston = static_cast<long double>(pistonDiameter) * pistonDiameter;
    const long double annulus = piston - static_cast<long double>(rodDiameter) * rodDiameter;
    const long double q = supplyFlow;
    const auto result = static_cast<double>(
        direction == LoadDirection::Push ? q * annulus / piston : q * piston / annulus);
    watch.check();
    requireFinite(result);
    return result;
}
