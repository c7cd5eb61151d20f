// Painting the main window: the core picture, the dimension captions and the fields in use.

#include <QLabel>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>

#include "ui/control_ids.h"
#include "ui/core_views.h"
#include "ui/pictures.h"
#include "ui/toroglav_dlg.h"

namespace toroglav::ui {

void CToroglavDlg::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    // A minimised window is shown by its icon alone.
    if (isMinimized()) return;
    const CoreView* view = CoreViewFor(m_record.m_nCoreType);
    if (!view) return;

    if (!view->picture.isEmpty() && event->region().intersects(m_rectPicture)) {
        QPainter painter(this);
        DrawPicture(painter, view->picture, m_rectPicture);
    }
    // Setting the same caption or visibility again changes nothing, so repeated paints are calm.
    for (std::size_t i = 0; i < ids::kDimensionLabels.size(); ++i)
        m_form.as<QLabel>(ids::kDimensionLabels[i])->setText(view->captions[i].toString());
    m_editDimho->setVisible(view->showDimho);
    m_editDimHs->setVisible(view->showDimHs);
    m_editDimL->setVisible(view->showDimL);
}

}  // namespace toroglav::ui
