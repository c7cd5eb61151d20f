#pragma once
// A widget of a fixed size that shows one of the program's drawings, rendered at every paint,
// so it is sharp at any screen density.

#include <QString>
#include <QWidget>

namespace toroglav::ui {

class PictureView : public QWidget {
    Q_OBJECT

public:
    PictureView(QString resource, QSize size, QWidget* parent);
    QString resource() const { return resource_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_;
};

}  // namespace toroglav::ui
