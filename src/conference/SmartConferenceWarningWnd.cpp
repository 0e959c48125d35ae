#include "conference/SmartConferenceWarningWnd.h"

#include "ui_SmartConferenceWarningWnd.h"

#include "common/AreaLog.h"
#include "customui/ScreenScale.h"

#include <QCoreApplication>

SmartConferenceWarningWnd::SmartConferenceWarningWnd(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::SmartConferenceWarningWnd)
{
    ui->setupUi(this);
    // Frameless also when shown on its own; the notice paints no background of
    // its own, so its rounded corners show the window behind it.
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    connect(ui->btn_close, &QPushButton::clicked, this, &SmartConferenceWarningWnd::slot_close);
    ScreenScale::beginScale(this);
}

SmartConferenceWarningWnd::~SmartConferenceWarningWnd() = default;

void SmartConferenceWarningWnd::slot_close()
{
    AreaLog::conference().LogInfo(QStringLiteral("SmartConferenceWarningWnd::slot_close quits the application"));
    QCoreApplication::quit();
}
