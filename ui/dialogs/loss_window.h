#pragma once
// The "Потери и нагрев" window: the losses and the heating of the design the main window last
// calculated (calc/analysis/loss_analysis.h), with a ferrite of the library, an ambient
// temperature and an air speed chosen here, and the plot of the losses against the maximum
// induction with its optimum.
//
// It follows the main window, which hands it the numbers of every design it calculates while it
// is open (ShowDesign) and the winding window's choices (SetWindingOptions); a change of the
// material, the ambient temperature, the air speed or the winding recomputes at once.
// The material follows the main window's N87/N27 choice whenever that choice changes. Its figures
// and their order come from calc/analysis/loss_figures.h, their captions from here. It changes
// no design: "Применить оптимум" only asks the main window (optimumApplied), which sets its
// maximum induction and calculates.

#include <QDialog>
#include <array>
#include <optional>

#include "calc/analysis/loss_analysis.h"
#include "calc/analysis/loss_figures.h"
#include "calc/analysis/loss_optimum.h"
#include "calc/design/calculation.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace toroglav::ui {

class LossPlot;

// Why the losses cannot be judged (loss_analysis.h), in the windows' words.
QString UnjudgedText(Unjudged why, int output);

class LossWindow : public QDialog {
    Q_OBJECT

public:
    explicit LossWindow(QWidget* owner);

    // The design as the main window last calculated it, wound as `windingOptions` say.
    void ShowDesign(const DesignResult& calculated,
                    const winding::PlanOptions& windingOptions = {});
    // The winding window's choices for the design shown.
    void SetWindingOptions(const winding::PlanOptions& windingOptions);

    const LossAnalysis& analysis() const { return analysis_; }
    const LossOptimum& optimum() const { return optimum_; }

signals:
    void optimumApplied(double inductionMaxT);

private:
    // One row of the windings' table: its name and a number per figure of a winding.
    struct WindingRow {
        QLabel* name;
        std::array<QLabel*, std::size(kWindingFigures)> numbers;
    };
    // A figure's field in the results.
    struct ResultRow {
        const Figure<LossAnalysis>* figure;
        QLabel* field;
    };

    QGridLayout* BuildResults();
    QGridLayout* BuildWindings();
    // The number typed in `edit`, when it lies from `lowest` to `highest`.
    static std::optional<double> Typed(const QLineEdit& edit, double lowest, double highest);
    void Recompute();
    void ShowAnalysis();
    void ShowWinding(WindingRow& row, const std::optional<WindingLoss>& winding,
                     const QString& name);
    const FerriteMaterial& Material() const;

    std::optional<DesignResult> design_;
    winding::PlanOptions windingOptions_;
    std::int32_t designMaterial_ = -1;  // the design's choice the material list last followed
    LossAnalysis analysis_;
    LossOptimum optimum_;
    bool ambientTaken_ = true;  // the ambient temperature typed is one the analysis takes
    bool airSpeedTaken_ = true;

    QComboBox* material_;
    QLineEdit* ambient_;
    QLineEdit* airSpeed_;  // m/s
    LossPlot* plot_;
    QLabel* halvesNote_;
    QLabel* models_;  // the main window's core loss and overheating, and what each model is
    QLabel* warnings_;
    QPushButton* apply_;
    std::vector<ResultRow> results_;  // in the order of the figures
    QLabel* presentInduction_ = nullptr;
    std::array<QLabel*, std::size(kOptimumFigures)> optimumFields_{};
    std::array<WindingRow, 1 + kOutputCount> windings_{};  // the primary, then the outputs
};

}  // namespace toroglav::ui
