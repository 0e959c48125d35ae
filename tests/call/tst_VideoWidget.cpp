#include "BusinessFixture.h"
#include "VideoWidget.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStackedWidget>
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
        if (!part(w, "top")->isHidden())
            out += QLatin1Char('t');
        if (!part(w, "bottom")->isHidden())
            out += QLatin1Char('b');
        if (!part(w, "left")->isHidden())
            out += QLatin1Char('l');
        if (!part(w, "right")->isHidden())
            out += QLatin1Char('r');
        return out;
    }
    static QLabel* head(VideoWidget& w) { return w.findChild<QLabel*>(QStringLiteral("headLabel")); }
    static QPixmap headPixmap(VideoWidget& w) { return head(w)->pixmap(Qt::ReturnByValue); }
    static QWidget* currentPage(VideoWidget& w)
    {
        return w.findChild<QStackedWidget*>(QStringLiteral("stackedWidget"))->currentWidget();
    }

private slots:
    void init()
    {
        BusinessFixture::reset();
        BusinessFixture::business()->getAddressBookView()->addPerson(
            BusinessFixture::makePerson(QStringLiteral("bob.li"), QStringLiteral("Bob Li")));
    }

    void startsOnTheVideoPageWithoutBars()
    {
        VideoWidget w;
        QCOMPARE(w.minimumSize(), QSize(250, 180));
        QVERIFY(w.isVideoOn());
        QCOMPARE(currentPage(w)->objectName(), QStringLiteral("pageBg"));
        QCOMPARE(w.videoRatio(), 0.0f);
        QCOMPARE(bars(w), QString());
        QVERIFY(w.testAttribute(Qt::WA_StyledBackground));
    }

    void ratioLetterboxesTheSurface()
    {
        VideoWidget w;
        w.resize(640, 480);
        w.show();
        QWidget* surface = part(w, "video");

        w.setVideoRatio(16.0f / 9.0f);
        QCOMPARE(bars(w), QStringLiteral("tb"));
        QCOMPARE(surface->minimumSize(), QSize(640, 360));
        QCOMPARE(surface->maximumSize(), QSize(640, 360));
        QTRY_COMPARE(surface->geometry(), QRect(0, 60, 640, 360));

        w.setVideoRatio(9.0f / 16.0f);
        QCOMPARE(bars(w), QStringLiteral("lr"));
        QTRY_COMPARE(surface->geometry(), QRect(185, 0, 270, 480));

        w.setVideoRatio(4.0f / 3.0f);
        QCOMPARE(bars(w), QString());
        QTRY_COMPARE(surface->geometry(), QRect(0, 0, 640, 480));

        w.setVideoRatio(16.0f / 9.0f);
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
        QCOMPARE(w.videoRatio(), 16.0f / 9.0f);

        w.setRatioLocked(true);
        w.resize(640, 480);
        QCOMPARE(bars(w), QStringLiteral("lr"));
        w.reapplyRatio();
        QCOMPARE(bars(w), QStringLiteral("lr"));
        w.setRatioLocked(false);
        w.reapplyRatio();
        QCOMPARE(bars(w), QStringLiteral("tb"));
    }

    void avatarSizeFollowsThePaneHeight()
    {
        VideoWidget w;
        w.setAccount(QStringLiteral("bob.li"), false);
        w.show();
        w.resize(640, 500);
        QCOMPARE(head(w)->maximumSize(), QSize(70, 70));
        QCOMPARE(headPixmap(w).size(), QSize(70, 70));
        w.resize(640, 501);
        QCOMPARE(head(w)->maximumSize(), QSize(170, 170));
        QCOMPARE(w.findChild<QWidget*>(QStringLiteral("headWidget"))->maximumHeight(), 170);
        // The picture is redrawn at the new size while the avatar shows.
        QCOMPARE(headPixmap(w).size(), QSize(170, 170));
        w.resize(640, 480);
        QCOMPARE(headPixmap(w).size(), QSize(70, 70));
    }

    void videoOffShowsTheAvatarOfTheAccount()
    {
        VideoWidget w;
        w.setAccount(QStringLiteral("bob.li"), false);
        QVERIFY(!w.isVideoOn());
        QCOMPARE(currentPage(w)->objectName(), QStringLiteral("page"));
        QCOMPARE(w.account(), QStringLiteral("bob.li"));
        QVERIFY(!headPixmap(w).isNull());
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("nameLabel"))->text(), QStringLiteral("Bob Li"));
        w.setVideoOn(true);
        QVERIFY(w.isVideoOn());

        // Somebody outside the directory gets a drawn picture under the account.
        w.setAccount(QStringLiteral("guest.9"), false);
        QVERIFY(!headPixmap(w).isNull());
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("nameLabel"))->text(), QStringLiteral("guest.9"));
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
        const quintptr handle = w.renderHandle();
        QVERIFY(handle != 0);
        QCOMPARE(handle, quintptr(surface->winId()));
        QCOMPARE(QWidget::find(WId(handle)), surface);
        surface->setEnabled(false);
        QCOMPARE(w.renderHandle(), quintptr(0));
    }

    void buttonSlotClearsTheTipReappliesAndSignals()
    {
        VideoWidget w;
        w.resize(640, 480);
        w.show();
        w.setVideoRatio(16.0f / 9.0f);
        w.setRatioLocked(true);
        w.resize(1280, 480);
        QCOMPARE(bars(w), QStringLiteral("tb"));
        w.setRatioLocked(false);
        w.setTipText(QStringLiteral("No camera detected"));
        QSignalSpy clicked(&w, &VideoWidget::sig_btn_clicked);
        w.slot_btn_clicked();
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(w.findChild<QLabel*>(QStringLiteral("tipLabel"))->text(), QString());
        QCOMPARE(bars(w), QStringLiteral("lr"));
    }

    void backgroundColourGoesToTheVideoPage()
    {
        VideoWidget w;
        w.setBackgroundColor(QStringLiteral("#123456"));
        QCOMPARE(part(w, "widget_bg")->styleSheet(), QStringLiteral("QWidget#widget_bg{background-color:#123456}"));
    }
};

QTEST_MAIN(tst_VideoWidget)
#include "tst_VideoWidget.moc"
