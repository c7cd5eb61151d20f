#include "cli/losses_command.h"

#include <cmath>

#include "calc/analysis/loss_figures.h"
#include "calc/text/joined_text.h"

namespace toroglav::cli {

namespace {

void Line(std::string& out, std::string_view name, const std::string& value) {
    AppendJoined(out, {name, "=", value, "\n"});
}

// The listed figures of `of`, each named by its key, its unit and `tag` ("[P]").
template <class Of, std::size_t N>
void FigureLines(std::string& out, const Figure<Of> (&figures)[N], const Of& of,
                 std::string_view tag = {}) {
    for (const Figure<Of>& figure : figures) {
        if (!(figure.shown & kListed)) continue;
        const std::string_view unit = UnitSuffix(figure.unit);
        Line(out, Joined({figure.key, unit.empty() ? "" : "_", unit, tag}),
             FigureNumber(figure.Shown(of)));
    }
}

}  // namespace

std::string ListLosses(const FerriteMaterial& material, double ambientC, const LossAnalysis& a,
                       const LossOptimum& optimum) {
    std::string out;
    Line(out, "material", std::string(material.name));
    Line(out, "ambient_C", FigureNumber(ambientC));
    FigureLines(out, kCoreFigures, a);
    FigureLines(out, kWindingFigures, a.primary, "[P]");
    for (int i = 0; i < kOutputCount; ++i)
        if (a.outputs[i])
            FigureLines(out, kWindingFigures, *a.outputs[i],
                        Joined({"[", std::to_string(i + 1), "]"}));
    FigureLines(out, kTotalFigures, a);
    FigureLines(out, kOptimumFigures, optimum);
    FigureLines(out, kFlagFigures, a);
    return out;
}

int RunLosses(const DesignRequest& request, const CalculatedDesign& design,
              const Streams& streams) {
    const winding::PlanOptions& windingOptions = request.winding.options;
    if (const auto unsuited = UnsuitedWindingOptions(windingOptions, design.result.inputs)) {
        PrintError(streams.err, *unsuited);
        return kExitUsage;
    }
    const FerriteMaterial& material =
        request.material ? *request.material : MaterialOfDesign(design.typed.m_nMaterial);
    const LossAnalysis analysis = AnalyseLosses(design.result, material, request.ambientC,
                                                request.airSpeedMPerS, windingOptions);
    if (!analysis.judged)
        Print(streams.err,
              Joined({"toroglav-calc: the losses cannot be judged: ", analysis.reason, "\n"}));
    else if (!std::isfinite(analysis.totalLossW))  // a runaway's figures at the Curie temperature
        Print(streams.err,
              "toroglav-calc: the core runs away; at its Curie temperature no current carries the "
              "power through the primary's resistance\n");
    const LossOptimum optimum = FindLossOptimum(design.result.inputs, material, request.ambientC,
                                                request.airSpeedMPerS, windingOptions);
    if (analysis.judged && !optimum.inductionMaxT)
        Print(streams.err,
              "toroglav-calc: no maximum induction from 0.020 to 0.300 T is admissible: none gives "
              "windings that fit, a core that settles within its ferrite's data with the peak flux "
              "at most 0.8 of saturation and, without stabilisation, outputs within 5 %\n");
    return PrintOutput(streams, ListLosses(material, request.ambientC, analysis, optimum));
}

}  // namespace toroglav::cli
