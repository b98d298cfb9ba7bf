// A valve data file of 10,000 lines: loaded, one line chosen and its diagram
// painted through the valve page of the real window (offscreen); and read by
// the window-free loader alone, with one line read.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/Uhidromotor.h"
#include "bench/SilentDesktop.h"
#include "pages/ValveData.h"
#include "pages/ValvePage.h"

namespace {

constexpr int kLines = 10000;

// Sizes from 10 to 10,000 l/min, each line a valid valve.
QByteArray manyValves() {
    QByteArray content;
    for (int i = 0; i < kLines; ++i) {
        const int flow = 10 + i % 9990;
        content += "Valve " + QByteArray::number(i) + "|" + QByteArray::number(flow) + "|" +
                   QByteArray::number(5 + i % 900) + "|" + QByteArray::number(0.5 + i % 7) + "|" +
                   QByteArray::number(10.0 / flow / flow, 'g', 6) + "|" +
                   QByteArray::number(i % 10) + "|\r\n";
    }
    return content;
}

// A working folder holding the file, for as long as a benchmark runs.
class ValveFolder {
  public:
    ValveFolder() : previous_(QDir::currentPath()) {
        QFile file(dir_.filePath(QStringLiteral("Many Valves.dat")));
        ok_ = file.open(QIODevice::WriteOnly) && file.write(manyValves()) > 0;
        file.close();
        ok_ = ok_ && QDir::setCurrent(dir_.path());
    }
    ~ValveFolder() { QDir::setCurrent(previous_); }
    bool ok() const { return ok_; }
    QString path() const { return dir_.filePath(QStringLiteral("Many Valves.dat")); }

  private:
    QTemporaryDir dir_;
    QString previous_;
    bool ok_ = false;
};

void BM_ValvePageLoadAndSelect(benchmark::State& state) {
    ValveFolder folder;
    auto desktop = std::make_unique<SilentDesktop>();
    SilentDesktop* silent = desktop.get();
    TfrmKalvorMain window(nullptr, std::move(desktop));
    window.show();
    if (!folder.ok() || !QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("no window or no data file");
        return;
    }
    auto* page = &window.page<ValvePage>();
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("ComboBox1"));
    auto* list = window.findChild<QListWidget*>(QStringLiteral("ListBox1"));
    // The page in front, so each iteration also paints the list and the diagram.
    window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))
        ->setCurrentIndex(CalculatorTab<ValvePage>::index);
    combo->setEditText(QStringLiteral("Many Valves"));
    int row = 0;
    for (auto _ : state) {
        page->ComboBox1Change();
        row = (row + 7919) % kLines;
        list->setCurrentRow(row);
        QApplication::processEvents();
    }
    if (list->count() != kLines || silent->dialogs != 0) {
        state.SkipWithError("the file did not load cleanly");
    }
}
BENCHMARK(BM_ValvePageLoadAndSelect)->Unit(benchmark::kMillisecond);

void BM_ValveFileReadAndLine(benchmark::State& state) {
    ValveFolder folder;
    int row = 0;
    for (auto _ : state) {
        const auto lines = readDataFile(folder.path());
        if (!lines || lines->size() != kLines) {
            state.SkipWithError("the file did not load");
            break;
        }
        row = (row + 7919) % kLines;
        const ValveLineReading reading = readValveLine(lines->at(row));
        if (!reading.valve) {
            state.SkipWithError("a valid line was refused");
            break;
        }
        benchmark::DoNotOptimize(reading.valve->flowCoefficient);
    }
}
BENCHMARK(BM_ValveFileReadAndLine)->Unit(benchmark::kMillisecond);

}  // namespace
