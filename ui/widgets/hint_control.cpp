#include "ui/widgets/hint_control.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>
#include <QToolTip>

#include "ui/widgets/text_wrap.h"

namespace toroglav::ui {

namespace {

// The tip's frame and margins around its text.
int TipChrome() {
    const int frame = QApplication::style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth);
    return 2 * (frame + 1) + 2;
}

void UsePaleYellowTips() {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, QColor::fromRgb(HintControl::kBackground));
    palette.setColor(QPalette::Window, QColor::fromRgb(HintControl::kBackground));
    QToolTip::setPalette(palette);
}

}  // namespace

HintControl::HintControl(QWidget& window) : QObject(&window), window_(window) {
    rest_.setSingleShot(true);
    rest_.setInterval(kRestDelay);
    connect(&rest_, &QTimer::timeout, this, &HintControl::ShowPending);
    // Moves over any part of the window reach the relay, not only presses.
    window_.setMouseTracking(true);
    for (QWidget* child : window_.findChildren<QWidget*>()) child->setMouseTracking(true);
    qApp->installEventFilter(this);
    UsePaleYellowTips();
}

HintControl::~HintControl() {
    qApp->removeEventFilter(this);
}

void HintControl::AddTool(QWidget* control, const QString& text) {
    tools_.push_back({control, text});
}

void HintControl::AddBand(const QRect& band, const QString& text) {
    band_ = band;
    bandTool_ = {nullptr, text};
}

const HintControl::Tool* HintControl::ToolAt(QPoint position) const {
    QWidget* under = window_.childAt(position);  // disabled controls too
    for (const Tool& tool : tools_)
        if (tool.control == under) return &tool;
    const bool surface = !under || qobject_cast<QLabel*>(under) || qobject_cast<QGroupBox*>(under);
    return surface && band_.contains(position) ? &bandTool_ : nullptr;
}

QString HintControl::HintAt(QPoint position) const {
    const Tool* tool = ToolAt(position);
    return tool ? tool->text : QString();
}

bool HintControl::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || (widget != &window_ && !window_.isAncestorOf(widget))) return false;
    switch (event->type()) {
        case QEvent::MouseMove:
            PointerAt(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
            break;
        case QEvent::MouseButtonPress:
        case QEvent::WindowDeactivate:
            Hide();
            break;
        case QEvent::Leave:
            if (widget == &window_) Hide();
            break;
        default:
            break;
    }
    return false;  // the relay never takes an event
}

void HintControl::PointerAt(QPoint globalPosition) {
    const Tool* tool = ToolAt(window_.mapFromGlobal(globalPosition));
    if (tool && tool == shown_) return;  // resting on the tool whose hint shows
    if (shown_) Hide();
    pending_ = tool;
    if (pending_)
        rest_.start();  // each move starts the rest again
    else
        rest_.stop();
}

void HintControl::ShowPending() {
    if (!pending_ || !window_.isActiveWindow()) return;
    QWidget* owner = pending_->control ? pending_->control : &window_;
    const QRect area = pending_->control ? owner->rect() : band_;
    const QString text =
        WrapText(pending_->text, QFontMetrics(QToolTip::font()), kMaximumWidth - TipChrome());
    QToolTip::showText(QCursor::pos(), text, owner, area, kShowTime);
    shown_ = pending_;
}

void HintControl::Hide() {
    rest_.stop();
    pending_ = nullptr;
    if (shown_) QToolTip::hideText();
    shown_ = nullptr;
}

}  // namespace toroglav::ui
