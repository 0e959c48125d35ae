// The library as the client gets it: only the three exported classes and the
// business library, no test fixtures. An invitation goes through end to end.

#include "business/KP_BusinessView.h"
#include "call/BottomTipWidget.h"
#include "call/MessageNotice.h"
#include "facade/KP_MediaConfUI.h"

#include <QAbstractButton>
#include <QtTest>

class tst_ShippedLibrary : public QObject
{
    Q_OBJECT

private slots:
    void invitationIsOfferedAndAcceptedThroughTheFacade()
    {
        KP_BusinessView::instance()->resetAll();
        CommandJournal* journal = CommandJournal::instance();
        journal->clear();
        KP_MediaConfUI facade;

        ConferenceBriefInfo info;
        info.confId = QStringLiteral("c-42");
        info.subject = QStringLiteral("Quarterly plan");
        info.hostAccount = QStringLiteral("bob");
        emit KP_BusinessView::instance()->getUnifiedConferenceView()->sig_onInviteNormalConference(
            info, QStringLiteral("bob"));
        BottomTipWidget* tip = BottomTipWidget::instance();
        QVERIFY(tip->isVisible());
        QCOMPARE(tip->getMessageType(), BottomTipWidget::BottomTip_Conference);
        QCOMPARE(tip->variant(256), QStringLiteral("c-42"));

        auto* ok = tip->findChild<QAbstractButton*>(QStringLiteral("okBtn"));
        QVERIFY(ok);
        ok->click();
        const JournalEntry join = journal->last(QStringLiteral("joinConference"));
        QVERIFY(join.isValid());
        QCOMPARE(join.args.value(0).toString(), QStringLiteral("c-42"));
        QVERIFY(!tip->isVisible());

        // The exported error notice works on its own too.
        MessageNotice notice(nullptr);
        notice.SetMessageNotice(QStringLiteral("Busy now.Try again later"));
        QVERIFY(notice.isVisible());
    }
};

QTEST_MAIN(tst_ShippedLibrary)
#include "tst_ShippedLibrary.moc"
