#pragma once

#include "business/ConferenceRecords.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ConfShareWidget;
}

// The conference's data to pass on: topic, number, join link and a QR code of
// the link, with buttons that copy them. Created for each opening, deleted
// when it closes.
class ConfShareWidget : public QWidget
{
    Q_OBJECT

public:
    explicit ConfShareWidget(QWidget* parent = nullptr);
    ~ConfShareWidget() override;

    void setConferenceInfo(const ConferenceBriefInfo& info);
    // The join link shown and copied; empty without a conference or a server.
    QString link() const { return m_link; }

public slots:
    void on_ConfInfoShareBtn_clicked();
    void on_ConfCopyUrlBtn_clicked();
    void slot_hidePopupWgt();
    void slot_closePopupWgt();

private:
    std::unique_ptr<Ui::ConfShareWidget> ui;
    ConferenceBriefInfo m_info;
    QString m_link;
};
