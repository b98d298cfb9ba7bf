// Window start-up and one pump calculation, on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "app/Uhidromotor.h"
#include "bench/SilentDesktop.h"

namespace {

// Resident memory of this process in MB, from the kernel's status file.
double residentMegabytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) {
        return 0;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
        }
    }
    return 0;
}

void BM_WindowStartUp(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<TfrmKalvorMain>(nullptr, std::make_unique<SilentDesktop>());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            state.SkipWithError("window not exposed");
            break;
        }
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["resident_MB"] = residentMegabytes();
}
BENCHMARK(BM_WindowStartUp)->Unit(benchmark::kMillisecond)->Iterations(20);

// A tab's first showing: its page made, started and painted. A user must not
// notice it, so it has to stay within one frame (16 ms).
void BM_TabFirstShowing(benchmark::State& state) {
    const int tab = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<TfrmKalvorMain>(nullptr, std::make_unique<SilentDesktop>());
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            state.SkipWithError("window not exposed");
            break;
        }
        auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("PageControl1"));
        QApplication::processEvents();
        state.ResumeTiming();
        tabs->setCurrentIndex(tab);
        tabs->currentWidget()->repaint();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TabFirstShowing)
    ->DenseRange(0, 7)
    ->ArgName("tab")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_PumpCalculateWithLogging(benchmark::State& state) {
    TfrmKalvorMain window(nullptr, std::make_unique<SilentDesktop>());
    // The log too, made before the timing rather than at the first report.
    window.buildEveryPage();
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("window not active");
        return;
    }
    auto* pumpModes = window.findChild<QWidget*>(QStringLiteral("RadioGroup1"));
    pumpModes->findChildren<QRadioButton*>().front()->click();
    window.findChild<QLineEdit*>(QStringLiteral("edp"))->setText(QStringLiteral("100"));
    window.findChild<QLineEdit*>(QStringLiteral("edV"))->setText(QStringLiteral("50"));
    auto* power = window.findChild<QComboBox*>(QStringLiteral("edSnaga"));
    power->setEditText(QStringLiteral("10"));
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("btnCalc"));
    auto* log = window.findChild<QTextEdit*>(QStringLiteral("RichEdit1"));
    int calculations = 0;
    for (auto _ : state) {
        calculate->click();
        if (++calculations % 200 == 0) {
            // Keep the log from growing without bound during the run.
            state.PauseTiming();
            log->clear();
            QApplication::processEvents();
            state.ResumeTiming();
        }
    }
    if (window.findChild<QLineEdit*>(QStringLiteral("edQ"))->text() != QStringLiteral("55.30")) {
        state.SkipWithError("the calculation did not run");
    }
    state.counters["log_lines"] = log->document()->blockCount();
}
BENCHMARK(BM_PumpCalculateWithLogging)->Unit(benchmark::kMicrosecond);

// Switching between metric and US customary units with every page filled
// and calculated: every field, slider, result and diagram is converted and
// the window repaints. A user clicks the choice; it must feel immediate.
void BM_SwitchUnitSystem(benchmark::State& state) {
    TfrmKalvorMain window(nullptr, std::make_unique<SilentDesktop>());
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) {
        state.SkipWithError("window not active");
        return;
    }
    const auto edit = [&window](const char* name, const char* text) {
        if (auto* field = window.findChild<QLineEdit*>(QString::fromLatin1(name))) {
            field->setText(QString::fromLatin1(text));
        } else if (auto* combo = window.findChild<QComboBox*>(QString::fromLatin1(name))) {
            combo->setEditText(QString::fromLatin1(text));
        }
    };
    const auto click = [&window](const char* name) {
        window.findChild<QPushButton*>(QString::fromLatin1(name))->click();
    };
    const auto mode = [&window](const char* group, int item) {
        window.findChild<QWidget*>(QString::fromLatin1(group))
            ->findChildren<QRadioButton*>()
            .at(item)
            ->click();
    };
    mode("RadioGroup1", 0);
    edit("edp", "100");
    edit("edV", "50");
    edit("edSnaga", "10");
    click("btnCalc");
    mode("RadioGroup2", 10);
    edit("edHMp", "120");
    edit("edHMv", "32.5");
    edit("edHMn", "1000");
    click("btnHMCalc");
    mode("RadioGroup4", 0);
    edit("edHCPul", "100");
    edit("edHCQ1", "50");
    edit("edHCD1", "100");
    edit("edHCD2", "50");
    edit("edHCStroke", "400");
    edit("edHCMountLength", "800");
    click("BitBtn3");
    edit("edUSd", "10");
    edit("edUSl", "2.0");
    edit("edUS", "1.0");
    click("BitBtn5");
    edit("edValveQ", "30");
    auto* units = window.findChild<QComboBox*>(QStringLiteral("cbUnits"));
    int item = 0;
    for (auto _ : state) {
        item = 1 - item;
        units->setCurrentIndex(item);
        window.repaint();
        QApplication::processEvents();
    }
    if (window.findChild<QLineEdit*>(QStringLiteral("edUSd"))->text().isEmpty()) {
        state.SkipWithError("the pages were not filled");
    }
}
BENCHMARK(BM_SwitchUnitSystem)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
