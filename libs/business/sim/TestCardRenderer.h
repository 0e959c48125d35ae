#pragma once

#include <QHash>
#include <QPointer>
#include <QTimer>
#include <QWidget>

// What the native renderer would draw: a card with a label, colour bars and a
// running clock, filling the window whose handle was handed over.
class TestCard : public QWidget
{
    Q_OBJECT
public:
    TestCard(const QString& title, const QString& subtitle, QWidget* host);

    QString title() const { return m_title; }
    QString subtitle() const { return m_subtitle; }
    void setTexts(const QString& title, const QString& subtitle);
    // Where in the host the card is drawn; an invalid rectangle fills the host.
    void setArea(const QRect& area);
    QRect area() const { return m_area; }
    // Redraws the clock. A native renderer paints whatever the toolkit's paint
    // switch of the host says, so the card does too.
    void tick();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QString m_subtitle;
    QRect m_area;
};

// Keeps one card per render slot ("conf.video.<member key>", "voip.local", ...)
// and at most one card per host window.
class TestCardRenderer : public QObject
{
    Q_OBJECT
public:
    explicit TestCardRenderer(QObject* parent = nullptr);
    ~TestCardRenderer() override;

    // Shows a card in the window of the handle, filling it or at `area` of it; a null handle
    // removes the slot's card. Returns false (and logs) when no window of this process has the handle.
    bool show(const QString& slot, quintptr handle, const QString& title, const QString& subtitle,
        const QRect& area = QRect());
    void remove(const QString& slot);
    // Removes every slot whose name starts with the prefix.
    void removeWithPrefix(const QString& prefix);
    void removeAll();

    TestCard* card(const QString& slot) const;
    int cardCount() const;
    static TestCard* cardIn(QWidget* host);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void tickAll();

    QHash<QString, QPointer<TestCard>> m_cards;
    QTimer m_clock;
};
