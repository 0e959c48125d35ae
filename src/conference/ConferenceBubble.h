#pragma once

#include <QWidget>

// What the conference window's menus and status bubbles share: a frameless
// translucent window with a soft shadow that goes away when the user turns to
// another window. The window creates each once and shows it again on every click.
class ConferenceBubble : public QWidget
{
    Q_OBJECT

public:
    explicit ConferenceBubble(QWidget* parent = nullptr);
    ~ConferenceBubble() override;

    // Shows the bubble at a global position, on top and active (so that turning
    // to another window hides it again).
    void popUpAt(const QPoint& globalPos);

    // The soft shadow of the conference pop-ups, falling around the widget
    // (a form's background, so that it shows in the window's margin).
    static void castShadow(QWidget* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Whether the window that became active keeps the bubble open.
    virtual bool keepsOpenFor(const QWidget* active) const;
    // The end of every bubble's construction, once its form is set up: the
    // shadow around the form's background, the conference style, the scale.
    void finishForm(QWidget* background);
};
