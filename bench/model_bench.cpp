#include <benchmark/benchmark.h>

#include <string>

#include "model/HidroMotor.h"
#include "model/Valve.h"
#include "model/cev.h"
#include "model/klip.h"
#include "model/pumpa.h"

// Every element is built, read and reported inside one button click, so
// construction and report writing are what the user waits for.

namespace {

template <typename Element, typename... Args>
void addConstruction(const std::string& name, Args... args) {
    benchmark::RegisterBenchmark(("construct/" + name).c_str(), [=](benchmark::State& state) {
        for (auto _ : state) {
            Element element(args...);
            benchmark::DoNotOptimize(element);
        }
    });
}

template <typename Element, typename... Args>
void addReport(const std::string& name, Args... args) {
    benchmark::RegisterBenchmark(("report/" + name).c_str(), [=](benchmark::State& state) {
        Element element(args...);
        for (auto _ : state) {
            ReportLines lines;
            element.writeReport(lines);
            benchmark::DoNotOptimize(lines);
        }
    });
}

template <typename Element, typename... Args>
void addElement(const std::string& name, Args... args) {
    addConstruction<Element>(name, args...);
    addReport<Element>(name, args...);
}

constexpr unsigned kCopper = 1;
constexpr unsigned kRustedSteel = 3;
constexpr int kVelocityGiven = 0;

bool registerElements() {
    // Typical figures in each element's first calculation mode.
    addElement<pumpa>("pump", 15.0, 200.0, 28.0, 0.95, 0.9, 1u);
    addElement<HidroMotor>("motor", 10.0, 150.0, 40.0, 0.9, 0.95, 1u);
    addElement<klipJednostrani>("singleActing", 100.0, 40.0, 80.0, 40.0, 5.0, 0.9, false, 1u);
    addElement<klipDvostrani>("doubleActing", 100.0, 40.0, 80.0, 40.0, 5.0, 0.9, 1u);
    // One line per flow regime: velocity, length, density, diameter,
    // viscosity, wall; the regimes differ in cost by their power laws.
    addElement<cev>("pipeLaminar", 1.0, 2.0, 890.0, 10.0, 46.0, kCopper, kVelocityGiven);
    addConstruction<cev>("pipeTransitional", 3.0, 2.0, 890.0, 10.0, 10.0, kCopper, kVelocityGiven);
    addConstruction<cev>("pipeSmooth", 0.5, 2.0, 890.0, 20.0, 1.0, kCopper, kVelocityGiven);
    addConstruction<cev>("pipeApproximated", 10.0, 2.0, 890.0, 20.0, 1.0, kCopper, kVelocityGiven);
    addConstruction<cev>("pipeRough", 0.5, 2.0, 890.0, 20.0, 1.0, kRustedSteel, kVelocityGiven);
    addConstruction<cev>("pipeFullyRough", 1.5, 2.0, 890.0, 20.0, 1.0, kRustedSteel,
                         kVelocityGiven);
    addElement<crevo>("hose", 1.0, 2.0, 890.0, 10.0, 46.0, kCopper, kVelocityGiven);
    addElement<Valve>("valve", 100.0, 10.0, 0.02, 3.0, PortSide::Intake);
    return true;
}

[[maybe_unused]] const bool kRegistered = registerElements();

}  // namespace
