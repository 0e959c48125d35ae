#pragma once

#include "customui/kp_customui_global.h"

#include "business/AddressBookRecords.h"

#include <QAbstractItemModel>
#include <QAbstractListModel>
#include <QHash>
#include <QSet>
#include <QSharedPointer>
#include <QStringList>
#include <QVector>

// The directory as a two-level tree, departments over persons, with check
// boxes and a search filter. It keeps the choice itself, so the picker's
// views and its "selected" list stay in step, and it scales to tens of
// thousands of persons (no item objects per person).
//
// Locked accounts (members already present) are shown checked and cannot be
// unchecked; they are not part of the choice. Checked accounts keep the
// order in which they were checked.
class KP_CUSTOMUI_EXPORT StaffPickerModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Roles {
        AccountRole = Qt::UserRole + 1, // person rows: the account
        LockedRole, // person rows: fixed member
        DepartmentRole, // true on department rows
    };

    explicit StaffPickerModel(QObject* parent = nullptr);
    ~StaffPickerModel() override;

    // Replaces the persons (duplicates and persons without account are
    // skipped). Checks and locks of accounts still present are kept.
    void setPersons(const QList<QSharedPointer<AddressBookPerson>>& persons);

    // Fixed members: checked, not uncheckable, not returned by chosenAccounts.
    // Accounts that were fixed before and are not any more are unchecked.
    void setLockedAccounts(const QStringList& accounts);
    // Pre-checked members that the user may uncheck.
    void setCheckedAccounts(const QStringList& accounts);

    // Keeps the persons a directory search for the text finds
    // (AddressBookPerson::matchesSearchKey). Typing on narrows the shown
    // persons without looking at the others again.
    void setFilterText(const QString& text);
    bool isFiltered() const { return !m_filterKey.isEmpty(); }

    // False when the account is unknown or locked.
    bool setChecked(const QString& account, bool checked);
    bool isChecked(const QString& account) const { return m_checked.contains(account); }
    bool isLocked(const QString& account) const { return m_locked.contains(account); }

    QStringList checkedAccounts() const { return m_checkedOrder; } // locked included
    QStringList chosenAccounts() const; // locked excluded
    QList<QSharedPointer<AddressBookBase>> chosenPersons() const;
    QSharedPointer<AddressBookPerson> person(const QString& account) const;

    int personCount() const { return m_entries.size(); }
    int visiblePersonCount() const;
    QModelIndex indexOfAccount(const QString& account) const; // invalid when filtered out

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

signals:
    void selectionChanged();

private:
    struct Entry
    {
        QSharedPointer<AddressBookPerson> person;
        QString account;
        QString label;
        int department = 0;
    };
    struct Department
    {
        QString name;
        QVector<int> entries;
    };
    struct VisibleDepartment
    {
        int department = 0;
        QVector<int> entries;
    };

    // Keeps the departments and persons that match the filter; with
    // narrowing, only among those shown now.
    void rebuildVisible(bool narrowing = false);
    int entryOf(const QModelIndex& index) const; // -1 for department rows
    Qt::CheckState departmentState(int visibleRow) const;
    void notifyPerson(const QString& account);
    // Drops from the check order the accounts that are no longer checked.
    void removeUncheckedFromOrder();

    QVector<Entry> m_entries;
    QHash<QString, int> m_byAccount;
    QVector<Department> m_departments;
    QVector<VisibleDepartment> m_visible;
    QString m_filterKey; // AddressBookPerson::searchKey of the filter text
    QSet<QString> m_checked;
    QStringList m_checkedOrder;
    QSet<QString> m_locked;
};

// The "selected" list of the picker: the checked persons in the order they
// were checked, each with a check box; unchecking one removes it from the
// choice. Locked members are listed but disabled.
class KP_CUSTOMUI_EXPORT StaffSelectedModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit StaffSelectedModel(StaffPickerModel* picker, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void slot_onSelectionChanged();

    StaffPickerModel* m_picker;
    QStringList m_accounts;
};
