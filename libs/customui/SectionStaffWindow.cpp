#include "customui/SectionStaffWindow.h"
#include "ui_SectionStaffWindow.h"

#include "business/KP_BusinessView.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "customui/StaffPickerModel.h"
#include "util/KPLog.h"

#include "customui/KpIconBtn.h"

#include <QAction>
#include <QCloseEvent>
#include <QPainter>
#include <QPointer>

namespace {
// Below this many persons every department starts open.
const int kExpandAllLimit = 500;
} // namespace

SectionStaffWindow::SectionStaffWindow(int type, QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::SectionStaffWindow)
    , m_type(type)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);

    ui->widget_title->setShowType(Title_CloseOnly);
    ui->widget_title->setTitle(tr("Select members"));
    setMovableHeight(ui->widget_title->maximumHeight());
    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    ui->lineEdit_search->setFont(font);
    ui->treeView_staff->setFont(font);
    ui->listView_selected->setFont(font);
    ui->label_selected->setFont(font);
    ui->label_count->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->btn_ok->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->btn_cancel->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->btn_ok->setBtnStyle(BtnStyle_Primary, true);
    ui->btn_cancel->setBtnStyle(BtnStyle_Secondary, true);

    m_model = new StaffPickerModel(this);
    m_selectedModel = new StaffSelectedModel(m_model, this);
    ui->treeView_staff->setModel(m_model);
    ui->listView_selected->setModel(m_selectedModel);

    // Our own clear action: Qt's fading clear button leaks its animation
    // when the window goes while it fades.
    QPixmap clearIcon(32, 32);
    clearIcon.fill(Qt::transparent);
    {
        QPainter painter(&clearIcon);
        kpPaintGlyph(&painter, QRectF(6, 6, 20, 20), Icon_Clear, QColor(0xbb, 0xbb, 0xbb));
    }
    m_clearAction = ui->lineEdit_search->addAction(QIcon(clearIcon), QLineEdit::TrailingPosition);
    m_clearAction->setObjectName(QStringLiteral("action_clearSearch"));
    m_clearAction->setVisible(false);
    connect(m_clearAction, &QAction::triggered, ui->lineEdit_search, &QLineEdit::clear);
    connect(ui->lineEdit_search, &QLineEdit::textChanged, this, &SectionStaffWindow::slot_onSearchTextChanged);
    connect(m_model, &StaffPickerModel::selectionChanged, this, &SectionStaffWindow::slot_onSelectionChanged);
    connect(ui->btn_ok, &QPushButton::clicked, this, &SectionStaffWindow::slot_onOk);
    connect(ui->btn_cancel, &QPushButton::clicked, this, &SectionStaffWindow::slot_onCancel);
    connect(ui->widget_title, &KPTitleBar::sig_closeBtn_clicked, this, &SectionStaffWindow::slot_onCancel);
    connect(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt, this, &SectionStaffWindow::slot_onHideMask);

    loadDirectory();
    ScreenScale::beginScale(this);
}

SectionStaffWindow::~SectionStaffWindow() = default;

void SectionStaffWindow::loadDirectory()
{
    QList<QSharedPointer<AddressBookPerson>> persons;
    if (AddressBookView* directory = KP_BusinessView::instance()->getAddressBookView()) {
        for (const QSharedPointer<AddressBookPerson>& person : directory->getAllPersons()) {
            if (person && person->isValidPerson(false))
                persons.append(person);
        }
    }
    m_model->setPersons(persons);
    updateExpansion();
    slot_onSelectionChanged();
}

void SectionStaffWindow::setDefaultStaff(const QStringList& accounts)
{
    m_model->setLockedAccounts(accounts);
    updateExpansion();
}

void SectionStaffWindow::setOnlyDefaultStaff(
    const QStringList& accounts, const QList<QSharedPointer<AddressBookBase>>& persons)
{
    QList<QSharedPointer<AddressBookPerson>> offered;
    for (const QSharedPointer<AddressBookBase>& base : persons) {
        const QSharedPointer<AddressBookPerson> person = base.dynamicCast<AddressBookPerson>();
        if (person && person->isValidPerson(false))
            offered.append(person);
    }
    m_model->setLockedAccounts({});
    m_model->setPersons(offered);
    m_model->setCheckedAccounts(accounts);
    updateExpansion();
}

void SectionStaffWindow::setIsInMask(bool inMask, PopUpHandleType type)
{
    m_inMask = inMask;
    m_maskType = type;
}

void SectionStaffWindow::slot_onSearchTextChanged(const QString& text)
{
    m_clearAction->setVisible(!text.isEmpty());
    m_model->setFilterText(text);
    updateExpansion();
}

void SectionStaffWindow::updateExpansion()
{
    if (m_model->isFiltered() || m_model->visiblePersonCount() <= kExpandAllLimit)
        ui->treeView_staff->expandAll();
    else
        ui->treeView_staff->collapseAll();
    ui->label_count->setText(tr("%1 persons").arg(m_model->visiblePersonCount()));
}

void SectionStaffWindow::slot_onSelectionChanged()
{
    ui->label_selected->setText(tr("Selected: %1").arg(m_model->checkedAccounts().size()));
}

void SectionStaffWindow::slot_onOk()
{
    finish(true);
}

void SectionStaffWindow::slot_onCancel()
{
    finish(false);
}

void SectionStaffWindow::slot_onHideMask(PopUpHandleType type)
{
    // The client took its mask away (for instance the caller cancelled):
    // the picker inside it goes with it, without an answer.
    if (m_inMask && type == m_maskType && !m_finished) {
        m_inMask = false; // gone already: nothing to hide
        finish(false);
    }
}

void SectionStaffWindow::finish(bool accepted)
{
    if (m_finished)
        return;
    m_finished = true;
    // Copies: whoever hears the mask go away or the answer may delete the window.
    const int type = m_type;
    const QStringList accounts = m_model->chosenAccounts();
    const QList<QSharedPointer<AddressBookBase>> persons = m_model->chosenPersons();
    g_Log.LogDebug(QStringLiteral("SectionStaffWindow::finish type=%1 accepted=%2 count=%3")
                       .arg(type)
                       .arg(accepted)
                       .arg(accounts.size()));

    QPointer<SectionStaffWindow> guard(this);
    hide();
    if (m_inMask)
        emit UI_ControlView::instance()->sig_hideMaskWgt(m_maskType);
    if (accepted) {
        if (guard)
            emit sig_returnAccouts(accounts, type);
        emit KP_BusinessView::instance()->getUnifiedConferenceView()->sig_selectConfMembers(accounts, persons, type);
    }
    if (guard)
        close();
}

void SectionStaffWindow::closeEvent(QCloseEvent* event)
{
    MoveWidget::closeEvent(event);
    if (event->isAccepted() && !m_finished)
        finish(false);
}
