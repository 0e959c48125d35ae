// Vidyo answers of the simulator.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"

namespace {
constexpr int connectDelayMs = 1500;
constexpr int calleeDelayMs = 2000;
constexpr int sdkDelayMs = 50;

VidyoView* vidyoView()
{
    return KP_BusinessView::instance()->getVidyoView();
}
} // namespace

void BusinessSimulator::registerVidyoHandlers()
{
    const QString view = QStringLiteral("VidyoView");
    on(view, QStringLiteral("AcceptVidyo"), [this](const QVariantList& a) {
        const VidyoJsonTransferData data = a.value(0).value<VidyoJsonTransferData>();
        after(connectDelayMs, [this, data] {
            auto* business = KP_BusinessView::instance();
            VidyoView* vidyo = business->getVidyoView();
            auto& invited = vidyo->state().invitedPersons;
            invited.clear();
            for (const QString& account : { business->getUserInfoView()->state().account, data.fromAccount }) {
                if (account.isEmpty())
                    continue;
                auto person = business->getAddressBookView()->person(account);
                invited.insert(account, person ? person : QSharedPointer<AddressBookPerson>::create(account, account));
            }
            vidyoConnected();
            handled(QStringLiteral("AcceptVidyo"));
        });
    });
    on(view, QStringLiteral("RejectVidyo"),
        [this](const QVariantList&) { after(0, [this] { handled(QStringLiteral("RejectVidyo")); }); });
    // The window of an outgoing call handed over its player: the callee answers.
    on(view, QStringLiteral("setPlayerWidget"), [this](const QVariantList&) {
        if (m_pendingVidyoCallee.isEmpty())
            return;
        const QString callee = m_pendingVidyoCallee;
        m_pendingVidyoCallee.clear();
        const VidyoCallOutcome outcome = m_vidyoOutcome;
        after(calleeDelayMs, [this, callee, outcome] {
            auto* business = KP_BusinessView::instance();
            VidyoView* vidyo = business->getVidyoView();
            VidyoJsonTransferData data;
            data.callKind = QStringLiteral("0");
            data.fromAccount = callee;
            data.fromName = displayName(callee);
            data.toAccount = business->getUserInfoView()->state().account;
            switch (outcome) {
            case VidyoAnswered: {
                auto person = business->getAddressBookView()->person(callee);
                vidyo->state().invitedPersons.insert(
                    callee, person ? person : QSharedPointer<AddressBookPerson>::create(callee, callee));
                vidyoConnected();
                break;
            }
            case VidyoRefused:
                vidyo->state().vidyoingState = VidyoView::Vidyoing_Idle;
                emit vidyo->signal_OtherRefuse(data);
                break;
            case VidyoBusy:
                vidyo->state().vidyoingState = VidyoView::Vidyoing_Idle;
                emit vidyo->signal_OtherBusy(business->getAddressBookView()->person(callee));
                break;
            case VidyoNoAnswer:
                vidyo->state().vidyoingState = VidyoView::Vidyoing_Idle;
                emit vidyo->signal_InviteOverTime(2);
                break;
            }
            handled(QStringLiteral("placeVidyoCall"));
        });
    });
    // The SDK confirms media changes with the state asked for.
    on(view, QStringLiteral("SetCamera"), [this](const QVariantList& a) {
        const bool on = a.value(0).toBool();
        after(sdkDelayMs, [on] { emit vidyoView()->signal_onSetCamera(on); });
    });
    on(view, QStringLiteral("SetMuteAudioIn"), [this](const QVariantList& a) {
        const bool mute = a.value(0).toBool();
        after(sdkDelayMs, [mute] { emit vidyoView()->signal_onSetMuteAudioIn(mute); });
    });
    on(view, QStringLiteral("SetMuteAudioOut"), [this](const QVariantList& a) {
        const bool mute = a.value(0).toBool();
        after(sdkDelayMs, [mute] { emit vidyoView()->signal_onSetMuteAudioOut(mute); });
    });
    on(view, QStringLiteral("StartShareScreen"), [this](const QVariantList&) {
        after(sdkDelayMs, [] {
            vidyoView()->state().sharing = true;
            emit vidyoView()->signal_onStartShareScreen();
        });
    });
    on(view, QStringLiteral("StopShareScreen"), [this](const QVariantList&) {
        after(sdkDelayMs, [] {
            vidyoView()->state().sharing = false;
            emit vidyoView()->signal_onStopShareScreen();
        });
    });
}
