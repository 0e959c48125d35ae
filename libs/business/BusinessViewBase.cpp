#include "business/BusinessViewBase.h"

BusinessViewBase::BusinessViewBase(const QString& viewName, QObject* parent)
    : QObject(parent)
    , m_viewName(viewName)
{
    setObjectName(viewName);
}
