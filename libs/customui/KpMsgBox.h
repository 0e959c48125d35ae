#pragma once

#include "customui/kp_customui_global.h"

#include "business/BusinessEnums.h"
#include "customui/MoveWidget.h"

#include <QMap>
#include <QVariant>

#include <memory>

class QTimer;

namespace Ui {
class KpMsgBox;
}

// The library's message box: a title, an icon, a text and up to two
// buttons. Showing it is not modal; the answer comes back as signals, in two
// forms: the message type alone (signal_Accept(int)) and the info text with
// the user data (signal_Accept(QString, QMap)). Closing the box any other way
// (the title bar's close button, Escape, the auto-close timer, close()) is a
// rejection. The box only hides after an answer, so it can be reused.
class KP_CUSTOMUI_EXPORT KpMsgBox : public MoveWidget
{
    Q_OBJECT
public:
    // Button sets. Confirm | Cancel (3) asks a question; Ok (4) acknowledges
    // a notice with a single "OK" button and hides the other two, so
    // Confirm | Ok (5) is a notice as well.
    enum KpButton {
        NoButton = 0x0,
        Confirm = 0x1,
        Cancel = 0x2,
        Ok = 0x4,
    };
    Q_DECLARE_FLAGS(KpButtons, KpButton)
    Q_FLAG(KpButtons)

    // Message types with a meaning of their own; any other value is the
    // caller's tag, returned by the answer signals and shown as a question.
    enum MessageType {
        Msg_Info = 0,
        Msg_Warning = 1,
        Msg_Error = 2,
        Msg_Question = 3,
        Msg_Success = 4,
    };

    // Icons of setLabelIcon; Label_Auto follows the message type.
    enum LabelIcon {
        Label_Auto = -1,
        Label_None = 0,
        Label_Info = 1,
        Label_Warning = 2,
        Label_Error = 3,
        Label_Question = 4,
        Label_Success = 5,
    };

    static constexpr int AutoCloseMs = 3000;

    explicit KpMsgBox(QWidget* parent = nullptr);
    ~KpMsgBox() override;

    void setMessageType(int type);
    int messageType() const { return m_type; }

    void setMessageTitle(const QString& title);

    // A new text also stops a pending auto-close of the previous message.
    void setMessageText(const QString& text);
    QString messageText() const;

    // Text carried back by the data form of the answer (not shown).
    void setMessageInfo(const QString& info);

    // Texts of the accepting and the rejecting button; an empty text puts
    // the default back ("Confirm" or "OK", "Cancel").
    void setBtnText(const QString& okText, const QString& cancelText);

    void setStandardButtons(KpButtons buttons);
    KpButtons standardButtons() const { return m_buttons; }

    // Data carried back by the data form of the answer.
    void setUserData(int key, const QVariant& value);

    void setLabelIcon(int icon);
    int labelIcon() const; // the icon shown (never Label_Auto)

    // Fills the box for "the media devices are busy": title "Prompt", a text
    // naming the activity that holds them, the status as message type.
    // A whiteboard (311) asks whether to leave it (Confirm and Cancel); the
    // other statuses are notices (OK).
    void setMultimediaTip(MultimediaStatusEnum status);
    void setMultimediaTip(int status);
    static QString multimediaTipText(int status);

    // Closes the box (as a rejection) AutoCloseMs after this call, unless
    // it is answered or given a new text first.
    void startCloseWidgetTimeOut();
    QTimer* closeTimer() const { return m_closeTimer; }

signals:
    void signal_Accept(int type);
    void signal_Reject(int type);
    // Each answer reaches the data form once: through signal_Accept /
    // signal_Reject (QString, QMap) when anything is connected to them,
    // otherwise through signal_AcceptData / signal_RejectData. A caller
    // may therefore connect both names to one slot.
    void signal_Accept(const QString& info, const QMap<int, QVariant>& data);
    void signal_Reject(const QString& info, const QMap<int, QVariant>& data);
    void signal_AcceptData(const QString& info, const QMap<int, QVariant>& data);
    void signal_RejectData(const QString& info, const QMap<int, QVariant>& data);

public slots:
    void slot_onOk();
    void slot_onCancel();
    void slot_onTimeOut();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void answer(bool accepted);
    void emitAnswer(bool accepted);
    void updateButtons();
    void updateIcon();

    std::unique_ptr<Ui::KpMsgBox> ui;
    QTimer* m_closeTimer = nullptr;
    int m_type = Msg_Info;
    int m_icon = Label_Auto;
    QString m_info;
    QMap<int, QVariant> m_userData;
    KpButtons m_buttons = KpButtons(Confirm | Cancel);
    QString m_okText;
    QString m_cancelText;
    bool m_answering = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(KpMsgBox::KpButtons)
