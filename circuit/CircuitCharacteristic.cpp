#include "circuit/CircuitCharacteristic.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/Valve.h"
#include "model/cev.h"
#include "model/faults.h"

namespace {

constexpr int kMostIntervals = 100000;
constexpr int kLeastPressureAxis = 4;

// The top of a diagram axis, a whole number at least 1 (the axis is drawn in
// whole steps). Drops beyond what an int holds (absurd, but finite for any
// input the circuit accepts) stop the axis at the largest int; the drawing
// keeps points beyond the box at its edge.
int axisTop(double value) {
    if (!(value >= 1.0)) {
        return 1;
    }
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

// An element's drop when the pump delivers `share` of the operating flow.
double dropAtShare(const bazna& element, double share) {
    const double flow = element.flow * share;
    if (const auto* line = dynamic_cast<const cev*>(&element)) {
        return line->dropAtFlow(flow);
    }
    if (const auto* valve = dynamic_cast<const Valve*>(&element)) {
        return valve->dropAtFlow(flow);
    }
    return element.pressureDrop * share * share;
}

double interpolate(const std::vector<CircuitCharacteristic::Point>& points, double flow, double q,
                   double CircuitCharacteristic::Point::*side) {
    if (points.empty() || !(flow > 0.0)) {
        return 0.0;
    }
    // Also holds a q that is not a number to 0.
    const double held = q > 0.0 ? std::min(q, flow) : 0.0;
    const double position = held / flow * static_cast<double>(points.size() - 1);
    const auto below = std::min(static_cast<std::size_t>(position), points.size() - 1);
    if (below + 1 >= points.size()) {
        return points.back().*side;
    }
    const double t = position - static_cast<double>(below);
    return points[below].*side + t * (points[below + 1].*side - points[below].*side);
}

}  // namespace

double CircuitCharacteristic::supplyAt(double q) const {
    return interpolate(points, flow, q, &Point::supply);
}

double CircuitCharacteristic::returnAt(double q) const {
    return interpolate(points, flow, q, &Point::ret);
}

std::optional<CircuitCharacteristic> characteristicOf(const prost_cevovod& chain, int intervals) {
    // Below 1 l/min the flow axis has no whole l/min to divide the box by.
    constexpr double kSmallestDrawnFlow = 1.0;
    const double Q = chain.supplyFlow();
    if (!(Q >= kSmallestDrawnFlow)) {
        return std::nullopt;
    }
    const int n = std::clamp(intervals, 1, kMostIntervals);
    CircuitCharacteristic c;
    c.flow = Q;
    c.supplyDrop = chain.supplyDrop();
    c.returnDrop = chain.returnDrop();
    c.points.reserve(static_cast<std::size_t>(n) + 1);
    double largest = std::max(c.supplyDrop, c.returnDrop);
    for (int i = 0; i <= n; ++i) {
        const double share = static_cast<double>(i) / n;
        CircuitCharacteristic::Point point{Q * share, 0.0, 0.0};
        if (i == n) {
            // The operating point itself, exactly as the chain computed it.
            point = {Q, c.supplyDrop, c.returnDrop};
        } else {
            for (std::size_t position = 0; position + 1 < chain.count(); ++position) {
                const double drop = dropAtShare(chain.element(position), share);
                (chain.countsInReturnSum(position) ? point.ret : point.supply) += drop;
            }
        }
        largest = std::max({largest, point.supply, point.ret});
        c.points.push_back(point);
    }
    c.flowMax = axisTop(Q);
    // At least four bar, so the axis labels three pressures however small the drops.
    c.pressureMax = std::max(axisTop(std::ceil(largest)), kLeastPressureAxis);
    return c;
}
