#include "business/MultimediaMgrView.h"

MultimediaMgrView::MultimediaMgrView(QObject* parent)
    : BusinessViewBase(QStringLiteral("MultimediaMgrView"), parent)
{ }

void MultimediaMgrView::resetState()
{
    m_state = State();
}

void MultimediaMgrView::resetStatus()
{
    command(QStringLiteral("resetStatus"));
    m_state.status = MULTIMEDIA_FREE;
}

MultimediaStatusEnum MultimediaMgrView::getMultimediaStatus() const
{
    query(QStringLiteral("getMultimediaStatus"));
    return m_state.status;
}
