#include "ui/widgets/dialog_units.h"

#include <QFontMetrics>
#include <QString>

namespace toroglav::ui {

namespace {

// The average character width is taken over the Latin alphabet, rounded to the nearest pixel.
int AverageCharWidth(const QFontMetrics& metrics) {
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return (metrics.horizontalAdvance(alphabet) + 26) / 52;
}

}  // namespace

DialogUnits::DialogUnits(const QFontMetrics& metrics)
    : baseX_(AverageCharWidth(metrics)), baseY_(metrics.height()) {}

}  // namespace toroglav::ui
