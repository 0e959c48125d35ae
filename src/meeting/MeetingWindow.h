#pragma once

#include "customui/MoveWidget.h"

#include <QPointer>
#include <QString>

class CloseMediaWidgetTip;
class QPushButton;
class QTimer;

// What the voice and the video meeting windows share: the master flag read
// at construction, the running meeting clock, the user's own microphone
// switch, the one leave-or-dismiss confirmation, and a window that neither
// Escape nor the window system closes behind the meeting's back.
class MeetingWindow : public MoveWidget
{
    Q_OBJECT

public:
    ~MeetingWindow() override;

    bool isMaster() const { return m_isMaster; }
    bool isSelfMuted() const { return m_selfMuted; }
    QTimer* clockTimer() const { return m_clockTimer; }
    // The confirmation on screen, null when none is.
    CloseMediaWidgetTip* closeTip() const;

public slots:
    void slot_exitMeeting();
    void slot_dismissMeeting();
    void slot_btn_min_clicked();
    void slot_setSpeakerStatus() { }
    void slot_recordMeeting() { }
    void slot_stopRecordMeeting() { }
    void slot_showRecordMeetingTime() { }

protected:
    // exitType and dismissType: the CloseMediaWidgetTip types of this meeting.
    MeetingWindow(QWidget* parent, int exitType, int dismissType);

    // The meeting's time so far, "hh:mm:ss".
    QString elapsedText() const;
    // Asks to leave or dismiss (a CloseMediaWidgetTip type); a question
    // already on screen is asked again rather than doubled.
    void askToClose(int type);
    // Mutes or opens the user's own microphone, the button showing the new
    // state as the window draws it.
    void toggleSelfMute(QPushButton* button, bool videoWindow);
    // The window system's close button stands for the window's own.
    virtual void askToLeave() = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    const int m_exitType;
    const int m_dismissType;
    bool m_isMaster = false;
    bool m_selfMuted = false;
    qint64 m_startTime = 0;
    QTimer* m_clockTimer = nullptr;
    QPointer<CloseMediaWidgetTip> m_closeTip;
};
