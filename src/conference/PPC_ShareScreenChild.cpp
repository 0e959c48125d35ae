#include "conference/PPC_ShareScreenChild.h"

#include "customui/KP_UI_UTIL.h"
#include "customui/KpElideLabel.h"
#include "customui/KpStyle.h"
#include "customui/ScreenScale.h"

#include <QFontMetrics>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kCardWidth = 220;
constexpr int kCardHeight = 170;
constexpr int kThumbWidth = 160;
constexpr int kThumbHeight = 90;
} // namespace

PPC_ShareScreenChild::PPC_ShareScreenChild(QWidget* parent)
    : QPushButton(parent)
    , m_bg(new QWidget(this))
    , m_picture(new QLabel(m_bg))
    , m_nameLabel(new QLabel(m_bg))
{
    setObjectName(QStringLiteral("PPC_ShareScreenChild"));
    setCheckable(true);
    setFixedSize(kCardWidth, kCardHeight);
    setFont(KP_UI_UTIL::getFontScale(14, false));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setStyleSheet(QStringLiteral("QPushButton#PPC_ShareScreenChild{border:none;background:transparent;}"));

    m_bg->setObjectName(QStringLiteral("wgt_bg"));
    m_bg->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_picture->setObjectName(QStringLiteral("label_pic"));
    m_picture->setFixedSize(kThumbWidth, kThumbHeight);
    m_picture->setAlignment(Qt::AlignCenter);
    m_nameLabel->setObjectName(QStringLiteral("label_name"));
    m_nameLabel->setFixedWidth(kThumbWidth);
    m_nameLabel->setAlignment(Qt::AlignCenter);
    m_nameLabel->setFont(font());
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(m_bg);
    auto* inner = new QVBoxLayout(m_bg);
    inner->setContentsMargins(30, 24, 30, 12);
    inner->setSpacing(12);
    inner->addWidget(m_picture, 0, Qt::AlignHCenter);
    inner->addWidget(m_nameLabel, 0, Qt::AlignHCenter);
    setHighlighted(false);
    // Cards come after their chooser was scaled: they grow on their own.
    ScreenScale::beginScale(this);
}

void PPC_ShareScreenChild::setName(const QString& name)
{
    m_name = name;
    m_nameLabel->setText(KpElideLabel::elided(QFontMetrics(m_nameLabel->font()), name, m_nameLabel->width()));
    m_nameLabel->setToolTip(name);
}

void PPC_ShareScreenChild::setThumbnail(const QPixmap& picture)
{
    m_picture->setPixmap(picture);
}

void PPC_ShareScreenChild::setHighlighted(bool on)
{
    m_highlighted = on;
    const QString value = on ? QStringLiteral("y") : QStringLiteral("n");
    KpStyle::setStyleProperty(m_bg, "active", value);
    KpStyle::setStyleProperty(m_nameLabel, "active", value);
    update();
}

void PPC_ShareScreenChild::enterEvent(QEvent* event)
{
    QPushButton::enterEvent(event);
    setHighlighted(true);
}

void PPC_ShareScreenChild::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    if (!isChecked())
        setHighlighted(false);
}
