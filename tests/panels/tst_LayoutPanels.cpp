#include "panels/PPC_Polling.h"
#include "panels/PPC_ScreenLayout.h"
#include "support/TestWindows.h"

#include <QComboBox>
#include <QRadioButton>
#include <QtTest>

using namespace TestWindows;

class tst_LayoutPanels : public QObject
{
    Q_OBJECT

    static bool checked(QWidget* root, const char* name) { return child<QAbstractButton>(root, name)->isChecked(); }
    static QComboBox* intervalBox(PPC_Polling& p) { return child<QComboBox>(&p, "settimeBox"); }
    static constexpr const char* kLayoutButtons[] = { "BigMountedZeroBtn", "BigMountedThreeBtn", "BigMountedFiveBtn",
        "BigMounted3X3Btn", "BigMounted4X4Btn", "BigMounted5X5Btn" };
    // The checked layout button's type, -1 for none, -2 when two are checked.
    static int checkedLayout(PPC_ScreenLayout& panel)
    {
        int found = -1;
        for (int type = 0; type < 6; ++type) {
            if (checked(&panel, kLayoutButtons[type]))
                found = found < 0 ? type : -2;
        }
        return found;
    }
    // Pixels of the button's label band (below its picture) close to the colour.
    static int labelPixelsNear(const QImage& shot, const QColor& colour)
    {
        int n = 0;
        for (int y = 62; y < shot.height() - 4; ++y) {
            for (int x = 4; x < shot.width() - 4; ++x) {
                const QColor c = shot.pixelColor(x, y);
                n += qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) + qAbs(c.blue() - colour.blue())
                    < 60;
            }
        }
        return n;
    }

private slots:
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void okSendsThePollingChoiceAndCancelRestoresTheConfirmedOne()
    {
        PPC_Polling polling;
        QSignalSpy open(&polling, &PPC_Polling::sig_openPolling);
        QSignalSpy closed(&polling, &PPC_Polling::sig_closePolling);
        QCOMPARE(intervalBox(polling)->currentText(), QStringLiteral("20"));
        QVERIFY(checked(&polling, "NoPolling"));
        // Cancel, Close and Escape forget the choice and send nothing.
        for (const char* how : { "btnCancel", "btnClose", "Escape" }) {
            polling.show();
            intervalBox(polling)->setCurrentText(QStringLiteral("60"));
            QVERIFY(click(&polling, "OpenPolling"));
            if (qstrcmp(how, "Escape") == 0)
                QTest::keyClick(&polling, Qt::Key_Escape);
            else
                QVERIFY(click(&polling, how));
            QVERIFY2(polling.isHidden(), how);
            QCOMPARE(intervalBox(polling)->currentText(), QStringLiteral("20"));
            QVERIFY(checked(&polling, "NoPolling") && !checked(&polling, "OpenPolling"));
        }
        QCOMPARE(open.count() + closed.count(), 0);

        polling.show();
        intervalBox(polling)->setCurrentText(QStringLiteral("60"));
        QVERIFY(click(&polling, "OpenPolling"));
        QVERIFY(click(&polling, "btnOk"));
        QCOMPARE(open, (QList<QVariantList> { { QStringLiteral("60") } }));
        QVERIFY(polling.isHidden());
        // Shown again it still says so; OK with Off switches polling off and keeps the interval.
        polling.show();
        QVERIFY(checked(&polling, "OpenPolling"));
        QCOMPARE(intervalBox(polling)->currentText(), QStringLiteral("60"));
        QVERIFY(click(&polling, "NoPolling"));
        QVERIFY(click(&polling, "btnOk"));
        QCOMPARE(closed.count(), 1);
        QCOMPARE(polling.pollingInterval(), QStringLiteral("60"));
    }

    void aStateSetElsewhereOnlyMovesTheCheckMark()
    {
        PPC_Polling polling;
        QSignalSpy open(&polling, &PPC_Polling::sig_openPolling);
        QSignalSpy closed(&polling, &PPC_Polling::sig_closePolling);
        polling.setPollingState(true);
        QVERIFY(checked(&polling, "OpenPolling") && !checked(&polling, "NoPolling"));
        QVERIFY(!polling.isPolling());
        // Cancel restores what OK confirmed last: off.
        polling.show();
        QVERIFY(click(&polling, "btnCancel"));
        QVERIFY(checked(&polling, "NoPolling"));

        polling.show();
        QVERIFY(click(&polling, "OpenPolling"));
        QVERIFY(click(&polling, "btnOk"));
        polling.setPollingState(false);
        QVERIFY(checked(&polling, "NoPolling"));
        QVERIFY(polling.isPolling());
        polling.show();
        QVERIFY(click(&polling, "btnClose"));
        QVERIFY(checked(&polling, "OpenPolling"));
        QCOMPARE(open.count(), 1);
        QCOMPARE(closed.count(), 0);
    }

    void okSendsTheCheckedLayoutAfterAskingToClose()
    {
        for (int type = 0; type < 6; ++type) {
            PPC_ScreenLayout panel;
            QStringList order;
            connect(&panel, &PPC_ScreenLayout::sig_closePopupWgt, &panel, [&] { order << QStringLiteral("close"); });
            connect(&panel, &PPC_ScreenLayout::sig_setScreenLayout, &panel,
                [&](int t) { order << QStringLiteral("layout %1").arg(t); });
            panel.show();
            QVERIFY(click(&panel, kLayoutButtons[type]));
            QVERIFY(click(&panel, "YesBtn"));
            QCOMPARE(order, (QStringList { QStringLiteral("close"), QStringLiteral("layout %1").arg(type) }));
        }
    }

    void okWithoutAChoiceSendsNothingAndCancelPutsTheChecksBack()
    {
        QPointer<PPC_ScreenLayout> panel = new PPC_ScreenLayout;
        QSignalSpy layout(panel, &PPC_ScreenLayout::sig_setScreenLayout);
        QSignalSpy close(panel, &PPC_ScreenLayout::sig_closePopupWgt);
        panel->show();
        QVERIFY(click(panel, "YesBtn")); // nothing checked: nothing sent, the panel stays
        QCOMPARE(layout.count() + close.count(), 0);
        QVERIFY(panel->isVisible());
        panel->setScreenLayout(1);
        QVERIFY(click(panel, "BigMounted4X4Btn"));
        QVERIFY(click(panel, "NoBtn"));
        QCOMPARE(checkedLayout(*panel), 1);
        QCOMPARE(close.count(), 1);
        QCOMPARE(layout.count(), 0);
        // An out-of-range type clears the checks, and Cancel then clears whatever was clicked.
        panel->setScreenLayout(9);
        QCOMPARE(checkedLayout(*panel), -1);
        QVERIFY(click(panel, "BigMountedFiveBtn"));
        QVERIFY(click(panel, "NoBtn"));
        QCOMPARE(checkedLayout(*panel), -1);
        // Closed, it deletes itself.
        panel->close();
        QTRY_VERIFY(panel.isNull());
    }

    void bigFiveTextStaysReadableCheckedOrNot()
    {
        PPC_ScreenLayout panel;
        panel.show();
        QVERIFY(QTest::qWaitForWindowExposed(&panel));
        auto* five = child<QRadioButton>(&panel, "BigMountedFiveBtn");
        // #333333 text on white...
        QImage shot = five->grab().toImage();
        QCOMPARE(shot.pixelColor(8, shot.height() / 2), QColor(Qt::white));
        QVERIFY(labelPixelsNear(shot, QColor(0x33, 0x33, 0x33)) > 10);
        // ...turns white on #1d6fe8 when checked.
        panel.setScreenLayout(2);
        shot = five->grab().toImage();
        QCOMPARE(shot.pixelColor(8, shot.height() / 2), QColor(0x1d, 0x6f, 0xe8));
        QVERIFY(labelPixelsNear(shot, QColor(Qt::white)) > 10);
    }
};

QTEST_MAIN(tst_LayoutPanels)
#include "tst_LayoutPanels.moc"
