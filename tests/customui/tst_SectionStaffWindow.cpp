#include "BusinessFixture.h"
#include "SectionStaffWindow.h"
#include "StaffPickerModel.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeView>
#include <QtTest>

// The directory picker: search, fixed members, the two ways of being
// filled, the answer with its type, the modal mask, a large directory.
class tst_SectionStaffWindow : public QObject
{
    Q_OBJECT

private:
    static void fillDirectory()
    {
        auto* directory = BusinessFixture::business()->getAddressBookView();
        directory->setDirectory({
            BusinessFixture::makePerson(QStringLiteral("alice"), QStringLiteral("Alice Li"),
                QStringLiteral("13800000001"), QStringLiteral("Sales")),
            BusinessFixture::makePerson(QStringLiteral("bob"), QStringLiteral("Bob Stone"),
                QStringLiteral("13800000002"), QStringLiteral("Sales")),
            BusinessFixture::makePerson(QStringLiteral("carol"), QStringLiteral("Carol"), QStringLiteral("13900000003"),
                QStringLiteral("Research")),
            BusinessFixture::makePerson(
                QStringLiteral("dave"), QStringLiteral("Dave Lin"), QString(), QStringLiteral("Research")),
            BusinessFixture::makePerson(QStringLiteral("erin"), QStringLiteral("Erin"), QString(), QString()),
        });
    }

    static QModelIndex personIndex(SectionStaffWindow& window, const QString& account)
    {
        return window.staffModel()->indexOfAccount(account);
    }

    static QPushButton* button(SectionStaffWindow& window, const char* name)
    {
        return window.findChild<QPushButton*>(QLatin1String(name));
    }

private slots:
    void init()
    {
        BusinessFixture::reset();
        fillDirectory();
    }

    void searchFiltersAsYouType()
    {
        SectionStaffWindow window(2);
        window.show();
        auto* model = window.staffModel();
        auto* tree = window.findChild<QTreeView*>(QStringLiteral("treeView_staff"));
        QCOMPARE(model->visiblePersonCount(), 5);
        QCOMPARE(tree->model()->rowCount(), 3); // Research, Sales, no department

        auto* search = window.findChild<QLineEdit*>(QStringLiteral("lineEdit_search"));
        QTest::keyClicks(search, QStringLiteral("LI"));
        QCOMPARE(model->visiblePersonCount(), 2); // Alice Li, Dave Lin
        QVERIFY(personIndex(window, QStringLiteral("alice")).isValid());
        QVERIFY(!personIndex(window, QStringLiteral("bob")).isValid());
        QVERIFY(tree->isExpanded(personIndex(window, QStringLiteral("dave")).parent()));

        search->setText(QStringLiteral("1390")); // by telephone number
        QCOMPARE(model->visiblePersonCount(), 1);
        search->setText(QStringLiteral("research")); // by department
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
        window.setDefaultStaff({ QStringLiteral("alice"), QStringLiteral("unknown") });
        auto* model = window.staffModel();
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
        auto* selected = window.findChild<QListView*>(QStringLiteral("listView_selected"))->model();
        QCOMPARE(selected->rowCount(), 1);
        QVERIFY(!selected->setData(selected->index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!(selected->flags(selected->index(0, 0)) & Qt::ItemIsEnabled));

        QSignalSpy answer(&window, &SectionStaffWindow::sig_returnAccouts);
        model->setChecked(QStringLiteral("dave"), true);
        button(window, "btn_ok")->click();
        QCOMPARE(answer.count(), 1);
        QCOMPARE(answer.first().at(0).toStringList(), QStringList { QStringLiteral("dave") });
    }

    void okReturnsTheChoiceInOrderWithTheWindowType()
    {
        auto* window = new SectionStaffWindow(10);
        QPointer<SectionStaffWindow> guard(window);
        window->setIsInMask(false, POPUP_HANDLE_DEFAULT);
        window->show();
        QSignalSpy answer(window, &SectionStaffWindow::sig_returnAccouts);
        QSignalSpy maskHidden(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt);
        QStringList relayed;
        int relayedType = -1;
        QObject context; // the connection ends with this test function
        connect(BusinessFixture::business()->getUnifiedConferenceView(), &UnifiedConferenceView::sig_selectConfMembers,
            &context,
            [&](const QStringList& accounts, const QList<QSharedPointer<AddressBookBase>>& persons, int type) {
                relayed = accounts;
                relayedType = type;
                QCOMPARE(persons.size(), accounts.size());
            });

        // Checked with the keyboard in the tree, then by the model.
        auto* tree = window->findChild<QTreeView*>(QStringLiteral("treeView_staff"));
        tree->setFocus();
        tree->setCurrentIndex(personIndex(*window, QStringLiteral("carol")));
        QTest::keyClick(tree, Qt::Key_Space);
        QVERIFY(window->staffModel()->isChecked(QStringLiteral("carol")));
        window->staffModel()->setChecked(QStringLiteral("alice"), true);
        window->staffModel()->setChecked(QStringLiteral("erin"), true);
        // Removing from the "selected" list unchecks.
        auto* selected = window->findChild<QListView*>(QStringLiteral("listView_selected"))->model();
        QCOMPARE(selected->rowCount(), 3);
        QVERIFY(selected->setData(selected->index(2, 0), Qt::Unchecked, Qt::CheckStateRole));
        QVERIFY(!window->staffModel()->isChecked(QStringLiteral("erin")));
        QCOMPARE(window->findChild<QLabel*>(QStringLiteral("label_selected"))->text(), QStringLiteral("Selected: 2"));

        button(*window, "btn_ok")->click();
        QCOMPARE(answer.count(), 1);
        const QStringList expected { QStringLiteral("carol"), QStringLiteral("alice") };
        QCOMPARE(answer.first().at(0).toStringList(), expected);
        QCOMPARE(answer.first().at(1).toInt(), 10);
        QCOMPARE(relayed, expected);
        QCOMPARE(relayedType, 10);
        QCOMPARE(maskHidden.count(), 0); // not in a mask
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }

    void cancelAnswersNothingAndLiftsTheMask()
    {
        auto* window = new SectionStaffWindow(10);
        QPointer<SectionStaffWindow> guard(window);
        QSignalSpy answer(window, &SectionStaffWindow::sig_returnAccouts);
        QSignalSpy maskHidden(UI_ControlView::instance(), &UI_ControlView::sig_hideMaskWgt);
        QVERIFY(window->isInMask());
        QCOMPARE(window->maskType(), POPUP_HANDLE_MAIN);
        window->show();
        window->staffModel()->setChecked(QStringLiteral("bob"), true);
        button(*window, "btn_cancel")->click();
        QCOMPARE(answer.count(), 0);
        QCOMPARE(maskHidden.count(), 1);
        QCOMPARE(maskHidden.first().first().value<PopUpHandleType>(), POPUP_HANDLE_MAIN);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
    }

    void hidingItsMaskClosesThePicker()
    {
        auto* window = new SectionStaffWindow(10);
        QPointer<SectionStaffWindow> guard(window);
        window->setIsInMask(true, POPUP_HANDLE_CONFERENCE);
        window->show();
        QSignalSpy answer(window, &SectionStaffWindow::sig_returnAccouts);
        emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_MAIN); // another mask
        QVERIFY(window->isVisible());
        emit UI_ControlView::instance()->sig_hideMaskWgt(POPUP_HANDLE_CONFERENCE);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(guard.isNull());
        QCOMPARE(answer.count(), 0);
    }

    void onlyDefaultStaffOffersOnlyThosePersons()
    {
        auto* directory = BusinessFixture::business()->getAddressBookView();
        auto left = BusinessFixture::makePerson(QStringLiteral("frank"));
        left->setActive(false);
        SectionStaffWindow window(10);
        window.setIsInMask(false, POPUP_HANDLE_DEFAULT);
        window.setOnlyDefaultStaff({ QStringLiteral("bob"), QStringLiteral("carol"), QStringLiteral("frank") },
            { directory->getAddressBookOnePerson_Account(QStringLiteral("bob"), false),
                directory->getAddressBookOnePerson_Account(QStringLiteral("carol"), false),
                directory->getAddressBookOnePerson_Account(QStringLiteral("dave"), false), left,
                QSharedPointer<AddressBookBase>() });
        auto* model = window.staffModel();
        QCOMPARE(model->personCount(), 3); // frank has left, the null entry is nobody
        QVERIFY(!personIndex(window, QStringLiteral("alice")).isValid());
        QVERIFY(model->isChecked(QStringLiteral("bob")));
        QVERIFY(!model->isChecked(QStringLiteral("dave")));
        QVERIFY(model->setChecked(QStringLiteral("bob"), false)); // defaults here may be unchecked
        model->setChecked(QStringLiteral("dave"), true);

        QSignalSpy answer(&window, &SectionStaffWindow::sig_returnAccouts);
        button(window, "btn_ok")->click();
        QCOMPARE(
            answer.first().at(0).toStringList(), (QStringList { QStringLiteral("carol"), QStringLiteral("dave") }));
    }

    void largeDirectoryUsesNoWidgetPerPerson()
    {
        QList<QSharedPointer<AddressBookPerson>> persons;
        for (int i = 0; i < 10000; ++i)
            persons << BusinessFixture::makePerson(QStringLiteral("user%1").arg(i), QStringLiteral("User %1").arg(i),
                QString(), QStringLiteral("Department %1").arg(i % 50));
        BusinessFixture::business()->getAddressBookView()->setDirectory(persons);

        SectionStaffWindow window(2);
        window.show();
        QCOMPARE(window.staffModel()->personCount(), 10000);
        QVERIFY(window.findChildren<QWidget*>().size() < 100);
        window.findChild<QLineEdit*>(QStringLiteral("lineEdit_search"))->setText(QStringLiteral("user9999"));
        QCOMPARE(window.staffModel()->visiblePersonCount(), 1);
        const QModelIndex department = window.staffModel()->index(0, 0);
        QVERIFY(window.staffModel()->setData(department, Qt::Checked, Qt::CheckStateRole));
        QCOMPARE(window.staffModel()->chosenAccounts(), QStringList { QStringLiteral("user9999") });
    }
};

QTEST_MAIN(tst_SectionStaffWindow)
#include "tst_SectionStaffWindow.moc"
