#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <memory>

class QTimer;

namespace Ui {
class VideoWidget;
}

// A video pane: either the video page, whose render surface `video` is the
// native window the business library draws into (letterboxed to the picture's
// ratio by four bars), or the avatar page with the person's picture.
class VideoWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kFreezeDelayMs = 2000;

    explicit VideoWidget(QWidget* parent = nullptr);
    ~VideoWidget() override;

    // "QWidget#widget_bg{background-color:<color>}" on the video page.
    void setBackgroundColor(const QString& color);
    void setAccount(const QString& account, bool videoOn);
    QString account() const { return m_account; }
    // true shows the video page; false the avatar page of the account.
    void setVideoOn(bool on);
    bool isVideoOn() const;
    // The picture's width / height; 0 when unknown (no bars).
    void setVideoRatio(float ratio);
    float videoRatio() const { return m_ratio; }
    // A locked pane keeps its letterbox when resized.
    void setRatioLocked(bool locked);
    bool isRatioLocked() const { return m_ratioLocked; }
    // After kFreezeDelayMs, Qt's painting of the render surface is switched
    // on (true) or off (false, the native picture shows undisturbed).
    void freezeVideoUpdates(bool flag);
    // The render surface's native window id, or 0 while the surface is disabled.
    quintptr renderHandle();
    void reapplyRatio();
    // A short line under the avatar ("No camera detected").
    void setTipText(const QString& text);

signals:
    void sig_btn_clicked();

public slots:
    void slot_btn_clicked();
    // The window around the pane was maximised or restored.
    void slotResizeVideoWidget(bool maximized);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyFrozenState();
    void updateAvatar();

    std::unique_ptr<Ui::VideoWidget> ui;
    float m_ratio = 0;
    bool m_ratioLocked = false;
    QString m_account;
    QTimer* m_freezeTimer = nullptr;
    bool m_pendingUpdatesEnabled = true;
};
