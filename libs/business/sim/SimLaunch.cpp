// The client started from an outside link, as the simulator plays it: the
// login that the launch waits for, and a join that may fail.

#include "business/sim/BusinessSimulator.h"

#include "business/KP_BusinessView.h"
#include "util/KPLog.h"

#include <memory>

namespace {
constexpr int loginDelayMs = 800;
} // namespace

void BusinessSimulator::playLaunchLogin(const QString& joinFailure)
{
    after(loginDelayMs, [this, joinFailure] {
        if (!joinFailure.isEmpty()) {
            // Only the join this login brings fails.
            const QString before = m_joinFailure;
            m_joinFailure = joinFailure;
            auto once = std::make_shared<QMetaObject::Connection>();
            *once = connect(this, &BusinessSimulator::sig_handled, this, [this, before, once](const QString& op) {
                if (op != QLatin1String("joinConference"))
                    return;
                m_joinFailure = before;
                disconnect(*once);
            });
        }
        const QString account = KP_BusinessView::instance()->getUserInfoView()->state().account;
        g_Log.LogInfo(QStringLiteral("BusinessSimulator::playLaunchLogin %1 logged in").arg(account));
        emit KP_BusinessView::instance()->getLoginView()->sig_loginSuccess(account);
    });
}
