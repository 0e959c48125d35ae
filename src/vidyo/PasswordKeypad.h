#pragma once

#include "customui/MoveWidget.h"

#include <memory>

namespace Ui {
class PasswordKeypad;
}

// The dial pad through which the user enters a meeting password: every key
// goes to the business library at once, "#" ends the password and closes the
// pad. Made once by the meeting window and only shown and hidden.
class PasswordKeypad : public MoveWidget
{
    Q_OBJECT
public:
    explicit PasswordKeypad(QWidget* parent = nullptr);
    ~PasswordKeypad() override;

    QString lastKey() const { return m_lastKey; }

signals:
    // The business library took the password that "#" ended.
    void sig_ClosePasswordKeypadWnd();
    // The user closed the pad with its close button.
    void sig_BtnClosePasswordKeypadWnd();

public slots:
    void slot_onBtnClicked();
    void slot_ClosePasswordKeypadWnd();
    void slot_isDialPassword(bool isSuccess);

private:
    std::unique_ptr<Ui::PasswordKeypad> ui;
    QString m_lastKey;
};
