#include "ui/services/qstring_cp1251.h"

#include <QList>

#include "calc/text/cp1251.h"

namespace toroglav::ui {

QString QStringFromCp1251(std::string_view cp1251) {
    QString text;
    text.reserve(static_cast<qsizetype>(cp1251.size()));
    // Every cp1251 byte maps into the Basic Multilingual Plane, so one QChar per byte.
    for (const char byte : cp1251)
        text.append(
            QChar(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(byte)))));
    return text;
}

std::string Cp1251FromQString(QStringView text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t code : text.toUcs4()) bytes.push_back(UnicodeToCp1251(code));
    return bytes;
}

}  // namespace toroglav::ui
