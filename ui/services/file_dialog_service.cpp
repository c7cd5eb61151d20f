#include "ui/services/file_dialog_service.h"

namespace toroglav::ui {

QString WithExtension(const QString& path, const QString& extension) {
    const QString ending = QLatin1Char('.') + extension;
    return path.endsWith(ending, Qt::CaseInsensitive) ? path : path + ending;
}

}  // namespace toroglav::ui
