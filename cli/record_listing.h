#pragma once
// The record as text lines "NAME=TEXT" in declared order, arrays expanded per output
// ("m_strOutTurns[1]=13 + 13(12,04)"), texts in UTF-8, working numbers in their shortest
// round-trip form or "unset".

#include <string>

#include "calc/design_record.h"

namespace toroglav::cli {

std::string ListRecord(const DesignRecord& record);

}  // namespace toroglav::cli
