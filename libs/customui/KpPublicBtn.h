#pragma once

#include "customui/kp_customui_global.h"

#include <QColor>
#include <QPushButton>

enum KpBtnStyle {
    BtnStyle_Default = 0, // the platform's push button
    BtnStyle_Primary = 1, // filled with the accent colour, white text: the main answer
    BtnStyle_Secondary = 2, // white with a grey outline: the other answer
    BtnStyle_Text = 3, // no frame, accent-coloured text: a link-like action ("Edit")
    BtnStyle_Danger = 4, // filled red: hanging up, ending
};

// The library's push button. The style is also set as the dynamic property
// "btnStyle" ("primary", "secondary", "text", "danger") for style sheets.
class KP_CUSTOMUI_EXPORT KpPublicBtn : public QPushButton
{
    Q_OBJECT
public:
    explicit KpPublicBtn(QWidget* parent = nullptr);
    explicit KpPublicBtn(const QString& text, QWidget* parent = nullptr);

    // rounded true draws pill-shaped ends, false corners of 4 px.
    void setBtnStyle(KpBtnStyle style, bool rounded);
    void setBtnStyle(int style, bool rounded);
    KpBtnStyle btnStyle() const { return m_style; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    KpBtnStyle m_style = BtnStyle_Default;
    bool m_rounded = true;
    QColor m_accent;
};
