#pragma once

#include "business/BusinessViewBase.h"

// Login results and window control of the client.
class KP_BUSINESS_EXPORT LoginView : public BusinessViewBase
{
    Q_OBJECT
public:
    explicit LoginView(QObject* parent = nullptr);
    void resetState() override { }

signals:
    void sig_loginSuccess(QString userName);
    // The client closes its media windows (log-out, kick-out); the value is the reason.
    void sig_onControlWindow(int reason);
};
