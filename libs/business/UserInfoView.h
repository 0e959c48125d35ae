#pragma once

#include "business/BusinessEnums.h"
#include "business/BusinessViewBase.h"

#include <QSet>

// The logged-in user.
class KP_BUSINESS_EXPORT UserInfoView : public BusinessViewBase
{
    Q_OBJECT
public:
    struct State
    {
        QString account;
        QString name;
        QSet<int> authorities; // UserAuthority values the user holds
    };

    explicit UserInfoView(QObject* parent = nullptr);

    State& state() { return m_state; }
    const State& state() const { return m_state; }
    void resetState() override;

    // --- queries ---
    QString getCurUserAccount() const;
    QString getCurUserName() const;
    bool getUserAuthority(int authority) const; // a UserAuthority value

private:
    State m_state;
};
