#pragma once

#include <utility>
#include <vector>

#include "model/ReportLines.h"
#include "model/ReportRow.h"

// The oil's compressibility: the volume a pressure rise takes, and the
// stiffness and natural frequency of a single-rod cylinder whose two oil
// columns are springs.

struct CompressionInputs {
    double volume = 0.0;           // V, l
    double pressureRise = 0.0;     // dp, bar
    double bulkModulus = 14000.0;  // K, bar (effective: lower with hoses and air)
};

inline constexpr double kEffectiveBulkModulus = 14000.0;  // bar

// dV = V dp / K, in cm3. Throws InputError for a zero or negative input.
double compressedVolume(const CompressionInputs& in);

struct CylinderStiffnessInputs {
    double bore = 0.0;              // D, mm
    double rod = 0.0;               // d, mm, below D
    double stroke = 0.0;            // s, mm
    double mass = 0.0;              // moving mass, kg
    double deadVolumePiston = 0.0;  // V1, cm3, the piston side's line and ends
    double deadVolumeRod = 0.0;     // V2, cm3, the rod side's
    double bulkModulus = 14000.0;   // K, bar
};

struct CylinderStiffnessResult {
    double lowestFrequency = 0.0;  // Hz
    double position = 0.0;         // x, mm from the retracted end, where it is lowest
    double stiffness = 0.0;        // c at x, N/m
};

// The stiffness c(x) = K (A1^2 / (A1 x + V1) + A2^2 / (A2 (s - x) + V2)) is
// convex in x; its minimum stands where dc/dx = 0,
//   x = (A2 s + V2 - r V1) / (A2 + r A1),  r = (A2 / A1)^(3/2),
// held within the stroke. f0 = sqrt(c / m) / (2 pi).
// Throws InputError for a zero or negative bore, rod, stroke, mass or K, a
// rod not below the bore or a negative dead volume.
CylinderStiffnessResult lowestNaturalFrequency(const CylinderStiffnessInputs& in);

// f0 (Hz) at x (mm); at an end without dead volume the column has no length
// and the frequency no bound: FloatingPointFault.
double naturalFrequencyAt(const CylinderStiffnessInputs& in, double position);

// f0 over the stroke, (x mm, f0 Hz), at intervals + 1 points; an end whose
// column has no volume is left out.
std::vector<std::pair<double, double>> naturalFrequencyCurve(const CylinderStiffnessInputs& in,
                                                             int intervals);

// The reports as rows, and their lines in the metric system.
units::ReportRows compressionReportRows(const CompressionInputs& in, double compressed);
ReportLines compressionReport(const CompressionInputs& in, double compressed);
units::ReportRows stiffnessReportRows(const CylinderStiffnessInputs& in,
                                      const CylinderStiffnessResult& out);
ReportLines stiffnessReport(const CylinderStiffnessInputs& in, const CylinderStiffnessResult& out);
