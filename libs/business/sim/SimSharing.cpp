// Sharing as the simulator plays it: the share sources the media engine
// reports (two screens and several windows, some of them ones the chooser
// never offers), the whiteboard right, the whiteboard room a conference opens,
// and telephone numbers of the sample directory for the invitation windows.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "util/KPLog.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int whiteboardAnswerMs = 300;

KP_BusinessView* business()
{
    return KP_BusinessView::instance();
}

Agent_ECShareDeviceInfo shareWindow(qint64 id, const QString& title)
{
    Agent_ECShareDeviceInfo device;
    device.windowId = id;
    device.setTitle(title);
    return device;
}

} // namespace

void BusinessSimulator::populateShareSources()
{
    VoipView::State& s = business()->getVoipView()->state();
    s.screens = { 0, 1 };
    // The mail client and the conference's own window come first; the chooser passes them by.
    s.shareWindows
        = { shareWindow(0x2a00010, QStringLiteral("Foxmail")), shareWindow(0x2a00011, QStringLiteral("Conference")),
              shareWindow(0x2a00001, QStringLiteral("Quarterly report - Editor")),
              shareWindow(0x2a00002, QStringLiteral("Project plan - Browser")),
              shareWindow(0x2a00012, QStringLiteral("meeting")) };
}

void BusinessSimulator::setWhiteboardEntitled(bool entitled)
{
    QSet<int>& rights = business()->getUserInfoView()->state().authorities;
    if (entitled)
        rights.insert(USER_AUTHORITY_WHITEBOARD);
    else
        rights.remove(USER_AUTHORITY_WHITEBOARD);
}

QString BusinessSimulator::directoryPhoneNumber(int index) const
{
    const auto persons = business()->getAddressBookView()->persons();
    if (index < 0 || index >= persons.size())
        return QString();
    return persons.at(index)->phoneNumber();
}

void BusinessSimulator::registerSharingHandlers()
{
    // A whiteboard room of the conference: the user is in it and the conference shows it open.
    on(QStringLiteral("WhiteBoardView"), QStringLiteral("wb_createRoomAndInvite"), [this](const QVariantList& a) {
        const QString confId = a.value(2).toString();
        after(whiteboardAnswerMs, [this, confId] {
            const QString roomId = QStringLiteral("wb-%1").arg(m_nextId++);
            WhiteBoardView::State& board = business()->getWhiteBoardView()->state();
            board.inMeeting = true;
            board.roomId = roomId;
            UnifiedConferenceView* conf = business()->getUnifiedConferenceView();
            const QString host = business()->getUserInfoView()->state().account;
            conf->state().confInfo.whiteboardInfo = QString::fromUtf8(
                QJsonDocument(QJsonObject { { QStringLiteral("roomId"), roomId } }).toJson(QJsonDocument::Compact));
            g_Log.LogInfo(QStringLiteral("BusinessSimulator whiteboard %1 of conference %2").arg(roomId, confId));
            emit conf->sig_startConferenceWhiteborad(roomId, QString(), host, confId);
            handled(QStringLiteral("wb_createRoomAndInvite"));
        });
    });
}
