#pragma once

#include <QWidget>

#include <memory>

class QAction;
class QMenu;
class QTimer;
namespace Ui {
class ShareScreenControl;
}

// The bar at the top of the screen while the user shares the desktop or
// projects wirelessly: the conference id or the projection clock, a few tool
// buttons, a More menu and the button that ends the share. It deletes itself
// when it closes.
class ShareScreenControl : public QWidget
{
    Q_OBJECT

public:
    // Widths of the bar while sharing and while projecting.
    static constexpr int kShareWidth = 330;
    static constexpr int kProjectionWidth = 460;
    static constexpr int kSlideMs = 1000;

    explicit ShareScreenControl(QWidget* parent = nullptr);
    ~ShareScreenControl() override;

    void setConfId(const QString& id);
    void updateShareMode();

    QMenu* moreMenu() const { return m_moreMenu.get(); }
    // The projection clock's one-second timer; null until the first projection.
    QTimer* projectionTimer() const { return m_timer; }

signals:
    void sig_joinConf();
    void sig_leaveConf();

public slots:
    void slot_stopShareScreenClicked();
    void slot_toolButton_more();
    void on_menuAction_trigger(QAction* action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;

private slots:
    void slot_meetingImmediately();

private:
    void slideIn(bool toDesktopTop);

    std::unique_ptr<Ui::ShareScreenControl> ui;
    std::unique_ptr<QMenu> m_moreMenu;
    QTimer* m_timer = nullptr;
    qint64 m_elapsed = 0;
};
