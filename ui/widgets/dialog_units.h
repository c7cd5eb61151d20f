#pragma once
// The form is laid out in dialog units, which follow the font: a horizontal unit is a quarter of
// the font's average character width, a vertical unit an eighth of its line height. Sizes given
// this way keep their proportions to the texts whatever font and scale the platform uses.

class QFontMetrics;

namespace toroglav::ui {

class DialogUnits {
public:
    explicit DialogUnits(const QFontMetrics& metrics);

    int x(int units) const { return (units * baseX_ + 2) / 4; }
    int y(int units) const { return (units * baseY_ + 4) / 8; }

private:
    int baseX_;
    int baseY_;
};

}  // namespace toroglav::ui
