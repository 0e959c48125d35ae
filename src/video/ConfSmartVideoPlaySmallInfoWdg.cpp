#include "video/ConfSmartVideoPlaySmallInfoWdg.h"

#include "ui_ConfSmartVideoPlaySmallInfoWdg.h"

#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpElideLabel.h"
#include "customui/ScreenScale.h"

const QString& ConfSmartVideoPlaySmallInfoWdg::micOpenStyle()
{
    static const QString style
        = QStringLiteral("border-image: url(:/ConfNew/Resource/ConfNew/ControlBtn/Icon_ConfAudioOn.png);");
    return style;
}

const QString& ConfSmartVideoPlaySmallInfoWdg::micMutedStyle()
{
    static const QString style
        = QStringLiteral("border-image: url(:/ConfNew/Resource/ConfNew/ControlBtn/Icon_ConfAudioOff.png);");
    return style;
}

const QString& ConfSmartVideoPlaySmallInfoWdg::micSpeakingStyle()
{
    static const QString style
        = QStringLiteral("border-image: url(:/ConfNew/Resource/ConfNew/ControlBtn/Icon_ConfAudioing.png);");
    return style;
}

ConfSmartVideoPlaySmallInfoWdg::ConfSmartVideoPlaySmallInfoWdg(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::ConfSmartVideoPlaySmallInfoWdg)
{
    ui->setupUi(this);
    setAutoFillBackground(true);
    ui->label_name->setFont(KP_UI_UTIL::getFontScale(12, false));
    // Made on demand, after its tile was scaled: it grows on its own.
    m_scale = KP_UI_UTIL::getScreenScale();
    ScreenScale::beginScale(this, m_scale);
}

ConfSmartVideoPlaySmallInfoWdg::~ConfSmartVideoPlaySmallInfoWdg() = default;

// The bar has no layout of its own: it floats over the tile, and a new name
// must not send a layout request up through every layout of the window.
void ConfSmartVideoPlaySmallInfoWdg::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    ui->widget_bg->setGeometry(rect());
}

void ConfSmartVideoPlaySmallInfoWdg::setInfo(const QString& account, const QString& name)
{
    m_account = account;
    m_name = name;
    ui->label_name->setText(name);
    if (AreaLog::video().category().isInfoEnabled())
        AreaLog::video().LogInfo(QStringLiteral("%1 account:%2 showname:%3")
                                     .arg(QStringLiteral("ConfSmartVideoPlaySmallInfoWdg::setInfo"), account, name));
}

int ConfSmartVideoPlaySmallInfoWdg::nameWidth(const QString& name) const
{
    // The label's own metrics: its font is resolved once, not per call. It
    // elides past what it measures, so a name of any length costs the same.
    return ui->label_name->fontMetrics().horizontalAdvance(name.left(KpElideLabel::kMeasuredLength));
}

void ConfSmartVideoPlaySmallInfoWdg::setMicState(bool muted)
{
    m_speakingShown = false;
    m_muted = muted;
    showMicIcon(muted ? micMutedStyle() : micOpenStyle());
}

void ConfSmartVideoPlaySmallInfoWdg::setSpeaking(bool speaking)
{
    if (speaking && !m_muted) {
        m_speakingShown = true;
        showMicIcon(micSpeakingStyle());
        return;
    }
    // A muted member may still show up in the speaker report (noise below the
    // mute); the muted icon wins.
    if (!m_speakingShown)
        return;
    m_speakingShown = false;
    showMicIcon(m_muted ? micMutedStyle() : micOpenStyle());
}

void ConfSmartVideoPlaySmallInfoWdg::showMicIcon(const QString& style)
{
    // Setting a style sheet re-parses it and reloads the icon even when it is
    // the same; tiles set the microphone state on every bind and clear.
    if (ui->label_microphone->styleSheet() != style)
        ui->label_microphone->setStyleSheet(style);
}
