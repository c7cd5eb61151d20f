#include "ui/text_wrap.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

namespace toroglav::ui {

QString WrapText(const QString& text, const QFontMetrics& metrics, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(u'\n')) {
        // The blanks that indent a paragraph stay with its first word.
        qsizetype start = 0;
        while (start < paragraph.size() && paragraph[start] == u' ') ++start;
        QString line = paragraph.left(start);
        bool lineHasWord = false;
        for (const QString& word : paragraph.mid(start).split(u' ', Qt::SkipEmptyParts)) {
            const QString longer = lineHasWord ? line + u' ' + word : line + word;
            if (lineHasWord && metrics.horizontalAdvance(longer) > width) {
                lines << line;
                line = word;
            } else {
                line = longer;
            }
            lineHasWord = true;
        }
        lines << line;
    }
    return lines.join(u'\n');
}

int NarrowestWrapWidth(const QString& text, const QFontMetrics& metrics, int lines) {
    int narrow = 0;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        narrow = std::max(narrow, metrics.horizontalAdvance(word));
    int wide = metrics.horizontalAdvance(text);
    while (narrow < wide) {
        const int middle = (narrow + wide) / 2;
        if (WrapText(text, metrics, middle).count(u'\n') < lines)
            wide = middle;
        else
            narrow = middle + 1;
    }
    return narrow + 2;  // slack for rounding between measuring and laying out
}

}  // namespace toroglav::ui
