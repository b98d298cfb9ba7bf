#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "model/bazna.h"

// The simple circuit of one calculation: its elements in flow order (pump,
// operation line, directional control valve, blocking valve, return line,
// throttle, cylinder), the fluid its lines carry, and the flows and
// resistances of its supply and return sides. It owns its elements and frees
// each exactly once, with itself.
//
// Built by buildCircuit (circuit/CircuitArithmetic.h); a chain can also be put
// together element by element.
class prost_cevovod {
  public:
    // The report's first line; an empty line follows it.
    static constexpr const char* kReportHeading =
        TEXT_KEY("Model", " ----------- SIMPLE PIPELINE CALCULATION --------------- ");

    // density in kg/m3, kinematic viscosity in mm2/s: the fluid of the lines.
    prost_cevovod(double density, double viscosity);

    prost_cevovod(const prost_cevovod&) = delete;
    prost_cevovod& operator=(const prost_cevovod&) = delete;
    prost_cevovod(prost_cevovod&&) noexcept = default;
    prost_cevovod& operator=(prost_cevovod&&) noexcept = default;
    ~prost_cevovod() = default;

    // Appends an element after the last one and takes it over. Returns the
    // stored element, which stays where it is for the chain's lifetime.
    // Throws std::invalid_argument for an empty pointer.
    bazna& addElement(std::unique_ptr<bazna> element);

    std::size_t count() const { return elements_.size(); }
    // The element at a flow-order position; throws std::out_of_range beyond
    // the last one.
    bazna& element(std::size_t position);
    const bazna& element(std::size_t position) const;

    // Appends the chain's report: the heading, an empty line, then every
    // element's own report in flow order. Some elements empty the list they
    // report into, so each reports into a scratch list first; lines already
    // in `lines` are kept. An element whose port pressure came out below 0
    // (the drops before it use up the pump pressure) reports that port at
    // 0 bar, followed by a line saying how many bar are missing there: a
    // negative pressure is never shown as a result.
    void writeReport(ReportLines& lines) const;
    // The same for the first `elements` elements only.
    void writeReport(ReportLines& lines, std::size_t elements) const;
    // The same report as rows, for the log to write in the units shown (the
    // lines above are these rows in the metric system).
    void writeReportRows(units::ReportRows& rows) const;
    void writeReportRows(units::ReportRows& rows, std::size_t elements) const;

    // Whether the cylinder, the last element, moves its load: pressure is
    // left at its inlet and its force comes out above 0. False without a
    // cylinder at the end.
    bool cylinderMovesLoad() const;
    // The one line that ends the circuit's report: the flow into the
    // cylinder, the pressure at its inlet, its force and speed, or that it
    // cannot move the load. As rows, and as the line in the metric system.
    units::ReportRows summaryRows() const;
    std::string summaryLine() const;

    // Stores the supply flow Q and the return flow Qr (l/min) and sums the
    // pressure drops of all elements but the last (the cylinder, which drops
    // nothing of its own): a line (type code 2019) after the first three
    // positions is the return line and counts in the return sum Sr; every
    // other element, the throttle too, counts in the supply sum Ss. Then
    // Rs = Ss / Q and Rr = Sr / Qr.
    // Both flows must be finite and greater than 0 (std::invalid_argument
    // otherwise, nothing changed); a sum that overflows is a
    // FloatingPointFault, nothing changed.
    void computeSums(double supplyFlow, double returnFlow);

    // Whether the element at a position counts in the return sum Sr (the
    // return line) rather than in the supply sum Ss; the cylinder, last,
    // counts in neither.
    bool countsInReturnSum(std::size_t position) const;

    double density() const { return density_; }      // kg/m3
    double viscosity() const { return viscosity_; }  // mm2/s
    // All 0 until computeSums.
    double supplyFlow() const { return supplyFlow_; }              // Q, l/min
    double returnFlow() const { return returnFlow_; }              // Qr, l/min
    double supplyDrop() const { return supplyDrop_; }              // Ss, bar
    double returnDrop() const { return returnDrop_; }              // Sr, bar
    double supplyResistance() const { return supplyResistance_; }  // Rs, bar per l/min
    double returnResistance() const { return returnResistance_; }  // Rr, bar per l/min

  private:
    std::vector<std::unique_ptr<bazna>> elements_;
    double density_;
    double viscosity_;
    double supplyFlow_ = 0.0;
    double returnFlow_ = 0.0;
    double supplyResistance_ = 0.0;
    double returnResistance_ = 0.0;
    double supplyDrop_ = 0.0;
    double returnDrop_ = 0.0;
};
