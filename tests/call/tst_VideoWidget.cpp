#include "call/VideoWidget.h"
#include "support/BusinessFixture.h"

#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

class tst_VideoWidget : public QObject
{
    Q_OBJECT

    static QWidget* part(VideoWidget& w, const char* name) { return w.findChild<QWidget*>(QLatin1String(name)); }
    // Which bars are up: "tblr" letters of the visible ones.
    static QString bars(VideoWidget& w)
    {
        QString out;
        for (const char* bar : { "top", "bottom", "left", "right" }) {
            if (!part(w, bar)->isHidden())
                out += QLatin1Char(bar[0]);
        }
        return out;
    }
    static QLabel* label(VideoWidget& w, const char* name) { return w.findChild<QLabel*>(QLatin1String(name)); }
    static QSize avatarSize(VideoWidget& w) { return label(w, "headLabel")->pixmap(Qt::ReturnByValue).size(); }

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
    }

    void ratioLetterboxesTheSurface()
    {
        VideoWidget w;
        QVERIFY(w.isVideoOn());
        QCOMPARE(bars(w), QString());
        w.resize(640, 480);
        w.show();
        QWidget* surface = part(w, "video");
        w.setVideoRatio(16.0f / 9.0f);
        QCOMPARE(bars(w), QStringLiteral("tb"));
        QTRY_COMPARE(surface->geometry(), QRect(0, 60, 640, 360));
        w.setVideoRatio(9.0f / 16.0f);
        QCOMPARE(bars(w), QStringLiteral("lr"));
        QTRY_COMPARE(surface->geometry(), QRect(185, 0, 270, 480));
        w.setVideoRatio(0);
        QCOMPARE(bars(w), QString());
        QTRY_COMPARE(surface->geometry(), QRect(0, 0, 640, 480));
    }

    void unlockedPanesReletterboxWhenResizedLockedOnesDoNot()
    {
        VideoWidget w;
        w.resize(640, 480);
        w.show();
        w.setVideoRatio(16.0f / 9.0f);
        w.resize(1280, 480); // now wider than the picture
        QCOMPARE(bars(w), QStringLiteral("lr"));
        w.setRatioLocked(true);
        w.resize(640, 480);
        w.reapplyRatio();
        QCOMPARE(bars(w), QStringLiteral("lr"));
        // The button slot clears the tip, re-applies the ratio and reports the click.
        w.setRatioLocked(false);
        w.setTipText(QStringLiteral("No camera detected"));
        QSignalSpy clicked(&w, &VideoWidget::sig_btn_clicked);
        w.slot_btn_clicked();
        QCOMPARE(clicked.count(), 1);
        QVERIFY(label(w, "tipLabel")->text().isEmpty());
        QCOMPARE(bars(w), QStringLiteral("tb"));
    }

    void videoOffShowsTheAvatarSizedByThePaneHeight()
    {
        VideoWidget w;
        w.setAccount(QStringLiteral("bob.li"), false);
        QVERIFY(!w.isVideoOn());
        QCOMPARE(label(w, "nameLabel")->text(), QStringLiteral("Bob Li"));
        w.show();
        w.resize(640, 500);
        QCOMPARE(avatarSize(w), QSize(70, 70));
        // Redrawn at the new size while the avatar shows.
        w.resize(640, 501);
        QCOMPARE(avatarSize(w), QSize(170, 170));
        QCOMPARE(part(w, "headWidget")->maximumHeight(), 170);
        w.resize(640, 480);
        QCOMPARE(avatarSize(w), QSize(70, 70));

        // Somebody outside the directory gets a drawn picture under the account.
        w.setAccount(QStringLiteral("guest.9"), false);
        QCOMPARE(avatarSize(w), QSize(70, 70));
        QCOMPARE(label(w, "nameLabel")->text(), QStringLiteral("guest.9"));
        w.setVideoOn(true);
        QVERIFY(w.isVideoOn());
    }

    void freezeSwitchesSurfacePaintingAfterTwoSeconds()
    {
        VideoWidget w;
        w.show();
        QWidget* surface = part(w, "video");
        auto* timer = w.findChild<QTimer*>(QStringLiteral("freezeTimer"));
        w.freezeVideoUpdates(false);
        QVERIFY(surface->updatesEnabled()); // not yet
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 2000);
        QMetaObject::invokeMethod(timer, "timeout");
        QVERIFY(!surface->updatesEnabled());
        // The latest wish wins.
        w.freezeVideoUpdates(false);
        w.freezeVideoUpdates(true);
        QMetaObject::invokeMethod(timer, "timeout");
        QVERIFY(surface->updatesEnabled());
    }

    void renderHandleIsTheSurfaceWhileEnabled()
    {
        VideoWidget w;
        QWidget* surface = part(w, "video");
        QVERIFY(w.renderHandle() != 0);
        QCOMPARE(QWidget::find(WId(w.renderHandle())), surface);
        surface->setEnabled(false);
        QCOMPARE(w.renderHandle(), quintptr(0));
    }
};

QTEST_MAIN(tst_VideoWidget)
#include "tst_VideoWidget.moc"
