#include "circuit/prost_cevovod.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "model/faults.h"

namespace {

// The type code of a pipe line; the chain tells its lines from its other
// elements by it.
constexpr int kLineTypeCode = 2019;
// The pump, the operation line and the directional control valve come first:
// a line behind them is on the return side.
constexpr std::size_t kLastSupplyPosition = 2;

}  // namespace

prost_cevovod::prost_cevovod(double density, double viscosity)
    : density_(density), viscosity_(viscosity) {}

bazna& prost_cevovod::addElement(std::unique_ptr<bazna> element) {
    if (!element) {
        throw std::invalid_argument("prost_cevovod::addElement: no element");
    }
    elements_.push_back(std::move(element));
    return *elements_.back();
}

bazna& prost_cevovod::element(std::size_t position) {
    return *elements_.at(position);
}

const bazna& prost_cevovod::element(std::size_t position) const {
    return *elements_.at(position);
}

void prost_cevovod::writeReport(ReportLines& lines) const {
    writeReport(lines, elements_.size());
}

void prost_cevovod::writeReport(ReportLines& lines, std::size_t elements) const {
    ReportLines report{kReportHeading, ""};
    ReportLines scratch;
    for (std::size_t position = 0; position < std::min(elements, elements_.size()); ++position) {
        const auto& element = elements_[position];
        scratch.clear();
        element->writeReport(scratch);
        report.insert(report.end(), scratch.begin(), scratch.end());
    }
    // Appended only when complete: a failing report leaves the list as it was.
    lines.insert(lines.end(), report.begin(), report.end());
}

bool prost_cevovod::countsInReturnSum(std::size_t position) const {
    return position < elements_.size() && elements_[position]->typeCode == kLineTypeCode &&
           position > kLastSupplyPosition;
}

void prost_cevovod::computeSums(double supplyFlow, double returnFlow) {
    for (const double flow : {supplyFlow, returnFlow}) {
        if (!std::isfinite(flow) || flow <= 0.0) {
            throw std::invalid_argument(
                "prost_cevovod::computeSums: flows must be finite and greater than 0, got " +
                std::to_string(flow));
        }
    }
    FloatingPointWatch watch;
    long double supply = 0.0L;
    long double ret = 0.0L;
    for (std::size_t position = 0; position + 1 < elements_.size(); ++position) {
        const bazna& e = *elements_[position];
        (countsInReturnSum(position) ? ret : supply) += e.pressureDrop;
    }
    const auto supplyDrop = static_cast<double>(supply);
    const auto returnDrop = static_cast<double>(ret);
    const auto supplyResistance = static_cast<double>(supply / supplyFlow);
    const auto returnResistance = static_cast<double>(ret / returnFlow);
    watch.check();
    for (const double result : {supplyDrop, returnDrop, supplyResistance, returnResistance}) {
        requireFinite(result);
    }
    supplyFlow_ = supplyFlow;
    returnFlow_ = returnFlow;
    supplyDrop_ = supplyDrop;
    returnDrop_ = returnDrop;
    supplyResistance_ = supplyResistance;
    returnResistance_ = returnResistance;
}
