#include "customui/KPTitleBar.h"
#include "customui/MoveWidget.h"
#include "support/TestWindows.h"

#include <QMouseEvent>
#include <QtTest>

// The frameless base window (dragging by its band, edge resizing, Escape) and the title bar.
class tst_MoveWidget : public QObject
{
    Q_OBJECT

private:
    // QTest's mouse moves go through the platform cursor; send the events ourselves so the global positions are exact.
    static void mouse(QWidget* w, QEvent::Type type, const QPoint& local, const QPoint& global)
    {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &event);
    }

    static void drag(QWidget* w, const QPoint& local, const QPoint& delta)
    {
        const QPoint global = w->mapToGlobal(local);
        mouse(w, QEvent::MouseButtonPress, local, global);
        mouse(w, QEvent::MouseMove, local + delta, global + delta);
        mouse(w, QEvent::MouseButtonRelease, local + delta, global + delta);
    }

    static void showAt(QWidget& w, const QSize& size, const QPoint& pos)
    {
        w.resize(size);
        w.move(pos);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
    }

    static QString visibleButtons(KPTitleBar& bar)
    {
        QStringList names;
        for (const char* name : { "btn_min", "btn_max", "btn_normal", "btn_close" })
            if (TestWindows::child(&bar, name)->isVisibleTo(&bar))
                names << QLatin1String(name);
        return names.join(QLatin1Char(','));
    }

private slots:
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void dragsOnlyInsideTheBandWhenMovableAndResizesOnlyWhenResizable()
    {
        MoveWidget window;
        showAt(window, QSize(400, 300), QPoint(100, 100));
        window.setMovableHeight(40);

        drag(&window, QPoint(50, 20), QPoint(100, 50));
        QTRY_COMPARE(window.pos(), QPoint(200, 150));
        QVERIFY(!window.isDragging());

        drag(&window, QPoint(50, 100), QPoint(80, 80)); // below the band
        QCOMPARE(window.pos(), QPoint(200, 150));

        window.setWidgetMovable(false);
        drag(&window, QPoint(50, 20), QPoint(80, 80));
        QCOMPARE(window.pos(), QPoint(200, 150));

        // Without a band the whole window drags.
        window.setWidgetMovable(true);
        window.setMovableHeight(0);
        drag(&window, QPoint(200, 250), QPoint(-50, -30));
        QTRY_COMPARE(window.pos(), QPoint(150, 120));

        // Made immovable in the middle of a drag: the drag ends there.
        const QPoint global = window.mapToGlobal(QPoint(10, 10));
        mouse(&window, QEvent::MouseButtonPress, QPoint(10, 10), global);
        QVERIFY(window.isDragging());
        window.setWidgetMovable(false);
        mouse(&window, QEvent::MouseMove, QPoint(60, 60), global + QPoint(50, 50));
        QCOMPARE(window.pos(), QPoint(150, 120));
        QVERIFY(!window.isDragging());

        // Escape closes; other keys pass by.
        QTest::keyClick(&window, Qt::Key_A);
        QVERIFY(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());

        // Only a resizable window grows by its edge.
        MoveWidget fixed(nullptr, false);
        showAt(fixed, QSize(300, 200), QPoint(10, 10));
        fixed.setMovableHeight(30);
        drag(&fixed, QPoint(298, 100), QPoint(50, 0));
        QCOMPARE(fixed.size(), QSize(300, 200));

        MoveWidget resizable(nullptr, true);
        resizable.setMinimumSize(200, 150);
        showAt(resizable, QSize(300, 200), QPoint(10, 10));
        drag(&resizable, QPoint(298, 100), QPoint(50, 0));
        QTRY_COMPARE(resizable.width(), 350);
        drag(&resizable, QPoint(100, 198), QPoint(0, -500)); // clamped at the minimum
        QTRY_COMPARE(resizable.height(), 150);
        QCOMPARE(resizable.pos(), QPoint(10, 10));
    }

    void titleBarShowTypesPickTheButtons()
    {
        // Each type from the same start: an unknown one keeps the buttons it found.
        const QList<QPair<int, const char*>> types { { 1, "btn_close" }, { 2, "btn_min,btn_max,btn_close" },
            { 3, "btn_min,btn_close" }, { 4, "btn_max,btn_close" }, { 0, "" }, { 9, "btn_min,btn_close" } };
        for (const auto& [type, buttons] : types) {
            KPTitleBar bar;
            bar.setShowType(Title_MinClose);
            bar.setShowType(type);
            QCOMPARE(visibleButtons(bar), QLatin1String(buttons));
        }
    }

    void titleBarReportsClicksAndSwapsMaximise()
    {
        KPTitleBar bar;
        bar.setShowType(2);
        QSignalSpy min(&bar, &KPTitleBar::sig_minBtn_clicked);
        QSignalSpy max(&bar, &KPTitleBar::sig_maxBtn_clicked);
        QSignalSpy normal(&bar, &KPTitleBar::sig_norBtn_clicked);
        QSignalSpy close(&bar, &KPTitleBar::sig_closeBtn_clicked);

        QVERIFY(TestWindows::click(&bar, "btn_min") && TestWindows::click(&bar, "btn_max"));
        QCOMPARE(visibleButtons(bar), QStringLiteral("btn_min,btn_normal,btn_close"));
        QVERIFY(TestWindows::click(&bar, "btn_normal") && TestWindows::click(&bar, "btn_close"));
        QCOMPARE(visibleButtons(bar), QStringLiteral("btn_min,btn_max,btn_close"));
        QCOMPARE(QList<int>({ min.count(), max.count(), normal.count(), close.count() }), QList<int>({ 1, 1, 1, 1 }));

        // A double click on the bar maximises and restores.
        bar.show();
        QTest::mouseDClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(max.count(), 2);
        QCOMPARE(visibleButtons(bar), QStringLiteral("btn_min,btn_normal,btn_close"));
        QTest::mouseDClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(normal.count(), 2);

        bar.setShowType(1); // no maximise button: double click does nothing
        QTest::mouseDClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
        QCOMPARE(max.count(), 2);
    }
};

QTEST_MAIN(tst_MoveWidget)
#include "tst_MoveWidget.moc"
