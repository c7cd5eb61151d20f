#pragma once
// The design a command works on: read from its file (or the defaults), edited as the request
// says, calculated with its warnings on standard error, and saved or reported when asked.

#include <optional>

#include "calc/design/calculation.h"
#include "cli/design_request.h"
#include "cli/output.h"

namespace toroglav::cli {

struct CalculatedDesign {
    DesignRecord typed;       // the inputs as read and edited, before the calculation
    DesignRecord calculated;  // with every result text, and the inputs it completes
    DesignResult result;
};

// The design of `request`, or nothing after printing why; `exitCode` says how it ended. The
// files come before any listing, so a failure leaves no output that looks complete.
std::optional<CalculatedDesign> CalculateRequestedDesign(const DesignRequest& request,
                                                         const Streams& streams, int& exitCode);

}  // namespace toroglav::cli
