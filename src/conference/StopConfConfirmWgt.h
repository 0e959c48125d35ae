#pragma once

#include <QDialog>
#include <QPoint>
#include <memory>

namespace Ui {
class StopConfConfirmWgt;
}

// The host's last question before the conference ends for everybody. Opened
// modally by the conference window and kept for the next time.
class StopConfConfirmWgt : public QDialog
{
    Q_OBJECT

public:
    explicit StopConfConfirmWgt(QWidget* parent = nullptr);
    ~StopConfConfirmWgt() override;

signals:
    void sig_stopConf();

protected:
    // Dragged by any point: the pressed point follows the cursor.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private slots:
    void on_btn_close_clicked();
    void on_btn_cancel_clicked();
    void on_btn_confirm_clicked();

private:
    std::unique_ptr<Ui::StopConfConfirmWgt> ui;
    bool m_pressed = false;
    QPoint m_pressPos;
};
