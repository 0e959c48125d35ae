// The member list of the side panel as a conference grows, measured from the
// business signal to the widget (the view's deferred relayout and repaint
// included): a full reload, a join that takes not-enrolled rows away, one
// microphone update, a raised hand, one keystroke of search, and painting one
// screenful of rows.

#include "business/CommandJournal.h"
#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "members/ConfMembersControlListView.h"
#include "members/ConfMembersControlWidget.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

UnifiedConferenceView* conference()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

void settle()
{
    QCoreApplication::processEvents();
}

// A side panel's member list over a simulated conference of n members, the
// journal off (the real business library keeps none). Names are varied the way
// a company's are, so that a search narrows as it would.
struct MemberList
{
    std::unique_ptr<BusinessSimulator> sim;
    std::unique_ptr<ConfMembersControlWidget> widget;
    QList<ConferenceMemberInfo> roster;

    explicit MemberList(int n)
    {
        KP_BusinessView::instance()->resetAll();
        CommandJournal::instance()->setEnabled(false);
        sim = std::make_unique<BusinessSimulator>();
        sim->setAnswering(false);
        sim->populateSampleDirectory(300);
        conference()->state().currentConfId = QStringLiteral("bench");
        roster = sim->makeMemberRoster(n);
        static const char* const given[]
            = { "Alice", "Bob", "Chen", "David", "Emma", "Fang", "George", "Hui", "Ivan", "Jing", "Kevin", "Li", "Mia",
                  "Ning", "Oscar", "Ping", "Quinn", "Rui", "Sara", "Tao", "Uma", "Victor", "Wei", "Xin", "Yan", "Zoe" };
        static const char* const family[]
            = { "Wang", "Li", "Zhang", "Liu", "Chen", "Yang", "Huang", "Zhao", "Wu", "Zhou", "Smith", "Brown" };
        for (int i = 0; i < roster.size(); ++i) {
            ConferenceMemberInfo& m = roster[i];
            if (m.account.startsWith(QLatin1String("member")))
                m.name = QStringLiteral("%1 %2").arg(
                    QLatin1String(given[(i * 7) % 26]), QLatin1String(family[(i / 26) % 12]));
        }
        widget = std::make_unique<ConfMembersControlWidget>();
        widget->setConfId(QStringLiteral("bench"));
        widget->resize(312, 600);
        widget->show();
        sim->pushRoster(roster);
        settle();
    }
    ~MemberList() { CommandJournal::instance()->setEnabled(true); }

    // A member on the first screen of the joined list: its row is repainted too.
    ConferenceMemberInfo shownMember() const
    {
        const QAbstractItemModel* rows = widget->joinedList()->sortModel();
        const QVariant value = rows->index(qMin(3, rows->rowCount() - 1), 0).data(MemberListViewBase::RecordRole);
        return *MemberListViewBase::recordIn(value);
    }
};

void membersArgs(benchmark::internal::Benchmark* b)
{
    b->ArgName("members")->Arg(10)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
}

void BM_MemberListReload(benchmark::State& state)
{
    MemberList list(int(state.range(0)));
    for (auto _ : state) {
        emit conference()->sig_onGetConferenceMemberInfoList(list.roster);
        settle();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MemberListReload)->Apply(membersArgs)->Complexity(benchmark::oNLogN);

// A not-enrolled member joins: it is added to the joined list and every not-enrolled row
// containing its account goes. Putting it back is not measured.
void BM_MemberJoinRemovesNotEnrolled(benchmark::State& state)
{
    MemberList list(int(state.range(0)));
    QList<ConferenceMemberInfo> absent;
    for (const ConferenceMemberInfo& m : qAsConst(list.roster)) {
        if (!m.isInConf)
            absent << m;
    }
    int next = 0;
    for (auto _ : state) {
        ConferenceMemberInfo m = absent.at(next++ % absent.size());
        m.isInConf = true;
        emit conference()->sig_onJoinConferenceNotify(m, QStringLiteral("bench"));
        settle();
        state.PauseTiming();
        emit conference()->sig_onConfMsgMemberQuit(m.account, m.deviceType);
        m.isInConf = false;
        emit conference()->sig_onInviteMemberList({ m }, true);
        settle();
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MemberJoinRemovesNotEnrolled)->Apply(membersArgs)->Unit(benchmark::kMicrosecond);

void BM_MemberMicrophoneUpdate(benchmark::State& state)
{
    MemberList list(int(state.range(0)));
    ConferenceMemberInfo m = list.shownMember();
    for (auto _ : state) {
        m.isMicOpen = !m.isMicOpen;
        emit conference()->sig_updateMemberInfo(
            m, m.isMicOpen ? CONF_MEMBER_ACTION_MIC_ON : CONF_MEMBER_ACTION_MIC_OFF);
        settle();
    }
}
BENCHMARK(BM_MemberMicrophoneUpdate)->Apply(membersArgs)->Unit(benchmark::kMicrosecond);

void BM_MemberHandRaise(benchmark::State& state)
{
    MemberList list(int(state.range(0)));
    const ConferenceMemberInfo m = list.shownMember();
    bool up = false;
    for (auto _ : state) {
        up = !up;
        emit conference()->sig_onHandUp(true, QString(), up, m.account, m.deviceType);
        settle();
    }
}
BENCHMARK(BM_MemberHandRaise)->Apply(membersArgs)->Unit(benchmark::kMicrosecond);

// Typing the second letter of a name and taking it back: "L" and "Li" match about a
// fifth and an eighth of the members.
void BM_MemberSearchKeystroke(benchmark::State& state)
{
    MemberList list(int(state.range(0)));
    auto* edit = list.widget->findChild<QLineEdit*>(QStringLiteral("lineEdit"));
    const QString texts[] = { QStringLiteral("L"), QStringLiteral("Li") };
    int turn = 0;
    for (auto _ : state) {
        edit->setText(texts[turn ^= 1]);
        settle();
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_MemberSearchKeystroke)->Apply(membersArgs)->Complexity(benchmark::oNLogN);

// The joined list's viewport drawn whole: the rows that fit (about nine), avatars from the cache.
void BM_MemberPaintScreenful(benchmark::State& state)
{
    MemberList list(int(state.range(0)));
    QWidget* viewport = list.widget->joinedList()->viewport();
    QImage image(viewport->size(), QImage::Format_ARGB32_Premultiplied);
    viewport->render(&image);
    for (auto _ : state) {
        QPainter painter(&image);
        viewport->render(&painter);
    }
}
BENCHMARK(BM_MemberPaintScreenful)->Apply(membersArgs)->Unit(benchmark::kMicrosecond);

} // namespace
