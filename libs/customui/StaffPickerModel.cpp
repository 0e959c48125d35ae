#include "customui/StaffPickerModel.h"

#include <QMap>
#include <algorithm>
#include <numeric>

namespace {
const quintptr kDepartmentId = 0;
}

StaffPickerModel::StaffPickerModel(QObject* parent)
    : QAbstractItemModel(parent)
{ }

StaffPickerModel::~StaffPickerModel() = default;

void StaffPickerModel::setPersons(const QList<QSharedPointer<AddressBookPerson>>& persons)
{
    beginResetModel();
    m_entries.clear();
    m_byAccount.clear();
    m_departments.clear();

    QMap<QString, int> departmentIndex;
    QVector<QString> names;
    for (const QSharedPointer<AddressBookPerson>& person : persons) {
        if (!person || person->account().isEmpty() || m_byAccount.contains(person->account()))
            continue;
        Entry entry;
        entry.person = person;
        entry.account = person->account();
        entry.label = person->displayName().isEmpty() ? entry.account : person->displayName();
        const QString department = person->department().trimmed();
        auto it = departmentIndex.find(department);
        if (it == departmentIndex.end()) {
            it = departmentIndex.insert(department, names.size());
            names.append(department);
        }
        entry.department = it.value();
        m_byAccount.insert(entry.account, m_entries.size());
        m_entries.append(entry);
    }

    // Departments in alphabetical order, persons without one at the end;
    // persons keep the directory's order inside their department.
    QVector<int> order(names.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&names](int a, int b) {
        if (names.at(a).isEmpty() != names.at(b).isEmpty())
            return names.at(b).isEmpty();
        return QString::localeAwareCompare(names.at(a), names.at(b)) < 0;
    });
    QVector<int> position(names.size());
    for (int i = 0; i < order.size(); ++i) {
        position[order.at(i)] = i;
        Department department;
        department.name = names.at(order.at(i));
        m_departments.append(department);
    }
    for (int i = 0; i < m_entries.size(); ++i) {
        m_entries[i].department = position.at(m_entries.at(i).department);
        m_departments[m_entries.at(i).department].entries.append(i);
    }

    // Forget checks and locks of persons who are gone.
    const auto forgetGone = [this](QSet<QString>& accounts) {
        for (auto it = accounts.begin(); it != accounts.end();)
            it = m_byAccount.contains(*it) ? std::next(it) : accounts.erase(it);
    };
    forgetGone(m_checked);
    forgetGone(m_locked);
    removeUncheckedFromOrder();
    rebuildVisible();
    endResetModel();
    emit selectionChanged();
}

void StaffPickerModel::setLockedAccounts(const QStringList& accounts)
{
    beginResetModel();
    const QSet<QString> wasLocked = m_locked;
    m_locked.clear();
    for (const QString& account : accounts) {
        if (!m_byAccount.contains(account))
            continue;
        m_locked.insert(account);
        if (!m_checked.contains(account)) {
            m_checked.insert(account);
            m_checkedOrder.append(account);
        }
    }
    // A member no longer fixed was never chosen by the user.
    bool released = false;
    for (const QString& account : wasLocked) {
        if (!m_locked.contains(account))
            released |= m_checked.remove(account);
    }
    if (released)
        removeUncheckedFromOrder();
    endResetModel();
    emit selectionChanged();
}

void StaffPickerModel::setCheckedAccounts(const QStringList& accounts)
{
    beginResetModel();
    for (const QString& account : accounts) {
        if (m_byAccount.contains(account) && !m_checked.contains(account)) {
            m_checked.insert(account);
            m_checkedOrder.append(account);
        }
    }
    endResetModel();
    emit selectionChanged();
}

void StaffPickerModel::setFilterText(const QString& text)
{
    const QString key = AddressBookPerson::searchKey(text);
    if (key == m_filterKey)
        return;
    // A person found by the longer text is found by the shorter one too.
    const bool narrowing = !m_filterKey.isEmpty() && key.contains(m_filterKey);
    beginResetModel();
    m_filterKey = key;
    rebuildVisible(narrowing);
    endResetModel();
}

void StaffPickerModel::rebuildVisible(bool narrowing)
{
    if (narrowing) {
        QVector<VisibleDepartment> kept;
        for (const VisibleDepartment& visible : qAsConst(m_visible)) {
            QVector<int> entries;
            for (int entry : qAsConst(visible.entries)) {
                if (m_entries.at(entry).person->matchesSearchKey(m_filterKey))
                    entries.append(entry);
            }
            if (!entries.isEmpty())
                kept.append({ visible.department, entries });
        }
        m_visible = kept;
        return;
    }
    m_visible.clear();
    for (int d = 0; d < m_departments.size(); ++d) {
        VisibleDepartment visible;
        visible.department = d;
        for (int entry : m_departments.at(d).entries) {
            if (m_entries.at(entry).person->matchesSearchKey(m_filterKey))
                visible.entries.append(entry);
        }
        if (!visible.entries.isEmpty())
            m_visible.append(visible);
    }
}

int StaffPickerModel::visiblePersonCount() const
{
    int count = 0;
    for (const VisibleDepartment& department : m_visible)
        count += department.entries.size();
    return count;
}

bool StaffPickerModel::setChecked(const QString& account, bool checked)
{
    if (!m_byAccount.contains(account) || m_locked.contains(account))
        return false;
    if (checked == m_checked.contains(account))
        return true;
    if (checked) {
        m_checked.insert(account);
        m_checkedOrder.append(account);
    } else {
        m_checked.remove(account);
        m_checkedOrder.removeOne(account);
    }
    notifyPerson(account);
    emit selectionChanged();
    return true;
}

QStringList StaffPickerModel::chosenAccounts() const
{
    QStringList accounts;
    for (const QString& account : m_checkedOrder) {
        if (!m_locked.contains(account))
            accounts.append(account);
    }
    return accounts;
}

QList<QSharedPointer<AddressBookBase>> StaffPickerModel::chosenPersons() const
{
    QList<QSharedPointer<AddressBookBase>> persons;
    for (const QString& account : chosenAccounts())
        persons.append(m_entries.at(m_byAccount.value(account)).person);
    return persons;
}

QSharedPointer<AddressBookPerson> StaffPickerModel::person(const QString& account) const
{
    const auto it = m_byAccount.constFind(account);
    return it == m_byAccount.constEnd() ? QSharedPointer<AddressBookPerson>() : m_entries.at(it.value()).person;
}

QModelIndex StaffPickerModel::indexOfAccount(const QString& account) const
{
    const auto it = m_byAccount.constFind(account);
    if (it == m_byAccount.constEnd())
        return QModelIndex();
    // Shown departments and the persons inside each keep ascending indexes.
    const int department = m_entries.at(it.value()).department;
    const auto visible = std::lower_bound(m_visible.cbegin(), m_visible.cend(), department,
        [](const VisibleDepartment& v, int d) { return v.department < d; });
    if (visible == m_visible.cend() || visible->department != department)
        return QModelIndex();
    const auto entry = std::lower_bound(visible->entries.cbegin(), visible->entries.cend(), it.value());
    if (entry == visible->entries.cend() || *entry != it.value())
        return QModelIndex();
    return createIndex(int(entry - visible->entries.cbegin()), 0, quintptr(visible - m_visible.cbegin() + 1));
}

void StaffPickerModel::notifyPerson(const QString& account)
{
    const QModelIndex person = indexOfAccount(account);
    if (!person.isValid())
        return;
    emit dataChanged(person, person, { Qt::CheckStateRole });
    const QModelIndex department = person.parent();
    emit dataChanged(department, department, { Qt::CheckStateRole, Qt::DisplayRole });
}

void StaffPickerModel::removeUncheckedFromOrder()
{
    QStringList kept;
    kept.reserve(m_checked.size());
    for (const QString& account : qAsConst(m_checkedOrder)) {
        if (m_checked.contains(account))
            kept.append(account);
    }
    m_checkedOrder = kept;
}

int StaffPickerModel::entryOf(const QModelIndex& index) const
{
    if (!index.isValid() || index.internalId() == kDepartmentId)
        return -1;
    const int v = int(index.internalId()) - 1;
    if (v < 0 || v >= m_visible.size() || index.row() >= m_visible.at(v).entries.size())
        return -1;
    return m_visible.at(v).entries.at(index.row());
}

Qt::CheckState StaffPickerModel::departmentState(int visibleRow) const
{
    int checked = 0;
    const QVector<int>& entries = m_visible.at(visibleRow).entries;
    for (int entry : entries) {
        if (m_checked.contains(m_entries.at(entry).account))
            ++checked;
    }
    if (checked == 0)
        return Qt::Unchecked;
    return checked == entries.size() ? Qt::Checked : Qt::PartiallyChecked;
}

QModelIndex StaffPickerModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column != 0 || row < 0)
        return QModelIndex();
    if (!parent.isValid())
        return row < m_visible.size() ? createIndex(row, 0, kDepartmentId) : QModelIndex();
    if (parent.internalId() != kDepartmentId || parent.row() >= m_visible.size())
        return QModelIndex();
    if (row >= m_visible.at(parent.row()).entries.size())
        return QModelIndex();
    return createIndex(row, 0, quintptr(parent.row() + 1));
}

QModelIndex StaffPickerModel::parent(const QModelIndex& child) const
{
    if (!child.isValid() || child.internalId() == kDepartmentId)
        return QModelIndex();
    return createIndex(int(child.internalId()) - 1, 0, kDepartmentId);
}

int StaffPickerModel::rowCount(const QModelIndex& parent) const
{
    if (!parent.isValid())
        return m_visible.size();
    if (parent.internalId() == kDepartmentId && parent.row() < m_visible.size())
        return m_visible.at(parent.row()).entries.size();
    return 0;
}

int StaffPickerModel::columnCount(const QModelIndex&) const
{
    return 1;
}

QVariant StaffPickerModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (index.internalId() == kDepartmentId) {
        if (index.row() >= m_visible.size())
            return QVariant();
        const VisibleDepartment& visible = m_visible.at(index.row());
        switch (role) {
        case Qt::DisplayRole: {
            const QString name = m_departments.at(visible.department).name;
            return QStringLiteral("%1 (%2)")
                .arg(name.isEmpty() ? tr("No department") : name)
                .arg(visible.entries.size());
        }
        case Qt::CheckStateRole:
            return departmentState(index.row());
        case DepartmentRole:
            return true;
        default:
            return QVariant();
        }
    }
    const int entry = entryOf(index);
    if (entry < 0)
        return QVariant();
    const Entry& e = m_entries.at(entry);
    switch (role) {
    case Qt::DisplayRole:
        return e.label;
    case Qt::ToolTipRole:
        return e.person->phoneNumber().isEmpty() ? e.account
                                                 : QStringLiteral("%1  %2").arg(e.account, e.person->phoneNumber());
    case Qt::CheckStateRole:
        return m_checked.contains(e.account) ? Qt::Checked : Qt::Unchecked;
    case AccountRole:
        return e.account;
    case LockedRole:
        return m_locked.contains(e.account);
    case DepartmentRole:
        return false;
    default:
        return QVariant();
    }
}

bool StaffPickerModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid())
        return false;
    const bool check = value.toInt() != Qt::Unchecked;
    if (index.internalId() != kDepartmentId) {
        const int entry = entryOf(index);
        return entry >= 0 && setChecked(m_entries.at(entry).account, check);
    }
    if (index.row() >= m_visible.size())
        return false;
    // A department's box checks every shown person of it, or unchecks them
    // all when all were checked; fixed members stay as they are.
    const bool checkAll = departmentState(index.row()) != Qt::Checked;
    bool changed = false;
    for (int entry : m_visible.at(index.row()).entries) {
        const QString& account = m_entries.at(entry).account;
        if (m_locked.contains(account) || m_checked.contains(account) == checkAll)
            continue;
        if (checkAll) {
            m_checked.insert(account);
            m_checkedOrder.append(account);
        } else {
            m_checked.remove(account);
        }
        changed = true;
    }
    if (!changed)
        return false;
    if (!checkAll)
        removeUncheckedFromOrder();
    const int rows = m_visible.at(index.row()).entries.size();
    emit dataChanged(this->index(0, 0, index), this->index(rows - 1, 0, index), { Qt::CheckStateRole });
    emit dataChanged(index, index, { Qt::CheckStateRole });
    emit selectionChanged();
    return true;
}

Qt::ItemFlags StaffPickerModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.internalId() == kDepartmentId)
        return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable;
    const int entry = entryOf(index);
    if (entry < 0)
        return Qt::NoItemFlags;
    if (m_locked.contains(m_entries.at(entry).account))
        return Qt::ItemIsSelectable; // shown checked, greyed, cannot change
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}

StaffSelectedModel::StaffSelectedModel(StaffPickerModel* picker, QObject* parent)
    : QAbstractListModel(parent)
    , m_picker(picker)
{
    connect(m_picker, &StaffPickerModel::selectionChanged, this, &StaffSelectedModel::slot_onSelectionChanged);
    slot_onSelectionChanged();
}

void StaffSelectedModel::slot_onSelectionChanged()
{
    beginResetModel();
    m_accounts = m_picker->checkedAccounts();
    endResetModel();
}

int StaffSelectedModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_accounts.size();
}

QVariant StaffSelectedModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_accounts.size())
        return QVariant();
    const QString& account = m_accounts.at(index.row());
    switch (role) {
    case Qt::DisplayRole: {
        const QSharedPointer<AddressBookPerson> person = m_picker->person(account);
        return person && !person->displayName().isEmpty() ? person->displayName() : account;
    }
    case Qt::ToolTipRole:
    case StaffPickerModel::AccountRole:
        return account;
    case Qt::CheckStateRole:
        return Qt::Checked;
    case StaffPickerModel::LockedRole:
        return m_picker->isLocked(account);
    default:
        return QVariant();
    }
}

bool StaffSelectedModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::CheckStateRole || !index.isValid() || index.row() >= m_accounts.size())
        return false;
    if (value.toInt() != Qt::Unchecked)
        return false;
    // The reset that follows removes the row.
    return m_picker->setChecked(m_accounts.at(index.row()), false);
}

Qt::ItemFlags StaffSelectedModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= m_accounts.size())
        return Qt::NoItemFlags;
    if (m_picker->isLocked(m_accounts.at(index.row())))
        return Qt::ItemIsSelectable;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
}
