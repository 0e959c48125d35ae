// The Vidyo meeting of the simulator: attendees joining, leaving and muting,
// the far end ending it, another participant's share, the password prompt of
// a dial-in, and the SDK's picture at the rectangle the meeting window reported.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "business/sim/TestCardRenderer.h"
#include "util/KPLog.h"

namespace {
constexpr int kConnectDelayMs = 1500;
constexpr int kServerDelayMs = 300;
constexpr int kSdkDelayMs = 50;
// Somebody the user invited from the meeting arrives after this.
constexpr int kInviteeDelayMs = 2000;
const QString kPlayerSlot = QStringLiteral("vidyo.player");

KP_BusinessView* business()
{
    return KP_BusinessView::instance();
}

VidyoView* vidyoView()
{
    return business()->getVidyoView();
}

QRect rectArg(const QVariantList& a, int i)
{
    return a.value(i).toRect();
}

QString rectText(const QRect& r)
{
    return QStringLiteral("%1x%2 at (%3,%4)").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y());
}
} // namespace

QSharedPointer<AddressBookPerson> BusinessSimulator::attendee(const QString& account) const
{
    const auto person = business()->getAddressBookView()->person(account);
    return person ? person : QSharedPointer<AddressBookPerson>::create(account, account);
}

void BusinessSimulator::vidyoConnected()
{
    VidyoView* vidyo = vidyoView();
    vidyo->state().vidyoingState = VidyoView::Vidyoing_InSession;
    emit vidyo->signal_RoomPersonCountChanged();
    emit vidyo->signal_Connecting();
    // The SDK reports the microphone it joined with, so the toggle starts right.
    emit vidyo->signal_onSetMuteAudioIn(vidyo->state().microphoneMuted);
}

void BusinessSimulator::pushAttendeeJoin(const QString& account)
{
    if (account.isEmpty())
        return;
    vidyoView()->state().invitedPersons.insert(account, attendee(account));
    emit vidyoView()->signal_RoomPersonCountChanged();
}

bool BusinessSimulator::pushAttendeeLeave(const QString& account)
{
    if (!vidyoView()->state().invitedPersons.remove(account))
        return false;
    emit vidyoView()->signal_RoomPersonCountChanged();
    return true;
}

bool BusinessSimulator::pushAttendeeMuted(const QString& account, bool muted)
{
    if (!vidyoView()->state().invitedPersons.contains(account))
        return false;
    emit vidyoView()->signal_setMemberSilenced(account, muted);
    return true;
}

void BusinessSimulator::pushVidyoHangUp(const QString& account)
{
    VidyoJsonTransferData data;
    data.callKind = QStringLiteral("0");
    data.fromAccount = account;
    data.fromName = displayName(account);
    data.toAccount = business()->getUserInfoView()->state().account;
    vidyoView()->state().vidyoingState = VidyoView::Vidyoing_Idle;
    emit vidyoView()->signal_OtherHangUp(data);
}

void BusinessSimulator::pushVidyoMeetingEnded()
{
    vidyoView()->state().vidyoingState = VidyoView::Vidyoing_Idle;
    emit vidyoView()->signal_CompereStopVidyo();
}

void BusinessSimulator::pushRemoteShare(bool on)
{
    if (on)
        emit vidyoView()->signal_onStartShareScreen();
    else
        emit vidyoView()->signal_onStopShareScreen();
}

void BusinessSimulator::pushPasswordPrompt(const QString& password)
{
    m_vidyoPassword = password;
    VidyoView* vidyo = vidyoView();
    vidyo->state().dialedPassword.clear();
    vidyo->state().invitedPersons.clear();
    const QString self = business()->getUserInfoView()->state().account;
    if (!self.isEmpty())
        vidyo->state().invitedPersons.insert(self, attendee(self));
    emit vidyo->signal_getPlayerWidget(VidyoView::StartVidyo_DialIn);
    after(kConnectDelayMs, [this] {
        vidyoConnected();
        handled(QStringLiteral("pushPasswordPrompt"));
    });
}

void BusinessSimulator::registerVidyoMeetingHandlers()
{
    const QString view = QStringLiteral("VidyoView");
    on(view, QStringLiteral("removeOutMeeting"), [this](const QVariantList&) {
        // The view dropped the person already; the room tells everybody.
        after(kServerDelayMs, [this] {
            emit vidyoView()->signal_RoomPersonCountChanged();
            handled(QStringLiteral("removeOutMeeting"));
        });
    });
    on(view, QStringLiteral("showInvitePersonWidget"), [this](const QVariantList&) {
        // The user picks the first colleague not in the meeting yet, who joins a moment later.
        const auto& invited = vidyoView()->state().invitedPersons;
        QString account;
        for (const auto& person : business()->getAddressBookView()->persons()) {
            if (!invited.contains(person->account())) {
                account = person->account();
                break;
            }
        }
        if (account.isEmpty())
            return;
        after(kInviteeDelayMs, [this, account] {
            pushAttendeeJoin(account);
            handled(QStringLiteral("showInvitePersonWidget"));
        });
    });
    on(view, QStringLiteral("dialPassword"), [this](const QVariantList& a) {
        const QString key = a.value(0).toString();
        bool accepted = true;
        if (key == QLatin1String("#")) {
            QString& dialed = vidyoView()->state().dialedPassword;
            accepted = m_vidyoPassword.isEmpty() || dialed == m_vidyoPassword + key;
            dialed.clear();
        }
        after(kSdkDelayMs, [this, accepted] {
            emit vidyoView()->signal_isDialPassword(accepted);
            handled(QStringLiteral("dialPassword"));
        });
    });
    on(view, QStringLiteral("startWhiteBoard"), [this](const QVariantList&) {
        after(kServerDelayMs, [this] {
            business()->getWhiteBoardView()->state().inMeeting = true;
            handled(QStringLiteral("startWhiteBoard"));
        });
    });
    on(view, QStringLiteral("CloseVidyo"), [this](const QVariantList&) {
        m_vidyoPassword.clear();
        vidyoView()->state().invitedPersons.clear();
        vidyoView()->state().dialedPassword.clear();
    });

    // The SDK draws into the window handed over, at the rectangle it was told.
    const auto cardTitle = [this] {
        const QString self = business()->getUserInfoView()->state().account;
        QStringList others;
        for (const auto& person : vidyoView()->state().invitedPersons) {
            if (person && person->account() != self)
                others << (person->displayName().isEmpty() ? person->account() : person->displayName());
        }
        return others.isEmpty() ? QStringLiteral("Vidyo") : others.join(QStringLiteral(", "));
    };
    onRender(view, QStringLiteral("setPlayerWidget"), [this, cardTitle](const QVariantList& a) {
        const quintptr handle = a.value(0).value<quintptr>();
        const QRect area = rectArg(a, 1);
        const QString title = cardTitle();
        render([this, handle, area, title] {
            m_renderer->show(kPlayerSlot, handle, title, QStringLiteral("Vidyo ") + rectText(area), area);
        });
    });
    onRender(view, QStringLiteral("SetRect"), [this](const QVariantList& a) {
        const QRect area = rectArg(a, 0);
        render([this, area] {
            if (TestCard* card = m_renderer->card(kPlayerSlot)) {
                card->setArea(area);
                card->setTexts(card->title(), QStringLiteral("Vidyo ") + rectText(area));
            }
        });
    });
    // The picture names whoever is in the room with the user.
    connect(vidyoView(), &VidyoView::signal_RoomPersonCountChanged, this, [this, cardTitle] {
        render([this, cardTitle] {
            if (TestCard* card = m_renderer->card(kPlayerSlot))
                card->setTexts(cardTitle(), card->subtitle());
        });
    });
    onRender(view, QStringLiteral("CloseVidyo"),
        [this](const QVariantList&) { render([this] { m_renderer->remove(kPlayerSlot); }); });
}
