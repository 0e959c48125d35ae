#include "customui/SectionStaffWindow.h"
#include "customui/StaffPickerModel.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTreeView>
#include <QtTest>

using F = BusinessFixture;
using TestWindows::child;
using TestWindows::click;

// The directory picker: search, fixed members, both ways of filling it, the typed answer, the mask, a large directory.
class tst_SectionStaffWindow : public QObject
{
    Q_OBJECT

private:
    static QModelIndex personIndex(SectionStaffWindow& window, const QString& account)
    {
        return window.staffModel()->indexOfAccount(account);
    }

    static QAbstractItemModel* selectedList(SectionStaffWindow& window)
    {
        return child<QListView>(&window, "listView_selected")->model();
    }

private slots:
    void init()
    {
        F::reset();
        const auto person = [](const char* account, const char* name, const char* phone, const char* department) {
            const auto text = [](const char* s) { return *s ? QString::fromUtf8(s) : QString(); };
            return F::makePerson(text(account), text(name), text(phone), text(department));
        };
        F::business()->getAddressBookView()->setDirectory({ person("alice", "Alice Li", "13800000001", "Sales"),
            person("bob", "Bob Stone", "13800000002", "Sales"), person("carol", "Carol", "13900000003", "Research"),
            person("dave", "Dave Lin", "", "Research"), person("erin", "Erin", "", "") });
    }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void searchFiltersAsYouType()
    {
        SectionStaffWindow window(2);
        window.show();
        auto* model = window.staffModel();
        auto* tree = child<QTreeView>(&window, "treeView_staff");
        QCOMPARE(model->visiblePersonCount(), 5);
        QCOMPARE(tree->model()->rowCount(), 3); // Research, Sales, no department

        auto* search = child<QLineEdit>(&window, "lineEdit_search");
        QTest::keyClicks(search, QStringLiteral("LIN"));
        QCOMPARE(model->visiblePersonCount(), 1); // Dave Lin
        QTest::keyClick(search, Qt::Key_Backspace); // wider again
        QCOMPARE(model->visiblePersonCount(), 2); // Alice Li, Dave Lin
        QVERIFY(personIndex(window, QStringLiteral("alice")).isValid());
        QVERIFY(!personIndex(window, QStringLiteral("bob")).isValid());
        QVERIFY(tree->isExpanded(personIndex(window, QStringLiteral("dave")).parent()));

        search->setText(QStringLiteral("1390")); // by telephone number
        QCOMPARE(model->visiblePersonCount(), 1);
        search->setText(QStringLiteral(" research ")); // by department
        QCOMPARE(model->visiblePersonCount(), 2);
        search->setText(QStringLiteral("nobody"));
        QCOMPARE(tree->model()->rowCount(), 0);
        search->clear();
        QCOMPARE(model->visiblePersonCount(), 5);
    }

    void fixedMembersStayCheckedAndAreNotReturned()
    {
        SectionStaffWindow window(2);
        window.setIsInMask(false, POPUP_HANDLE_DEFAULT);
        auto* model = window.staffModel();
        window.setDefaultStaff({ QStringLiteral("erin") });
        window.setDefaultStaff({ QStringLiteral("alice"), QStringLiteral("unknown") }); // replaces the first
        QVERIFY(!model->isChecked(QStringLiteral("erin")));
        const QModelIndex alice = personIndex(window, QStringLiteral("alice"));
        QCOMPARE(alice.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(!(model->flags(alice) & Qt::ItemIsUserCheckable));
        QVERIFY(!model->setData(alice, Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(model->isChecked(QStringLiteral("alice")));

        // The department box takes the others along but leaves Alice checked.
        const QModelIndex sales = alice.parent();
        QVERIFY(model->setData(sales, Qt::Checked, Qt::CheckStateRole));
        QVERIFY(model->isChecked(QStringLiteral("bob")));
        QCOMPARE(sales.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
        QVERIFY(model->setData(sales, Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!model->isChecked(QStringLiteral("bob")));
        QVERIFY(model->isChecked(QStringLiteral("alice")));
        QCOMPARE(sales.data(Qt::CheckStateRole).toInt(), int(Qt::PartiallyChecked));

        // In the "selected" list Alice is shown but cannot be removed.
        QAbstractItemModel* selected = selectedList(window);
        QCOMPARE(selected->rowCount(), 1);
        QVERIFY(!selected->setData(selected->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!(selected->flags(selected->index(0, 0)) & Qt::ItemIsEnabled));

        QSignalSpy answer(&window, &SectionStaffWindow::sig_returnAccouts);
        model->setChecked(QStringLiteral("dave"), true);
        QVERIFY(click(&window, "btn_ok"));
        QCOMPARE(answer.first().at(0).toStringList(), QStringList { QStringLiteral("dave") });
    }

    void okReturnsTheChoiceInOrderWithTheWindowType()
    {
        auto* window = new SectionStaffWindow(10);
        QPointer<SectionStaffWindow> guard(window);
        window->setIsInMask(false, POPUP_HANDLE_DEFAULT);
        window->show();
        QSignalSpy answer(window, &SectionStaffWindow::sig_returnAccouts);
        QSignalSpy relayed(F::business()->getUnifiedConferenceView(), &UnifiedConferenceView::sig_selectConfMembers);
        QSignalSpy maskHidden(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt);

        // Checked with the keyboard in the tree, then by the model.
        auto* tree = child<QTreeView>(window, "treeView_staff");
        tree->setFocus();
        tree->setCurrentIndex(personIndex(*window, QStringLiteral("carol")));
        QTest::keyClick(tree, Qt::Key_Space);
        QVERIFY(window->staffModel()->isChecked(QStringLiteral("carol")));
        window->staffModel()->setChecked(QStringLiteral("alice"), true);
        window->staffModel()->setChecked(QStringLiteral("erin"), true);
        // Removing from the "selected" list unchecks.
        QAbstractItemModel* selected = selectedList(*window);
        QCOMPARE(selected->rowCount(), 3);
        QVERIFY(selected->setData(selected->index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!window->staffModel()->isChecked(QStringLiteral("erin")));
        QCOMPARE(child<QLabel>(window, "label_selected")->text(), QStringLiteral("Selected: 2"));

        QVERIFY(click(window, "btn_ok"));
        QCOMPARE(answer, (QList<QVariantList> { { F::texts({ "carol", "alice" }), 10 } }));
        QCOMPARE(relayed.count(), 1);
        QCOMPARE(relayed.first().at(0).toStringList(), F::texts({ "carol", "alice" }));
        QCOMPARE(relayed.first().at(1).value<QList<QSharedPointer<AddressBookBase>>>().size(), 2);
        QCOMPARE(relayed.first().at(2).toInt(), 10);
        QCOMPARE(maskHidden.count(), 0); // not in a mask
        F::flushDeletes();
        QVERIFY(guard.isNull());
    }

    void maskCancelAndCloseAnswerNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("maskType");
        QTest::addColumn<int>("maskEmits"); // what the spy sees, the test's own emits included
        QTest::newRow("cancel") << QStringLiteral("btn_cancel") << int(POPUP_HANDLE_MAIN) << 1;
        QTest::newRow("close button") << QStringLiteral("btn_close") << int(POPUP_HANDLE_MAIN) << 1;
        QTest::newRow("mask hidden") << QStringLiteral("mask") << int(POPUP_HANDLE_CONFERENCE) << 2;
    }
    void maskCancelAndCloseAnswerNothing()
    {
        QFETCH(QString, action);
        QFETCH(int, maskType);
        QFETCH(int, maskEmits);
        auto* window = new SectionStaffWindow(10);
        QPointer<SectionStaffWindow> guard(window);
        if (maskType != POPUP_HANDLE_MAIN) // the main window's mask is the default
            window->setIsInMask(true, PopUpHandleType(maskType));
        window->show();
        window->staffModel()->setChecked(QStringLiteral("bob"), true);
        QSignalSpy answer(window, &SectionStaffWindow::sig_returnAccouts);
        QSignalSpy maskHidden(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt);
        if (action == QLatin1String("mask")) {
            emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_MAIN); // another mask
            QVERIFY(window->isVisible());
            emit UI_ControlView::instance()->sig_hideMaskWgt(PopUpHandleType(maskType));
        } else {
            QVERIFY(click(window, action.toLatin1().constData()));
        }
        QCOMPARE(answer.count(), 0);
        QCOMPARE(maskHidden.count(), maskEmits);
        QCOMPARE(maskHidden.last().first().value<PopUpHandleType>(), PopUpHandleType(maskType));
        F::flushDeletes();
        QVERIFY(guard.isNull());
    }

    void ownerMayDeleteThePickerWhenItAnswers()
    {
        auto* window = new SectionStaffWindow(7);
        window->setIsInMask(false, POPUP_HANDLE_DEFAULT);
        window->show();
        window->staffModel()->setChecked(QStringLiteral("bob"), true);
        connect(window, &SectionStaffWindow::sig_returnAccouts, this, [&window] {
            delete window;
            window = nullptr;
        });
        QSignalSpy relayed(F::business()->getUnifiedConferenceView(), &UnifiedConferenceView::sig_selectConfMembers);
        window->slot_onOk();
        QVERIFY(!window);
        QCOMPARE(relayed.count(), 1);
        QCOMPARE(relayed.first().at(2).toInt(), 7);
    }

    void onlyDefaultStaffOffersOnlyThosePersons()
    {
        auto* directory = F::business()->getAddressBookView();
        auto left = F::makePerson(QStringLiteral("frank"));
        left->setActive(false);
        SectionStaffWindow window(10);
        window.setIsInMask(false, POPUP_HANDLE_DEFAULT);
        window.setDefaultStaff({ QStringLiteral("bob") }); // fixed before: free once only these are offered
        window.setOnlyDefaultStaff(F::texts({ "carol", "frank" }),
            { directory->person(QStringLiteral("bob")), directory->person(QStringLiteral("carol")),
                directory->person(QStringLiteral("dave")), left, QSharedPointer<AddressBookBase>() });
        auto* model = window.staffModel();
        QCOMPARE(model->personCount(), 3); // frank has left, the null entry is nobody
        QVERIFY(!personIndex(window, QStringLiteral("alice")).isValid());
        QVERIFY(!model->isChecked(QStringLiteral("bob")));
        QVERIFY(model->isChecked(QStringLiteral("carol")));
        model->setChecked(QStringLiteral("dave"), true);
        QVERIFY(model->setChecked(QStringLiteral("carol"), false)); // defaults here may be unchecked
        model->setChecked(QStringLiteral("carol"), true);

        QSignalSpy answer(&window, &SectionStaffWindow::sig_returnAccouts);
        QVERIFY(click(&window, "btn_ok"));
        QCOMPARE(answer.first().at(0).toStringList(), F::texts({ "dave", "carol" }));
    }

    void largeDirectoryUsesNoWidgetPerPerson()
    {
        QList<QSharedPointer<AddressBookPerson>> persons;
        for (int i = 0; i < 10000; ++i)
            persons << F::makePerson(QStringLiteral("user%1").arg(i), QStringLiteral("User %1").arg(i), QString(),
                QStringLiteral("Department %1").arg(i % 50));
        F::business()->getAddressBookView()->setDirectory(persons);

        SectionStaffWindow window(2);
        window.show();
        QCOMPARE(window.staffModel()->personCount(), 10000);
        QVERIFY(window.findChildren<QWidget*>().size() < 100);
        QTest::keyClicks(child<QLineEdit>(&window, "lineEdit_search"), QStringLiteral("user9999"));
        QCOMPARE(window.staffModel()->visiblePersonCount(), 1);
        const QModelIndex department = window.staffModel()->index(0, 0);
        QVERIFY(window.staffModel()->setData(department, Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(window.staffModel()->chosenAccounts(), QStringList { QStringLiteral("user9999") });
    }
};

QTEST_MAIN(tst_SectionStaffWindow)
#include "tst_SectionStaffWindow.moc"
