#pragma once

#include "business/CallRecords.h"
#include "customui/MoveWidget.h"

#include <QList>
#include <QString>
#include <memory>

namespace Ui {
class MoreMenuChild;
}

// The device dialog: an audio page (microphone, speaker) and a video page
// (camera). It lists what VoipView reports and applies the choice through it.
// Not deleted on close: owners keep it (or a QPointer to it) and show it again.
class MoreMenuChild : public MoveWidget
{
    Q_OBJECT

public:
    enum Mode {
        Mode_AllDevices = 0, // conference and video call: cameras are asked for too
        Mode_AudioOnly = 2, // voice call: no camera query
    };
    enum Page {
        Page_Audio = 0,
        Page_Video = 1,
    };

    MoreMenuChild(QWidget* parent, int mode);
    ~MoreMenuChild() override;

    int mode() const { return m_mode; }

    // 0 the audio page, 1 the video page, each with its title.
    void showPage(int page);
    int currentPage() const;

    QString chosenMicrophone() const { return m_chosenMicrophone; }
    QString chosenSpeaker() const { return m_chosenSpeaker; }

    // Applies the chosen speaker and microphone, then closes.
    void on_btn_save_2_clicked();
    // Applies the camera of the current entry, then closes.
    void btn_save_clicked();

public slots:
    void slot_btnVoiceClick();
    void slot_btnVideoClick();
    void slot_onGetCameraInfo(QList<Agent_CameraInfo> cameraInfo);
    void slot_onGetMicroPhoneInfo(QList<Agent_MicroPhoneInfo> microPhoneInfo);
    void slot_onGetSpeakerInfo(QList<Agent_SpeakerInfo> speakerInfo);

private slots:
    void on_btn_close_clicked();

private:
    void initWidget();
    void initConnect();
    void slot_onSave();

    std::unique_ptr<Ui::MoreMenuChild> ui;
    int m_mode = Mode_AllDevices;
    QList<Agent_MicroPhoneInfo> m_microphones;
    QList<Agent_SpeakerInfo> m_speakers;
    QString m_chosenMicrophone;
    QString m_chosenSpeaker;
};
