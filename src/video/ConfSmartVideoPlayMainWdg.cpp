#include "video/ConfSmartVideoPlayMainWdg.h"

#include "policy/VideoBindingPlan.h"
#include "policy/VideoLayoutPolicy.h"
#include "policy/VideoOrderPolicy.h"
#include "ui_ConfSmartVideoPlayMainWdg.h"
#include "video/ConfSmartVideoPlay9Wgt.h"
#include "video/ConfSmartVideoPlayPipWdg.h"
#include "video/ConfSmartVideoPlaySmallWdg.h"
#include "video/PromptWidget_SysMsg.h"

#include "business/KP_BusinessView.h"
#include "business/UnifiedConferenceView.h"
#include "common/AreaLog.h"
#include "customui/KpGridLayout.h"
#include "util/KPFilePathMgr.h"

#include <QDir>
#include <QEvent>
#include <QHash>
#include <QTimer>
#include <QUrl>

namespace {

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

VideoBindingPlan::TileContent contentOf(const ConfSmartBaseVideoPlayWgt* tile)
{
    const ConferenceMemberInfo member = tile->memberInfo();
    return VideoBindingPlan::TileContent { member.account, member.deviceType, tile->isShare() };
}

// Offset of the system-message prompt from this widget's bottom-left corner.
constexpr int kPromptLeft = 10;
constexpr int kPromptAboveBottom = 65;

} // namespace

ConfSmartVideoPlayMainWdg::ConfSmartVideoPlayMainWdg(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ConfSmartVideoPlayMainWdg)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_MouseTracking);

    m_grid = new KpGridLayout(ui->widget);
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setHorizontalSpacing(1);
    m_grid->setVerticalSpacing(1);

    m_layoutManager.setLayoutConfig(
        QUrl::fromLocalFile(QDir::cleanPath(KPFilePathMgr::instance()->getAppPath() + QStringLiteral("/layout"))));

    m_pip = new ConfSmartVideoPlayPipWdg(this);
    m_pip->resize(kPipWidth, kPipHeight);
    m_pip->hide();

    // One timer for the deferred re-show, so that quick layout switches in a
    // row end with a single re-show after the last.
    m_relayoutTimer = new QTimer(this);
    m_relayoutTimer->setSingleShot(true);
    m_relayoutTimer->setInterval(kRelayoutDelayMs);
    connect(m_relayoutTimer, &QTimer::timeout, this, &ConfSmartVideoPlayMainWdg::finishRelayout);

    connect(conferenceView(), &UnifiedConferenceView::sig_onSystemMsgNotify, this,
        &ConfSmartVideoPlayMainWdg::slot_onSystemMsgNotify);
    installEventFilter(this);
}

ConfSmartVideoPlayMainWdg::~ConfSmartVideoPlayMainWdg()
{
    // Tiles do not stop their streams when destroyed; their owner does, so that
    // the business library never draws into a window that is gone.
    for (ConfSmartBaseVideoPlayWgt* tile : qAsConst(m_tiles))
        tile->clearMember();
    m_pip->clearMember();
}

void ConfSmartVideoPlayMainWdg::initTiles(int kind)
{
    if (!m_tiles.isEmpty()) {
        AreaLog::video().LogDebug(
            QStringLiteral("ConfSmartVideoPlayMainWdg::initTiles pool already filled (%1 tiles)").arg(m_tiles.size()));
        return;
    }
    const bool nineGrid = kind == 1;
    const int count = nineGrid ? kNineGridTiles : kPoolTiles;
    m_tiles.reserve(count);
    for (int i = 0; i < count; ++i) {
        ConfSmartBaseVideoPlayWgt* tile = nineGrid
            ? static_cast<ConfSmartBaseVideoPlayWgt*>(new ConfSmartVideoPlay9Wgt(ui->widget))
            : new ConfSmartVideoPlaySmallWdg(ui->widget);
        tile->setObjectName(QStringLiteral("videoTile_%1").arg(i));
        tile->hide();
        m_tiles.append(tile);
    }
}

void ConfSmartVideoPlayMainWdg::setScreenLayout(int mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    const VideoLayoutPolicy::ModeLayout layout = VideoLayoutPolicy::modeLayout(mode);
    if (!layout.valid) {
        AreaLog::video().LogDebug(
            QStringLiteral("ConfSmartVideoPlayMainWdg::setScreenLayout unknown mode %1").arg(mode));
        return;
    }
    AreaLog::video().LogDebug(QStringLiteral("ConfSmartVideoPlayMainWdg::setScreenLayout mode:%1").arg(mode));

    beginRelayout();
    for (ConfSmartBaseVideoPlayWgt* tile : qAsConst(m_tiles)) {
        if (m_grid->indexOf(tile) >= 0) {
            m_grid->removeWidget(tile);
            tile->hide();
        }
    }
    update();

    QList<KpLayoutItem> items;
    int rows = 0;
    int columns = 0;
    for (const VideoLayoutPolicy::TilePlacement& p : layout.placements) {
        rows = std::max(rows, p.row + p.rowSpan);
        columns = std::max(columns, p.column + p.columnSpan);
        if (p.tile >= m_tiles.size()) {
            AreaLog::video().LogDebug(
                QStringLiteral("ConfSmartVideoPlayMainWdg::setScreenLayout mode %1 needs tile %2 of a pool of %3")
                    .arg(mode)
                    .arg(p.tile)
                    .arg(m_tiles.size()));
            continue;
        }
        KpLayoutItem item;
        item.row = p.row;
        item.column = p.column;
        item.rowSpan = p.rowSpan;
        item.columnSpan = p.columnSpan;
        item.widget = m_tiles.at(p.tile);
        items.append(item);
    }
    // The grid gives equal shares to the mode's rows and columns and none to
    // those a larger earlier mode left behind.
    m_grid->changeColumn(rows, columns, items);

    if (layout.pipVisible) {
        if (isVisible())
            placePipInitially();
        m_pip->show();
        m_pip->raise();
    } else {
        m_pip->hide();
    }
}

VideoItem ConfSmartVideoPlayMainWdg::selfItem() const
{
    UnifiedConferenceView* view = conferenceView();
    const QString account = view->getCurrentAccount();
    return VideoOrderPolicy::selfItem(account, view->getConfAppSettting().multiDeviceMode);
}

QList<VideoItem> ConfSmartVideoPlayMainWdg::buildVideoOrder(const QList<VideoItem>& members, const VideoItem& host,
    const VideoItem& sharer, const VideoItem& mainVenue, const QList<VideoItem>& speakers)
{
    return VideoOrderPolicy::buildVideoOrder(members, host, sharer, mainVenue, speakers, selfItem());
}

void ConfSmartVideoPlayMainWdg::applyVideoOrder(const QList<VideoItem>& order)
{
    QVector<VideoBindingPlan::TileContent> pool;
    pool.reserve(m_tiles.size());
    for (const ConfSmartBaseVideoPlayWgt* tile : qAsConst(m_tiles))
        pool.append(contentOf(tile));
    // Only the floating-window walk needs to know who the user is.
    const VideoItem self = m_mode == VideoBindingPlan::kPipMode ? selfItem() : VideoItem();

    UnifiedConferenceView* view = conferenceView();
    QHash<VideoMemberKey, ConferenceMemberInfo> records;
    const VideoBindingPlan::Plan plan = VideoBindingPlan::makePlan(
        m_mode, pool, contentOf(m_pip), tileCount(), order, self, [view, &records](const VideoItem& item) {
            bool found = false;
            const ConferenceMemberInfo record = view->findConferenceMemberInfo(item.account, item.deviceType, found);
            if (found)
                records.insert(VideoMemberKey(item), record);
            return found;
        });

    for (int index : plan.clears)
        tile(index)->clearMember();
    for (const VideoBindingPlan::Binding& binding : plan.binds)
        tile(binding.tile)->setMemberInfo(records.value(VideoMemberKey(binding.item)), binding.item.isShare);
    for (const VideoItem& item : plan.dropped)
        AreaLog::video().LogDebug(
            QStringLiteral("ConfSmartVideoPlayMainWdg::applyVideoOrder unknown member %1").arg(item.key()));
    if ((!plan.clears.isEmpty() || !plan.binds.isEmpty()) && AreaLog::video().category().isDebugEnabled())
        AreaLog::video().LogDebug(
            QStringLiteral("ConfSmartVideoPlayMainWdg::applyVideoOrder mode:%1 items:%2 cleared:%3 bound:%4")
                .arg(m_mode)
                .arg(order.size())
                .arg(plan.clears.size())
                .arg(plan.binds.size()));
}

void ConfSmartVideoPlayMainWdg::showMemberInTile(
    const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, int index, bool isShare)
{
    bool found = false;
    const ConferenceMemberInfo record = conferenceView()->findConferenceMemberInfo(account, deviceType, found);
    if (!found)
        return;
    if (index == kPipIndex) {
        m_pip->setMemberInfo(record, isShare);
        return;
    }
    if (index < 0 || index >= kPoolTiles || index > tileCount() || index >= m_tiles.size()) {
        AreaLog::video().LogDebug(
            QStringLiteral("ConfSmartVideoPlayMainWdg::showMemberInTile index %1 ignored").arg(index));
        return;
    }
    m_tiles.at(index)->setMemberInfo(record, isShare);
}

void ConfSmartVideoPlayMainWdg::clearTile(int index)
{
    if (ConfSmartBaseVideoPlayWgt* t = tile(index))
        t->clearMember();
    else
        AreaLog::video().LogDebug(QStringLiteral("ConfSmartVideoPlayMainWdg::clearTile index %1 ignored").arg(index));
}

void ConfSmartVideoPlayMainWdg::applyAutoLayout(int count)
{
    const QList<KpLayout> layouts = m_layoutManager.autoLayout();
    const int index = VideoLayoutPolicy::autoLayoutIndex(count, layouts.size());
    if (index < 0) {
        AreaLog::video().LogDebug(QStringLiteral("ConfSmartVideoPlayMainWdg::applyAutoLayout no layout configured: %1")
                                      .arg(m_layoutManager.lastProblems().join(QStringLiteral("; "))));
        return;
    }
    KpLayout entry = layouts.at(index);
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    if (!entry.enabled)
        return;

    beginRelayout();
    for (int i = 0; i < entry.items.size(); ++i) {
        if (i < m_tiles.size()) {
            entry.items[i].widget = m_tiles.at(i);
            m_tiles.at(i)->hide();
        } else {
            // More cells than tiles: the grid skips cells without a widget.
            entry.items[i].widget = nullptr;
        }
    }
    m_grid->changeColumn(entry.rows, entry.columns, entry.items);
    m_pip->hide();
}

int ConfSmartVideoPlayMainWdg::tileCount() const
{
    return m_grid->count();
}

bool ConfSmartVideoPlayMainWdg::isMemberShown(const QString& account) const
{
    const int shown = std::min(tileCount(), int(m_tiles.size()));
    for (int i = 0; i < shown; ++i) {
        const ConfSmartBaseVideoPlayWgt* t = m_tiles.at(i);
        if (t->isBound() && t->memberInfo().account == account)
            return true;
    }
    return false;
}

ConfSmartBaseVideoPlayWgt* ConfSmartVideoPlayMainWdg::tile(int index) const
{
    if (index == kPipIndex)
        return m_pip;
    if (index >= 0 && index < kPoolTiles && index < m_tiles.size())
        return m_tiles.at(index);
    return nullptr;
}

PromptWidget_SysMsg* ConfSmartVideoPlayMainWdg::systemMessagePrompt() const
{
    return m_prompt;
}

QWidget* ConfSmartVideoPlayMainWdg::gridContainer() const
{
    return ui->widget;
}

QRect ConfSmartVideoPlayMainWdg::pipArea() const
{
    // The same reference point as the floating window's own dragging.
    return QRect(mapToGlobal(pos()), size());
}

void ConfSmartVideoPlayMainWdg::placePipInitially()
{
    if (m_pipPlaced)
        return;
    m_pipPlaced = true;
    const QRect area = pipArea();
    const QPoint bottomRight(area.right() + 1 - m_pip->width(), area.bottom() + 1 - m_pip->height());
    m_pip->move(VideoLayoutPolicy::clampPipPosition(bottomRight, area, m_pip->size()));
}

void ConfSmartVideoPlayMainWdg::followWindowMove(int oldX, int oldY, int newX, int newY)
{
    repositionPrompt();
    const QPoint from = m_pip->pos();
    const QPoint to
        = VideoLayoutPolicy::clampPipPosition(from + QPoint(newX - oldX, newY - oldY), pipArea(), m_pip->size());
    m_pip->move(to);
    AreaLog::video().LogDebug(
        QStringLiteral("ConfSmartVideoPlayMainWdg::followWindowMove window (%1,%2)->(%3,%4) pip (%5,%6)->(%7,%8)")
            .arg(oldX)
            .arg(oldY)
            .arg(newX)
            .arg(newY)
            .arg(from.x())
            .arg(from.y())
            .arg(to.x())
            .arg(to.y()));
}

void ConfSmartVideoPlayMainWdg::repositionPrompt()
{
    if (!m_prompt || !m_prompt->isVisible())
        return;
    m_prompt->move(mapToGlobal(QPoint(x() + kPromptLeft, y() + height() - kPromptAboveBottom)));
}

void ConfSmartVideoPlayMainWdg::slot_onSystemMsgNotify(QString info, bool atOnce)
{
    if (conferenceView()->getIsIgnoreSdkInfo())
        return;
    QWidget* owner = parentWidget();
    if (!owner || !owner->isActiveWindow())
        return;
    if (!m_prompt)
        m_prompt = new PromptWidget_SysMsg(this);
    m_prompt->addMessage(info, atOnce);
    m_prompt->show();
    m_prompt->move(mapToGlobal(QPoint(x() + kPromptLeft, y() + height() - kPromptAboveBottom)));
}

void ConfSmartVideoPlayMainWdg::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The floating window is a window of its own: place it once the area has
    // its place on the screen, and keep it above the window that shows us.
    // The window system may still adjust our window's position while it is
    // being shown, so the placement waits for the next turn of the event loop.
    if (m_pip->isVisible()) {
        QTimer::singleShot(0, this, [this] {
            placePipInitially();
            m_pip->raise();
        });
    }
}

bool ConfSmartVideoPlayMainWdg::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this && event->type() == QEvent::MouseButtonDblClick)
        emit sig_doubleClicked();
    return QWidget::eventFilter(watched, event);
}

void ConfSmartVideoPlayMainWdg::beginRelayout()
{
    ui->stackedWidget->setCurrentWidget(ui->page_2);
    ui->widget->hide();
    setUpdatesEnabled(false);
    m_relayoutTimer->start();
}

void ConfSmartVideoPlayMainWdg::finishRelayout()
{
    setUpdatesEnabled(true);
    update();
    ui->widget->show();
}
