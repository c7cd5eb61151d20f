#include "ui/widgets/text_wrap.h"

#include <QFontMetrics>
#include <QStringList>
#include <algorithm>
#include <vector>

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
    // Each word is measured once; the search then only adds up widths.
    std::vector<int> words;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        words.push_back(metrics.horizontalAdvance(word));
    const int space = metrics.horizontalAdvance(u' ');
    const auto linesAt = [&](int width) {
        int count = 0, line = 0;
        for (const int word : words) {
            if (count > 0 && line + space + word <= width) {
                line += space + word;
            } else {
                ++count;
                line = word;
            }
        }
        return count;
    };
    int narrow = words.empty() ? 0 : *std::max_element(words.begin(), words.end());
    int wide = metrics.horizontalAdvance(text);
    while (narrow < wide) {
        const int middle = (narrow + wide) / 2;
        if (linesAt(middle) <= lines)
            wide = middle;
        else
            narrow = middle + 1;
    }
    return narrow + 2;  // slack for rounding between measuring and laying out
}

}  // namespace toroglav::ui
