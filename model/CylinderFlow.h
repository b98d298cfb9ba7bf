#pragma once

#include <optional>
#include <string>

// The flows through a cylinder seen from the lines around it: which oil
// comes back out when a flow goes in. Used wherever a return line is sized
// from the pump flow, the circuit and the line page alike.

enum class CylinderKind { SingleActing, DoubleActing };
enum class LoadDirection { Push, Pull };

// Why the cylinder's diameters cannot be calculated with, or nothing when they
// can: both greater than 0 and the piston larger than the rod. The message is
// a model text, its own key; cylinderDiametersProblem gives that key, or
// nullptr when the diameters can be calculated with.
std::optional<std::string> checkCylinderDiameters(double pistonDiameter, double rodDiameter);
const char* cylinderDiametersProblem(double pistonDiameter, double rodDiameter);

// The flow leaving the cylinder for the return line (l/min), from the flow Q
// into it. Pushing, oil enters the piston side and the annulus returns
// Q (D1^2 - D2^2) / D1^2; pulling, oil enters the annulus and the piston side
// returns Q D1^2 / (D1^2 - D2^2); the through-rod cylinder returns Q.
// For a single-acting cylinder, diameters that fail checkCylinderDiameters
// throw InputError with that text; a result beyond the double range throws
// FloatingPointFault.
double returnFlow(double supplyFlow, double pistonDiameter, double rodDiameter, CylinderKind kind,
                  LoadDirection direction);
