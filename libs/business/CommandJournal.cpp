#include "CommandJournal.h"

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

void CommandJournal::record(const QString& view, const QString& operation, const QVariantList& args)
{
    if (m_enabled)
        store(view, operation, QVariantList(args), false);
}

void CommandJournal::recordQuery(const QString& view, const QString& operation, const QVariantList& args)
{
    if (!m_enabled)
        return;
    if (m_recordQueries)
        store(view, operation, QVariantList(args), true);
    else
        countOnly(view, operation);
}

void CommandJournal::store(const QString& view, const QString& operation, QVariantList&& args, bool isQuery)
{
    if (m_entries.size() >= m_capacity)
        m_entries.erase(m_entries.begin(), m_entries.begin() + m_entries.size() / 2);
    m_entries.append(JournalEntry { view, operation, std::move(args), isQuery });
    // A copy: a receiver may record further entries and move the vector.
    const JournalEntry entry = m_entries.constLast();
    ++m_counts[operation];
    m_last.insert(operation, entry);
    m_viewsByOperation[operation].insert(view);
    emit sig_recorded(entry);
}

void CommandJournal::countOnly(const QString& view, const QString& operation)
{
    ++m_counts[operation];
    m_viewsByOperation[operation].insert(view);
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
    const auto it = m_viewsByOperation.constFind(operation);
    return it != m_viewsByOperation.cend() && it->contains(view);
}

void CommandJournal::clear()
{
    m_entries.clear();
    m_counts.clear();
    m_last.clear();
    m_viewsByOperation.clear();
}

void CommandJournal::setCapacity(int capacity)
{
    m_capacity = qMax(2, capacity);
    if (m_entries.size() > m_capacity)
        m_entries.erase(m_entries.begin(), m_entries.end() - m_capacity);
}
