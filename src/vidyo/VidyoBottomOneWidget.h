#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class VidyoBottomOneWidget;
}

// An icon toggle of the Vidyo meeting window's bottom bar. A press only asks
// for the other state (signal_setActivateState); the button changes once its
// owner confirms with setActivateState, after the business library answered.
class VidyoBottomOneWidget : public QWidget
{
    Q_OBJECT
public:
    explicit VidyoBottomOneWidget(QWidget* parent = nullptr);
    ~VidyoBottomOneWidget() override;

    // An icon kind of VidyoPolicy::BottomIconKind.
    void setKind(int kind);
    int kind() const { return m_kind; }
    void setActivateState(bool active);
    bool isActivated() const { return m_active; }
    // Back to the first kind of the pair, active.
    void resetKind();

signals:
    void signal_setActivateState(bool state);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void refresh();

    std::unique_ptr<Ui::VidyoBottomOneWidget> ui;
    int m_kind = 0;
    bool m_active = true;
};
