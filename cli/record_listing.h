#pragma once
// The record as text lines "NAME=TEXT" in declared order, arrays expanded per output
// ("m_strOutTurns[1]=13 + 13(12,04)"), texts in UTF-8, working numbers in their shortest
// round-trip form or "unset". Each member is exactly one line: in a text a backslash is written
// \\ and a control character \n, \r, \t or \xHH (its cp1251 byte), so no text can end a line or
// forge another member's.

#include <string>

#include "calc/design_record.h"

namespace toroglav::cli {

std::string ListRecord(const DesignRecord& record);

}  // namespace toroglav::cli
