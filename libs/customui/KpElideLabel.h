#pragma once

#include "customui/kp_customui_global.h"

#include <QLabel>

// A one-line label that shows "…" where its text does not fit, and the whole
// text as tool tip. text() stays the full text; only its first kMeasuredLength
// characters are measured and drawn, so a text of any length lays out and
// paints as fast as a short one.
class KP_CUSTOMUI_EXPORT KpElideLabel : public QLabel
{
    Q_OBJECT
public:
    static constexpr int kMeasuredLength = 512;

    explicit KpElideLabel(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownText() const;
};
