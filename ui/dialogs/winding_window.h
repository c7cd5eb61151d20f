#pragma once
// The "Намотка" window: how the design the main window last calculated is wound
// (calc/winding/winding_plan.h), with the plan's choices made here: the bobbin among those made
// for the core, the enamel grade, the interleaved primary, the layers of tape, the margins, and
// triple-insulated outputs. A picture of one winding window's cross-section to scale
// (WindingPicture) and, per winding, its turns, wire, layers, build, tape, mean turn, resistance
// and leakage inductance; the build against the depth, the fill, and whether it fits.
//
// It follows the main window, which hands it the numbers of every design it calculates while it
// is open (ShowDesign); a change of a choice plans again at once and tells the main window
// (optionsChanged), which hands the choices to the loss window. It changes no design. Every
// number's field is named as --winding names the figure ("build_mm[P]", "leakage_uH[1]").

#include <QDialog>
#include <array>
#include <optional>

#include "calc/design/calculation.h"
#include "calc/winding/winding_plan.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGridLayout;
class QLabel;
class QSpinBox;

namespace toroglav::ui {

class WindingPicture;

class WindingWindow : public QDialog {
    Q_OBJECT

public:
    explicit WindingWindow(QWidget* owner);

    // The design as the main window last calculated it.
    void ShowDesign(const DesignResult& calculated);

    const winding::Plan& plan() const { return plan_; }
    const WindingPicture& picture() const { return *picture_; }
    // The plan's options as chosen here.
    winding::PlanOptions options() const;

signals:
    // The designer changed a choice (not the bobbins' list following a new core).
    void optionsChanged(const winding::PlanOptions& options);

private:
    // The most windings a plan lays: both halves of an interleaved primary and five outputs.
    static constexpr std::size_t kMostWindings = 2 + kOutputCount;
    static constexpr std::size_t kColumnCount = 9;
    struct WindingRow {
        QLabel* name;
        std::array<QLabel*, kColumnCount> numbers;
        QLabel* leakage;
    };

    QGridLayout* BuildChoices();
    QGridLayout* BuildWindings();
    QGridLayout* BuildTotals();
    void FillBobbins();
    void ChoiceChanged();
    void Replan();
    void ShowPlan();
    void ShowWinding(WindingRow& row, const winding::Winding* winding);

    std::optional<DesignResult> design_;
    winding::Plan plan_;

    QComboBox* bobbin_;
    QComboBox* grade_;
    QCheckBox* interleave_;
    QSpinBox* tapeLayers_;
    QDoubleSpinBox* margin_;
    QCheckBox* tripleInsulated_;
    WindingPicture* picture_;
    QLabel* notes_;
    std::array<WindingRow, kMostWindings> windings_{};
    QLabel* breadth_ = nullptr;
    QLabel* depth_ = nullptr;
    QLabel* marginShown_ = nullptr;
    QLabel* build_ = nullptr;
    QLabel* fill_ = nullptr;
    QLabel* fits_ = nullptr;
};

}  // namespace toroglav::ui
