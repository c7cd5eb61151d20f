#include "calculation.h"

namespace toroglav {

// Placeholder until the stages land.
void Calculate(DesignRecord&, const WarningHandler&) {}

}  // namespace toroglav
