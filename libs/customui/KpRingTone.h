#pragma once

#include "customui/kp_customui_global.h"

#include <QSound>

// The QSound a window rings with (the incoming call, the ring-back, invitations).
// Use it wherever a QSound would be created: it behaves as one, but closing it never
// waits on Qt's sample loader, and a program still ringing exits cleanly. A file that
// does not exist gives a silent tone without a file name.
class KP_CUSTOMUI_EXPORT KpRingTone : public QSound
{
    Q_OBJECT

public:
    explicit KpRingTone(const QString& fileName, QObject* parent = nullptr);
    ~KpRingTone() override;
};
