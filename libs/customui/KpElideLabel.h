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

    // The part of a text that is measured: its first kMeasuredLength
    // characters, and "…" when there are more. Shaping the rest of a huge
    // name would cost a frame and more for nothing any screen shows.
    static QString measuredPart(const QString& text);
    // The text elided at the right to the width, at the cost of a short one.
    static QString elided(const QFontMetrics& metrics, const QString& text, int width);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString shownText() const;
};
