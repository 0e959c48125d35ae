#pragma once

#include "customui/kp_customui_global.h"

#include <QLabel>

// A one-line label that shows "…" where its text does not fit, and the whole
// text as tool tip. text() stays the full text.
class KP_CUSTOMUI_EXPORT KpElideLabel : public QLabel
{
    Q_OBJECT
public:
    explicit KpElideLabel(QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownText() const;
};
