#include "model/pumpa.h"

#include "model/faults.h"
#include "model/numtext.h"

namespace {

// The report lines are formatted into a fixed line buffer; a longer line is cut.
constexpr std::size_t kReportLineBuffer = 128;

}  // namespace

pumpa::pumpa(double A, double B, double C, double etaV, double etaHm, unsigned mode) {
    FloatingPointWatch watch;
    switch (mode) {
        case 1:
            power = A;
            pressureOut = B;
            displacement = C;
            break;
        case 2:
            power = A;
            pressureOut = B;
            speed = truncateSpeed(C);
            break;
        case 3:
            displacement = A;
            speed = truncateSpeed(B);
            pressureOut = C;
            break;
        case 4:
            displacement = A;
            speed = truncateSpeed(B);
            power = C;
            break;
        case 5:
            flow = A;
            displacement = B;
            pressureOut = C;
            break;
        case 6:
            flow = A;
            displacement = B;
            power = C;
            break;
        default:
            // Every quantity and both efficiencies keep their initial 0.
            assignName("Pump");
            return;
    }

    volumetricEfficiency = etaV;
    hydromechanicalEfficiency = etaHm;
    setTotalEfficiency(hydromechanicalEfficiency, volumetricEfficiency);

    // Each result is narrowed to its field before the next formula reads it,
    // so a later formula sees exactly the value that is shown and reported.
    const long double eta = totalEfficiency;
    const long double etaVol = volumetricEfficiency;
    switch (mode) {
        case 1:
            flow = static_cast<double>(600.0L * power * eta / pressureOut);
            watch.check();
            speed = truncateSpeedResult(1000.0L * flow / (displacement * etaVol), watch);
            break;
        case 2:
            flow = static_cast<double>(600.0L * power * eta / pressureOut);
            watch.check();
            displacement = static_cast<double>(1000.0L * flow / (speed * etaVol));
            break;
        case 3:
            flow = static_cast<double>(static_cast<long double>(speed) * displacement * etaVol *
                                       0.001L);
            watch.check();
            power =
                static_cast<double>(pressureOut * static_cast<long double>(flow) / (600.0L * eta));
            break;
        case 4:
            flow = static_cast<double>(static_cast<long double>(speed) * displacement * etaVol *
                                       0.001L);
            watch.check();
            pressureOut = static_cast<double>(600.0L * power * eta / flow);
            break;
        case 5:
            speed = truncateSpeedResult(1000.0L * flow / (displacement * etaVol), watch);
            watch.check();
            power =
                static_cast<double>(pressureOut * static_cast<long double>(flow) / (600.0L * eta));
            break;
        case 6:
            speed = truncateSpeedResult(1000.0L * flow / (displacement * etaVol), watch);
            watch.check();
            pressureOut = static_cast<double>(600.0L * eta * power / flow);
            break;
    }
    watch.check();

    // A given quantity that is itself infinite or not a number passes the
    // formulas without raising a flag; no pump may hold one.
    for (const double value : {power, pressureOut, displacement, flow, volumetricEfficiency,
                               hydromechanicalEfficiency}) {
        requireFinite(value);
    }
    assignName("Pump");
}

void pumpa::setTotalEfficiency(double etaHm, double etaV) {
    const long double product = static_cast<long double>(etaHm) * etaV;
    totalEfficiency = static_cast<double>(product);
    requireFinite(totalEfficiency);
}

void pumpa::writeReportRows(units::ReportRows& rows) const {
    using units::Quantity;
    const units::RowWriter row(rows, units::NumberRules::Printf, kReportLineBuffer);
    rows.push_back(units::textRow(
        TEXT_KEY("Model", " ---------   PUMP CALCULATION       --------------------- ")));
    row(TEXT_KEY("Model", " Power : "), power, Quantity::Power, "%3.3f", " [{unit}] ");
    row(TEXT_KEY("Model", " Flow : "), flow, Quantity::Flow, "%3.3f", " [{unit}] ");
    row(TEXT_KEY("Model", " Working pressure : "), pressureOut, Quantity::Pressure, "%3.3f",
        "  [{unit}] ");
    // The speed's unit keeps the report's own spelling in every system; a
    // translation writes it as its language does.
    row(TEXT_KEY("Model", " Revolution per minute: "), speed, Quantity::Speed, "%d",
        TEXT_KEY("Model", "  [o/min] "));
    row(TEXT_KEY("Model", " Displacement volume  : "), displacement, Quantity::Displacement,
        "%3.3f", "  [{unit}] ");
    // The efficiencies are inputs: without them two reports with the same
    // figures above could not be told apart.
    row(TEXT_KEY("Model", " Volumetric efficiency : "), volumetricEfficiency, Quantity::Ratio,
        "%.3f", " ");
    row(TEXT_KEY("Model", " Hydromechanical efficiency : "), hydromechanicalEfficiency,
        Quantity::Ratio, "%.3f", " ");
}
