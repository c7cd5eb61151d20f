#include "calc/winding/winding_space.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "calc/constants.h"
#include "calc/text/number_text.h"

namespace toroglav::winding {

namespace {

using constants::kPi;

// The fields each core type reads: D, d, h of a ring; all six of an E core; all but L of a
// round leg; Ae, le, So and Ve of another type.
int FieldsRead(CoreType type) {
    switch (type) {
        case CoreType::Ring:
            return 3;
        case CoreType::E:
            return 6;
        case CoreType::Etd:
            return 5;
        case CoreType::Other:
            return 4;
    }
    return 0;
}

// Each catalogue core's fields as the calculation reads them, made once.
struct ReadCore {
    const CatalogueCore* core;
    std::array<double, 6> fields;
};
const std::vector<ReadCore>& ReadCatalogue() {
    static const std::vector<ReadCore> read = [] {
        std::vector<ReadCore> cores;
        for (const CatalogueCore& core : CatalogueCores()) {
            ReadCore& entry = cores.emplace_back(ReadCore{&core, {}});
            for (std::size_t i = 0; i < 6; ++i)
                entry.fields[i] = ParseNumberText(core.dimensions[i]);
        }
        return cores;
    }();
    return read;
}

// Lower case, single blanks, no "bobbin " at the start.
std::string Folded(std::string_view name) {
    std::string folded;
    for (const char c : name) {
        if (c == ' ' || c == '\t') {
            if (!folded.empty() && folded.back() != ' ') folded.push_back(' ');
        } else {
            folded.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
        }
    }
    if (!folded.empty() && folded.back() == ' ') folded.pop_back();
    if (folded.starts_with("bobbin ")) folded.erase(0, 7);
    return folded;
}

const CoreWindow* CoreWindowOf(std::string_view coreName) {
    const auto windows = CoreWindows();
    const auto found = std::ranges::find(windows, coreName, &CoreWindow::core);
    return found == windows.end() ? nullptr : &*found;
}

// The window a core without a catalogue window has: from its fields (an E core's centre leg
// D by L, a round leg D, in a window (h - D) / 2 wide and 2 ho high), or from its Ae and So.
CoreWindow WindowOfFields(const stages::Inputs& in, const stages::CoreGeometry& core) {
    switch (in.coreType) {
        case CoreType::E:
            return {{}, (in.dimh - in.dimD) / 2, 2 * in.dimho, 0, in.dimD, in.dimL};
        case CoreType::Etd:
            return {{}, (in.dimh - in.dimD) / 2, 2 * in.dimho, in.dimD, 0, 0};
        default: {
            const double width = std::sqrt(core.so / 2);
            return {{}, width, 2 * width, std::sqrt(4 * core.ae / kPi), 0, 0};
        }
    }
}

const WallFit& WallFitFor(const CatalogueCore* core, CoreType type) {
    std::optional<CoreFamily> family;
    if (core)  // an ER core is an ETD core's shape in other proportions: a round leg, E legs
        family = core->family == CoreFamily::Er ? CoreFamily::Etd : core->family;
    else if (type == CoreType::E)
        family = CoreFamily::E;
    else if (type == CoreType::Etd)
        family = CoreFamily::Etd;
    if (family)
        for (const FamilyWallFit& fit : WallFits())
            if (fit.family == *family) return fit.fit;
    return WallFitOfAll();
}

}  // namespace

double Space::TurnLengthMm(double radialMm) const {
    if (tubeDiameterMm > 0) return kPi * (tubeDiameterMm + 2 * radialMm);
    return 2 * (tubeWidthMm + tubeDepthMm) + 2 * kPi * radialMm;
}

const CatalogueCore* CatalogueCoreOf(const stages::Inputs& in) {
    const std::array<double, 6> fields = {in.dimD, in.dimd, in.dimh, in.dimho, in.dimHs, in.dimL};
    const int read = FieldsRead(in.coreType);
    for (const ReadCore& entry : ReadCatalogue())
        if (entry.core->type == in.coreType &&
            std::equal(fields.begin(), fields.begin() + read, entry.fields.begin()))
            return entry.core;
    return nullptr;
}

std::vector<const Bobbin*> BobbinsOf(const CatalogueCore& core) {
    std::vector<const Bobbin*> bobbins;
    for (const Bobbin& bobbin : Bobbins())
        if (bobbin.core == core.name) bobbins.push_back(&bobbin);
    return bobbins;
}

const Bobbin* FindBobbin(std::string_view name) {
    const std::string wanted = Folded(name);
    for (const Bobbin& bobbin : Bobbins())
        if (Folded(bobbin.name) == wanted) return &bobbin;
    return nullptr;
}

std::vector<const Bobbin*> BobbinsMatching(std::string_view filter) {
    const std::string wanted = Folded(filter);
    std::vector<const Bobbin*> bobbins;
    for (const Bobbin& bobbin : Bobbins())
        if (Folded(bobbin.name).find(wanted) != std::string::npos ||
            Folded(bobbin.core).find(wanted) != std::string::npos)
            bobbins.push_back(&bobbin);
    return bobbins;
}

Space SpaceOf(const stages::Inputs& in, const stages::CoreGeometry& core, const Bobbin* named) {
    Space space;
    space.core = CatalogueCoreOf(in);
    if (in.coreType == CoreType::Ring) {
        space.kind = SpaceKind::Ring;
        space.outerDiameterMm = in.dimD;
        space.innerDiameterMm = in.dimd;
        space.heightMm = in.dimh;
        space.breadthMm = kPi * in.dimd;
        space.depthMm = in.dimd / 2;
        space.tubeWidthMm = (in.dimD - in.dimd) / 2;
        space.tubeDepthMm = in.dimh;
        return space;
    }
    const CoreWindow* catalogueWindow = space.core ? CoreWindowOf(space.core->name) : nullptr;
    const CoreWindow window = catalogueWindow ? *catalogueWindow : WindowOfFields(in, core);
    space.windowWidthMm = window.widthMm;
    space.windowHeightMm = window.heightMm;

    const Bobbin* bobbin = named;
    if (!bobbin && space.core)
        for (const Bobbin& candidate : Bobbins())
            if (candidate.core == space.core->name) {
                bobbin = &candidate;
                break;
            }
    if (bobbin) {
        space.kind = SpaceKind::Bobbin;
        space.bobbin = bobbin;
        space.breadthMm = bobbin->breadthMm;
        space.depthMm = bobbin->depthMm;
        space.tubeDiameterMm = bobbin->tubeDiameterMm;
        space.tubeWidthMm = bobbin->tubeWidthMm;
        space.tubeDepthMm = bobbin->tubeDepthMm;
        space.legGapMm = bobbin->legGapMm;
        space.legWallMm = bobbin->legWallMm;
        return space;
    }
    const WallFit& fit = WallFitFor(space.core, in.coreType);
    space.kind = SpaceKind::Derived;
    space.depthMm = std::max(0.0, window.widthMm - (fit.radialA + fit.radialB * window.widthMm));
    space.breadthMm =
        std::max(0.0, window.heightMm - 2 * (fit.flangeC + fit.flangeD * window.heightMm));
    space.legWallMm = space.legGapMm = fit.legWallMm;
    if (window.legDiameterMm > 0) {
        space.tubeDiameterMm = window.legDiameterMm + 2 * fit.legWallMm;
    } else {
        space.tubeWidthMm = window.legWidthMm + 2 * fit.legWallMm;
        space.tubeDepthMm = window.legDepthMm + 2 * fit.legWallMm;
    }
    return space;
}

}  // namespace toroglav::winding
