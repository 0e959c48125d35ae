#pragma once

#include "business/CommandJournal.h"

#include <QObject>

// Common part of the business views: the journal helpers and the state reset.
class KP_BUSINESS_EXPORT BusinessViewBase : public QObject
{
    Q_OBJECT
public:
    // Back to the state of a fresh process (queries answer their defaults).
    virtual void resetState() = 0;

protected:
    BusinessViewBase(const QString& viewName, QObject* parent);

    template<typename... Args> void command(const QString& operation, const Args&... args) const
    {
        CommandJournal::instance()->command(m_viewName, operation, args...);
    }
    template<typename... Args> void query(const QString& operation, const Args&... args) const
    {
        CommandJournal::instance()->query(m_viewName, operation, args...);
    }

private:
    const QString m_viewName; // the class name, under which operations are journaled
};
