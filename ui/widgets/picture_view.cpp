#include "ui/widgets/picture_view.h"

#include <QPainter>

#include "ui/widgets/pictures.h"

namespace toroglav::ui {

PictureView::PictureView(QString resource, QSize size, QWidget* parent)
    : QWidget(parent), resource_(std::move(resource)) {
    setFixedSize(size);
}

void PictureView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPicture(painter, resource_, rect());
}

}  // namespace toroglav::ui
