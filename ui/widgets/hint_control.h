#pragma once
// The window's hints: advice that pops up when the pointer rests on a control.
//
// Every mouse move inside the window passes through the control (it watches the application's
// events, as a message relay would); after the pointer has rested on a tool for a moment, the
// tool's text is shown in a Qt tool tip, wrapped to a fixed width with its own line breaks kept.
// A tool is either a control or a band of the window's own surface (its background, group
// frames and plain labels, not the controls standing in the band).

#include <QColor>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTimer>
#include <vector>

class QWidget;

namespace toroglav::ui {

class HintControl : public QObject {
    Q_OBJECT

public:
    static constexpr int kRestDelay = 100;     // ms of rest before a hint shows, also between tools
    static constexpr int kShowTime = 30000;    // ms a hint stays while the pointer rests
    static constexpr int kMaximumWidth = 250;  // pixels of the whole tip; longer texts wrap
    static constexpr QRgb kBackground = 0xFFF0A0;  // pale yellow, RGB 255, 240, 160

    explicit HintControl(QWidget& window);
    ~HintControl() override;

    void AddTool(QWidget* control, const QString& text);
    // A band of the window's surface, in window coordinates.
    void AddBand(const QRect& band, const QString& text);

    // The hint for the pointer at `position` (window coordinates), or an empty text.
    QString HintAt(QPoint position) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Tool {
        QWidget* control;  // nullptr for the band
        QString text;
    };
    const Tool* ToolAt(QPoint position) const;
    void PointerAt(QPoint globalPosition);
    void ShowPending();
    void Hide();

    QWidget& window_;
    std::vector<Tool> tools_;
    QRect band_;
    Tool bandTool_;
    QTimer rest_;
    const Tool* pending_ = nullptr;  // the tool under the pointer
    const Tool* shown_ = nullptr;    // the tool whose hint is showing
};

}  // namespace toroglav::ui
