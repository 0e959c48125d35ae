#pragma once

#include "customui/kp_customui_global.h"

#include "customui/KpIconBtn.h"

#include <QColor>
#include <QPushButton>

// A button with a red badge in its top-right corner counting unread items.
// Its face is the usual push button (icon or style sheet from the form),
// or a drawn glyph chosen with setBtnType.
class KP_CUSTOMUI_EXPORT KpRedDotBtn : public QPushButton
{
    Q_OBJECT
public:
    explicit KpRedDotBtn(QWidget* parent = nullptr);

    // The glyph drawn on the face, a KpIconKind (11 = settings gear);
    // 0 leaves the face to the icon or style sheet. Also sets the dynamic
    // property "btnType" for style sheets.
    void setBtnType(int type);
    int btnType() const { return m_type; }

    // Glyph colour; by default the palette's button text colour.
    void setGlyphColor(const QColor& color);

    // Badge count: hidden at 0, "99+" above 99; negative counts as 0.
    void setRedDotCount(int count);
    int redDotCount() const { return m_count; }

    // The text the badge shows for a count ("" when hidden).
    static QString redDotText(int count);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_type = Icon_None;
    int m_count = 0;
    QColor m_glyphColor;
};
