#include "panels/PPC_NewScreenLayout.h"
#include "panels/PPC_Polling.h"
#include "panels/PPC_ScreenLayout.h"

#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

class tst_LayoutPanels : public QObject
{
    Q_OBJECT

    template<typename T = QAbstractButton> static T* child(QWidget* root, const char* name)
    {
        return root->findChild<T*>(QLatin1String(name));
    }
    static void click(QWidget* root, const char* name) { QTest::mouseClick(child(root, name), Qt::LeftButton); }
    static bool checked(QWidget* root, const char* name) { return child(root, name)->isChecked(); }
    static QString interval(PPC_Polling& p) { return child<QComboBox>(&p, "settimeBox")->currentText(); }
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
    static constexpr const char* kLayoutButtons[] = { "BigMountedZeroBtn", "BigMountedThreeBtn", "BigMountedFiveBtn",
        "BigMounted3X3Btn", "BigMounted4X4Btn", "BigMounted5X5Btn" };

private slots:
    void okSendsThePollingChoiceAndShowingAgainKeepsIt()
    {
        PPC_Polling polling;
        QSignalSpy open(&polling, &PPC_Polling::sig_openPolling);
        QSignalSpy closed(&polling, &PPC_Polling::sig_closePolling);
        QCOMPARE(interval(polling), QStringLiteral("20"));
        QVERIFY(checked(&polling, "NoPolling"));
        polling.show();
        child<QComboBox>(&polling, "settimeBox")->setCurrentText(QStringLiteral("60"));
        click(&polling, "OpenPolling");
        click(&polling, "btnOk");
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.first().first().toString(), QStringLiteral("60"));
        QCOMPARE(closed.count(), 0);
        QVERIFY(polling.isPolling());
        QVERIFY(polling.isHidden());

        // Shown again it still says so; OK with Off switches polling off.
        polling.show();
        QVERIFY(checked(&polling, "OpenPolling"));
        QCOMPARE(interval(polling), QStringLiteral("60"));
        click(&polling, "NoPolling");
        click(&polling, "btnOk");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(open.count(), 1);
        QVERIFY(!polling.isPolling());
        // The interval stays the last one confirmed with polling on.
        QCOMPARE(polling.pollingInterval(), QStringLiteral("60"));
    }

    void cancelCloseAndEscapeRestoreTheConfirmedStateSilently()
    {
        PPC_Polling polling;
        QSignalSpy open(&polling, &PPC_Polling::sig_openPolling);
        QSignalSpy closed(&polling, &PPC_Polling::sig_closePolling);
        for (const char* how : { "btnCancel", "btnClose", "Escape" }) {
            polling.show();
            child<QComboBox>(&polling, "settimeBox")->setCurrentText(QStringLiteral("120"));
            click(&polling, "OpenPolling");
            if (qstrcmp(how, "Escape") == 0)
                QTest::keyClick(&polling, Qt::Key_Escape);
            else
                click(&polling, how);
            QVERIFY2(polling.isHidden(), how);
            QCOMPARE(interval(polling), QStringLiteral("20"));
            QVERIFY(checked(&polling, "NoPolling") && !checked(&polling, "OpenPolling"));
        }
        QCOMPARE(open.count() + closed.count(), 0);

        // A state set elsewhere is what Cancel restores.
        polling.setPollingState(true);
        polling.show();
        click(&polling, "NoPolling");
        click(&polling, "btnCancel");
        QVERIFY(checked(&polling, "OpenPolling"));
        polling.setPollingState(false);
        QVERIFY(checked(&polling, "NoPolling"));
        QVERIFY(!polling.isPolling());
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
            click(&panel, kLayoutButtons[type]);
            click(&panel, "YesBtn");
            QCOMPARE(order, (QStringList { QStringLiteral("close"), QStringLiteral("layout %1").arg(type) }));
            QCOMPARE(panel.screenLayout(), type);
        }
        // Nothing checked: nothing sent, the panel stays.
        PPC_ScreenLayout panel;
        QSignalSpy layout(&panel, &PPC_ScreenLayout::sig_setScreenLayout);
        QSignalSpy close(&panel, &PPC_ScreenLayout::sig_closePopupWgt);
        panel.show();
        click(&panel, "YesBtn");
        QCOMPARE(layout.count() + close.count(), 0);
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.screenLayout(), -1);
    }

    void cancelPutsTheChecksBackToTheCurrentLayout()
    {
        QPointer<PPC_ScreenLayout> panel = new PPC_ScreenLayout;
        QSignalSpy layout(panel, &PPC_ScreenLayout::sig_setScreenLayout);
        QSignalSpy close(panel, &PPC_ScreenLayout::sig_closePopupWgt);
        panel->setScreenLayout(1);
        QCOMPARE(checkedLayout(*panel), 1);
        panel->show();
        click(panel, "BigMounted4X4Btn");
        QCOMPARE(checkedLayout(*panel), 4);
        click(panel, "NoBtn");
        QCOMPARE(checkedLayout(*panel), 1);
        QCOMPARE(close.count(), 1);
        QCOMPARE(layout.count(), 0);
        // An out-of-range type clears the checks.
        panel->setScreenLayout(9);
        QCOMPARE(panel->screenLayout(), -1);
        QCOMPARE(checkedLayout(*panel), -1);
        // With no current layout, Cancel clears whatever was clicked.
        click(panel, "BigMountedFiveBtn");
        click(panel, "NoBtn");
        QCOMPARE(checkedLayout(*panel), -1);
        // Closed, it deletes itself.
        panel->close();
        QTRY_VERIFY(panel.isNull());
    }

    void theBareLayoutSheetOnlyCloses()
    {
        for (const char* button : { "btnCancel", "btnClose", "btnOk" }) {
            PPC_NewScreenLayout sheet;
            sheet.show();
            click(&sheet, button);
            QVERIFY2(sheet.isHidden(), button);
        }
    }
};

QTEST_MAIN(tst_LayoutPanels)
#include "tst_LayoutPanels.moc"
