#pragma once

#include "business/BusinessEnums.h"
#include "business/BusinessViewBase.h"

// The global media-busy status: which activity holds the camera and microphone.
class KP_BUSINESS_EXPORT MultimediaMgrView : public BusinessViewBase
{
    Q_OBJECT
public:
    struct State
    {
        MultimediaStatusEnum status = MULTIMEDIA_FREE;
    };

    explicit MultimediaMgrView(QObject* parent = nullptr);

    State& state() { return m_state; }
    const State& state() const { return m_state; }
    void resetState() override;

    // --- commands ---
    void resetStatus(); // back to MULTIMEDIA_FREE

    // --- queries ---
    MultimediaStatusEnum getMultimediaStatus() const;

private:
    State m_state;
};
