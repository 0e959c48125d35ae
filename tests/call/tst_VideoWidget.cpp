#include "call/VideoWidget.h"
#include "customui/KP_UI_UTIL.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

using namespace TestWindows;

class tst_VideoWidget : public QObject
{
    Q_OBJECT

    // Which bars are up: "tblr" letters of the visible ones.
    static QString bars(VideoWidget& w)
    {
        QString out;
        for (const char* bar : { "top", "bottom", "left", "right" }) {
            if (!child(&w, bar)->isHidden())
                out += QLatin1Char(bar[0]);
        }
        return out;
    }
    static QLabel* head(VideoWidget& w) { return child<QLabel>(&w, "headLabel"); }

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
    }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void ratioLetterboxesTheSurfaceAgainUnlessLocked()
    {
        VideoWidget w;
        QCOMPARE(bars(w), QString());
        w.resize(640, 480);
        w.show();
        w.setVideoRatio(16.0f / 9.0f);
        QCOMPARE(bars(w), QStringLiteral("tb"));
        QTRY_COMPARE(child(&w, "video")->geometry(), QRect(0, 60, 640, 360));
        w.resize(1280, 480); // now wider than the picture
        QCOMPARE(bars(w), QStringLiteral("lr"));
        w.setRatioLocked(true);
        w.resize(640, 480);
        QCOMPARE(bars(w), QStringLiteral("lr"));
        // The button slot clears the tip, re-applies the ratio and reports the click.
        w.setRatioLocked(false);
        w.setTipText(QStringLiteral("No camera detected"));
        QSignalSpy clicked(&w, &VideoWidget::sig_btn_clicked);
        w.slot_btn_clicked();
        QCOMPARE(clicked.count(), 1);
        QVERIFY(child<QLabel>(&w, "tipLabel")->text().isEmpty());
        QCOMPARE(bars(w), QStringLiteral("tb"));
        w.setVideoRatio(0);
        QCOMPARE(bars(w), QString());
    }

    void videoOffShowsTheAvatarSizedByThePaneHeight()
    {
        VideoWidget w;
        QVERIFY(w.isVideoOn());
        w.setAccount(QStringLiteral("bob.li"), false);
        QVERIFY(!w.isVideoOn());
        QCOMPARE(child<QLabel>(&w, "nameLabel")->text(), QStringLiteral("Bob Li"));
        w.show();
        w.resize(640, 500);
        QCOMPARE(head(w)->pixmap(Qt::ReturnByValue).size(), QSize(70, 70));
        w.resize(640, 501); // redrawn at the new size
        QCOMPARE(head(w)->pixmap(Qt::ReturnByValue).size(), QSize(170, 170));
        QCOMPARE(child(&w, "headWidget")->maximumHeight(), 170);
    }

    void drawnAvatarTakesNameAccountThenLabelHeightAndWidth_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("name");
        QTest::newRow("in the directory") << QStringLiteral("bob.li") << QStringLiteral("Bob Li");
        QTest::newRow("unknown: the account twice") << QStringLiteral("guest.9") << QStringLiteral("guest.9");
    }
    void drawnAvatarTakesNameAccountThenLabelHeightAndWidth()
    {
        QFETCH(QString, account);
        QFETCH(QString, name);
        VideoWidget w;
        head(w)->setFixedSize(90, 60); // not square: the two sides must not trade places
        w.setAccount(account, false);
        const QPixmap expected = KP_UI_UTIL::getSelfDrawPicHead(name, account, 60, 90, true, 4, 12);
        QCOMPARE(head(w)->pixmap(Qt::ReturnByValue).toImage(), expected.toImage());
    }

    void freezeSwitchesSurfacePaintingAfterTwoSeconds()
    {
        VideoWidget w;
        w.show();
        QWidget* surface = child(&w, "video");
        auto* timer = child<QTimer>(&w, "freezeTimer");
        w.freezeVideoUpdates(false);
        QVERIFY(surface->updatesEnabled()); // not yet
        QCOMPARE(timer->interval(), 2000);
        BusinessFixture::fire(timer);
        QVERIFY(!surface->updatesEnabled());
        // The latest wish wins.
        w.freezeVideoUpdates(false);
        w.freezeVideoUpdates(true);
        BusinessFixture::fire(timer);
        QVERIFY(surface->updatesEnabled());
        // The render handle is the surface's while it is enabled.
        QCOMPARE(QWidget::find(WId(w.renderHandle())), surface);
        surface->setEnabled(false);
        QCOMPARE(w.renderHandle(), quintptr(0));
    }
};

QTEST_MAIN(tst_VideoWidget)
#include "tst_VideoWidget.moc"
