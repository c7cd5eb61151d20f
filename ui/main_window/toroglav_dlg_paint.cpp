// Painting the main window: the core picture, the dimension captions and the fields in use.

#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>

#include "ui/main_window/control_ids.h"
#include "ui/main_window/core_views.h"
#include "ui/main_window/toroglav_dlg.h"
#include "ui/widgets/pictures.h"

namespace toroglav::ui {

void CToroglavDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // A minimised window is shown by its icon alone.
    if (isMinimized()) return;
    const CoreView* view = CoreViewFor(m_record.m_nCoreType);
    if (!view) return;
    // Setting the same caption or visibility again changes nothing, so repeated paints are calm.
    for (std::size_t i = 0; i < ids::kDimensionLabels.size(); ++i)
        m_form.get<QLabel>(ids::kDimensionLabels[i]).setText(view->captions[i].toString());
    m_editDimho->setVisible(view->showDimho);
    m_editDimHs->setVisible(view->showDimHs);
    m_editDimL->setVisible(view->showDimL);
}

// The picture is painted onto the picture area rather than onto the window beneath it, so the
// group box frame, which is drawn over the window, cannot tint it. The area is repainted with
// every paint of the window that covers it.
bool CToroglavDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_form.pictureArea() || event->type() != QEvent::Paint)
        return QDialog::eventFilter(watched, event);
    const CoreView* view = CoreViewFor(m_record.m_nCoreType);
    if (view && !view->picture.isEmpty() && !isMinimized()) {
        QPainter painter(m_form.pictureArea());
        DrawPicture(painter, view->picture, m_form.pictureArea()->rect());
    }
    return true;
}

}  // namespace toroglav::ui
