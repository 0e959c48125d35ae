#pragma once

#include "business/ConferenceRecords.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>

class ConfSmartBaseVideoPlayWgt;

// State of a tile and its three reactions to the business view.
class ConfSmartBaseVideoPlayWgtPrivate : public QObject
{
    Q_OBJECT

public:
    explicit ConfSmartBaseVideoPlayWgtPrivate(ConfSmartBaseVideoPlayWgt* tile);

    ConfSmartBaseVideoPlayWgt* q;
    ConferenceMemberInfo member;
    bool isShare = false;
    bool headFill = false;
    bool videoOn = true;
    QPixmap avatar;
    int avatarSide = -1; // side length the avatar was drawn for
    QString headPath;
    QString cachedName;
    QString cachedAccount;

    bool isBoundTo(const QString& account, int deviceType) const;

private:
    friend class ConfSmartBaseVideoPlayWgt; // connects the slots

private slots:
    void slot_updateMemberInfo(ConferenceMemberInfo info, int action);
    void slot_reconnect(ConferenceMemberInfo info);
    void slot_onConferenceParticipant(QString confId, QList<Agent_ConferenceParticipantMemberInfo> participants);
};
