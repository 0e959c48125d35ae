#pragma once

#include "customui/kp_customui_global.h"

#include "business/AddressBookRecords.h"
#include "business/BusinessEnums.h"
#include "customui/MoveWidget.h"

#include <QSharedPointer>
#include <QStringList>

#include <memory>

class QAction;
class StaffPickerModel;
class StaffSelectedModel;

namespace Ui {
class SectionStaffWindow;
}

// The directory picker. It lists the directory by department with check
// boxes, filters it as the user types, keeps a "selected" list, and answers
// OK with sig_returnAccouts(accounts, type), where type is the value given
// at construction. The answer is also relayed to the business library as
// UnifiedConferenceView::sig_selectConfMembers(accounts, persons, type).
// Cancel or close answer nothing. The window deletes itself when closed.
//
// By default the picker sits in the client's modal mask of the main window
// (POPUP_HANDLE_MAIN): closing it hides that mask, and hiding that mask
// closes it. setIsInMask(false, ...) makes it a free window.
class KP_CUSTOMUI_EXPORT SectionStaffWindow : public MoveWidget
{
    Q_OBJECT
public:
    explicit SectionStaffWindow(int type, QWidget* parent = nullptr);
    ~SectionStaffWindow() override;

    // The picker kind it was made for (10 conference members, 2 group members, ...).
    int pickerType() const { return m_type; }

    // The whole directory is offered; these members (already present) are
    // checked, cannot be unchecked, and are not returned.
    void setDefaultStaff(const QStringList& accounts);

    // Only these persons are offered (persons that are not valid directory
    // persons are left out); the accounts among them start checked and may
    // be unchecked. Every checked account is returned.
    void setOnlyDefaultStaff(const QStringList& accounts, const QList<QSharedPointer<AddressBookBase>>& persons);

    void setIsInMask(bool inMask, PopUpHandleType type);
    bool isInMask() const { return m_inMask; }

    StaffPickerModel* staffModel() const { return m_model; }

signals:
    void sig_returnAccouts(QStringList accounts, int type);

public slots:
    void slot_onOk();
    void slot_onCancel();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void slot_onSearchTextChanged(const QString& text);
    void slot_onSelectionChanged();
    void slot_onHideMask(PopUpHandleType type);
    void loadDirectory();
    void updateExpansion();
    void finish(bool accepted);

    std::unique_ptr<Ui::SectionStaffWindow> ui;
    StaffPickerModel* m_model = nullptr;
    StaffSelectedModel* m_selectedModel = nullptr;
    QAction* m_clearAction = nullptr;
    const int m_type;
    bool m_inMask = true;
    PopUpHandleType m_maskType = POPUP_HANDLE_MAIN;
    bool m_finished = false;
};
