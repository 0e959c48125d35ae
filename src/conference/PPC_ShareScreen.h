#pragma once

#include "business/CallRecords.h"

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QStringList>

#include <memory>

class KpMsgBox;
class PPC_ShareScreenChild;
class QAbstractButton;
class QButtonGroup;
class QListWidgetItem;
class QTimer;
namespace Ui {
class PPC_ShareScreen;
}

// The share-source chooser: the local screens, one application window and,
// for entitled users, a whiteboard, as cards. Confirming starts the desktop
// share or the whiteboard. The conference window opens it and asks the
// business library for the sources; the screens must arrive before the
// windows, whose arrival builds the cards.
class PPC_ShareScreen : public QDialog
{
    Q_OBJECT

public:
    struct ShareSource
    {
        qint64 id = -2;
        QString name;
        QPixmap thumbnail;
        int type = -1; // ShareScreenPolicy::SourceType
    };
    // The whiteboard's restart after leaving the user's whiteboard room.
    static constexpr int kWhiteboardRestartMs = 1000;

    explicit PPC_ShareScreen(QWidget* parent = nullptr);
    ~PPC_ShareScreen() override;

    const QList<ShareSource>& sources() const { return m_sources; }
    QList<PPC_ShareScreenChild*> cards() const { return m_cards; }
    qint64 selectedId() const { return m_winId; }
    // The whiteboard's restart once the user's room is left; null until then.
    QTimer* whiteboardRestart() const { return m_restart; }
    KpMsgBox* whiteboardQuestion() const;
    int selectedType() const { return m_type; }

signals:
    void sig_setScreenLayout(int nType);
    void sig_closePopupWgt();
    void sig_startWhiteBoard(QStringList listAccount, int whiteBoardType);
    void sig_onClose();

public slots:
    // Escape closes the chooser the same way as its buttons.
    void reject() override;
    void on_NoBtn_clicked();
    void slot_close();
    void slot_shareStart();
    void slot_onGetShareDeviceInfoList(QList<Agent_ECShareDeviceInfo> deviceInfoList);
    void slot_onGetShareScreenInfoList(QList<long long> screenInfoList);
    void slot_itemClicked(QListWidgetItem* item);

private:
    void buildCards();
    void onCardClicked(QAbstractButton* button);
    void startWhiteboardShare();
    void startWhiteBoard();

    std::unique_ptr<Ui::PPC_ShareScreen> ui;
    QStringList m_exclusion;
    QList<ShareSource> m_sources;
    QList<PPC_ShareScreenChild*> m_cards;
    QButtonGroup* m_group;
    qint64 m_winId;
    int m_type;
    bool m_closed = false;
    QPointer<KpMsgBox> m_whiteboardQuestion;
    QTimer* m_restart = nullptr;
};
