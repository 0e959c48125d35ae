#include "business/ChatMsgControl.h"

ChatMsgControl::ChatMsgControl(const QString& viewName, QObject* parent)
    : BusinessViewBase(viewName, parent)
{ }
