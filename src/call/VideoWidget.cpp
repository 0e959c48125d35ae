#include "call/VideoWidget.h"

#include "ui_VideoWidget.h"

#include "business/KP_BusinessView.h"
#include "call/CallAvatar.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "policy/VideoPanePolicy.h"

#include <QResizeEvent>
#include <QTimer>

VideoWidget::VideoWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::VideoWidget)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    m_freezeTimer = new QTimer(this);
    m_freezeTimer->setObjectName(QStringLiteral("freezeTimer"));
    m_freezeTimer->setSingleShot(true);
    m_freezeTimer->setInterval(kFreezeDelayMs);
    connect(m_freezeTimer, &QTimer::timeout, this, &VideoWidget::applyFrozenState);
    ScreenScale::beginScale(this);
    setVideoRatio(0);
    ui->stackedWidget->setCurrentWidget(ui->pageBg);
}

VideoWidget::~VideoWidget() = default;

void VideoWidget::setBackgroundColor(const QString& color)
{
    ui->widget_bg->setStyleSheet(QStringLiteral("QWidget#widget_bg{background-color:%1}").arg(color));
}

void VideoWidget::setAccount(const QString& account, bool videoOn)
{
    m_account = account;
    setVideoOn(videoOn);
}

void VideoWidget::setVideoOn(bool on)
{
    if (on) {
        ui->stackedWidget->setCurrentWidget(ui->pageBg);
        return;
    }
    updateAvatar();
    ui->stackedWidget->setCurrentWidget(ui->page);
}

bool VideoWidget::isVideoOn() const
{
    return ui->stackedWidget->currentWidget() == ui->pageBg;
}

void VideoWidget::updateAvatar()
{
    const QSharedPointer<AddressBookPerson> person
        = KP_BusinessView::instance()->getAddressBookView()->getAddressBookOnePerson_Account(m_account, false);
    ui->headLabel->setPixmap(CallAvatar::picture(person, m_account, ui->headLabel->maximumSize()));
    ui->nameLabel->setText(person ? person->displayName() : m_account);
}

void VideoWidget::setVideoRatio(float ratio)
{
    m_ratio = ratio;
    const VideoPanePolicy::Letterbox box = VideoPanePolicy::letterbox(ratio, size());
    if (box.fillsPane()) {
        ui->video->setMinimumSize(0, 0);
        ui->video->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        ui->video->setFixedSize(box.surface);
    }
    ui->top->setVisible(box.topBottomBars);
    ui->bottom->setVisible(box.topBottomBars);
    ui->left->setVisible(box.leftRightBars);
    ui->right->setVisible(box.leftRightBars);
}

void VideoWidget::setRatioLocked(bool locked)
{
    m_ratioLocked = locked;
}

void VideoWidget::reapplyRatio()
{
    if (!m_ratioLocked)
        setVideoRatio(m_ratio);
}

void VideoWidget::freezeVideoUpdates(bool flag)
{
    // The latest wish wins; it takes effect once the renderer had time to start.
    m_pendingUpdatesEnabled = flag;
    m_freezeTimer->start();
}

void VideoWidget::applyFrozenState()
{
    ui->video->setUpdatesEnabled(m_pendingUpdatesEnabled);
    ui->video->repaint();
}

quintptr VideoWidget::renderHandle()
{
    return ui->video->isEnabled() ? quintptr(ui->video->winId()) : 0;
}

void VideoWidget::setTipText(const QString& text)
{
    ui->tipLabel->setText(text);
}

void VideoWidget::slot_btn_clicked()
{
    ui->tipLabel->clear();
    reapplyRatio();
    repaint();
    emit sig_btn_clicked();
}

void VideoWidget::slotResizeVideoWidget(bool maximized)
{
    Q_UNUSED(maximized)
    // The new size arrives with the window's next layout pass.
    QTimer::singleShot(0, this, &VideoWidget::reapplyRatio);
}

void VideoWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int side = VideoPanePolicy::avatarSide(height(), KP_UI_UTIL::getScreenScale());
    if (ui->headLabel->maximumWidth() != side) {
        ui->headWidget->setFixedHeight(side);
        ui->headLabel->setFixedSize(side, side);
        if (!isVideoOn())
            updateAvatar();
    }
    reapplyRatio();
}
