#pragma once
// The window shows QStrings; the design record holds cp1251 bytes. These two functions are the
// only crossing between them, and they are lossless for every byte value.

#include <QString>
#include <string>
#include <string_view>

namespace toroglav::ui {

QString QStringFromCp1251(std::string_view cp1251);

// Characters without a cp1251 form become '?'.
std::string Cp1251FromQString(QStringView text);

}  // namespace toroglav::ui
