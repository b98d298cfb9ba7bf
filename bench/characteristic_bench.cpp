// A characteristic computed point by point and drawn, for the line and for a
// whole circuit: it has to stay far below a frame (16 ms).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "circuit/CircuitArithmetic.h"
#include "circuit/CircuitCharacteristic.h"
#include "model/cev.h"
#include "pages/Funkcije.h"
#include "ui/Diagram.h"

namespace {

// A turbulent steel line: every point solves Colebrook-White.
void BM_LineCharacteristic(benchmark::State& state) {
    const int intervals = static_cast<int>(state.range(0));
    const cev line(100.0, 20.0, 856.0, 16.0, 10.0, 2, 1);
    QImage image(417, 380, QImage::Format_RGB32);
    for (auto _ : state) {
        ValveDiagram diagram;
        diagram.flowCells = 101;
        diagram.dropUnit = dropUnitFor(line.pressureDrop);
        diagram.dropCells = static_cast<int>(line.pressureDrop / diagram.dropUnit) + 1;
        for (int i = 0; i <= intervals; ++i) {
            const double q = line.flow * i / intervals;
            diagram.points.emplace_back(q, line.dropAtFlow(q));
        }
        QPainter painter(&image);
        drawValveDiagram(painter, image.size(), diagram);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_LineCharacteristic)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

// Pump, two lines, three valves and a cylinder.
void BM_CircuitCharacteristic(benchmark::State& state) {
    CircuitInputs in;
    in.pump = {10.0, 200.0, 20.0, 0.95, 0.9};
    in.supplyFlow = 60.0;
    in.operationLine = {12.0, 5.0, 1};
    in.returnLine = {16.0, 6.0, 0};
    in.directionalValve = {"4/3 valve", 3.0, 0.001, std::nullopt};
    in.blockingValve = ValveInputs{"Check valve", 1.0, 0.0005, std::nullopt};
    in.throttle = ValveInputs{"Throttle", 2.0, 0.0, std::nullopt};
    in.cylinder = {CylinderKind::SingleActing, 50.0, 30.0, 0.95, LoadDirection::Pull};
    in.density = 870.0;
    in.viscosity = 32.0;
    const prost_cevovod chain = buildCircuit(in);
    QImage image(401, 321, QImage::Format_RGB32);
    for (auto _ : state) {
        const auto characteristic = characteristicOf(chain, static_cast<int>(state.range(0)));
        QPainter painter(&image);
        Funkcije::drawCharacteristic(painter, image.size(), characteristic);
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_CircuitCharacteristic)->Arg(200)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
