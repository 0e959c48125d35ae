#include "call/BottomTipWidget.h"

#include "ui_BottomTipWidget.h"

#include "business/KP_BusinessView.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpPublicBtn.h"
#include "customui/KpRingTone.h"
#include "customui/ScreenScale.h"
#include "policy/CallPolicy.h"
#include "util/KPFilePathMgr.h"

#include <QKeyEvent>
#include <QTimer>

BottomTipWidget* BottomTipWidget::ins = nullptr;

BottomTipWidget* BottomTipWidget::instance()
{
    if (!ins)
        ins = new BottomTipWidget(nullptr);
    return ins;
}

BottomTipWidget::BottomTipWidget(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::BottomTipWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::BypassWindowManagerHint | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    m_timeOutTimer = new QTimer(this);
    m_timeOutTimer->setObjectName(QStringLiteral("timeOutTimer"));
    m_timeOutTimer->setSingleShot(true);
    m_ringTone = new KpRingTone(KPFilePathMgr::instance()->getAppPath() + QStringLiteral("Ring.wav"), this);
    m_ringTone->setLoops(CallPolicy::kRingLoops);
    initWidget();
    initConnect();
    initWidgetsStyle();
    repaint();
    ScreenScale::beginScale(this);
    modifyTitleBar();
}

BottomTipWidget::~BottomTipWidget()
{
    if (ins == this)
        ins = nullptr;
}

void BottomTipWidget::initWidget()
{
    ui->tipTextLabel->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->firstTipLbl->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->secondTipLbl->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->thirdTipLbl->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->okBtn->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->cancelBtn->setFont(KP_UI_UTIL::getFontScale(12, false));
}

void BottomTipWidget::initConnect()
{
    connect(ui->okBtn, &QPushButton::clicked, this, &BottomTipWidget::slot_onOkBtn);
    connect(ui->cancelBtn, &QPushButton::clicked, this, &BottomTipWidget::slot_onCancelBtn);
    connect(m_timeOutTimer, &QTimer::timeout, this, &BottomTipWidget::slot_onTimeOut);
}

void BottomTipWidget::initWidgetsStyle()
{
    ui->cancelBtn->setBtnStyle(BtnStyle_Secondary, true);
    ui->okBtn->setBtnStyle(BtnStyle_Primary, true);
}

void BottomTipWidget::modifyTitleBar()
{
    ui->widget_title->setShowType(Title_CloseOnly);
    connect(ui->widget_title, &KPTitleBar::sig_closeBtn_clicked, this, &BottomTipWidget::slot_onCloseBtn);
}

void BottomTipWidget::setMessageTitle(const QString& title)
{
    ui->widget_title->setTitle(title);
}

void BottomTipWidget::setMessageText(const QString& text)
{
    ui->stackedWidget->setCurrentWidget(ui->textPage);
    ui->tipTextLabel->setText(text);
}

void BottomTipWidget::setMessageType(const BottomTipType& type)
{
    m_type = type;
    // The clock runs from here, not from showing: a filled but unshown tip still lapses.
    m_timeOutTimer->start(type == BottomTip_OtherDeviceAnswered ? kNoticeTimeOutMs : kInvitationTimeOutMs);
}

BottomTipWidget::BottomTipType BottomTipWidget::getMessageType()
{
    return m_type;
}

void BottomTipWidget::setBtnText(const QString& okText, const QString& cancelText)
{
    ui->okBtn->setText(okText);
    ui->cancelBtn->setText(cancelText);
}

void BottomTipWidget::setVariant(QString value, int key)
{
    m_variants.clear();
    m_variants.insert(key, value);
}

QString BottomTipWidget::variant(int key)
{
    return m_variants[key];
}

void BottomTipWidget::setFromAccount(const QString& account)
{
    m_fromAccount = account;
}

QString BottomTipWidget::getFromAccount() const
{
    return m_fromAccount;
}

void BottomTipWidget::setConferenceInfo(ConferenceBriefInfo info)
{
    setVariant(info.confId, kConfIdKey);

    // A square as wide as the label, then rounded to the label's own size.
    const int width = ui->headIconLbl->width();
    QPixmap picture;
    QString hostName = info.hostName;
    AddressBookView* book = KP_BusinessView::instance()->getAddressBookView();
    const QSharedPointer<AddressBookPerson> host = book->getAddressBookOnePerson_Account(info.hostAccount, false);
    if (host) {
        if (hostName.isEmpty())
            hostName = host->displayName();
        if (!picture.load(host->headImagePath()))
            picture = KP_UI_UTIL::getSelfDrawPicHead(host->displayName(), host->account(), width, width, true, 4, 12);
    } else {
        picture = KP_UI_UTIL::getSelfDrawPicHead(info.hostName, info.hostAccount, width, width, true, 4, 12);
    }
    ui->headIconLbl->setPixmap(KP_UI_UTIL::PixmapToRound(picture, width, ui->headIconLbl->height(), 4));

    ui->stackedWidget->setCurrentWidget(ui->detailPage);
    ui->firstTipLbl->setText(tr("Conference theme: ") + info.subject);
    ui->secondTipLbl->setText(tr("Host:") + (hostName.isEmpty() ? info.hostAccount : hostName));
    ui->thirdTipLbl->setText(tr("Attendance:") + QString::number(info.memberCount));
}

void BottomTipWidget::BottomTipShow()
{
    move(KP_UI_UTIL::getDeskTopWidth() - width() - 10, KP_UI_UTIL::getDeskTopHeight() - height() - 40);
    show();
    if (m_type == BottomTip_Conference)
        m_ringTone->play();
}

void BottomTipWidget::StartBellRing()
{
    if (m_type == BottomTip_Conference)
        m_ringTone->play();
}

void BottomTipWidget::StopBellRing()
{
    m_ringTone->stop();
}

void BottomTipWidget::answer(bool accepted)
{
    m_timeOutTimer->stop();
    close();
    StopBellRing();
    // The notice of another device's answer has nothing to accept or reject.
    if (m_type != BottomTip_OtherDeviceAnswered) {
        if (accepted)
            emit signal_Accept(m_type);
        else
            emit signal_Reject(m_type);
    }
    m_type = BottomTip_None;
}

void BottomTipWidget::slot_onOkBtn()
{
    answer(true);
}

void BottomTipWidget::slot_onCancelBtn()
{
    answer(false);
}

void BottomTipWidget::slot_onCloseBtn()
{
    m_timeOutTimer->stop();
    close();
    StopBellRing();
    handleTimeOutOrClose();
    if (m_type != BottomTip_OtherDeviceAnswered)
        emit signal_Close(m_type);
    m_type = BottomTip_None;
}

void BottomTipWidget::closeBottomTip()
{
    slot_onCloseBtn();
}

void BottomTipWidget::slot_onTimeOut()
{
    m_timeOutTimer->stop();
    StopBellRing();
    close();
    handleTimeOutOrClose();
    m_type = BottomTip_None;
}

void BottomTipWidget::closeWidget()
{
    m_timeOutTimer->stop();
    close();
    StopBellRing();
}

void BottomTipWidget::clearData()
{
    m_variants.clear();
    m_fromAccount.clear();
}

void BottomTipWidget::handleTimeOutOrClose()
{
    KP_BusinessView* root = KP_BusinessView::instance();
    switch (m_type) {
    case BottomTip_VidyoCall:
    case BottomTip_VidyoMeeting:
        if (root->getVidyoView()->getVidyoingState() == VidyoView::Vidyoing_Invited)
            root->getVidyoView()->resetVidyoingState();
        break;
    case BottomTip_VoiceMeeting:
    case BottomTip_VideoMeeting:
        if (root->getMeetingView()->getMeetingStatus() == MeetingView::Meeting_Invited)
            root->getMeetingView()->resetMeetingStatus();
        break;
    case BottomTip_Conference:
        root->getUnifiedConferenceView()->resetInviteConfId();
        break;
    default:
        break;
    }
}

void BottomTipWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        ui->okBtn->click();
        break;
    case Qt::Key_Escape:
        ui->cancelBtn->click();
        break;
    default:
        MoveWidget::keyPressEvent(event);
    }
}
