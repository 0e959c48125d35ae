#pragma once

#include "customui/MoveWidget.h"

#include <QString>
#include <memory>

namespace Ui {
class PPC_Polling;
}

// Video round-robin (polling) settings: on or off, and the interval in
// seconds. Only OK changes the state; Close and Cancel restore the last
// confirmed one. Created once by the conference window and reused.
class PPC_Polling : public MoveWidget
{
    Q_OBJECT

public:
    explicit PPC_Polling(QWidget* parent = nullptr);
    ~PPC_Polling() override;

    // Checks On or Off to reflect polling switched elsewhere (the work bench, a
    // layout change); the confirmed state that Close and Cancel restore is kept.
    void setPollingState(bool on);

    bool isPolling() const { return m_isPolling; }
    // The confirmed interval text in seconds ("20" at start).
    QString pollingInterval() const { return m_interval; }

signals:
    void sig_openPolling(QString time);
    void sig_closePolling();

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void on_btnOk_clicked();
    void on_btnClose_clicked();
    void on_btnCancel_clicked();

private:
    void restoreConfirmedState();

    std::unique_ptr<Ui::PPC_Polling> ui;
    bool m_isPolling = false;
    QString m_interval;
};
