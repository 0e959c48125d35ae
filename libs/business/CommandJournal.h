#pragma once

#include "business/kp_business_global.h"

#include <QHash>
#include <QMetaType>
#include <QObject>
#include <QSharedPointer>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <type_traits>

// One operation called on a business view.
struct KP_BUSINESS_EXPORT JournalEntry
{
    QString view; // class name of the view, e.g. "VoipView"
    QString operation; // operation name, e.g. "SetMute"
    QVariantList args; // see KpJournal::toVariant for how arguments are stored
    bool isQuery = false;

    bool isValid() const { return !operation.isEmpty(); }
};
Q_DECLARE_METATYPE(JournalEntry)

namespace KpJournal {
template<typename T> struct IsSharedPointer : std::false_type
{
};
template<typename T> struct IsSharedPointer<QSharedPointer<T>> : std::true_type
{
};
template<typename T> struct IsSharedPointerList : std::false_type
{
};
template<typename T> struct IsSharedPointerList<QList<QSharedPointer<T>>> : std::true_type
{
};

// Arguments are stored so that tests can compare them plainly:
// enumerations as int, native handles and other pointers as quintptr,
// directory persons and groups (shared pointers) by their account or id text
// (empty for a null pointer), lists of them as QStringList, every other value
// (records included) as QVariant::fromValue.
template<typename T> QVariant toVariant(const T& v)
{
    if constexpr (std::is_enum_v<T>)
        return QVariant(int(v));
    else if constexpr (std::is_pointer_v<T>)
        return QVariant::fromValue(quintptr(v));
    else if constexpr (std::is_same_v<T, std::nullptr_t>)
        return QVariant::fromValue(quintptr(0));
    else if constexpr (IsSharedPointer<T>::value)
        return QVariant(v ? v->id() : QString());
    else if constexpr (IsSharedPointerList<T>::value) {
        QStringList ids;
        for (const auto& p : v)
            ids << (p ? p->id() : QString());
        return QVariant(ids);
    } else
        return QVariant::fromValue(v);
}
} // namespace KpJournal

// The process-wide journal of every operation called on a business view.
//
// Cost: recording appends to a vector and updates one hash entry per
// operation name (amortised O(1)); count(), last() and contains() are O(1).
// The kept entries are bounded by capacity(): when it is reached the oldest
// half is dropped (amortised O(1) per entry), while count(), last() and
// contains() keep covering everything recorded since clear(). The video layout
// asks queries in loops over thousands of members; for benchmarks use
// setEnabled(false) (nothing is built or stored), or setRecordQueries(false)
// (queries are only counted: no argument list, no entry, no sig_recorded).
//
// GUI thread only, like the views.
class KP_BUSINESS_EXPORT CommandJournal : public QObject
{
    Q_OBJECT
public:
    static CommandJournal* instance();

    // Used by the views: the argument list is built only when it will be kept.
    template<typename... Args> void command(const QString& view, const QString& operation, const Args&... args)
    {
        if (m_enabled)
            store(view, operation, QVariantList { KpJournal::toVariant(args)... }, false);
    }
    template<typename... Args> void query(const QString& view, const QString& operation, const Args&... args)
    {
        if (!m_enabled)
            return;
        if (!m_recordQueries) {
            statsOf(view, operation).count++;
            return;
        }
        store(view, operation, QVariantList { KpJournal::toVariant(args)... }, true);
    }

    // Kept entries, oldest first.
    QList<JournalEntry> entries() const;
    QList<JournalEntry> entries(const QString& operation) const;
    // Operation names of the kept entries, oldest first.
    QStringList operations() const;
    // Kept commands only (queries left out), oldest first.
    QStringList commandOperations() const;
    int size() const { return m_entries.size(); }

    // Calls of an operation since clear() (including dropped and count-only ones).
    int count(const QString& operation) const { return m_byOperation.value(operation).count; }
    // Latest entry of an operation; an invalid entry when it was never recorded
    // (or only counted).
    JournalEntry last(const QString& operation) const { return m_byOperation.value(operation).last; }
    bool contains(const QString& view, const QString& operation) const;

    void clear();

    void setEnabled(bool enabled) { m_enabled = enabled; }
    bool isEnabled() const { return m_enabled; }
    void setRecordQueries(bool on) { m_recordQueries = on; }
    // At least 2; default 100000.
    void setCapacity(int capacity);
    int capacity() const { return m_capacity; }

signals:
    void sig_recorded(const JournalEntry& entry);

private:
    // What is kept per operation name, so that recording costs one look-up.
    struct OperationStats
    {
        int count = 0;
        JournalEntry last;
        QStringList views; // the views that had it called; almost always one
    };

    explicit CommandJournal(QObject* parent = nullptr);
    void store(const QString& view, const QString& operation, QVariantList&& args, bool isQuery);
    OperationStats& statsOf(const QString& view, const QString& operation);

    QVector<JournalEntry> m_entries;
    QHash<QString, OperationStats> m_byOperation;
    int m_capacity = 100000;
    bool m_enabled = true;
    bool m_recordQueries = true;
};
