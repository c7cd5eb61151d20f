#pragma once
// The program's drawings are SVG resources, rendered when needed: nothing is kept between paints.

#include <QIcon>
#include <QStringView>

class QPainter;
class QRect;

namespace toroglav::ui {

// Renders the SVG resource into `target`.
void DrawPicture(QPainter& painter, QStringView resource, const QRect& target);

// The program's icon (resource 128), drawn at the size each use asks for.
QIcon ProgramIcon();

}  // namespace toroglav::ui
