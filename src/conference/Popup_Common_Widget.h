#pragma once

#include "customui/MoveWidget.h"
#include "policy/ConferencePopupPolicy.h"

#include <QMetaType>
#include <memory>

namespace Ui {
class Popup_Common_Widget;
}

using Popup_Common_Widget_Type = ConferencePopupPolicy::Popup_Common_Widget_Type;
Q_DECLARE_METATYPE(Popup_Common_Widget_Type)

// The conference window's question with numbered types: the sharing lock (1,
// 2), stopping another member's share (3), leaving (4) and the host's end or
// leave (5). It reports the answer with the type; the window acts on it.
// Created once by the window and set again before each showing.
class Popup_Common_Widget : public MoveWidget
{
    Q_OBJECT

public:
    explicit Popup_Common_Widget(QWidget* parent = nullptr);
    ~Popup_Common_Widget() override;

    // The texts, buttons and modality of the type; another value is only stored.
    void setType(Popup_Common_Widget_Type type);
    int type() const { return m_type; }

signals:
    void sig_onAccept(Popup_Common_Widget_Type type);
    void sig_onIgnore(Popup_Common_Widget_Type type);
    void sig_onOther(Popup_Common_Widget_Type type);

private slots:
    void on_btn_ok_clicked();
    void on_btn_ignore_clicked();
    void on_btn_other_clicked();
    void on_btnClose_clicked();

private:
    std::unique_ptr<Ui::Popup_Common_Widget> ui;
    int m_type = -1;
};
