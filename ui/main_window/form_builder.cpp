#include "ui/main_window/form_builder.h"

#include <QAction>
#include <QButtonGroup>
#include <QDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>
#include <QValidator>
#include <algorithm>

#include "ui/widgets/result_field.h"
#include "ui/widgets/text_wrap.h"

namespace toroglav::ui {

namespace {

// What an edit's frame and inner margins take from its width; the rest is room for the text.
int EditChrome(const QLineEdit& edit) {
    constexpr int kTextMargin = 3;  // the line edit's inner margin plus the cursor
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    return 2 * frame + 2 * kTextMargin;
}

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
        const int room = edit_->width() - EditChrome(*edit_);
        return edit_->fontMetrics().horizontalAdvance(input) <= room ? Acceptable : Invalid;
    }

private:
    QLineEdit* edit_;
    QString before_;
};

}  // namespace

FormBuilder::FormBuilder(QDialog& dialog, MainForm& form)
    : dialog_(dialog), form_(form), units_(dialog.fontMetrics()) {}

void FormBuilder::Register(int id, QWidget* control) {
    control->setObjectName(QStringLiteral("control%1").arg(id));
    form_.controls_.insert(id, control);
}

QLineEdit* FormBuilder::Edit(int id, int characters) {
    auto* edit = new QLineEdit(&dialog_);
    edit->setAlignment(Qt::AlignCenter);
    // Digits are the widest characters of a number; the separator is one of them.
    const QString widest = QString(characters - 1, u'0') + u',';
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(widest) + EditChrome(*edit));
    edit->setValidator(new FitWidthValidator(edit));
    Register(id, edit);
    return edit;
}

QLabel* FormBuilder::Result(int id, QStringView widest, Qt::Alignment alignment) {
    auto* result = new ResultField(&dialog_);
    result->setAlignment(alignment | Qt::AlignVCenter);
    result->setMinimumWidth(result->fontMetrics().horizontalAdvance(widest.toString()));
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
    for (const int id : idsInGroupOrder) group->addButton(&form_.get<QRadioButton>(id), value++);
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

QLabel* FormBuilder::WrappedLabel(const QString& text, int lines, Qt::Alignment alignment) {
    QLabel* label = Label(text, alignment);
    label->setWordWrap(true);
    label->setFixedWidth(NarrowestWrapWidth(text, label->fontMetrics(), lines));
    return label;
}

QLabel* FormBuilder::WrappedLabel(int id, const QString& text, int lines, Qt::Alignment alignment) {
    QLabel* label = WrappedLabel(text, lines, alignment);
    Register(id, label);
    return label;
}

QPushButton* FormBuilder::Button(int id, const QString& caption, int widthUnits) {
    auto* button = new QPushButton(caption, &dialog_);
    button->setMinimumWidth(units_.x(widthUnits));
    Register(id, button);
    return button;
}

QToolButton* FormBuilder::SmallButton(int id, const QString& caption,
                                      const QString& accessibleName) {
    auto* button = new QToolButton(&dialog_);
    button->setText(caption);
    button->setAccessibleName(accessibleName);
    Register(id, button);
    return button;
}

void FormBuilder::SetNarrowMargins(QLayout& layout) const {
    const QMargins margins = layout.contentsMargins();
    const int side = units_.x(4);
    layout.setContentsMargins(side, margins.top(), side, margins.bottom());
}

QAction* FormBuilder::Command(QWidget& menu, int id, const QString& text) {
    QAction* action = menu.addAction(text);
    action->setData(id);
    form_.commands_.insert(id, action);
    return action;
}

}  // namespace toroglav::ui
