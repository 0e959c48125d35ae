// The invitation windows: the telephone number rules, the record each one sends, the share window's link, QR code and
// clipboard texts, the details card and the one-button confirmation.
#include "business/UI_ControlView.h"
#include "meeting/ConferenceCallWidget.h"
#include "panels/CallPhoneDlg.h"
#include "panels/ComConfirmDlg.h"
#include "panels/ConfShareWidget.h"
#include "panels/InviteChoiceWgt.h"
#include "panels/PPC_Invite.h"
#include "panels/PPC_QuickInvite.h"
#include "panels/ShareConfInfoWgt.h"
#include "support/BusinessFixture.h"
#include "support/QrDecode.h"
#include "support/TestWindows.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace TestWindows;

namespace {

constexpr auto conf = &BusinessFixture::conf;

// The telephone invitations sent, as "key=number,name,extra".
QStringList phoneInvitations()
{
    QStringList sent;
    for (const JournalEntry& entry : BusinessFixture::journal()->entries(QStringLiteral("invitePhoneMembers"))) {
        const LandingCallMemberMap map = entry.args.value(0).value<LandingCallMemberMap>();
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            sent << QStringLiteral("%1=%2,%3,%4").arg(it.key(), it->number, it->name, it->extra);
    }
    return sent;
}

ConferenceBriefInfo brief(const QString& confId)
{
    ConferenceBriefInfo info;
    info.confId = confId;
    info.subject = QStringLiteral("Plan");
    info.hostName = QStringLiteral("Bob");
    info.shareLink = QStringLiteral("https://meet.example.com/appdownload/join.html?confId=") + confId;
    return info;
}

} // namespace

class tst_InvitationPanels : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        qputenv("KP_SCREEN_SCALE", "1");
        BusinessFixture::reset();
        QGuiApplication::clipboard()->clear();
    }
    void cleanup()
    {
        delete ConferenceCallWidget::instance();
        KP_VERIFY_NO_WINDOW_LEFT();
    }

    void callPhoneDialogTakesTenOrElevenDigits()
    {
        CallPhoneDlg dialog;
        dialog.show();
        auto* edit = child<QLineEdit>(&dialog, "lineEdit");
        auto* ok = child<QPushButton>(&dialog, "btn_ok");
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(edit, QStringLiteral("12a34b56789"));
        QCOMPARE(edit->text(), QStringLiteral("123456789")); // letters refused
        QVERIFY(!ok->isEnabled());
        QTest::keyClicks(edit, QStringLiteral("0"));
        QVERIFY(ok->isEnabled());
        QTest::keyClicks(edit, QStringLiteral("12"));
        QCOMPARE(edit->text(), QStringLiteral("12345678901")); // a twelfth digit is refused
        QVERIFY(ok->isEnabled());

        QSignalSpy okClicked(&dialog, &CallPhoneDlg::sig_okClicked);
        ok->click();
        QCOMPARE(okClicked, (QList<QVariantList> { { QStringLiteral("12345678901") } }));
        QVERIFY(!dialog.isVisible());
        dialog.clearNumber();
        QVERIFY(edit->text().isEmpty() && !ok->isEnabled());
    }

    void quickInviteSendsTheTypedNumber()
    {
        PPC_QuickInvite pad;
        pad.show();
        auto* edit = child<QLineEdit>(&pad, "lineEdit_number");
        QCOMPARE(edit->placeholderText(), QStringLiteral("请输入电话号码"));
        for (const char* key : { "btn_number1", "btn_number3", "btn_numberl", "btn_numberr", "btn_number8" })
            QVERIFY(click(&pad, key));
        QCOMPARE(edit->text(), QStringLiteral("138")); // "*" and "#" leave the text as it was
        QVERIFY(click(&pad, "btn_delete"));
        QCOMPARE(edit->text(), QStringLiteral("13"));
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("-010.55x"));
        QCOMPARE(edit->text(), QStringLiteral("-010.55"));
        QVERIFY(click(&pad, "btn_call"));
        QCOMPARE(phoneInvitations(), QStringList { QStringLiteral("-010.55=-010.55,-010.55,") });
        QCOMPARE(pad.invitation().size(), 1);
        QVERIFY(!pad.isVisible());

        // Nothing typed: a tip, no invitation, and the pad closes all the same.
        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        BusinessFixture::journal()->clear();
        pad.show();
        edit->clear();
        QVERIFY(click(&pad, "btn_call"));
        QVERIFY(phoneInvitations().isEmpty());
        QCOMPARE(tips.count(), 1);
        QCOMPARE(tips.at(0).at(0).toString(), QStringLiteral("输入不能为空"));
        QCOMPARE(tips.at(0).at(1).value<PopUpHandleType>(), POPUP_HANDLE_MAIN);
        QVERIFY(!pad.isVisible());
    }

    void inviteChoiceHidesBeforeItAnswers()
    {
        InviteChoiceWgt choice;
        QStringList heard;
        connect(&choice, &InviteChoiceWgt::sig_invite_phone, this,
            [&] { heard << (choice.isVisible() ? QStringLiteral("phone, shown") : QStringLiteral("phone")); });
        connect(&choice, &InviteChoiceWgt::sig_choice_members, this,
            [&] { heard << (choice.isVisible() ? QStringLiteral("members, shown") : QStringLiteral("members")); });
        choice.show();
        QVERIFY(click(&choice, "btn_invite_phone"));
        choice.show();
        QVERIFY(click(&choice, "btn_choice_members"));
        QCOMPARE(heard, BusinessFixture::texts({ "phone", "members" }));
        // Another window became active: the choice goes away.
        choice.show();
        QEvent activation(QEvent::ActivationChange);
        QCoreApplication::sendEvent(&choice, &activation);
        QVERIFY(!choice.isVisible());
    }

    void invitePageWays()
    {
        BusinessFixture::business()->getAddressBookView()->addPerson(BusinessFixture::makePerson(
            QStringLiteral("bob"), QStringLiteral("Bob Li"), QStringLiteral("13900000037")));
        conf()->state().conferenceType = CONFERENCE_TYPE_UNIFIED;
        QPointer<PPC_Invite> page = new PPC_Invite;
        QSignalSpy ways(page.data(), &PPC_Invite::sig_selectInviteWay);
        QSignalSpy closes(page.data(), &PPC_Invite::sig_closePopupWgt);
        QVERIFY(click(page, "YesBtn")); // no way checked: nothing
        QCOMPARE(ways.count() + closes.count(), 0);
        child<QRadioButton>(page, "ConfShareBtn")->setChecked(true);
        QVERIFY(click(page, "YesBtn"));
        QCOMPARE(ways, (QList<QVariantList> { { 2 } }));
        QCOMPARE(closes.count(), 1);

        QSignalSpy picker(conf(), &UnifiedConferenceView::sig_showSelectConfMemberWidget);
        QSignalSpy share(conf(), &UnifiedConferenceView::sig_showConfShareWidget);
        QVERIFY(click(page, "VoipInviteBtn"));
        QCOMPARE(picker.count(), 1);
        QCOMPARE(picker.at(0).at(0).toBool(), false);
        QCOMPARE(picker.at(0).at(1).value<ENUM_CONFERENCE_TYPE>(), CONFERENCE_TYPE_UNIFIED);
        QCOMPARE(picker.at(0).at(2).value<ENUM_CONFERENCE_MEDIA_TYPE>(), CONF_MEDIA_CURRENT);
        QVERIFY(click(page, "ConfShareBtn"));
        QCOMPARE(share.count(), 1);
        QVERIFY(click(page, "CallInviteBtn"));
        QVERIFY(ConferenceCallWidget::instance()->isVisible());
        QCOMPARE(closes.count(), 4);

        // The keypad's number with the directory's name for it, or none.
        emit ConferenceCallWidget::instance()->signal_makeCall(QStringLiteral("13900000037"));
        emit ConferenceCallWidget::instance()->signal_makeCall(QStringLiteral("555"));
        QCOMPARE(phoneInvitations(), BusinessFixture::texts({ "13900000037=13900000037,Bob Li,", "555=555,," }));
        page->close();
        BusinessFixture::flushDeletes();
        QVERIFY(!page);
    }

    void shareWindowShowsTheLinkAndItsQrCode()
    {
        qputenv("KP_HTTP_TYPE", "https");
        qputenv("KP_PBS_DOMAIN", "pbs.example.com");
        qputenv("KP_PBS_PORT", "8443");
        qputenv("KP_TITLE_STYLE", "2");
        QPointer<ConfShareWidget> share = new ConfShareWidget;
        share->setConferenceInfo(brief(QStringLiteral("318204001")));
        share->show();
        const QString link = QStringLiteral("https://pbs.example.com:8443/appdownload/join.html?confId=318204001");
        QCOMPARE(share->link(), link);
        QVERIFY(child(share, "closeMacBtn")->isVisible() && child(share, "closeWinBtn")->isHidden());
        QVERIFY(child(share, "minMacBtn")->isHidden() && child(share, "minWinBtn")->isHidden());
        const QPixmap qr = child<QLabel>(share, "ConfPicLbl")->pixmap(Qt::ReturnByValue);
        QCOMPARE(qr.size(), QSize(200, 200));
        if (QrDecode::available())
            QCOMPARE(QrDecode::decode(qr.toImage()), QStringList { link });

        QVERIFY(click(share, "ConfCopyUrlBtn"));
        QCOMPARE(QGuiApplication::clipboard()->text(), link);
        QVERIFY(click(share, "ConfInfoShareBtn"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
            QStringLiteral("Conf Topic : Plan\nConf Num : 318204001\nPhone Num : \nConf Url : ") + link
                + QLatin1Char('\n'));

        // No conference id: no link, no code, nothing to copy.
        QGuiApplication::clipboard()->clear();
        share->setConferenceInfo(brief(QString()));
        QVERIFY(share->link().isEmpty());
        QVERIFY(child<QLabel>(share, "ConfPicLbl")->pixmap(Qt::ReturnByValue).isNull());
        QVERIFY(click(share, "ConfCopyUrlBtn"));
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());

        QVERIFY(click(share, "closeMacBtn"));
        BusinessFixture::flushDeletes();
        QVERIFY(!share);
        for (const char* name : { "KP_HTTP_TYPE", "KP_PBS_DOMAIN", "KP_PBS_PORT", "KP_TITLE_STYLE" })
            qunsetenv(name);
    }

    void detailsCardGroupsTheNumberAndCopiesRawTexts()
    {
        ShareConfInfoWgt card;
        ConferenceBriefInfo info = brief(QStringLiteral("1234567890"));
        card.setConferenceInfo(info);
        card.show();
        QCOMPARE(child<QLabel>(&card, "label_ID")->text(), QStringLiteral("123 456 789 0"));
        QVERIFY(child<QLabel>(&card, "label_link")->text().endsWith(QChar(0x2026)));

        QSignalSpy tips(UI_ControlView::instance(), &UI_ControlView::sig_showMsgTip);
        QVERIFY(click(&card, "btn_copyID"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1234567890"));
        QVERIFY(click(&card, "btn_copyLink"));
        QCOMPARE(QGuiApplication::clipboard()->text(), info.shareLink);
        QVERIFY(click(&card, "btnCopyInfo"));
        QCOMPARE(QGuiApplication::clipboard()->text(),
            QStringLiteral("Plan\nMembership number:1234567890\nhost:Bob\nMembership link:") + info.shareLink
                + QLatin1Char('\n'));
        QCOMPARE(tips.count(), 3);
        QCOMPARE(tips.at(2).at(0).toString(), QStringLiteral("Copy success"));
        QVERIFY(!card.isVisible());

        // An empty link leaves nothing to copy from its button.
        info.shareLink.clear();
        info.confId.clear();
        card.setConferenceInfo(info);
        QVERIFY(child<QLabel>(&card, "label_ID")->text().isEmpty());
        QVERIFY(!child(&card, "btn_copyLink")->isEnabled() && !child(&card, "btn_copyID")->isEnabled());
    }

    void confirmationDialogSizeAndAnswer()
    {
        ComConfirmDlg dialog(QStringLiteral("Move out of meeting"), QStringLiteral("Removed"), 400, 190);
        QCOMPARE(dialog.size(), QSize(410, 200));
        QSignalSpy masks(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt);
        dialog.open();
        QVERIFY(click(&dialog, "btn_confirm"));
        QCOMPARE(masks.count(), 1);
        QCOMPARE(masks.at(0).at(0).value<PopUpHandleType>(), POPUP_HANDLE_MAIN);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(tst_InvitationPanels)
#include "tst_InvitationPanels.moc"
