#include "cli/output.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

#include "calc/text/joined_text.h"
#include "cli/record_listing.h"

namespace toroglav::cli {

std::string FigureNumber(double value) {
    if (!std::isfinite(value)) return "nan";
    char buffer[32];
    const auto end =
        std::to_chars(buffer, std::end(buffer), value, std::chars_format::general, 6).ptr;
    return std::string(buffer, end);
}

const std::string_view kUsage =
    "usage: toroglav-calc [DESIGN.sav | -] [--core NAME | --set NAME=TEXT]...\n"
    "                     [--save FILE.sav] [--report FILE.txt]\n"
    "                     [--advise [FAMILY] | --losses [--material NAME] [--ambient C]\n"
    "                      [--air-speed M_S]]\n"
    "                     [--winding [--bobbin NAME] [--wire-grade 1|2|3] [--interleave]\n"
    "                      [--tape-layers N] [--margin MM] [--triple-insulated]]\n"
    "       toroglav-calc [DESIGN.sav | --core NAME] --thermal --dissipation W [--ambient C]\n"
    "                     [--air-speed M_S]\n"
    "       toroglav-calc --list-cores [FILTER]\n"
    "       toroglav-calc --list-bobbins [FILTER]\n"
    "       toroglav-calc --list-materials\n"
    "       toroglav-calc --loss-density MATERIAL --frequency KHZ --flux MT --temperature C\n"
    "                     [--conduction D | --sine]\n"
    "  Computes a design from the defaults, or from DESIGN.sav (- reads it from standard input),\n"
    "  with each --core and --set applied in order, and prints every member as NAME=TEXT, one a\n"
    "  line: in a text a backslash is written \\\\ and a control character \\n, \\r, \\t or \\xHH\n"
    "  (its byte).\n"
    "  --core NAME         the core type and dimension fields of the catalogue core NAME,\n"
    "                      as \"ETD 39\" or \"R 25x15x10\"\n"
    "  --set NAME=TEXT     the member NAME (as m_strFrequency, an output's element as\n"
    "                      m_strOutVoltage[2]) set to TEXT\n"
    "  --save FILE.sav     also write the design file of the inputs as they stand after the\n"
    "                      calculation, as the window saves them\n"
    "  --report FILE.txt   also write the text report of the calculated design (cp1251, CR LF)\n"
    "  --advise [ring|e|etd|other|all]\n"
    "                      instead of the design, list the catalogue cores of the family (other:\n"
    "                      the cores given by Ae, le, So and Ve; by default the family of the\n"
    "                      core type) that carry it: finite results, no warning, the window fill\n"
    "                      at most the one entered, windings that fit as --winding lays them,\n"
    "                      and by the loss analysis of --losses (N87 or N27 as the design\n"
    "                      chooses, 40 C ambient) a core that settles, rising at most\n"
    "                      --max-rise, within its ferrite's data; in the order --rank asks,\n"
    "                      one a line, tab-separated: name, core type, volume, primary turns,\n"
    "                      window fill, then the analysis' core, copper and total loss in W, core\n"
    "                      temperature in C and efficiency in %\n"
    "  --max-rise DEGREES  the temperature rise of the core --advise allows, 40 unless given\n"
    "  --rank volume|loss  the order of --advise: smallest volume first (unless given) or least\n"
    "                      total loss, core and copper, first\n"
    "  --losses            instead of the design, print its losses and heating as NAME=VALUE\n"
    "                      lines: core loss at the real waveform and core temperature, each\n"
    "                      winding's current (the primary's from the power it carries),\n"
    "                      resistance, layers, porosity (its wire and layers as --winding lays\n"
    "                      them, with its options --bobbin to --triple-insulated), AC factor\n"
    "                      (the DC part and each harmonic of its current at Dowell's factor for\n"
    "                      its frequency) and copper loss, efficiency,\n"
    "                      whether the windings fit, and the maximum induction of least loss a\n"
    "                      design may use (0.020 to 0.300 T: windings that fit, a core that\n"
    "                      settles within the ferrite's data with the worst-case peak flux at\n"
    "                      most 0.8 of saturation, and without stabilisation outputs within 5 %\n"
    "                      of the voltage asked); a core runs away where no balance lies below\n"
    "                      its ferrite's Curie temperature; what cannot be judged is nan, with\n"
    "                      the reason on standard error\n"
    "  --material NAME     the ferrite of --losses (by default the design's N87 or N27)\n"
    "  --ambient C         the ambient temperature of --losses and --thermal, -55 to 150, 40\n"
    "                      unless given\n"
    "  --air-speed M_S     a horizontal stream of air past the transformer for --losses and\n"
    "                      --thermal, 0 to 20 m/s, still air unless given\n"
    "  --thermal           instead of the design, print how warm its core gets dissipating\n"
    "                      --dissipation W (above 0, at most 1000) with its winding space full,\n"
    "                      standing on a board: surface_cm2 (the outside that gives off the\n"
    "                      heat: the core's free faces and the winding's), temperature_rise_K\n"
    "                      and thermal_resistance_K_W, by free convection face by face,\n"
    "                      radiation and any air stream\n"
    "  --winding           instead of the design, print how it is wound as NAME=VALUE lines:\n"
    "                      the bobbin (the core's first, one derived from its window, or none\n"
    "                      on a ring), its breadth and depth, the margin at each end, the order\n"
    "                      of the windings, and per winding its turns, strands, standard wire,\n"
    "                      layers, build, tape, mean turn and resistance at 20 C; the build,\n"
    "                      fill and fit; each output's leakage inductance seen from the primary\n"
    "  --bobbin NAME       the bobbin of --winding, one made for the core (see --list-bobbins)\n"
    "  --wire-grade 1|2|3  the enamel grade of the wires of --winding, 2 unless given\n"
    "  --interleave        half the primary under the outputs, half over them\n"
    "  --tape-layers N     layers of tape between windings, 1 unless given (on the mains at\n"
    "                      least 3 between the primary and the outputs)\n"
    "  --margin MM         the margin at each end of the bobbin; on the mains 2.5 unless given\n"
    "  --triple-insulated  outputs of triple-insulated wire instead of margins on the mains\n"
    "  --list-bobbins [FILTER]\n"
    "                      print the bobbins whose name or core contains FILTER: name, core,\n"
    "                      breadth and depth in mm, tab-separated\n"
    "  --list-cores [FILTER]\n"
    "                      print the catalogue cores, or those with a word of a name that\n"
    "                      begins with FILTER: name, core type, the six dimension fields\n"
    "  --list-materials    print the ferrites: name, maker, and the ranges of their loss data,\n"
    "                      frequency in kHz, peak flux in mT, temperature in C, tab-separated\n"
    "  --loss-density MATERIAL\n"
    "                      instead of a design, print the core-loss density in kW/m3 of the\n"
    "                      ferrite (letter case ignored) at --frequency KHZ, peak --flux MT and\n"
    "                      --temperature C, under a bipolar rectangular voltage conducting a\n"
    "                      fraction --conduction D of the period (0.001 to 1, 1 unless given; the\n"
    "                      loss per cycle never falls as D shortens: the exponent of D takes the\n"
    "                      frequency exponent at least 1) or a --sine; its saturation flux "
    "density\n"
    "                      in T; outside_data=1 when either comes from beyond the maker's data,\n"
    "                      the frequency over D included\n";

void Print(std::FILE* stream, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

int PrintOutput(const Streams& streams, std::string_view text) {
    errno = 0;
    if (std::fwrite(text.data(), 1, text.size(), streams.out) == text.size() &&
        std::fflush(streams.out) == 0)
        return kExitOk;
    const int error = errno != 0 ? errno : EIO;
    Print(streams.err,
          Joined({"toroglav-calc: cannot write the output: ", std::strerror(error), "\n"}));
    return kExitFileError;
}

void PrintError(std::FILE* err, std::string_view message) {
    Print(err, Joined({"toroglav-calc: ", EscapedUtf8(message), "\n"}));
}

int UsageError(std::FILE* err, std::string_view message) {
    PrintError(err, message);
    Print(err, kUsage);
    return kExitUsage;
}

}  // namespace toroglav::cli
