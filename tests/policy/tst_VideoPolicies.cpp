// Rules of the video area that need no widget: the order, the binding plan, the mode layouts.
#include "policy/VideoBindingPlan.h"
#include "policy/VideoLayoutPolicy.h"
#include "policy/VideoOrderPolicy.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// Items written as text: "me" is the user on this client (device 20), any other name a
// member on another desktop (22); "@" marks a mobile device, "+" the shared desktop, "!" the
// main venue. "b+ me b" is b's desktop, the user, b's camera.
QList<VideoItem> items(const QString& notation)
{
    QList<VideoItem> out;
    for (QString token : notation.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        VideoItem item;
        item.isShare = token.contains(QLatin1Char('+'));
        item.isMainVenue = token.contains(QLatin1Char('!'));
        const bool mobile = token.contains(QLatin1Char('@'));
        item.account = token.remove(QRegularExpression(QStringLiteral("[+!@]")));
        item.deviceType = mobile                  ? CONFMEMBER_DEVICE_MOBILE
            : item.account == QLatin1String("me") ? CONFMEMBER_DEVICE_PC
                                                  : CONFMEMBER_DEVICE_PC_OTHER;
        out << item;
    }
    return out;
}
VideoItem item(const QString& notation)
{
    return items(notation).value(0);
}
QString text(const QList<VideoItem>& order)
{
    QStringList parts;
    for (const VideoItem& i : order) {
        QString t = i.account;
        if (i.deviceType == CONFMEMBER_DEVICE_MOBILE)
            t += QLatin1Char('@');
        else if (i.deviceType != (i.account == QLatin1String("me") ? CONFMEMBER_DEVICE_PC : CONFMEMBER_DEVICE_PC_OTHER))
            t += QStringLiteral("#%1").arg(i.deviceType);
        parts << t + (i.isShare ? QStringLiteral("+") : QString()) + (i.isMainVenue ? QStringLiteral("!") : QString());
    }
    return parts.join(QLatin1Char(' '));
}

using namespace VideoBindingPlan;

} // namespace

class tst_VideoPolicies : public QObject
{
    Q_OBJECT

private slots:
    // --- order ---
    void orderExamples_data()
    {
        for (const char* column : { "members", "host", "sharer", "venue", "speakers", "self", "expected" })
            QTest::addColumn<QString>(column);
        auto row = [](const char* name, std::initializer_list<const char*> notations) {
            QTestData& data = QTest::newRow(name);
            for (const char* notation : notations)
                data << QString::fromLatin1(notation);
        };
        // Speakers are ignored while somebody shares or a main venue is set.
        row("share leads, then self", { "me x b h y", "h", "b", "", "y", "me", "b+ me b h x y" });
        row("share, self, venue, sharer", { "x me v b h", "h", "b", "v!", "", "me", "b+ me v! b h x" });
        row("speakers first", { "a b c me h", "h", "", "", "c b", "me", "c me b h a" });
        row("venue ignores speakers", { "a b v me", "", "", "v!", "b", "me", "v! me a b" });
        row("self as venue stays first", { "a me b", "", "", "me!", "", "me", "me! a b" });
        row("own share never shown", { "a me b", "", "me", "", "", "me", "a me b" });
        row("own share beside a venue", { "a me v", "", "me", "v!", "", "me", "v! me a" });
        row("sharer is the venue", { "a v me", "", "v", "v!", "", "me", "v+ me v! a" });
        row("speaker reported twice", { "a b me", "", "", "", "b b", "me", "b me b a" });
        row("own phone is another member", { "me@ a me", "", "", "", "", "me", "me@ me a" });
        row("each member once", { "a h a me me", "h", "", "", "", "me", "h me a" });
        row("venue not among members", { "a", "", "", "v!", "", "me", "v! me a" });
        row("self alone", { "", "", "", "", "", "me", "me" });
        row("not logged in", { "a", "", "", "", "", "", "a" });
        row("nobody", { "", "", "", "", "", "", "" });
    }
    void orderExamples()
    {
        QFETCH(QString, members);
        QFETCH(QString, host);
        QFETCH(QString, sharer);
        QFETCH(QString, venue);
        QFETCH(QString, speakers);
        QFETCH(QString, self);
        QFETCH(QString, expected);
        QCOMPARE(text(VideoOrderPolicy::buildVideoOrder(
                     items(members), item(host), item(sharer), item(venue), items(speakers), item(self))),
            expected);
    }

    // --- binding plan (the video area's own tests cover the grid through the journal) ---
    void pipModeWithSelfAsMainVenueFloatsTheSecondItem()
    {
        const Plan plan = makePlan(
            2, QVector<TileContent>(25), {}, 1, items(QStringLiteral("me! b@+")), item(QStringLiteral("me")));
        QCOMPARE(plan.binds.size(), 2);
        QCOMPARE(plan.binds.at(0).tile, 0);
        QCOMPARE(plan.binds.at(1).tile, 999);
        QCOMPARE(text({ plan.binds.at(0).item, plan.binds.at(1).item }), QStringLiteral("me! b@+"));
    }

    void oddPoolAndGridSizesAreSafe()
    {
        const QList<VideoItem> three = items(QStringLiteral("a b c"));
        const VideoItem self = item(QStringLiteral("me"));
        QList<VideoItem> many;
        for (int i = 0; i < 40; ++i)
            many << item(QStringLiteral("p%1").arg(i));
        QVERIFY(makePlan(1, {}, {}, 1, three, self).binds.isEmpty()); // no pool yet
        QCOMPARE(makePlan(2, {}, {}, 1, three, self).binds.size(), 1); // only the floating window
        QVERIFY(makePlan(5, QVector<TileContent>(9), {}, -3, three, self).binds.isEmpty());
        QCOMPARE(makePlan(8, QVector<TileContent>(9), {}, 25, many, self).binds.size(), 9);
        QCOMPARE(makePlan(8, QVector<TileContent>(40), {}, 40, many, self).binds.size(), 25);
        // A floating window left over from mode 2 is cleared first in a grid mode.
        const TileContent floating { self.account, self.deviceType, false };
        QCOMPARE(makePlan(5, QVector<TileContent>(4), floating, 4, {}, self).clears, QVector<int> { 999 });
    }

    // --- mode numbers (the video area's tests check each mode's placement) ---
    void layoutNumbersOutsideTheTablesAreSafe()
    {
        for (int mode : { 0, -1, 12, INT_MIN, INT_MAX })
            QVERIFY(!VideoLayoutPolicy::modeLayout(mode).valid);
        // The configured layout for a member count: count - 1, clamped; none without layouts.
        QCOMPARE(VideoLayoutPolicy::autoLayoutIndex(3, 5), 2);
        QCOMPARE(VideoLayoutPolicy::autoLayoutIndex(0, 5), 0);
        QCOMPARE(VideoLayoutPolicy::autoLayoutIndex(INT_MIN, 5), 0);
        QCOMPARE(VideoLayoutPolicy::autoLayoutIndex(INT_MAX, 5), 4);
        QCOMPARE(VideoLayoutPolicy::autoLayoutIndex(3, 0), -1);
    }
};

QTEST_GUILESS_MAIN(tst_VideoPolicies)
#include "tst_VideoPolicies.moc"
