#include "customui/KpMsgBox.h"
#include "ui_KpMsgBox.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/KpIconBtn.h"
#include "customui/ScreenScale.h"
#include "util/KPLog.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QPainter>
#include <QPointer>
#include <QTimer>

namespace {

KpIconKind iconKind(int icon)
{
    switch (icon) {
    case KpMsgBox::Label_Info:
        return Icon_Info;
    case KpMsgBox::Label_Warning:
        return Icon_Warning;
    case KpMsgBox::Label_Error:
        return Icon_Error;
    case KpMsgBox::Label_Question:
        return Icon_Question;
    case KpMsgBox::Label_Success:
        return Icon_Success;
    default:
        return Icon_None;
    }
}

} // namespace

KpMsgBox::KpMsgBox(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::KpMsgBox)
{
    // The data form of the answers may cross a queued connection.
    qRegisterMetaType<QMap<int, QVariant>>("QMap<int,QVariant>");
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setFocusPolicy(Qt::StrongFocus);

    ui->widget_title->setShowType(Title_CloseOnly);
    ui->widget_title->setTitle(tr("Prompt"));
    ui->label_text->setFont(KP_UI_UTIL::getFontScale(14, false));
    ui->okBtn->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->cancelBtn->setFont(KP_UI_UTIL::getFontScale(12, false));
    ui->okBtn->setBtnStyle(BtnStyle_Primary, true);
    ui->cancelBtn->setBtnStyle(BtnStyle_Secondary, true);
    ui->okBtn->setDefault(true);

    m_closeTimer = new QTimer(this);
    m_closeTimer->setObjectName(QStringLiteral("closeTimer"));
    m_closeTimer->setSingleShot(true);
    m_closeTimer->setInterval(AutoCloseMs);

    connect(ui->okBtn, &QPushButton::clicked, this, &KpMsgBox::slot_onOk);
    connect(ui->cancelBtn, &QPushButton::clicked, this, &KpMsgBox::slot_onCancel);
    connect(ui->widget_title, &KPTitleBar::sig_closeBtn_clicked, this, &KpMsgBox::slot_onCancel);
    connect(m_closeTimer, &QTimer::timeout, this, &KpMsgBox::slot_onTimeOut);

    setMovableHeight(ui->widget_title->maximumHeight());
    updateButtons();
    updateIcon();
    ScreenScale::beginScale(this);
}

KpMsgBox::~KpMsgBox() = default;

void KpMsgBox::setMessageType(int type)
{
    m_type = type;
    updateIcon();
}

void KpMsgBox::setMessageTitle(const QString& title)
{
    ui->widget_title->setTitle(title);
    setWindowTitle(title);
}

void KpMsgBox::setMessageText(const QString& text)
{
    m_closeTimer->stop();
    ui->label_text->setText(text);
}

QString KpMsgBox::messageText() const
{
    return ui->label_text->text();
}

void KpMsgBox::setMessageInfo(const QString& info)
{
    m_info = info;
}

void KpMsgBox::setBtnText(const QString& okText, const QString& cancelText)
{
    m_okText = okText;
    m_cancelText = cancelText;
    updateButtons();
}

void KpMsgBox::setStandardButtons(KpButtons buttons)
{
    m_buttons = buttons;
    updateButtons();
}

void KpMsgBox::setUserData(int key, const QVariant& value)
{
    m_userData.insert(key, value);
}

void KpMsgBox::setLabelIcon(int icon)
{
    if (icon < Label_Auto || icon > Label_Success) {
        g_Log.LogDebug(QStringLiteral("KpMsgBox::setLabelIcon unknown icon %1").arg(icon));
        icon = Label_Auto;
    }
    m_icon = icon;
    updateIcon();
}

int KpMsgBox::labelIcon() const
{
    if (m_icon != Label_Auto)
        return m_icon;
    switch (m_type) {
    case Msg_Info:
        return Label_Info;
    case Msg_Warning:
        return Label_Warning;
    case Msg_Error:
        return Label_Error;
    case Msg_Success:
        return Label_Success;
    default:
        return Label_Question;
    }
}

QString KpMsgBox::multimediaTipText(int status)
{
    switch (status) {
    case MULTIMEDIA_VOICE_CALL:
        return tr("You are in a voice call. Please end it first.");
    case MULTIMEDIA_VIDEO_CALL:
        return tr("You are in a video call. Please end it first.");
    case MULTIMEDIA_CONFERENCE:
        return tr("You are in a conference. Please leave it first.");
    case MULTIMEDIA_VIDYO:
        return tr("You are in a video meeting. Please leave it first.");
    case MULTIMEDIA_MEETING:
        return tr("You are in a meeting. Please leave it first.");
    case MULTIMEDIA_WHITEBOARD:
        return tr("You are in a whiteboard meeting. Leave it and continue?");
    default:
        return tr("The microphone or camera is in use. Please try again later.");
    }
}

void KpMsgBox::setMultimediaTip(MultimediaStatusEnum status)
{
    setMultimediaTip(int(status));
}

void KpMsgBox::setMultimediaTip(int status)
{
    if (status == MULTIMEDIA_FREE)
        g_Log.LogDebug(QStringLiteral("KpMsgBox::setMultimediaTip status is free"));
    setMessageTitle(tr("Prompt"));
    setMessageText(multimediaTipText(status));
    setMessageType(status);
    setLabelIcon(Label_Warning);
    setStandardButtons(status == MULTIMEDIA_WHITEBOARD ? KpButtons(Confirm | Cancel) : KpButtons(Ok));
}

void KpMsgBox::startCloseWidgetTimeOut()
{
    m_closeTimer->start(AutoCloseMs);
}

void KpMsgBox::slot_onOk()
{
    answer(true);
}

void KpMsgBox::slot_onCancel()
{
    answer(false);
}

void KpMsgBox::slot_onTimeOut()
{
    answer(false);
}

void KpMsgBox::answer(bool accepted)
{
    if (m_answering)
        return;
    m_answering = true;
    m_closeTimer->stop();
    // Hide before telling anyone: a handler may reuse the box at once. The
    // flag keeps closeEvent from answering a second time.
    close();
    m_answering = false;
    emitAnswer(accepted);
}

void KpMsgBox::emitAnswer(bool accepted)
{
    QPointer<KpMsgBox> guard(this);
    const int type = m_type;
    const QString info = m_info;
    const QMap<int, QVariant> data = m_userData;
    g_Log.LogDebug(QStringLiteral("KpMsgBox::emitAnswer type=%1 accepted=%2").arg(type).arg(accepted));

    if (accepted)
        emit signal_Accept(type);
    else
        emit signal_Reject(type);
    if (!guard)
        return;

    static const QMetaMethod acceptData
        = QMetaMethod::fromSignal(qOverload<const QString&, const QMap<int, QVariant>&>(&KpMsgBox::signal_Accept));
    static const QMetaMethod rejectData
        = QMetaMethod::fromSignal(qOverload<const QString&, const QMap<int, QVariant>&>(&KpMsgBox::signal_Reject));
    if (accepted) {
        if (isSignalConnected(acceptData))
            emit signal_Accept(info, data);
        else
            emit signal_AcceptData(info, data);
    } else {
        if (isSignalConnected(rejectData))
            emit signal_Reject(info, data);
        else
            emit signal_RejectData(info, data);
    }
}

void KpMsgBox::updateButtons()
{
    const bool acknowledge = m_buttons.testFlag(Ok);
    const bool showOk = acknowledge || m_buttons.testFlag(Confirm);
    const bool showCancel = !acknowledge && m_buttons.testFlag(Cancel);
    ui->okBtn->setText(!m_okText.isEmpty() ? m_okText : acknowledge ? tr("OK") : tr("Confirm"));
    ui->cancelBtn->setText(!m_cancelText.isEmpty() ? m_cancelText : tr("Cancel"));
    ui->okBtn->setVisible(showOk);
    ui->cancelBtn->setVisible(showCancel);
    ui->widget_bottom->setVisible(showOk || showCancel);
}

void KpMsgBox::updateIcon()
{
    const KpIconKind kind = iconKind(labelIcon());
    if (kind == Icon_None) {
        ui->label_icon->clear();
        ui->label_icon->hide();
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize size = ui->label_icon->maximumSize();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    kpPaintGlyph(&painter, QRectF(QPointF(0, 0), QSizeF(size)), kind, QColor());
    painter.end();
    ui->label_icon->setPixmap(pixmap);
    ui->label_icon->show();
}

void KpMsgBox::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && ui->okBtn->isVisibleTo(this)) {
        ui->okBtn->click();
        event->accept();
        return;
    }
    MoveWidget::keyPressEvent(event);
}

void KpMsgBox::closeEvent(QCloseEvent* event)
{
    const bool wasShown = isVisible();
    MoveWidget::closeEvent(event);
    if (!event->isAccepted() || m_answering || !wasShown)
        return;
    // Closed without a button: treat it as the rejecting answer.
    m_closeTimer->stop();
    emitAnswer(false);
}

void KpMsgBox::showEvent(QShowEvent* event)
{
    MoveWidget::showEvent(event);
    adjustSize();
    KP_UI_UTIL::centreOnOwner(this);
}
