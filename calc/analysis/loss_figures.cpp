#include "calc/analysis/loss_figures.h"

namespace toroglav {

std::string_view UnitSuffix(FigureUnit unit) {
    return unit == FigureUnit::KilowattPerCubicMetre ? "kW_m3"
           : unit == FigureUnit::KelvinPerWatt       ? "K_W"
           : unit == FigureUnit::SquareCentimetre    ? "cm2"
           : unit == FigureUnit::Percent             ? "percent"
                                                     : UnitText(unit);
}

std::string_view UnitText(FigureUnit unit) {
    switch (unit) {
        case FigureUnit::None:
            return "";
        case FigureUnit::Tesla:
            return "T";
        case FigureUnit::KilowattPerCubicMetre:
            return "kW/m3";
        case FigureUnit::Watt:
            return "W";
        case FigureUnit::DegreeC:
            return "C";
        case FigureUnit::Kelvin:
            return "K";
        case FigureUnit::KelvinPerWatt:
            return "K/W";
        case FigureUnit::SquareCentimetre:
            return "cm2";
        case FigureUnit::Ampere:
            return "A";
        case FigureUnit::Milliohm:
            return "mOhm";
        case FigureUnit::Percent:
            return "%";
    }
    return "";
}

}  // namespace toroglav
