#pragma once

#include "customui/kp_customui_global.h"

#include <QColor>
#include <QPushButton>

// The glyphs the library draws itself, so title bars, message boxes and
// small tool buttons need no image files and stay sharp at every scale.
enum KpIconKind {
    Icon_None = 0,
    Icon_Minimize = 1,
    Icon_Maximize = 2,
    Icon_Restore = 3,
    Icon_Close = 4,
    Icon_Search = 5,
    Icon_Clear = 6,
    Icon_More = 7,
    Icon_Add = 8,
    Icon_Remove = 9,
    Icon_Check = 10,
    Icon_Setting = 11,
    Icon_Info = 12,
    Icon_Warning = 13,
    Icon_Error = 14,
    Icon_Question = 15,
    Icon_Success = 16,
};

// Draws a glyph into the rectangle. The five badge kinds (Info .. Success)
// are filled discs in their own colour with a white mark; the others are
// strokes in the given colour.
KP_CUSTOMUI_EXPORT void kpPaintGlyph(QPainter* painter, const QRectF& rect, KpIconKind kind, const QColor& color);

// A flat button showing one glyph, with a hover and pressed background.
// The close glyph turns white on red when hovered, as on desktop title bars.
class KP_CUSTOMUI_EXPORT KpIconBtn : public QPushButton
{
    Q_OBJECT
public:
    explicit KpIconBtn(QWidget* parent = nullptr);
    explicit KpIconBtn(KpIconKind kind, QWidget* parent = nullptr);

    void setIconKind(KpIconKind kind);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    KpIconKind m_kind = Icon_None;
};
