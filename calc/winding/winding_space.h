#pragma once
// Where the windings of a calculated design go: the winding space of a bobbin made for its core,
// of a bobbin derived from its core's window, or a ring's hole.
//
// A core whose core type and dimension fields are those of a catalogue core is that core: it
// takes the first of its bobbins unless another is named. Any other core with a centre leg (and
// a catalogue core without a bobbin) takes a bobbin derived from its window, whose walls take
// what catalogue bobbins of its family take of theirs (WallFit; ER cores take the ETD family's,
// families without bobbins the fit over all). A core given only by its parameters is taken as a
// round leg of its cross-section Ae in a window of area So twice as high as wide. A ring has no
// bobbin: its layers go round the hole, over the core's section.

#include <string_view>
#include <vector>

#include "calc/catalogue/core_catalogue.h"
#include "calc/design/stages.h"
#include "calc/winding/winding_data.h"

namespace toroglav::winding {

enum class SpaceKind { Bobbin, Derived, Ring };

struct Space {
    SpaceKind kind = SpaceKind::Derived;
    const Bobbin* bobbin = nullptr;       // of SpaceKind::Bobbin
    const CatalogueCore* core = nullptr;  // the catalogue core the design's core is, if any
    // The room for layers, mm: along the leg and across the window from the tube. A ring's
    // breadth is its inner circumference, its depth the hole's radius.
    double breadthMm = 0, depthMm = 0;
    // The first layer's surface: a circle, or a rectangle when the diameter is 0 (a ring's
    // section: its radial width by its height).
    double tubeDiameterMm = 0, tubeWidthMm = 0, tubeDepthMm = 0;
    // The core's window around a bobbin (0 when the core does not tell it), the gap from the
    // centre leg to the tube's outer side and the tube's wall, for a picture.
    double windowWidthMm = 0, windowHeightMm = 0, legGapMm = 0, legWallMm = 0;
    // A ring's diameters and height.
    double innerDiameterMm = 0, outerDiameterMm = 0, heightMm = 0;

    // The length of a turn whose middle lies `radialMm` out from the tube: round a circle
    // pi (D + 2 r), round a rectangle w x d with corners rounded to r, 2 (w + d) + 2 pi r.
    double TurnLengthMm(double radialMm) const;
};

// The catalogue core with the design's core type and dimension fields, or nullptr.
const CatalogueCore* CatalogueCoreOf(const stages::Inputs& inputs);

// The bobbins made for `core`, in the data's order.
std::vector<const Bobbin*> BobbinsOf(const CatalogueCore& core);

// The bobbin of that name, letter case and blanks ignored, "Bobbin " at the start optional; or
// nullptr.
const Bobbin* FindBobbin(std::string_view name);

// The bobbins whose name or core contains `filter` (letter case ignored; all for an empty one).
std::vector<const Bobbin*> BobbinsMatching(std::string_view filter);

// The space of the design's core; `named` (a bobbin of its core, see BobbinsOf) replaces the
// first one.
Space SpaceOf(const stages::Inputs& inputs, const stages::CoreGeometry& core,
              const Bobbin* named = nullptr);

}  // namespace toroglav::winding
