#pragma once

#include "business/VidyoView.h"
#include "customui/MoveWidget.h"

#include <QPointer>
#include <QRect>

#include <memory>

class AttendeesWidget;
class KpMsgBox;
class PasswordKeypad;
class QTimer;
class VidyoBottomOneWidget;

namespace Ui {
class VidyoWidget;
}

// The window of a meeting or call held through the Vidyo SDK: a blue title bar
// with the talk time, the attendee list, the area the SDK renders into and a
// bottom bar of six toggles. It tells the business library the rendering
// rectangle whenever it changes, and hangs up when it closes; the facade
// deletes it once it emits signal_CloseVidyoWidget().
class VidyoWidget : public MoveWidget
{
    Q_OBJECT
public:
    // The layouts are the ones the business library starts the SDK with.
    using VidyoWidgetType = VidyoView::VidyoViewStartVidyoType;

    explicit VidyoWidget(QWidget* parent = nullptr);
    ~VidyoWidget() override;

    // Hides the attendee list and puts the camera, sharing, microphone and
    // speaker toggles back to their first state.
    void resetPanels();
    void setType(const VidyoWidgetType& type);
    VidyoWidgetType type() const { return m_type; }
    // The rendering rectangle for the SDK, computed afresh and remembered.
    QRect getVidyoRect();
    // Closes the window VidyoPolicy::kCloseDelayMs from now.
    void startCloseTimer();

    bool isConnected() const { return m_connected; }
    bool isSharingMine() const { return m_sharingMine; }
    AttendeesWidget* attendees() const;
    // The keypad once it was asked for.
    PasswordKeypad* keypad() const;

signals:
    void signal_CloseVidyoWidget();

public slots:
    void slot_onClose();
    void slot_onCloseMesBox(int type);
    void slot_onMax();
    void slot_onMaxed();
    void slot_onMin();
    void slot_onShareScreen(bool state);
    void slot_onMicrophone(bool state);
    void slot_onSpeaker(bool state);
    void slot_onWhiteBoard(bool state);
    void slot_onSetMuteAudioIn(bool state);
    void slot_onStopShareScreen();
    void slot_onStartShareScreen();
    void slot_onSetMuteAudioOut(bool state);
    void slot_onStartConnectTime();
    void slot_onStartTimerOut();
    void slot_onBtnClosePasswordKeyTimeout();
    void slot_onKeypad(bool state);
    void slot_onCamer(bool state);
    void slot_onSetCamera(bool state);
    void slot_onShowPasswordPad(bool state);
    void slot_ClosePasswordKeypadWnd();
    void slot_BtnClosePasswordKeypadWnd();
    void slot_onMultimediaMessageAccept(int type);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Escape asks before hanging up, like the close button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void initConnect();
    // Tells the SDK the rectangle when it is not the one it has.
    void reportRectIfChanged();
    // Hangs up once, however the window ends.
    void hangUp(const QString& duration);
    void closeMicrophoneAfterKeypad();

    std::unique_ptr<Ui::VidyoWidget> ui;
    QRect m_videoRect;
    QPointer<KpMsgBox> m_closeBox;
    VidyoWidgetType m_type = VidyoView::StartVidyo_Call;
    qint64 m_startTime = 0;
    QTimer* m_talkTimer = nullptr;
    QTimer* m_closeTimer = nullptr;
    QTimer* m_keypadTimer = nullptr;
    bool m_sharingMine = false;
    bool m_connected = false;
    bool m_hungUp = false;
    bool m_whiteBoardAllowed = false;
    QPointer<PasswordKeypad> m_keypad;
    QPointer<KpMsgBox> m_shareBox;
};
