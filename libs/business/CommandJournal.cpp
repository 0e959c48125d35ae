#include "business/CommandJournal.h"

CommandJournal* CommandJournal::instance()
{
    // Lives for the process, like the views that write to it.
    static CommandJournal* journal = new CommandJournal;
    return journal;
}

CommandJournal::CommandJournal(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<JournalEntry>("JournalEntry");
}

CommandJournal::OperationStats& CommandJournal::statsOf(const QString& view, const QString& operation)
{
    OperationStats& stats = m_byOperation[operation];
    if (!stats.views.contains(view))
        stats.views.append(view);
    return stats;
}

void CommandJournal::store(const QString& view, const QString& operation, QVariantList&& args, bool isQuery)
{
    if (m_entries.size() >= m_capacity)
        m_entries.erase(m_entries.begin(), m_entries.begin() + m_entries.size() / 2);
    m_entries.append(JournalEntry { view, operation, std::move(args), isQuery });
    // A copy: a receiver may record further entries and move the vector.
    const JournalEntry entry = m_entries.constLast();
    OperationStats& stats = statsOf(view, operation);
    ++stats.count;
    stats.last = entry;
    emit sig_recorded(entry);
}

QList<JournalEntry> CommandJournal::entries() const
{
    return QList<JournalEntry>(m_entries.cbegin(), m_entries.cend());
}

QList<JournalEntry> CommandJournal::entries(const QString& operation) const
{
    QList<JournalEntry> found;
    for (const JournalEntry& e : m_entries) {
        if (e.operation == operation)
            found << e;
    }
    return found;
}

QStringList CommandJournal::operations() const
{
    QStringList names;
    names.reserve(m_entries.size());
    for (const JournalEntry& e : m_entries)
        names << e.operation;
    return names;
}

QStringList CommandJournal::commandOperations() const
{
    QStringList names;
    for (const JournalEntry& e : m_entries) {
        if (!e.isQuery)
            names << e.operation;
    }
    return names;
}

bool CommandJournal::contains(const QString& view, const QString& operation) const
{
    const auto it = m_byOperation.constFind(operation);
    return it != m_byOperation.cend() && it->views.contains(view);
}

void CommandJournal::clear()
{
    m_entries.clear();
    m_byOperation.clear();
}

void CommandJournal::setCapacity(int capacity)
{
    m_capacity = qMax(2, capacity);
    if (m_entries.size() > m_capacity)
        m_entries.erase(m_entries.begin(), m_entries.end() - m_capacity);
}
