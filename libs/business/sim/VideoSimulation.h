#pragma once

#include "business/ConferenceRecords.h"

#include <QList>
#include <QObject>
#include <QPair>
#include <QTimer>

// Plays what the media server reports about the video of a running unified
// conference: who is speaking, who reconnects, microphone, camera and name
// changes, desktop sharing, the main venue and system messages. Each push
// first updates UnifiedConferenceView's roster and state, then emits the
// view's signal, as the real library does. Members are named by account and
// device type; a push about a member the roster does not hold does nothing
// and returns false.
//
// The pictures themselves come from the simulator's renderer (test cards in
// the windows handed over with requestStartMemberVideo and friends).
class VideoSimulation : public QObject
{
    Q_OBJECT
public:
    using MemberRef = QPair<QString, ENUM_CONFMEMBER_DEVICETYPE>;

    explicit VideoSimulation(QObject* parent = nullptr);

    // The speaker report: these members speak now (an empty list: silence).
    void pushSpeakers(const QList<MemberRef>& speakers, int volume = 60);
    // The member's media dropped and comes back.
    bool pushReconnect(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    bool pushMicrophone(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool open);
    bool pushCamera(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool open);
    bool pushRename(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, const QString& name);
    // Somebody starts or stops sharing the desktop.
    bool pushShareBegin(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType);
    void pushShareEnd();
    // The host makes the member the main venue (on) or takes it back (off).
    bool pushMainVenue(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool on);
    void pushSystemMessage(const QString& text, bool atOnce);

    // Every interval a new speaker report names the next `count` members of
    // the roster whose microphone is open (round robin), so that the speaking
    // icons move around the tiles.
    void startSpeakerRotation(int intervalMs, int count = 1);
    void stopSpeakerRotation();
    bool isRotatingSpeakers() const { return m_rotation.isActive(); }
    QTimer* speakerRotationTimer() { return &m_rotation; }

signals:
    // After each push, with the signal's name ("sig_onConferenceParticipant", ...).
    void sig_pushed(const QString& signal);

private:
    void rotateSpeakers();

    QTimer m_rotation;
    int m_rotationCount = 1;
    int m_rotationIndex = 0;
};
