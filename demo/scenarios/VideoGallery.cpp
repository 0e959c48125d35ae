// The conference video area on its own: every screen-layout mode with a
// simulated conference (self, a host, a sharer, a main venue and others), and
// a scenario that switches modes, drags the picture-in-picture window and
// plays speaker reports, a share, a reconnection, a camera switch and a
// system message.

#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"

#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "business/sim/VideoSimulation.h"
#include "policy/VideoLayoutPolicy.h"
#include "video/ConfSmartBaseVideoPlayWgt.h"
#include "video/ConfSmartVideoPlayMainWdg.h"
#include "video/ConfSmartVideoPlayPipWdg.h"
#include "video/PromptWidget_SysMsg.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>

namespace {

UnifiedConferenceView* conf()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

VideoItem itemOf(const ConferenceMemberInfo& m)
{
    return VideoItem { m.account, m.deviceType, false, m.isMainVenue };
}

// The conference window's part around the video area: a frame that owns it
// (the area shows system messages only over an active parent), and the
// conference state the window would keep.
class VideoAreaFrame : public QWidget
{
public:
    VideoAreaFrame(DemoContext& ctx, int memberCount, bool withShare, bool withMainVenue)
        : m_sim(new VideoSimulation(this))
    {
        setWindowTitle(QStringLiteral("Video area"));
        resize(DemoContext::scaledSize(960, 600));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        m_area = new ConfSmartVideoPlayMainWdg(this);
        m_area->setObjectName(QStringLiteral("videoArea"));
        layout->addWidget(m_area);

        if (KP_BusinessView::instance()->getUserInfoView()->getCurUserAccount().isEmpty())
            ctx.sim().populateSampleDirectory(60);
        QList<ConferenceMemberInfo> roster;
        for (const ConferenceMemberInfo& m : ctx.sim().makeRoster(memberCount)) {
            if (m.isInConf)
                roster << m;
        }
        // Some members without camera (avatar) or microphone, to show those states.
        for (int i = 4; i < roster.size(); i += 5)
            roster[i].isCameraOpen = false;
        for (int i = 3; i < roster.size(); i += 4)
            roster[i].isMicOpen = false;
        if (!withMainVenue) {
            for (ConferenceMemberInfo& m : roster)
                m.isMainVenue = false;
        }
        conf()->setRoster(roster);
        for (const ConferenceMemberInfo& m : qAsConst(roster)) {
            if (m.isHost && m_host.account.isEmpty())
                m_host = itemOf(m);
            if (m.isMainVenue && m_mainVenue.account.isEmpty())
                m_mainVenue = itemOf(m);
        }
        if (withShare) {
            // The first member who is neither self, host nor main venue shares.
            const QString self = KP_BusinessView::instance()->getUserInfoView()->getCurUserAccount();
            for (const ConferenceMemberInfo& m : qAsConst(roster)) {
                const VideoItem item = itemOf(m);
                if (m.account != self && !item.isSameMember(m_host) && !item.isSameMember(m_mainVenue)) {
                    m_sim->pushShareBegin(m.account, m.deviceType);
                    m_sharer = item;
                    break;
                }
            }
        }
        m_area->initTiles(0);
    }

    ConfSmartVideoPlayMainWdg* area() const { return m_area; }
    VideoSimulation* sim() const { return m_sim; }

    void setMode(int mode)
    {
        m_area->setScreenLayout(mode);
        // Show the grid at once rather than after the anti-flicker pause.
        m_area->relayoutTimer()->stop();
        QMetaObject::invokeMethod(m_area->relayoutTimer(), "timeout");
        relayout();
    }

    void setSharer(const VideoItem& sharer)
    {
        m_sharer = sharer;
        relayout();
    }

    // As the conference window rebuilds its layout: members, host, sharer,
    // main venue and the current speakers.
    void relayout()
    {
        const QList<ConferenceMemberInfo> roster = conf()->roster();
        QList<VideoItem> members;
        for (const ConferenceMemberInfo& m : roster)
            members << itemOf(m);
        QList<VideoItem> speakers;
        for (const VideoSimulation::MemberRef& s : speakerRefs(roster))
            speakers << VideoItem { s.first, s.second, false, false };
        m_area->applyVideoOrder(m_area->buildVideoOrder(members, m_host, m_sharer, m_mainVenue, speakers));
    }

    void showEverything()
    {
        show();
        raise();
        QApplication::setActiveWindow(this);
        m_sim->pushSpeakers(speakerRefs(conf()->roster()));
    }

private:
    // Members 1 and 2 are speaking: the same report orders the tiles and
    // lights their microphone icons.
    static QList<VideoSimulation::MemberRef> speakerRefs(const QList<ConferenceMemberInfo>& roster)
    {
        QList<VideoSimulation::MemberRef> speaking;
        for (int i = 1; i < 3 && i < roster.size(); ++i)
            speaking << qMakePair(roster.at(i).account, roster.at(i).deviceType);
        return speaking;
    }

    ConfSmartVideoPlayMainWdg* m_area;
    VideoSimulation* m_sim;
    VideoItem m_host;
    VideoItem m_sharer;
    VideoItem m_mainVenue;
};

struct ModeSample
{
    int mode;
    const char* title;
    int members;
    bool share;
    bool mainVenue;
};

const ModeSample kModes[] = {
    { 1, "single picture", 6, false, false },
    { 2, "picture-in-picture", 6, false, false },
    { 3, "speaker and three", 8, true, false },
    { 4, "L shape", 10, false, true },
    { 5, "2x2 grid", 8, true, true },
    { 6, "3x3 grid", 12, false, false },
    { 7, "4x4 grid", 20, false, true },
    { 8, "5x5 grid", 30, true, false },
    { 9, "1x2 strip", 4, false, false },
    { 10, "2x3 grid", 8, false, true },
    { 11, "1x3 strip", 5, true, false },
};

// The scenario's window, kept between its steps.
QPointer<VideoAreaFrame> g_frame;

VideoAreaFrame* frame()
{
    return g_frame.data();
}

void sendMouse(
    QWidget* target, QEvent::Type type, const QPoint& global, Qt::MouseButton button, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Drags the floating window by `offset`, as a user's mouse would.
void dragPip(const QPoint& offset)
{
    if (!frame())
        return;
    ConfSmartVideoPlayPipWdg* pip = frame()->area()->pipWidget();
    const QPoint grab = pip->frameGeometry().topLeft() + QPoint(20, 20);
    sendMouse(pip, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    sendMouse(pip, QEvent::MouseMove, grab + offset, Qt::NoButton, Qt::LeftButton);
    sendMouse(pip, QEvent::MouseButtonRelease, grab + offset, Qt::LeftButton, Qt::NoButton);
}

// Where the floating window ends up when dragged far to the bottom-right.
QPoint pipBottomRightLimit(const ConfSmartVideoPlayPipWdg* pip)
{
    return VideoLayoutPolicy::clampPipPosition(QPoint(INT_MAX / 2, INT_MAX / 2), pip->dragArea(), pip->size());
}

DemoStep modeStep(int mode, int expectedTiles)
{
    DemoStep step;
    step.label = QStringLiteral("mode %1").arg(mode);
    step.action = [mode](DemoContext&) {
        if (frame())
            frame()->setMode(mode);
    };
    step.until = [mode, expectedTiles](DemoContext&) {
        return frame() && frame()->area()->screenLayout() == mode && frame()->area()->tileCount() == expectedTiles
            && frame()->area()->tile(0)->isBound();
    };
    step.expectation = QStringLiteral("mode %1 shows %2 tiles with a member in the first").arg(mode).arg(expectedTiles);
    return step;
}

} // namespace

void registerVideoGallery(DemoRegistry& registry)
{
    for (const ModeSample& sample : kModes) {
        registry.addGalleryItem(
            { QStringLiteral("Video area mode %1 (%2)").arg(sample.mode).arg(QLatin1String(sample.title)),
                [sample](DemoContext& ctx) -> QWidget* {
                    auto* w = new VideoAreaFrame(ctx, sample.members, sample.share, sample.mainVenue);
                    w->setMode(sample.mode);
                    w->showEverything();
                    if (sample.mode == 6)
                        w->sim()->pushSystemMessage(QStringLiteral("Zoe Wang joined the meeting"), true);
                    return w;
                },
                false });
    }

    DemoScenario walk;
    walk.name = QStringLiteral("video-area-modes");
    walk.description = QStringLiteral("The video area through modes 1 to 11, a picture-in-picture drag, a share, "
                                      "a reconnection, a camera switch and a system message");
    walk.steps.append({ QStringLiteral("open with 30 members"),
        [](DemoContext& ctx) {
            delete g_frame.data();
            g_frame = new VideoAreaFrame(ctx, 30, false, true);
            g_frame->setMode(1);
            g_frame->showEverything();
            g_frame->sim()->startSpeakerRotation(700, 2);
        },
        [](DemoContext&) { return frame() && frame()->isVisible() && frame()->area()->tile(0)->isBound(); },
        QStringLiteral("the area is shown with the main venue in its only tile"), 5000 });
    const int tiles[] = { 0, 1, 1, 4, 6, 4, 9, 16, 25, 2, 6, 3 };
    for (int mode = 2; mode <= 11; ++mode)
        walk.steps.append(modeStep(mode, tiles[mode]));

    walk.steps.append(modeStep(2, 1));
    walk.steps.append(
        { QStringLiteral("drag the floating window past the corner"), [](DemoContext&) { dragPip(QPoint(3000, 3000)); },
            [](DemoContext&) {
                if (!frame())
                    return false;
                const ConfSmartVideoPlayPipWdg* pip = frame()->area()->pipWidget();
                return pip->isVisible() && pip->isBound() && pip->pos() == pipBottomRightLimit(pip);
            },
            QStringLiteral("the floating window stops at the bottom-right limit, 60 px above the bottom"), 3000 });
    walk.steps.append({ QStringLiteral("drag it back to the top-left"),
        [](DemoContext&) { dragPip(QPoint(-3000, -3000)); },
        [](DemoContext&) {
            return frame() && frame()->area()->pipWidget()->pos() == frame()->area()->pipWidget()->dragArea().topLeft();
        },
        QStringLiteral("the floating window stops at the top-left corner of the area"), 3000 });

    walk.steps.append(modeStep(6, 9));
    walk.steps.append({ QStringLiteral("a member shares the desktop"),
        [](DemoContext&) {
            if (!frame())
                return;
            const QList<ConferenceMemberInfo> roster = conf()->roster();
            const ConferenceMemberInfo sharer = roster.value(6);
            frame()->sim()->pushShareBegin(sharer.account, sharer.deviceType);
            frame()->setSharer(VideoItem { sharer.account, sharer.deviceType, false, false });
        },
        [](DemoContext&) { return frame() && frame()->area()->tile(0)->isShare(); },
        QStringLiteral("the shared desktop takes the first tile"), 3000 });
    walk.steps.append({ QStringLiteral("a member reconnects"),
        [](DemoContext&) {
            if (!frame())
                return;
            const ConferenceMemberInfo m = frame()->area()->tile(3)->memberInfo();
            frame()->sim()->pushReconnect(m.account, m.deviceType);
        },
        [](DemoContext&) { return frame() && frame()->area()->tile(3)->isBound(); },
        QStringLiteral("the tile is bound again a second after the reconnection"), 4000 });
    walk.steps.append({ QStringLiteral("a camera goes off"),
        [](DemoContext&) {
            if (!frame())
                return;
            const ConferenceMemberInfo m = frame()->area()->tile(2)->memberInfo();
            frame()->sim()->pushCamera(m.account, m.deviceType, false);
        },
        [](DemoContext&) { return frame() && !frame()->area()->tile(2)->isVideoOn(); },
        QStringLiteral("the tile shows the member's avatar"), 3000 });
    walk.steps.append({ QStringLiteral("a system message"),
        [](DemoContext&) {
            if (!frame())
                return;
            QApplication::setActiveWindow(frame());
            frame()->sim()->pushSystemMessage(QStringLiteral("The host turned on the conference lock"), false);
        },
        [](DemoContext&) {
            return frame() && frame()->area()->systemMessagePrompt()
                && frame()->area()->systemMessagePrompt()->isVisible();
        },
        QStringLiteral("the message strip shows over the video area"), 3000 });
    walk.steps.append({ QStringLiteral("close"), [](DemoContext&) { delete g_frame.data(); },
        [](DemoContext&) { return g_frame.isNull(); }, QStringLiteral("the window is gone"), 2000 });
    registry.addScenario(walk);
}
