#pragma once

#include "business/ConferenceRecords.h"

#include <QList>
#include <QPixmap>
#include <QSharedPointer>
#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class ConfSmartBaseVideoPlayWgt;
}
class ConfSmartBaseVideoPlayWgtPrivate;
class ConfSmartVideoPlaySmallInfoWdg;
class QTimer;

// One video tile of the conference window. It is bound to at most one member
// (account and device type) and shows that member's camera or shared desktop:
// the business library draws the picture into the native window of
// `widget_playCore`; the tile only hands the handle over and starts or stops
// the stream. With the camera off it shows the member's avatar. Microphone,
// camera, name, reconnection and speaker changes come straight from the
// business view.
class ConfSmartBaseVideoPlayWgt : public QWidget
{
    Q_OBJECT

public:
    explicit ConfSmartBaseVideoPlayWgt(QWidget* parent = nullptr);
    ~ConfSmartBaseVideoPlayWgt() override;

    // Binds the member; a repeated bind of the same account and device type
    // does nothing (the share flag is not compared). Binding another member
    // does not stop the old stream: clear first.
    void setMemberInfo(ConferenceMemberInfo info, bool isShare);
    // Stops the stream this tile started and unbinds; nothing happens on an
    // unbound tile.
    void clearMember();
    ConferenceMemberInfo memberInfo() const;
    bool isBound() const;
    bool isShowing(const QString& account, ENUM_CONFMEMBER_DEVICETYPE deviceType, bool isShare) const;

    void setVideoStatus(bool on);
    void setShareStatus(bool on);
    void setHeadInfo(const QString& account, const QString& name, const QString& headPath, bool videoOn);
    void setHeadFill(bool fill);
    // Each replaces the tile's whole style sheet: the later call wins.
    void setPlayCoreStyle(const QString& css);
    void setHeadStyle(const QString& css);
    void setInfoWgt(const QString& account, const QString& name);
    void updateMemberInfoWidgetPos();

    // State read by the layout engine and by tests.
    bool isShare() const;
    bool isVideoOn() const;
    QPixmap avatar() const;
    QWidget* renderSurface() const; // widget_playCore
    void* renderHandle() const; // its native window handle
    ConfSmartVideoPlaySmallInfoWdg* infoWidget() const; // null until first needed

    // Avatar path that always gets the drawn avatar.
    static const QString& defaultHeadPath();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class ConfSmartBaseVideoPlayWgtPrivate;

    ConfSmartVideoPlaySmallInfoWdg* ensureInfoWidget();
    void replaceStyleSheet(const QString& sheet);
    void setPlayCorePaintingLater(bool enabled);
    // Starts or stops the camera stream of the bound member (the local preview
    // for the user's own camera), without touching the avatar.
    void switchCameraStream(bool on);
    bool isLocalCamera() const;
    int avatarSide() const; // side of the square avatar that fits label_head
    void redrawAvatarIfResized();

    QSharedPointer<ConfSmartBaseVideoPlayWgtPrivate> d;
    std::unique_ptr<Ui::ConfSmartBaseVideoPlayWgt> ui;
    ConfSmartVideoPlaySmallInfoWdg* m_infoWgt = nullptr;
    int m_infoBarWidth = 0; // the bound name's width with the bar's icons; 0 before any
    // The deferred steps run on one timer each, so a burst of binds, clears
    // and resizes leaves at most one pending step of each kind per tile.
    QTimer* m_headRefreshTimer = nullptr; // repaints the tile after a panel swap
    QTimer* m_playCorePaintTimer = nullptr; // applies m_playCorePainting
    bool m_playCorePainting = true;
};
