#pragma once

#include <optional>
#include <vector>

#include "circuit/prost_cevovod.h"

// What the circuit's characteristic diagram draws: the drops of the supply
// and the return side over the pump flow q from 0 to the operating flow Q,
// each element at the flow it carries then (the return side at q Qr / Q, the
// cylinder's area ratio), by its own law: a line by the law of its regime, a
// valve k q^2 + p0. So both curves end on the computed operating point.
struct CircuitCharacteristic {
    struct Point {
        double flow = 0.0;    // q, l/min
        double supply = 0.0;  // supply-side drop at q, bar
        double ret = 0.0;     // return-side drop at q, bar
    };

    int flowMax = 0;          // l/min: Q truncated toward zero, at least 1
    int pressureMax = 0;      // bar: the largest drop drawn, rounded up, at least 4
    double supplyDrop = 0.0;  // Ss at Q, bar
    double returnDrop = 0.0;  // Sr at Q, bar
    double flow = 0.0;        // Q, l/min
    // Evenly spaced from q = 0 to q = Q, both included.
    std::vector<Point> points;

    // The drops at a flow q in l/min, straight between the points; q is held
    // to 0..flow, where the curves are defined, so the result is always finite.
    double supplyAt(double q) const;
    double returnAt(double q) const;
};

// Intervals a characteristic is computed in, unless asked for others.
inline constexpr int kCharacteristicIntervals = 200;

// The characteristic of a calculated chain, or nothing when its supply flow
// is below 1 l/min (also when computeSums has not run): the flow axis would
// have no whole l/min to draw. An element that is neither a line nor a valve
// keeps its drop's share (q / Q)^2. intervals is held to 1..100000. The
// pressure axis stops at the largest int. A formula fault of an element
// throws FloatingPointFault.
std::optional<CircuitCharacteristic> characteristicOf(const prost_cevovod& chain,
                                                      int intervals = kCharacteristicIntervals);
