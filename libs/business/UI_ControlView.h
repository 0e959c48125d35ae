#pragma once

#include "business/BusinessEnums.h"

#include <QObject>

// Relays the module's pop-up requests to the client.
class KP_BUSINESS_EXPORT UI_ControlView : public QObject
{
    Q_OBJECT
public:
    static UI_ControlView* instance();

signals:
    void sig_showMsgTip(QString text, PopUpHandleType type);
    void sig_showMaskWgt(void* widget, PopUpHandleType type);
    void sig_hideMaskWgt(PopUpHandleType type);
    void sig_activeHandleWgt(PopUpHandleType type);

private:
    explicit UI_ControlView(QObject* parent = nullptr);
};
