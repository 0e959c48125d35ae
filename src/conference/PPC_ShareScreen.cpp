#include "conference/PPC_ShareScreen.h"

#include "ui_PPC_ShareScreen.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "common/KpPlatform.h"
#include "conference/PPC_ShareScreenChild.h"
#include "customui/KP_CustomStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpMsgBox.h"
#include "panels/PanelShadow.h"
#include "policy/ShareScreenPolicy.h"

#include <QButtonGroup>
#include <QGuiApplication>
#include <QTimer>

namespace {
constexpr int kThumbWidth = 160;
constexpr int kThumbHeight = 90;
constexpr int kIdRole = Qt::UserRole;
constexpr int kTypeRole = Qt::UserRole + 1;
// The whiteboard the chooser starts.
constexpr int kWhiteboardType = 8;
// Share frames per second and scale of SelectShareDevice; a shared window is sent at 1080 x 720.
constexpr int kShareFrameRate = 10;
constexpr int kWindowScaleMode = 1;
constexpr int kWindowShareWidth = 1080;
constexpr int kWindowShareHeight = 720;

KP_BusinessView* business()
{
    return KP_BusinessView::instance();
}

QPixmap thumbnail(const QPixmap& grab)
{
    return grab.isNull() ? QPixmap()
                         : grab.scaled(kThumbWidth, kThumbHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}
} // namespace

PPC_ShareScreen::PPC_ShareScreen(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::PPC_ShareScreen)
    , m_exclusion(ShareScreenPolicy::exclusionList())
    , m_group(new QButtonGroup(this))
    , m_winId(ShareScreenPolicy::kNoSelectionId)
    , m_type(ShareScreenPolicy::Source_None)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    m_group->setExclusive(true);

    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    for (QWidget* w : std::initializer_list<QWidget*> { ui->label_title, ui->NoBtn, ui->YesBtn })
        w->setFont(font);
    const bool mac = KP_CustomStyle::getTitleStyle() == KP_CustomStyle::MacTitle;
    ui->closeWinBtn->setVisible(!mac);
    ui->closeMacBtn->setVisible(mac);

    VoipView* voip = business()->getVoipView();
    connect(voip, &VoipView::sig_onGetShareDeviceInfoList, this, &PPC_ShareScreen::slot_onGetShareDeviceInfoList);
    connect(voip, &VoipView::sig_onGetShareScreenInfoList, this, &PPC_ShareScreen::slot_onGetShareScreenInfoList);
    connect(ui->listWidget, &QListWidget::itemClicked, this, &PPC_ShareScreen::slot_itemClicked);
    connect(ui->YesBtn, &QPushButton::clicked, this, &PPC_ShareScreen::slot_shareStart);
    connect(ui->closeWinBtn, &QPushButton::clicked, this, &PPC_ShareScreen::slot_close);
    connect(ui->closeMacBtn, &QPushButton::clicked, this, &PPC_ShareScreen::slot_close);
    connect(m_group, qOverload<QAbstractButton*>(&QButtonGroup::buttonClicked), this, &PPC_ShareScreen::onCardClicked);
    addPanelShadow(ui->wgt_bg);

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

PPC_ShareScreen::~PPC_ShareScreen()
{
    // A question still open goes with the chooser that asked it.
    if (m_whiteboardQuestion) {
        m_whiteboardQuestion->disconnect(this);
        m_whiteboardQuestion->hide();
        m_whiteboardQuestion->deleteLater();
    }
}

KpMsgBox* PPC_ShareScreen::whiteboardQuestion() const
{
    return m_whiteboardQuestion;
}

void PPC_ShareScreen::slot_onGetShareScreenInfoList(QList<long long> screenInfoList)
{
    AreaLog::conference().LogInfo(QStringLiteral("%1,screenInfoList.count=%2")
                                      .arg(QStringLiteral("PPC_ShareScreen::slot_onGetShareScreenInfoList"))
                                      .arg(screenInfoList.count()));
    if (m_closed)
        return;
    QList<qint64> ids;
    for (long long id : screenInfoList)
        ids << qint64(id);
    QScreen* primary = QGuiApplication::primaryScreen();
    for (const ShareScreenPolicy::ShareSource& screen : ShareScreenPolicy::screenSources(ids)) {
        ShareSource source { screen.id, screen.name, QPixmap(), screen.type };
        if (primary) {
            source.thumbnail = thumbnail(KpPlatform::grabNativeWindow(primary, KpPlatform::desktopWindowHandle()));
            if (source.thumbnail.isNull() && ids.size() == 1 && screen.id != 0)
                source.thumbnail = thumbnail(KpPlatform::grabNativeWindow(primary, 0));
        }
        m_sources.append(source);
    }
}

void PPC_ShareScreen::slot_onGetShareDeviceInfoList(QList<Agent_ECShareDeviceInfo> deviceInfoList)
{
    AreaLog::conference().LogInfo(QStringLiteral("%1,deviceInfoList.count=%2")
                                      .arg(QStringLiteral("PPC_ShareScreen::slot_onGetShareDeviceInfoList"))
                                      .arg(deviceInfoList.count()));
    if (m_closed)
        return;
    if (m_sources.isEmpty() || m_sources.first().type != ShareScreenPolicy::Source_Screen)
        AreaLog::conference().LogInfo(
            QStringLiteral("PPC_ShareScreen::slot_onGetShareDeviceInfoList windows before any screen"));
    if (business()->getUserInfoView()->getUserAuthority(USER_AUTHORITY_WHITEBOARD)) {
        const ShareScreenPolicy::ShareSource board = ShareScreenPolicy::whiteboardSource();
        m_sources.append({ board.id, board.name,
            QPixmap(QStringLiteral(":/ConfNew/Resource/ConfNew/PopUpPic/Handle_Whiteboard.png")), board.type });
    }
    QStringList titles;
    for (const Agent_ECShareDeviceInfo& device : deviceInfoList)
        titles << ShareScreenPolicy::decodeWindowTitle(device.title, int(sizeof(device.title)));
    const int offered = ShareScreenPolicy::firstOfferedWindow(titles, m_exclusion);
    if (offered >= 0) {
        const qint64 windowId = deviceInfoList.at(offered).windowId;
        QPixmap picture;
        if (QScreen* primary = QGuiApplication::primaryScreen())
            picture = thumbnail(KpPlatform::grabNativeWindow(primary, windowId));
        // Where the platform gives no picture of the window, the share sign stands in.
        if (picture.isNull())
            picture = QPixmap(QStringLiteral(":/ConfNew/Resource/ConfNew/PopUpPic/ConfShare_hover.png"));
        m_sources.append({ windowId, titles.at(offered), picture, ShareScreenPolicy::Source_Window });
    }
    buildCards();
}

void PPC_ShareScreen::buildCards()
{
    // A second window list rebuilds the cards; the sources collected so far stay.
    for (PPC_ShareScreenChild* card : m_cards) {
        m_group->removeButton(card);
        card->deleteLater();
    }
    m_cards.clear();
    ui->listWidget->clear();
    for (int index = 0; index < m_sources.size(); ++index) {
        const ShareSource& source = m_sources.at(index);
        auto* card = new PPC_ShareScreenChild(this);
        card->setName(source.name);
        card->setThumbnail(source.thumbnail);
        card->setId(source.id);
        card->setType(source.type);
        card->show();
        auto* item = new QListWidgetItem;
        item->setSizeHint(card->size());
        item->setData(kIdRole, source.id);
        item->setData(kTypeRole, source.type);
        ui->listWidget->addItem(item);
        ui->listWidget->setItemWidget(item, card);
        m_group->addButton(card, index);
        m_cards.append(card);
    }
}

void PPC_ShareScreen::onCardClicked(QAbstractButton* button)
{
    auto* clicked = qobject_cast<PPC_ShareScreenChild*>(button);
    if (!clicked)
        return;
    m_winId = clicked->id();
    m_type = clicked->type();
    AreaLog::conference().LogInfo(QStringLiteral("%1,winId=%2,type=%3")
                                      .arg(QStringLiteral("PPC_ShareScreen::onCardClicked"))
                                      .arg(m_winId)
                                      .arg(m_type));
    for (PPC_ShareScreenChild* card : m_cards)
        card->setHighlighted(card == clicked);
}

void PPC_ShareScreen::slot_itemClicked(QListWidgetItem* item)
{
    if (!item)
        return;
    m_winId = item->data(kIdRole).toLongLong();
    m_type = item->data(kTypeRole).toInt();
    AreaLog::conference().LogInfo(QStringLiteral("%1,winId=%2,type=%3")
                                      .arg(QStringLiteral("PPC_ShareScreen::slot_itemClicked"))
                                      .arg(m_winId)
                                      .arg(m_type));
}

void PPC_ShareScreen::slot_shareStart()
{
    AreaLog::conference().LogInfo(QStringLiteral("%1,m_winId=%2,m_type=%3")
                                      .arg(QStringLiteral("PPC_ShareScreen::slot_shareStart"))
                                      .arg(m_winId)
                                      .arg(m_type));
    VoipView* voip = business()->getVoipView();
    UnifiedConferenceView* conf = business()->getUnifiedConferenceView();
    switch (m_type) {
    case ShareScreenPolicy::Source_Screen:
        voip->SelectShareDevice(ShareScreenPolicy::Source_Screen, m_winId, kShareFrameRate, 0.0f);
        conf->beginDesktopShare();
        break;
    case ShareScreenPolicy::Source_Window:
        voip->SelectShareDevice(ShareScreenPolicy::Source_Window, m_winId, kShareFrameRate, 0.0f);
        voip->SetShareScaleMode(kWindowScaleMode, kWindowShareWidth, kWindowShareHeight);
        conf->beginDesktopShare();
        break;
    case ShareScreenPolicy::Source_Whiteboard:
        if (business()->getWhiteBoardView()->isInMeeting()) {
            // The answer comes after the chooser is gone from the screen: it stays
            // (hidden) until the whiteboard has started or the user said no.
            startWhiteboardShare();
            return;
        }
        startWhiteBoard();
        break;
    default:
        emit UI_ControlView::instance()->sig_showMsgTip(
            tr("Please select the window to be shared"), POPUP_HANDLE_CONFERENCE);
        break;
    }
    slot_close();
}

void PPC_ShareScreen::startWhiteboardShare()
{
    hide();
    // Held by the conference window rather than by the chooser, which is hidden
    // meanwhile; it goes with either.
    auto* box = new KpMsgBox(parentWidget());
    m_whiteboardQuestion = box;
    box->setMultimediaTip(MULTIMEDIA_WHITEBOARD);
    connect(box, qOverload<int>(&KpMsgBox::signal_Accept), this, [this](int type) {
        m_whiteboardQuestion->deleteLater();
        if (type != MULTIMEDIA_WHITEBOARD) {
            slot_close();
            return;
        }
        if (!business()->getUnifiedConferenceView()->getConfInfo().whiteboardInfo.isEmpty()) {
            emit UI_ControlView::instance()->sig_showMsgTip(
                tr("The white board in the meeting has been opened"), POPUP_HANDLE_CONFERENCE);
            slot_close();
            return;
        }
        business()->getWhiteBoardView()->wb_leaveRoom();
        m_restart = new QTimer(this);
        m_restart->setObjectName(QStringLiteral("whiteboardRestart"));
        m_restart->setSingleShot(true);
        connect(m_restart, &QTimer::timeout, this, [this] {
            startWhiteBoard();
            slot_close();
        });
        m_restart->start(kWhiteboardRestartMs);
    });
    connect(box, qOverload<int>(&KpMsgBox::signal_Reject), this, [this](int) {
        m_whiteboardQuestion->deleteLater();
        slot_close();
    });
    box->show();
    box->raise();
}

void PPC_ShareScreen::startWhiteBoard()
{
    KP_BusinessView* root = business();
    emit sig_startWhiteBoard(ShareScreenPolicy::whiteboardInvitees(root->getUnifiedConferenceView()->getMembersInConf(),
                                 root->getUserInfoView()->getCurUserAccount()),
        kWhiteboardType);
}

void PPC_ShareScreen::reject()
{
    if (m_closed)
        QDialog::reject();
    else
        slot_close();
}

void PPC_ShareScreen::on_NoBtn_clicked()
{
    slot_close();
}

void PPC_ShareScreen::slot_close()
{
    if (m_closed)
        return;
    m_closed = true;
    for (int row = 0; row < ui->listWidget->count(); ++row)
        ui->listWidget->removeItemWidget(ui->listWidget->item(row));
    ui->listWidget->clear();
    for (PPC_ShareScreenChild* card : m_cards) {
        m_group->removeButton(card);
        card->deleteLater();
    }
    m_cards.clear();
    m_sources.clear();
    close();
    emit sig_onClose();
}
