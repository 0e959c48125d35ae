#include "PPC_NewScreenLayout.h"
#include "PPC_Polling.h"
#include "PPC_ScreenLayout.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

namespace {
template<typename T> T* child(QWidget* root, const char* name)
{
    T* w = root->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

void click(QWidget* root, const char* name)
{
    QTest::mouseClick(child<QAbstractButton>(root, name), Qt::LeftButton);
}

const char* const kLayoutButtons[] = { "BigMountedZeroBtn", "BigMountedThreeBtn", "BigMountedFiveBtn",
    "BigMounted3X3Btn", "BigMounted4X4Btn", "BigMounted5X5Btn" };

int checkedLayoutButton(PPC_ScreenLayout& panel)
{
    int found = -1;
    for (int type = 0; type < 6; ++type) {
        if (child<QRadioButton>(&panel, kLayoutButtons[type])->isChecked()) {
            if (found >= 0)
                return -2; // two checked: never allowed
            found = type;
        }
    }
    return found;
}
} // namespace

class tst_LayoutPanels : public QObject
{
    Q_OBJECT

private slots:
    // --- polling ---
    void pollingStartsOffAtTwentySeconds()
    {
        PPC_Polling polling;
        auto* box = child<QComboBox>(&polling, "settimeBox");
        QCOMPARE(box->count(), 5);
        QCOMPARE(box->currentText(), QStringLiteral("20"));
        QVERIFY(!box->isEditable());
        QCOMPARE(box->iconSize(), QSize(1, 24));
        QVERIFY(child<QRadioButton>(&polling, "NoPolling")->isChecked());
        QVERIFY(!polling.isPolling());
        QCOMPARE(polling.pollingInterval(), QStringLiteral("20"));
        QCOMPARE(polling.size(), QSize(454, 349));
        QCOMPARE(polling.windowModality(), Qt::WindowModal);
    }

    void okWithPollingOnSendsTheChosenInterval()
    {
        PPC_Polling polling;
        QSignalSpy open(&polling, &PPC_Polling::sig_openPolling);
        QSignalSpy closed(&polling, &PPC_Polling::sig_closePolling);
        polling.show();
        child<QComboBox>(&polling, "settimeBox")->setCurrentText(QStringLiteral("60"));
        click(&polling, "OpenPolling");
        click(&polling, "btnOk");
        QCOMPARE(open.count(), 1);
        QCOMPARE(open.first().first().toString(), QStringLiteral("60"));
        QCOMPARE(closed.count(), 0);
        QVERIFY(polling.isPolling());
        QCOMPARE(polling.pollingInterval(), QStringLiteral("60"));
        QVERIFY(polling.isHidden());

        // Shown again it still says so; OK with Off switches polling off.
        polling.show();
        QVERIFY(child<QRadioButton>(&polling, "OpenPolling")->isChecked());
        QCOMPARE(child<QComboBox>(&polling, "settimeBox")->currentText(), QStringLiteral("60"));
        click(&polling, "NoPolling");
        click(&polling, "btnOk");
        QCOMPARE(closed.count(), 1);
        QCOMPARE(open.count(), 1);
        QVERIFY(!polling.isPolling());
        // The interval stays the last one confirmed with polling on.
        QCOMPARE(polling.pollingInterval(), QStringLiteral("60"));
    }

    void cancelAndCloseRestoreTheConfirmedStateSilently()
    {
        PPC_Polling polling;
        QSignalSpy open(&polling, &PPC_Polling::sig_openPolling);
        QSignalSpy closed(&polling, &PPC_Polling::sig_closePolling);
        for (const char* button : { "btnCancel", "btnClose" }) {
            polling.show();
            child<QComboBox>(&polling, "settimeBox")->setCurrentText(QStringLiteral("120"));
            click(&polling, "OpenPolling");
            click(&polling, button);
            QVERIFY2(polling.isHidden(), button);
            QCOMPARE(child<QComboBox>(&polling, "settimeBox")->currentText(), QStringLiteral("20"));
            QVERIFY(child<QRadioButton>(&polling, "NoPolling")->isChecked());
            QVERIFY(!child<QRadioButton>(&polling, "OpenPolling")->isChecked());
        }
        // Escape closes without confirming too.
        polling.show();
        click(&polling, "OpenPolling");
        QTest::keyClick(&polling, Qt::Key_Escape);
        QVERIFY(polling.isHidden());
        QVERIFY(child<QRadioButton>(&polling, "NoPolling")->isChecked());
        QCOMPARE(open.count(), 0);
        QCOMPARE(closed.count(), 0);
    }

    void pollingStateSetElsewhereIsWhatCancelRestores()
    {
        PPC_Polling polling;
        polling.setPollingState(true);
        QVERIFY(child<QRadioButton>(&polling, "OpenPolling")->isChecked());
        polling.show();
        click(&polling, "NoPolling");
        click(&polling, "btnCancel");
        QVERIFY(child<QRadioButton>(&polling, "OpenPolling")->isChecked());
        polling.setPollingState(false);
        QVERIFY(child<QRadioButton>(&polling, "NoPolling")->isChecked());
        QVERIFY(!polling.isPolling());
    }

    // --- screen layout ---
    void okSendsTheCheckedLayoutAfterAskingToClose()
    {
        for (int type = 0; type < 6; ++type) {
            PPC_ScreenLayout panel;
            QStringList order;
            QList<int> types;
            connect(&panel, &PPC_ScreenLayout::sig_closePopupWgt, &panel, [&] { order << QStringLiteral("close"); });
            connect(&panel, &PPC_ScreenLayout::sig_setScreenLayout, &panel, [&](int t) {
                order << QStringLiteral("layout");
                types << t;
            });
            panel.show();
            click(&panel, kLayoutButtons[type]);
            click(&panel, "YesBtn");
            QCOMPARE(types, QList<int> { type });
            QCOMPARE(order, (QStringList { QStringLiteral("close"), QStringLiteral("layout") }));
            QCOMPARE(panel.screenLayout(), type);
        }
    }

    void okWithNothingCheckedDoesNothing()
    {
        PPC_ScreenLayout panel;
        QSignalSpy layout(&panel, &PPC_ScreenLayout::sig_setScreenLayout);
        QSignalSpy close(&panel, &PPC_ScreenLayout::sig_closePopupWgt);
        panel.show();
        click(&panel, "YesBtn");
        QCOMPARE(layout.count(), 0);
        QCOMPARE(close.count(), 0);
        QVERIFY(panel.isVisible());
        QCOMPARE(panel.screenLayout(), -1);
    }

    void cancelPutsTheChecksBackToTheCurrentLayout()
    {
        PPC_ScreenLayout panel;
        QSignalSpy layout(&panel, &PPC_ScreenLayout::sig_setScreenLayout);
        QSignalSpy close(&panel, &PPC_ScreenLayout::sig_closePopupWgt);
        panel.setScreenLayout(1);
        QCOMPARE(checkedLayoutButton(panel), 1);
        panel.show();
        click(&panel, "BigMounted4X4Btn");
        QCOMPARE(checkedLayoutButton(panel), 4);
        click(&panel, "NoBtn");
        QCOMPARE(checkedLayoutButton(panel), 1);
        QCOMPARE(close.count(), 1);
        QCOMPARE(layout.count(), 0);

        // With no current layout, Cancel clears whatever was clicked.
        PPC_ScreenLayout fresh;
        fresh.show();
        click(&fresh, "BigMountedFiveBtn");
        click(&fresh, "NoBtn");
        QCOMPARE(checkedLayoutButton(fresh), -1);
        // An out-of-range type clears the checks as well.
        panel.setScreenLayout(9);
        QCOMPARE(panel.screenLayout(), -1);
        QCOMPARE(checkedLayoutButton(panel), -1);
    }

    void layoutPanelHasItsFormAndDeletesOnClose()
    {
        QPointer<PPC_ScreenLayout> panel = new PPC_ScreenLayout;
        QCOMPARE(panel->size(), QSize(325, 476));
        QVERIFY(panel->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(panel->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(child<QRadioButton>(panel, "BigMountedFiveBtn")->text(), QStringLiteral("Big_Five"));
        QCOMPARE(child<QPushButton>(panel, "NoBtn")->text(), QStringLiteral("Cancle"));
        QCOMPARE(child<QPushButton>(panel, "YesBtn")->text(), QStringLiteral("Ok"));
        panel->show();
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
