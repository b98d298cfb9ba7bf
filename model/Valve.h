#pragma once

#include <string>

#include "model/bazna.h"

// Any valve of the system. Its behaviour is one quadratic characteristic:
// pressureDrop = flowCoefficient x flow^2 + constantTerm.
// Constructed from the port named by `side`; the other port follows from the
// drop. The constructor leaves the name "basic": every user names its valve.
class Valve : public bazna {
  public:
    Valve(double portPressure, double flow, double flowCoefficient, double constantTerm,
          PortSide side);

    void setName(const std::string& text);
    // What the valve was computed from (its data line, or the coefficients
    // the user set): one more report line, after the five. Nothing is added
    // while it is empty.
    void setSource(const std::string& text) { source = text; }
    // Recomputes pressureDrop from the stored fields; port pressures untouched.
    void computeDrop();
    double drop() const { return pressureDrop; }
    // The drop at another flow (l/min) by the same characteristic.
    double dropAtFlow(double otherFlow) const;

    // Empties `lines` first, then writes the valve's five lines, and its
    // source where one is set.
    void writeReport(ReportLines& lines) override;
    void writeReportRows(units::ReportRows& rows) const override;

    double constantTerm = 0.0;     // bar, the drop at zero flow
    double flowCoefficient = 0.0;  // bar / (l/min)^2
    std::string source;

  private:
    // The characteristic without a fault watch of its own; the constructor
    // runs it under the watch of the whole construction.
    double dropFromCharacteristic() const { return dropFromCharacteristic(flow); }
    double dropFromCharacteristic(double atFlow) const;
};
