#pragma once

#include "business/ConferenceRecords.h"

#include <QWidget>

#include <memory>

namespace Ui {
class ShareConfInfoWgt;
}

// The compact card under the title bar's details button: topic, grouped
// number, host and link, each to copy.
class ShareConfInfoWgt : public QWidget
{
    Q_OBJECT

public:
    explicit ShareConfInfoWgt(QWidget* parent = nullptr);
    ~ShareConfInfoWgt() override;

    void setConferenceInfo(const ConferenceBriefInfo& info);

public slots:
    void slot_onCopyInfo();

protected:
    void showEvent(QShowEvent* event) override;

private slots:
    void on_btn_copyID_clicked();
    void on_btn_copyLink_clicked();

private:
    void copy(const QString& text);
    void elideLink();

    std::unique_ptr<Ui::ShareConfInfoWgt> ui;
    QString m_confId;
    QString m_link;
};
