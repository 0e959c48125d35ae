#include "vidyo/VidyoBottomOneWidget.h"

#include "ui_VidyoBottomOneWidget.h"

#include "policy/VidyoPolicy.h"

#include <QMouseEvent>

VidyoBottomOneWidget::VidyoBottomOneWidget(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::VidyoBottomOneWidget)
{
    ui->setupUi(this);
    refresh();
}

VidyoBottomOneWidget::~VidyoBottomOneWidget() = default;

void VidyoBottomOneWidget::setKind(int kind)
{
    m_kind = kind;
    refresh();
}

void VidyoBottomOneWidget::setActivateState(bool active)
{
    m_active = active;
    m_kind = VidyoPolicy::confirmedKind(m_kind, active);
    refresh();
}

void VidyoBottomOneWidget::resetKind()
{
    m_kind = VidyoPolicy::resetKind(m_kind);
    // Active before the images: a sharing toggle reset shows the idle picture.
    m_active = true;
    refresh();
}

void VidyoBottomOneWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        emit signal_setActivateState(!m_active);
        event->accept();
        return;
    }
    QWidget::mousePressEvent(event);
}

void VidyoBottomOneWidget::refresh()
{
    const QString style = VidyoPolicy::bottomIconStyle(m_kind, m_active);
    // Kinds without images of their own keep the last ones.
    if (!style.isEmpty())
        ui->m_pIconLabel->setStyleSheet(style);
}
