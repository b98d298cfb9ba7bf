#include "circuit/prost_cevovod.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>
#include <utility>

#include "model/faults.h"
#include "model/klip.h"
#include "model/numtext.h"

namespace {

// The type code of a pipe line; the chain tells its lines from its other
// elements by it.
constexpr int kLineTypeCode = 2019;
// The pump, the operation line and the directional control valve come first:
// a line behind them is on the return side.
constexpr std::size_t kLastSupplyPosition = 2;

// Reports an element whose port pressure went below 0 with that port at
// 0 bar, and puts the computed pressures back afterwards, also when the
// report fails: the chain's figures stay as computed.
class PortsShownFromZero {
  public:
    explicit PortsShownFromZero(bazna& element)
        : element_(element), in_(element.pressureIn), out_(element.pressureOut) {
        element_.pressureIn = std::max(in_, 0.0);
        element_.pressureOut = std::max(out_, 0.0);
    }
    PortsShownFromZero(const PortsShownFromZero&) = delete;
    PortsShownFromZero& operator=(const PortsShownFromZero&) = delete;
    ~PortsShownFromZero() {
        element_.pressureIn = in_;
        element_.pressureOut = out_;
    }

  private:
    bazna& element_;
    double in_;
    double out_;
};

const klip* cylinderAtTheEnd(const std::vector<std::unique_ptr<bazna>>& elements) {
    return elements.empty() ? nullptr : dynamic_cast<const klip*>(elements.back().get());
}

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
    units::ReportRows rows;
    writeReportRows(rows, elements);
    // appendRows appends only when every line is written: a failing report
    // leaves the list as it was.
    units::appendRows(lines, rows, units::kMetric);
}

void prost_cevovod::writeReportRows(units::ReportRows& rows) const {
    writeReportRows(rows, elements_.size());
}

void prost_cevovod::writeReportRows(units::ReportRows& rows, std::size_t elements) const {
    units::ReportRows report{units::textRow(kReportHeading), units::textRow("")};
    for (std::size_t position = 0; position < std::min(elements, elements_.size()); ++position) {
        bazna& element = *elements_[position];
        const double lowest = std::min(element.pressureIn, element.pressureOut);
        if (lowest < 0.0) {
            const PortsShownFromZero shown(element);
            element.writeReportRows(report);
            report.push_back(
                units::numberRow(TEXT_KEY("Model",
                                          " No pressure is left here: the drops up to "
                                          "this element take "),
                                 -lowest, units::Quantity::Pressure, units::NumberRules::Framework,
                                 "%.2f", TEXT_KEY("Model", " {unit} more than the pump gives.")));
        } else {
            element.writeReportRows(report);
        }
    }
    rows.insert(rows.end(), report.begin(), report.end());
}

bool prost_cevovod::cylinderMovesLoad() const {
    const klip* cylinder = cylinderAtTheEnd(elements_);
    return cylinder != nullptr && cylinder->pressureIn > 0.0 && cylinder->force > 0.0;
}

units::ReportRows prost_cevovod::summaryRows() const {
    const klip* cylinder = cylinderAtTheEnd(elements_);
    if (cylinder == nullptr) {
        return {
            units::textRow(TEXT_KEY("Model", " Result: no cylinder at the end of the circuit"))};
    }
    using units::Quantity;
    const auto row = [](const char* label, double value, Quantity quantity, const char* number,
                        const char* after, bool continues = false) {
        return units::numberRow(label, value, quantity, units::NumberRules::Framework, number,
                                after, continues);
    };
    const auto* single = dynamic_cast<const klipJednostrani*>(cylinder);
    const double flow = single != nullptr ? single->inletFlow : supplyFlow_;
    if (!cylinderMovesLoad()) {
        return {row(TEXT_KEY("Model", " Result: flow "), flow, Quantity::Flow, "%.2f",
                    TEXT_KEY("Model",
                             " {unit}; the pressure drops use up the pump pressure: the cylinder "
                             "cannot move the load"))};
    }
    return {
        row(TEXT_KEY("Model", " Result: flow "), flow, Quantity::Flow, "%.2f",
            TEXT_KEY("Model", " {unit}, pressure at the cylinder "), true),
        row("", cylinder->pressureIn, Quantity::Pressure, "%.2f",
            TEXT_KEY("Model", " {unit}, force "), true),
        row("", cylinder->force, Quantity::Force, "%.3f", TEXT_KEY("Model", " {unit}, speed "),
            true),
        row("", cylinder->strokeSpeed, Quantity::Velocity, "%.4f", " {unit}"),
    };
}

std::string prost_cevovod::summaryLine() const {
    return units::metricLines(summaryRows()).front();
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
