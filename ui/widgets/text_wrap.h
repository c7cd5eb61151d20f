#pragma once
// Breaking texts into lines at their spaces, as labels and tips do, for sizing them.

#include <QString>

class QFontMetrics;

namespace toroglav::ui {

// `text` broken at its spaces into lines of at most `width` pixels (a word wider than that
// keeps a line of its own); its own line breaks and the blanks that start a line are kept.
QString WrapText(const QString& text, const QFontMetrics& metrics, int width);

// The narrowest width at which `text` wraps into at most `lines` lines.
int NarrowestWrapWidth(const QString& text, const QFontMetrics& metrics, int lines);

}  // namespace toroglav::ui
