#include "model/CylinderFlow.h"

#include <cmath>

#include "model/InputError.h"
#include "model/faults.h"

std::optional<std::string> checkCylinderDiameters(double pistonDiameter, double rodDiameter) {
    constexpr const char* kRemedy = ": set it on the cylinder page";
    if (!positive(pistonDiameter)) {
        return std::string("Piston diameter D1 must be greater than 0 mm") + kRemedy;
    }
    if (!positive(rodDiameter)) {
        return std::string("Rod diameter D2 must be greater than 0 mm") + kRemedy;
    }
    if (pistonDiameter <= rodDiameter) {
        return std::string(
            "Piston diameter D1 must be greater than the rod diameter D2: correct the cylinder on "
            "the cylinder page");
    }
    return std::nullopt;
}

double returnFlow(double supplyFlow, double pistonDiameter, double rodDiameter, CylinderKind kind,
                  LoadDirection direction) {
    if (kind == CylinderKind::DoubleActing) {
        return supplyFlow;
    }
    if (auto problem = checkCylinderDiameters(pistonDiameter, rodDiameter)) {
        throw InputError(*problem);
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
