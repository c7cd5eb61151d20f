// The main window's set-up, its view of the record and its painting; the commands are in
// toroglav_dlg_commands.cpp.

#include "ui/main_window/toroglav_dlg.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include "files/state_file.h"
#include "ui/dialogs/schemes_dialog.h"
#include "ui/main_window/control_ids.h"
#include "ui/main_window/core_views.h"
#include "ui/main_window/data_exchange.h"
#include "ui/main_window/field_hints.h"
#include "ui/services/message_box_service.h"
#include "ui/services/platform_file_dialogs.h"
#include "ui/services/translations.h"
#include "ui/widgets/hint_control.h"
#include "ui/widgets/pictures.h"

// The resources live in a static library, so they are registered explicitly.
static void RegisterResources() {
    Q_INIT_RESOURCE(toroglav);
}

namespace toroglav::ui {

using namespace Qt::StringLiterals;

namespace {

// Gives every nested layout its geometry now, parents first, so positions of controls are known
// before the window is shown.
void SettleLayouts(QWidget& widget) {
    if (QLayout* layout = widget.layout()) layout->activate();
    for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        SettleLayouts(*child);
}

}  // namespace

CToroglavDlg::CToroglavDlg(std::unique_ptr<MessageService> messages,
                           std::unique_ptr<FileDialogService> fileDialogs)
    : m_messages(messages ? std::move(messages) : std::make_unique<MessageBoxService>()),
      m_fileDialogs(fileDialogs ? std::move(fileDialogs) : std::make_unique<PlatformFileDialogs>()),
      m_stateFile(StateFilePathHere()) {
    RegisterResources();
    setWindowTitle(tr("Расчет импульсного трансформатора двухтактного преобразователя"));
    // Minimise and close, no maximise; the size is fixed by the layout.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    m_form = BuildMainForm(*this);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_editDimho = &m_form.get<QLineEdit>(ids::kDimho);
    m_editDimHs = &m_form.get<QLineEdit>(ids::kDimHs);
    m_editDimL = &m_form.get<QLineEdit>(ids::kDimL);
    m_editDeadTime = &m_form.get<QLineEdit>(ids::kDeadTime);
    m_editDutyMax = &m_form.get<QLineEdit>(ids::kDutyMax);
    m_editRdsOn = &m_form.get<QLineEdit>(ids::kRdsOn);
    m_editUsat = &m_form.get<QLineEdit>(ids::kUsat);
    ConnectCommands();
    m_form.pictureArea()->installEventFilter(this);
    m_hIcon = ProgramIcon();
}

CToroglavDlg::~CToroglavDlg() = default;

void CToroglavDlg::SetUpHints() {
    m_tooltip = new HintControl(*this);
    for (const FieldHint& hint : FieldHints())
        m_tooltip->AddTool(&m_form.get<QWidget>(hint.id), hint.text.toString());
    m_tooltip->AddTool(&m_form.get<QWidget>(ids::kPickCore), kPickCoreHint.toString());
    m_tooltip->AddTool(&m_form.get<QWidget>(ids::kAdviseCore), kAdviseCoreHint.toString());
    // The rectifier grid, from the window's left edge to the fifth output's radios.
    const auto rectOf = [this](int id) {
        const QWidget& radio = m_form.get<QRadioButton>(id);
        return QRect(radio.mapTo(this, QPoint(0, 0)), radio.size());
    };
    const QRect top = rectOf(ids::kRectifier[4][0]);
    const QRect bottom = rectOf(ids::kRectifier[4][2]);
    m_tooltip->AddBand(QRect(QPoint(0, top.top()), QPoint(top.right(), bottom.bottom())),
                       kRectifierBandHint.toString());
}

void CToroglavDlg::ConnectCommands() {
    // Buttons and radios with a handler; the other radios reach the record at the next take.
    struct Click {
        int id;
        void (CToroglavDlg::*handler)();
    };
    const Click clicks[] = {
        {ids::kCalculate, &CToroglavDlg::OnCalculate},
        {ids::kExit, &CToroglavDlg::OnExit},
        {ids::kSaveDesign, &CToroglavDlg::OnSaveDesign},
        {ids::kLoadDesign, &CToroglavDlg::OnLoadDesign},
        {ids::kSaveReport, &CToroglavDlg::OnSaveReport},
        {ids::kPickCore, &CToroglavDlg::OnPickCore},
        {ids::kAdviseCore, &CToroglavDlg::OnAdviseCore},
        {ids::kShowLosses, &CToroglavDlg::OnShowLosses},
        {ids::kShowWinding, &CToroglavDlg::OnShowWinding},
        {ids::kController[0], &CToroglavDlg::OnControllerTl494},
        {ids::kController[1], &CToroglavDlg::OnControllerOther},
        {ids::kSwitchDrop[0], &CToroglavDlg::OnSwitchDropUsat},
        {ids::kSwitchDrop[1], &CToroglavDlg::OnSwitchDropRdsOn},
        {ids::kCoreType[0], &CToroglavDlg::OnCoreRing},
        {ids::kCoreType[1], &CToroglavDlg::OnCoreE},
        {ids::kCoreType[2], &CToroglavDlg::OnCoreEtd},
        {ids::kCoreType[3], &CToroglavDlg::OnCoreOther},
        {ids::kSupplyKind[0], &CToroglavDlg::OnSupplyDc},
        {ids::kSupplyKind[1], &CToroglavDlg::OnSupplyMains},
    };
    for (const Click& click : clicks)
        connect(&m_form.get<QAbstractButton>(click.id), &QAbstractButton::clicked, this,
                click.handler);
    const std::pair<int, void (CToroglavDlg::*)()> commands[] = {
        {ids::kShowSchemes, &CToroglavDlg::OnShowSchemes},
        {ids::kAbout, &CToroglavDlg::OnAbout},
        {ids::kHelp, &CToroglavDlg::OnShowHelp},
    };
    for (const auto& [id, handler] : commands)
        connect(m_form.command(id), &QAction::triggered, this, handler);
    // The language menu shows the choice kept (none: the system's language).
    const std::optional<Language> languages[] = {std::nullopt, Language::Russian,
                                                 Language::English};
    const std::optional<Language> chosen = ChosenLanguage();
    for (std::size_t i = 0; i < ids::kLanguage.size(); ++i) {
        QAction* choice = m_form.command(ids::kLanguage[i]);
        choice->setChecked(chosen == languages[i]);
        connect(choice, &QAction::triggered, this,
                [this, language = languages[i]] { OnChooseLanguage(language); });
    }

    // textEdited comes from the user's typing only, never from setText.
    connect(&m_form.get<QLineEdit>(ids::kInductionMax), &QLineEdit::textEdited, this,
            &CToroglavDlg::OnChangeInduction);
    connect(&m_form.get<QLineEdit>(ids::kFrequency), &QLineEdit::textEdited, this,
            &CToroglavDlg::OnChangeFrequency);
}

void CToroglavDlg::setVisible(bool visible) {
    if (visible && !m_initialised) {
        m_initialised = true;
        OnInitDialog();
    }
    QDialog::setVisible(visible);
}

void CToroglavDlg::OnInitDialog() {
    UpdateData(false);  // the defaults
    setWindowIcon(m_hIcon);
    SettleLayouts(*this);
    const QWidget* area = m_form.pictureArea();
    m_rectPicture = QRect(area->mapTo(this, QPoint(0, 0)), area->size());
    SetUpHints();
    RestoreState();
    m_form.get<QPushButton>(ids::kCalculate).setFocus();
}

void CToroglavDlg::UpdateData(bool take) {
    if (take) {
        TakeRecord(m_form, m_record);
    } else {
        ShowRecord(m_form, m_record);
        ShowCoreView();
    }
}

void CToroglavDlg::ShowCoreView() {
    const CoreView* view = CoreViewFor(m_record.m_nCoreType);
    if (!view) return;  // a type no radio stands for leaves the group as it is
    // A label or field given the caption or visibility it already has stays untouched.
    for (std::size_t i = 0; i < ids::kDimensionLabels.size(); ++i)
        m_form.get<QLabel>(ids::kDimensionLabels[i]).setText(view->captions[i].toString());
    m_editDimho->setVisible(view->showDimho);
    m_editDimHs->setVisible(view->showDimHs);
    m_editDimL->setVisible(view->showDimL);
}

// The picture is painted onto the picture area rather than onto the window beneath it, so the
// group box frame, which is drawn over the window, cannot tint it. The area is repainted with
// every paint of the window that covers it; a minimised window is shown by its icon alone.
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

void CToroglavDlg::reject() {
    OnExit();
}

}  // namespace toroglav::ui
