#pragma once
// A result of the calculation shown as text. A result must never look shorter than it is: when
// a text does not fit its field (a choke of millions of microhenries, say), the field shows it
// cut with an ellipsis and the whole text on hover, instead of silently losing digits.

#include <QLabel>

namespace toroglav::ui {

class ResultField : public QLabel {
    Q_OBJECT

public:
    explicit ResultField(QWidget* parent);

    // True when the text is wider than the field.
    bool IsCut() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
};

}  // namespace toroglav::ui
