#pragma once

#include "business/BusinessEnums.h"
#include "customui/KpLayoutManager.h"
#include "policy/VideoBindingPlan.h"
#include "policy/VideoItem.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class ConfSmartBaseVideoPlayWgt;
class ConfSmartVideoPlayPipWdg;
class KpGridLayout;
class PromptWidget_SysMsg;
class QTimer;
namespace Ui {
class ConfSmartVideoPlayMainWdg;
}

// The video area of the conference window and of the voice-conference grid.
// It owns a fixed pool of tiles, arranges a prefix of it by a numbered
// screen-layout mode (1 to 11), decides from the conference state which member
// or shared desktop goes into which tile, and keeps a floating
// picture-in-picture window. Only tiles whose content changes are re-bound, so
// a refresh never restarts a running stream.
class ConfSmartVideoPlayMainWdg : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kPipIndex = VideoBindingPlan::kPipIndex;
    static constexpr int kPoolTiles = VideoBindingPlan::kMaxPoolTiles;
    static constexpr int kNineGridTiles = 9;
    static constexpr int kRelayoutDelayMs = 500;
    static constexpr int kPipWidth = 250;
    static constexpr int kPipHeight = 200;

    explicit ConfSmartVideoPlayMainWdg(QWidget* parent = nullptr);
    ~ConfSmartVideoPlayMainWdg() override;

    // kind 1: nine ConfSmartVideoPlay9Wgt tiles; any other: 25
    // ConfSmartVideoPlaySmallWdg tiles. The pool is filled once.
    void initTiles(int kind);
    // Arranges the grid for a mode; the current mode does nothing, a number
    // outside 1..11 is only recorded.
    void setScreenLayout(int mode);
    QList<VideoItem> buildVideoOrder(const QList<VideoItem>& members, const VideoItem& host, const VideoItem& sharer,
        const VideoItem& mainVenue, const QList<VideoItem>& speakers);
    void applyVideoOrder(const QList<VideoItem>& order);
    // Index 0..24 (at most tileCount()) or kPipIndex; others are ignored.
    void showMemberInTile(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, int index, bool isShare);
    void clearTile(int index);
    // Applies the configured layout (the "layout" file) for `count` members.
    void applyAutoLayout(int count);
    int tileCount() const;
    bool isMemberShown(const QString& account) const;
    void followWindowMove(int oldX, int oldY, int newX, int newY);
    void repositionPrompt();

    // State for the owning windows and for tests.
    int screenLayout() const { return m_mode; }
    int poolSize() const { return m_tiles.size(); }
    // Pool tile `index`, the floating window for kPipIndex; null otherwise.
    ConfSmartBaseVideoPlayWgt* tile(int index) const;
    ConfSmartVideoPlayPipWdg* pipWidget() const { return m_pip; }
    PromptWidget_SysMsg* systemMessagePrompt() const; // null until the first message
    KpGridLayout* gridLayout() const { return m_grid; }
    QWidget* gridContainer() const;
    // Brings the grid back after a layout switch (fires on its own after kRelayoutDelayMs).
    QTimer* relayoutTimer() const { return m_relayoutTimer; }
    // The local item as the business view describes it now.
    VideoItem selfItem() const;

signals:
    void sig_doubleClicked();

public slots:
    void slot_onSystemMsgNotify(QString info, bool atOnce);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void beginRelayout();
    void finishRelayout();
    QRect pipArea() const;
    void placePipInitially();

    std::unique_ptr<Ui::ConfSmartVideoPlayMainWdg> ui;
    KpGridLayout* m_grid = nullptr;
    KpLayoutManager m_layoutManager;
    QList<ConfSmartBaseVideoPlayWgt*> m_tiles;
    ConfSmartVideoPlayPipWdg* m_pip = nullptr;
    QPointer<PromptWidget_SysMsg> m_prompt;
    QTimer* m_relayoutTimer = nullptr;
    int m_mode = 0;
    bool m_pipPlaced = false;
};
