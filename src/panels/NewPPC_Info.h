#pragma once

#include "business/ConferenceRecords.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <memory>

class QTextEdit;
namespace Ui {
class NewPPC_Info;
}

// The conference's information page: its subject, the share card, and up to
// three agenda issues that the host edits and saves to the business view; a
// member only reads them. Fed the conference record and the host flag by its owner.
class NewPPC_Info : public QWidget
{
    Q_OBJECT

public:
    enum Status { Viewing = 1, Editing = 2 };

    explicit NewPPC_Info(QWidget* parent = nullptr);
    ~NewPPC_Info() override;

    void setHost(bool host);
    bool isHost() const { return m_isHost; }
    int status() const;
    const ConferenceBriefInfo& conferenceInfo() const { return m_info; }
    QStringList issues() const;

signals:
    void sig_closePopupWgt();

public slots:
    void slot_updateConferenceInfo(ConferenceBriefInfo info);
    void slot_updateConferenceInfo(ConferenceBriefInfo info, bool status);
    void slot_onHostChanged(QList<ConferenceMemberInfo> members, QString confId);
    void updateButtonEnabled(bool status);

private slots:
    void on_btn_Close_clicked();
    void on_btn_Topic_Ok();
    void slot_textChanged();
    void slot_textAreaChanged();
    void slot_share();

private:
    QList<QTextEdit*> editors() const;
    void loadIssues();

    std::unique_ptr<Ui::NewPPC_Info> ui;
    ConferenceBriefInfo m_info;
    QString m_loadedIssues; // the issues last loaded, joined
    bool m_isHost = false;
    bool m_trimming = false;
};
