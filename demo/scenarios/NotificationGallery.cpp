// The invitation notification, the error notice and the shared widgets they use.

#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "call/BottomTipWidget.h"
#include "call/MessageNotice.h"
#include "customui/ExtendDurationWidget.h"
#include "customui/GroupConfMsgBox.h"
#include "customui/KpMsgBox.h"
#include "customui/MessageTipWidget.h"
#include "customui/SectionStaffWindow.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"

#include <QCoreApplication>
#include <QDateTime>

namespace {

// The samples read as the facade would write them, in the language loaded.
QString t(const char* text)
{
    return QCoreApplication::translate("KP_MediaConfUI", text);
}

QWidget* showTip(const QString& title, BottomTipWidget::BottomTipType type, const QString& text)
{
    BottomTipWidget* tip = BottomTipWidget::instance();
    tip->setMessageTitle(title);
    tip->setMessageType(type);
    tip->setMessageText(text);
    tip->setBtnText(t("Accept"), t("No"));
    tip->BottomTipShow();
    return tip;
}

KpMsgBox* showBox(const QString& text, int type, int buttons)
{
    auto* box = new KpMsgBox(nullptr);
    box->setMessageText(text);
    box->setMessageType(type);
    box->setStandardButtons(KpMsgBox::KpButtons(buttons));
    box->show();
    return box;
}

} // namespace

void registerNotificationGallery(DemoRegistry& registry)
{
    registry.addGalleryItem({ QStringLiteral("bottom-tip-conference"),
        [](DemoContext& c) -> QWidget* {
            BottomTipWidget* tip = BottomTipWidget::instance();
            const ConferenceBriefInfo info
                = c.sim().makeConferenceBrief(QStringLiteral("bob.li"), QStringLiteral("Quarterly planning"));
            tip->setMessageTitle(QStringLiteral("Bob Li") + t("You are invited to the integrated meeting"));
            tip->setMessageType(BottomTipWidget::BottomTip_Conference);
            tip->setConferenceInfo(info);
            tip->setBtnText(t("Accept"), t("No"));
            tip->BottomTipShow();
            return tip;
        },
        true });
    registry.addGalleryItem({ QStringLiteral("bottom-tip-vidyo-call"),
        [](DemoContext&) {
            return showTip(t("Video invitation"), BottomTipWidget::BottomTip_VidyoCall,
                QStringLiteral("Emma Chen") + t("You receive a video invitation!"));
        },
        true });
    registry.addGalleryItem({ QStringLiteral("bottom-tip-voice-meeting"),
        [](DemoContext&) {
            return showTip(t("A Voice meeting invitation"), BottomTipWidget::BottomTip_VoiceMeeting,
                QStringLiteral("Bob Li") + t(" Invite you to an audio conference"));
        },
        true });
    registry.addGalleryItem({ QStringLiteral("bottom-tip-other-device"),
        [](DemoContext&) -> QWidget* {
            QWidget* tip = showTip(
                t("Video invitation"), BottomTipWidget::BottomTip_OtherDeviceAnswered, t("Answered by other device!"));
            BottomTipWidget::instance()->setBtnText(t("OK"), t("Cancle"));
            return tip;
        },
        true });
    registry.addGalleryItem({ QStringLiteral("message-notice"), [](DemoContext&) -> QWidget* {
                                 auto* notice = new MessageNotice(nullptr);
                                 notice->SetMessageNotice(t("Busy now.Try again later"));
                                 return notice;
                             } });
    registry.addGalleryItem({ QStringLiteral("message-box-vidyo"), [](DemoContext&) -> QWidget* {
                                 return showBox(QStringLiteral("Emma Chen") + t("Your invitation rejected!"), 0, 4);
                             } });
    registry.addGalleryItem({ QStringLiteral("message-box-remove-confirm"),
        [](DemoContext&) -> QWidget* { return showBox(t("Sure to delete") + QStringLiteral("Emma Chen!"), 10, 3); } });
    registry.addGalleryItem({ QStringLiteral("message-box-media-busy"), [](DemoContext&) -> QWidget* {
                                 auto* box = new KpMsgBox(nullptr);
                                 box->setMultimediaTip(MULTIMEDIA_VOICE_CALL);
                                 box->show();
                                 return box;
                             } });
    registry.addGalleryItem(
        { QStringLiteral("group-invitation-box"), [](DemoContext& c) -> QWidget* {
             const ConferenceBriefInfo info
                 = c.sim().pushGroupConferenceInvitation(QStringLiteral("group-gallery"), QStringLiteral("bob.li"));
             // The push opened the facade's box; show a second one on its own.
             auto* box = new GroupConfMsgBox(nullptr);
             box->setConferenceInfo(info.confId, info.extension);
             box->setInviteMessage(QStringLiteral("Bob Li") + t("You are invited to the integrated meeting"));
             box->show();
             return box;
         } });
    registry.addGalleryItem({ QStringLiteral("reservation-reminder"), [](DemoContext&) -> QWidget* {
                                 auto* reminder = new MessageTipWidget(nullptr);
                                 reminder->setMessageType(1);
                                 reminder->setConfInfo(QStringLiteral("88001"), QStringLiteral("Design review"),
                                     QDateTime::currentSecsSinceEpoch() + 600);
                                 reminder->bottomTipShow();
                                 return reminder;
                             } });
    registry.addGalleryItem({ QStringLiteral("member-picker"), [](DemoContext&) -> QWidget* {
                                 auto* picker = new SectionStaffWindow(10, nullptr);
                                 const QStringList fixed = { QStringLiteral("wang.lei"), QStringLiteral("bob.li") };
                                 picker->setDefaultStaff(fixed);
                                 picker->show();
                                 return picker;
                             } });
    registry.addGalleryItem({ QStringLiteral("extend-duration"), [](DemoContext&) -> QWidget* {
                                 auto* extend = new ExtendDurationWidget(nullptr);
                                 extend->setTimerStatart();
                                 extend->show();
                                 return extend;
                             } });
}
