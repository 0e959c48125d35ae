#pragma once

#include <QList>
#include <QWidget>

#include <memory>

class AttendeesOneWidget;
class QListWidgetItem;
class QTimer;

namespace Ui {
class AttendeesWidget;
}

// The attendee list of the Vidyo meeting window: the member count, mute-all,
// the invitation button and one row per invited person. Rows are made on
// demand and reused; the persons come from VidyoView::getInvitedPerson().
class AttendeesWidget : public QWidget
{
    Q_OBJECT
public:
    explicit AttendeesWidget(QWidget* parent = nullptr);
    ~AttendeesWidget() override;

    // Mode 0: the user's own call or meeting (mute-all, invitation, removal);
    // mode 1: a meeting the user joined by invitation (mute-all only).
    void setAttendeesWidget(int mode);
    int mode() const { return m_mode; }
    void fillFromInvitedPersons();
    void hideAllRows();

    // The rows shown, in list order.
    QList<AttendeesOneWidget*> shownRows() const;
    // Re-enables mute-all (VidyoPolicy::kMuteAllPauseMs after a press).
    QTimer* muteAllTimer() const { return m_muteAllTimer; }

public slots:
    void slot_onInvite();
    void slot_onRoomPersonCountChanged();
    void slot_onMuteAllBtn();
    void slot_onSingleShot();

private:
    struct Row
    {
        AttendeesOneWidget* widget;
        QListWidgetItem* item;
    };
    Row rowAt(int index);

    std::unique_ptr<Ui::AttendeesWidget> ui;
    QList<Row> m_rows;
    bool m_allMuted = false;
    int m_mode = 0;
    QTimer* m_muteAllTimer = nullptr;
};
