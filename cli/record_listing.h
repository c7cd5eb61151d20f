#pragma once
// The record as text lines "NAME=TEXT" in declared order, arrays expanded per output
// ("m_strOutTurns[1]=13 + 13(12,04)"), texts in UTF-8, working numbers in their shortest
// round-trip form or "unset". Each member is exactly one line: in a text a backslash is written
// \\ and a control character \n, \r, \t or \xHH (its cp1251 byte), so no text can end a line or
// forge another member's.

#include <string>
#include <string_view>

#include "calc/record/design_record.h"

namespace toroglav::cli {

std::string ListRecord(const DesignRecord& record);

// Text from the user (an argument, a file name) for a message on one line, escaped the same way:
// a backslash, each control character (C0, DEL, C1) and each byte that is not part of UTF-8 as
// its escape, byte by byte; the rest as it is.
std::string EscapedUtf8(std::string_view text);

}  // namespace toroglav::cli
