#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/ReportLines.h"
#include "model/ReportRow.h"

// Which port a pressure given to setPortPressure belongs to.
enum class PortSide { Intake, Outlet };

// The base of every calculable hydraulic element. An element computes all its
// unknowns in its constructor; afterwards its fields are read and, on request,
// it appends its report lines.
class bazna {
  public:
    // A name holds at most this many characters (a 254-byte buffer with its
    // terminator in the original element family; longer names are cut).
    static constexpr std::size_t kNameCapacity = 253;

    bazna();
    virtual ~bazna() = default;

    bazna(const bazna&) = default;
    bazna& operator=(const bazna&) = default;

    // Base behaviour: the drop is the difference of the two port pressures,
    // intake minus outlet, the same sense setPortPressure reads it in.
    virtual void computePressureDrop();
    // The report's lines in the metric system: the report rows rendered.
    // Base behaviour: appends nothing.
    virtual void writeReport(ReportLines& lines);
    // The report as rows (figures in the model units), for the log to write
    // in the unit system shown. Base behaviour: appends nothing.
    virtual void writeReportRows(units::ReportRows& rows) const;

    // Sets the pressure of one port and derives the other from the stored drop.
    void setPortPressure(double pressure, PortSide side);

    double pressureIn = 0.0;   // bar
    double pressureOut = 0.0;  // bar
    std::string name = "basic";
    std::int16_t typeCode = 1;
    double pressureDrop = 0.0;  // bar
    double density = 890.0;     // kg/m3
    double viscosity = 0.41;    // mm2/s
    double flow = 0.0;          // l/min

  protected:
    // Copies a display name, cut to the name capacity.
    void assignName(const std::string& text);
};
