#pragma once

#include "business/ConferenceRecords.h"

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <memory>

class NetworkWidget;
namespace Ui {
class ConferenceTitleBar;
}

// The strip under the conference window's own title: the duration, the
// conference id with its copy button, the recording mark, the network level
// and the current layout. It shows what the window hands it and reports its
// clicks with the global rectangle of the clicked button.
class ConferenceTitleBar : public QWidget
{
    Q_OBJECT

public:
    explicit ConferenceTitleBar(QWidget* parent = nullptr);
    ~ConferenceTitleBar() override;

    void setConferenceInfo(const ConferenceBriefInfo& info);
    void setConfIdText(const QString& confId);
    void setConfTime(const QString& text);
    // The name and the icon of a layout type; a number that is no layout type
    // keeps the name and still sets the icon's mode.
    void setLayoutType(int type);
    // Round trip in ms and the two loss rates in percent.
    void setNetworkQuality(int rttMs, double sendLoss, double recvLoss);
    void setRecording(bool on);
    // The media engine's report goes to the hover card; the bar shows nothing of it.
    void setNetworkReport(const CS_StatReports& report);

    QString confId() const { return m_confId; }
    NetworkWidget* networkCard() const;

signals:
    void sig_showDetailInfo(QRect rect);
    void sig_safe_clicked(QRect rect);
    void sig_wifi_clicked(QRect rect);
    void sig_record_tip_clicked(QRect rect);
    void sig_layout_mode_clicked(QRect rect);
    void sig_onTitleBarDoubleClick();
    void sig_on_hangup_clicked();

public slots:
    void slot_btnClicked();
    void slot_hangup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void slot_copyConfId();

    std::unique_ptr<Ui::ConferenceTitleBar> ui;
    QString m_confId;
    QString m_networkLevel;
    QPointer<NetworkWidget> m_networkCard;
};
