#pragma once

#include "customui/kp_customui_global.h"

#include <QSound>

// The QSound a window rings with (the incoming call, the ring-back, invitations).
// Use it wherever a QSound would be created: it behaves as one, and it lets a
// program that is still ringing, or has only just stopped, exit cleanly.
class KP_CUSTOMUI_EXPORT KpRingTone : public QSound
{
    Q_OBJECT

public:
    explicit KpRingTone(const QString& fileName, QObject* parent = nullptr);
    ~KpRingTone() override;
};
