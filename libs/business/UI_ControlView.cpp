#include "business/UI_ControlView.h"

UI_ControlView* UI_ControlView::instance()
{
    // Lives for the process.
    static UI_ControlView* view = new UI_ControlView;
    return view;
}

UI_ControlView::UI_ControlView(QObject* parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("UI_ControlView"));
}
