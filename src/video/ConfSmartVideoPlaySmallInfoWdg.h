#pragma once

#include <QString>
#include <QWidget>

#include <memory>

namespace Ui {
class ConfSmartVideoPlaySmallInfoWdg;
}

// The bar at the bottom of a video tile: microphone state (open, muted or
// speaking) and the member's name.
class ConfSmartVideoPlaySmallInfoWdg : public QWidget
{
    Q_OBJECT

public:
    explicit ConfSmartVideoPlaySmallInfoWdg(QWidget* parent = nullptr);
    ~ConfSmartVideoPlaySmallInfoWdg() override;

    void setInfo(const QString& account, const QString& name);
    void setMicState(bool muted);
    void setSpeaking(bool speaking);
    // Pixel width of a name in the bar's font (the scaled 12-point font).
    int nameWidth(const QString& name) const;
    // A length given at 96 DPI, on this screen.
    int scaled(int pixels) const { return qRound(pixels * m_scale); }

    QString account() const { return m_account; }
    QString name() const { return m_name; }
    bool isMuted() const { return m_muted; }
    bool isSpeakingShown() const { return m_speakingShown; }

    static const QString& micOpenStyle();
    static const QString& micMutedStyle();
    static const QString& micSpeakingStyle();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showMicIcon(const QString& style);

    std::unique_ptr<Ui::ConfSmartVideoPlaySmallInfoWdg> ui;
    QString m_account;
    QString m_name;
    double m_scale = 1.0;
    bool m_muted = false;
    bool m_speakingShown = false;
};
