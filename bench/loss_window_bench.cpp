// What one calculation costs with the "Потери и нагрев" window open, where every keystroke that
// calculates pays it: the calculation with the loss analysis and the optimum search that gives
// the plot its data, then the same through the windows themselves on the offscreen platform, the
// results and the plot updated and repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>

#include "calc/analysis/loss_analysis.h"
#include "calc/analysis/loss_optimum.h"
#include "calc/design/calculation.h"
#include "ui/dialogs/loss_window.h"
#include "ui/main_window/control_ids.h"
#include "ui/main_window/toroglav_dlg.h"

namespace {

void BM_CalculateWithLossAnalysis(benchmark::State& state) {
    toroglav::DesignRecord record;
    const toroglav::FerriteMaterial& material = toroglav::MaterialOfDesign(record.m_nMaterial);
    for (auto _ : state) {
        const toroglav::DesignResult result = toroglav::CalculateRecord(record, {});
        benchmark::DoNotOptimize(toroglav::AnalyseLosses(result, material));
        benchmark::DoNotOptimize(toroglav::FindLossOptimum(result.inputs, material));
    }
}
BENCHMARK(BM_CalculateWithLossAnalysis)->Unit(benchmark::kMillisecond);

// A new maximum induction calculated in the main window until it has repainted, with the loss
// window closed (0) or open (1): the difference is what the loss window adds to every
// calculation.
void BM_CalculateInTheWindow(benchmark::State& state) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "loss_window_bench";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QTemporaryDir folder;  // no state file is read or left behind
    QDir::setCurrent(folder.path());
    toroglav::ui::CToroglavDlg window;
    window.show();
    if (state.range(0) == 1) window.OnShowLosses();
    QApplication::processEvents();
    auto* induction = qobject_cast<QLineEdit*>(window.control(toroglav::ui::ids::kInductionMax));
    bool other = false;
    for (auto _ : state) {
        // A new design each time, as typing gives: every result and the plot change.
        induction->setText(QString::fromLatin1((other = !other) ? "0,21" : "0,2"));
        window.OnCalculate();
        // The chart's scene tells its view of a change by a posted event of its own.
        QApplication::processEvents();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_CalculateInTheWindow)
    ->ArgName("lossWindowOpen")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace
