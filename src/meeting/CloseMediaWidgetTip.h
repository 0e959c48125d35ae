#pragma once

#include "customui/MoveWidget.h"

#include <memory>

namespace Ui {
class CloseMediaWidgetTip;
}

// The confirmation before leaving or dismissing a voice or video meeting or
// ending a one-to-one call. Create it without parent, setType(), show it.
// It deletes itself when it closes (confirmed or not): keep it in a QPointer.
class CloseMediaWidgetTip : public MoveWidget
{
    Q_OBJECT

public:
    // The types; their texts and confirmed actions are in MeetingTipPolicy.
    enum CloseType {
        ExitVoiceMeeting = 0,
        DismissVoiceMeeting = 1,
        ExitVideoMeeting = 2,
        DismissVideoMeeting = 3,
        ExitVoiceCall = 4,
        ExitVideoCall = 5,
    };

    explicit CloseMediaWidgetTip(QWidget* parent = nullptr);
    ~CloseMediaWidgetTip() override;

    // Stores the type and shows its question; an unknown type leaves the text empty.
    void setType(int type);
    int type() const { return m_type; }

public slots:
    // Performs the confirmed action of the type, then closes (and so deletes) the tip.
    void slot_closeMediaWidget();

private:
    std::unique_ptr<Ui::CloseMediaWidgetTip> ui;
    int m_type = -1;
};
