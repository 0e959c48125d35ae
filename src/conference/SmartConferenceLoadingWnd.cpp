#include "conference/SmartConferenceLoadingWnd.h"

#include "ui_SmartConferenceLoadingWnd.h"

#include "common/AreaLog.h"
#include "conference/SmartConferenceWarningWnd.h"
#include "customui/ScreenScale.h"

#include <QCloseEvent>
#include <QKeyEvent>

SmartConferenceLoadingWnd::SmartConferenceLoadingWnd(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::SmartConferenceLoadingWnd)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFailed(false);
    ScreenScale::beginScale(this);
}

SmartConferenceLoadingWnd::~SmartConferenceLoadingWnd() = default;

void SmartConferenceLoadingWnd::setFailed(bool failed)
{
    m_failed = failed;
    ui->widget_left->setVisible(!failed);
    ui->widget_right->setVisible(failed);
}

SmartConferenceWarningWnd* SmartConferenceLoadingWnd::warningWnd() const
{
    return ui->widget_warning;
}

void SmartConferenceLoadingWnd::keyPressEvent(QKeyEvent* event)
{
    // The launch runs on, or the notice waits for its close button: Escape
    // must not leave the client without a window.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    MoveWidget::keyPressEvent(event);
}

void SmartConferenceLoadingWnd::closeEvent(QCloseEvent* event)
{
    MoveWidget::closeEvent(event);
    // Closed by the window system while the notice shows: the user is done
    // with the launch, as with the notice's close button.
    if (m_failed) {
        AreaLog::conference().LogInfo(
            QStringLiteral("SmartConferenceLoadingWnd::closeEvent closes the failure notice"));
        ui->widget_warning->slot_close();
    }
}
