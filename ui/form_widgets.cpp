#include "ui/form_widgets.h"

#include <QAction>
#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QValidator>
#include <algorithm>

namespace toroglav::ui {

namespace {

// An input field holds no more text than its box shows: typing that would make the text wider
// than the box is refused, while shortening a text is always allowed (the program itself may
// have put a longer text there). The validator sees the text after the change, so it keeps the
// text before it.
class FitWidthValidator : public QValidator {
public:
    explicit FitWidthValidator(QLineEdit* edit) : QValidator(edit), edit_(edit) {
        connect(edit, &QLineEdit::textChanged, this,
                [this](const QString& text) { before_ = text; });
    }

    State validate(QString& input, int&) const override {
        if (input.size() <= before_.size()) return Acceptable;
        const int frame = edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit_);
        const int room = edit_->width() - 2 * frame - 2 * kTextMargin;
        return edit_->fontMetrics().horizontalAdvance(input) <= room ? Acceptable : Invalid;
    }

private:
    static constexpr int kTextMargin = 3;  // the line edit's inner margin plus the cursor
    QLineEdit* edit_;
    QString before_;
};

// Narrowest width at which `text` wraps into two lines at one of its spaces.
int TwoLineWidth(const QFontMetrics& metrics, const QString& text) {
    int best = metrics.horizontalAdvance(text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char(' ')) continue;
        const int first = metrics.horizontalAdvance(text.left(i).trimmed());
        const int second = metrics.horizontalAdvance(text.mid(i + 1).trimmed());
        best = std::min(best, std::max(first, second));
    }
    return best + 2;  // slack for rounding between measuring and laying out
}

}  // namespace

FormBuilder::FormBuilder(QDialog& dialog, MainForm& form)
    : dialog_(dialog), form_(form), units_(dialog.fontMetrics()) {}

void FormBuilder::Register(int id, QWidget* control) {
    control->setObjectName(QStringLiteral("control%1").arg(id));
    control->setProperty("controlId", id);
    form_.controls_.insert(id, control);
}

QLineEdit* FormBuilder::Edit(int id, int widthUnits) {
    auto* edit = new QLineEdit(&dialog_);
    edit->setAlignment(Qt::AlignCenter);
    edit->setFixedWidth(units_.x(widthUnits));
    edit->setValidator(new FitWidthValidator(edit));
    Register(id, edit);
    return edit;
}

QLabel* FormBuilder::Result(int id, int widthUnits, Qt::Alignment alignment) {
    auto* result = new QLabel(&dialog_);
    result->setTextFormat(Qt::PlainText);  // results such as "< 25" are never markup
    result->setAlignment(alignment | Qt::AlignVCenter);
    result->setFixedWidth(units_.x(widthUnits));
    Register(id, result);
    return result;
}

QRadioButton* FormBuilder::Radio(int id, const QString& caption) {
    auto* radio = new QRadioButton(caption, &dialog_);
    Register(id, radio);
    return radio;
}

void FormBuilder::GroupRadios(std::span<const int> idsInGroupOrder) {
    auto* group = new QButtonGroup(&dialog_);
    int value = 0;
    for (const int id : idsInGroupOrder)
        group->addButton(qobject_cast<QRadioButton*>(form_.control(id)), value++);
}

QLabel* FormBuilder::Label(const QString& text, Qt::Alignment alignment) {
    auto* label = new QLabel(text, &dialog_);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel* FormBuilder::Label(int id, const QString& text, Qt::Alignment alignment) {
    QLabel* label = Label(text, alignment);
    Register(id, label);
    return label;
}

QLabel* FormBuilder::TwoLineLabel(const QString& text, Qt::Alignment alignment) {
    QLabel* label = Label(text, alignment);
    label->setWordWrap(true);
    label->setFixedWidth(TwoLineWidth(label->fontMetrics(), text));
    return label;
}

QLabel* FormBuilder::TwoLineLabel(int id, const QString& text, Qt::Alignment alignment) {
    QLabel* label = TwoLineLabel(text, alignment);
    Register(id, label);
    return label;
}

QPushButton* FormBuilder::Button(int id, const QString& caption, int widthUnits) {
    auto* button = new QPushButton(caption, &dialog_);
    button->setMinimumWidth(units_.x(widthUnits));
    Register(id, button);
    return button;
}

QAction* FormBuilder::Command(QMenuBar& menuBar, int id, const QString& text) {
    QAction* action = menuBar.addAction(text);
    action->setData(id);
    form_.commands_.insert(id, action);
    return action;
}

}  // namespace toroglav::ui
