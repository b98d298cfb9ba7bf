// Saving and opening a design with every page filled in and a log of
// 10 000 lines, as the design commands do (without their file dialogs).
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QRadioButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <memory>

#include "app/DesignFile.h"
#include "app/DesignSession.h"
#include "app/Uhidromotor.h"
#include "bench/SilentDesktop.h"
#include "ui/FieldAccess.h"

namespace {

constexpr int kLogLines = 10000;

std::unique_ptr<TfrmKalvorMain> startedWindow() {
    auto window = std::make_unique<TfrmKalvorMain>(nullptr, std::make_unique<SilentDesktop>());
    // Every page filled below: all made, as a design's saving makes them.
    window->buildEveryPage();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        return nullptr;
    }
    QApplication::processEvents();
    return window;
}

void choose(TfrmKalvorMain& window, const char* group, int item) {
    const auto buttons =
        window.findChild<QGroupBox*>(QString::fromLatin1(group))->findChildren<QRadioButton*>();
    buttons.at(item)->setChecked(true);
}

void set(TfrmKalvorMain& window, const char* field, const char* text) {
    setFieldText(window.findChild<QWidget*>(QString::fromLatin1(field)), QString::fromLatin1(text));
}

// Every page with a mode, its inputs and a few choices; the log full.
void fillEveryPage(TfrmKalvorMain& window) {
    choose(window, "RadioGroup1", 2);
    set(window, "edV", "45.50");
    set(window, "edN", "1450");
    set(window, "edp", "160.00");
    choose(window, "RadioGroup2", 6);
    set(window, "edHMp", "120");
    set(window, "edHMQ", "40.00");
    choose(window, "RadioGroup4", 0);
    set(window, "edHCD1", "50");
    set(window, "edHCD2", "30");
    choose(window, "USRadio", 1);
    set(window, "edUSd", "16.00");
    set(window, "edUSl", "2.5");
    set(window, "edUS", "60.00");
    choose(window, "rgBlockSys", 1);
    set(window, "edQ_prost", "60.00");
    QString log;
    for (int line = 0; line < kLogLines; ++line) {
        log += QStringLiteral(" Pressure drop dP=  %1 [bar]   line %2 of the results log\n")
                   .arg(line * 0.01, 0, 'f', 2)
                   .arg(line);
    }
    window.findChild<QTextEdit*>(QStringLiteral("RichEdit1"))->setPlainText(log);
}

void BM_DesignSave(benchmark::State& state) {
    auto window = startedWindow();
    if (!window) {
        state.SkipWithError("window not exposed");
        return;
    }
    fillEveryPage(*window);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("design.hcalc"));
    for (auto _ : state) {
        const QString failure = writeDesignFile(path, window->design().capture());
        if (!failure.isEmpty()) {
            state.SkipWithError(failure.toStdString().c_str());
            break;
        }
    }
    state.counters["file_kB"] = static_cast<double>(QFileInfo(path).size()) / 1024.0;
}
BENCHMARK(BM_DesignSave)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

void BM_DesignOpen(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("design.hcalc"));
    {
        auto filled = startedWindow();
        if (!filled) {
            state.SkipWithError("window not exposed");
            return;
        }
        fillEveryPage(*filled);
        if (!writeDesignFile(path, filled->design().capture()).isEmpty()) {
            state.SkipWithError("the design was not written");
            return;
        }
    }
    // A window with nothing unsaved opens without a question.
    auto window = startedWindow();
    if (!window) {
        state.SkipWithError("window not exposed");
        return;
    }
    for (auto _ : state) {
        if (!window->openDesignFile(path)) {
            state.SkipWithError("the design did not open");
            break;
        }
    }
}
BENCHMARK(BM_DesignOpen)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);

}  // namespace
