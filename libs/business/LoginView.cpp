#include "business/LoginView.h"

LoginView::LoginView(QObject* parent)
    : BusinessViewBase(QStringLiteral("LoginView"), parent)
{ }
