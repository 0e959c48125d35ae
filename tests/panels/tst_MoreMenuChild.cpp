#include "panels/MoreMenuChild.h"
#include "support/BusinessFixture.h"
#include "support/TestWindows.h"

#include <QComboBox>
#include <QLabel>
#include <QtTest>

using namespace TestWindows;
using F = BusinessFixture;

class tst_MoreMenuChild : public QObject
{
    Q_OBJECT

    static VoipView* voip() { return F::business()->getVoipView(); }
    static CommandJournal* journal() { return F::journal(); }
    // The devices' own indexes differ from their places in the list: selectCamera takes the place.
    static QList<Agent_CameraInfo> twoCameras()
    {
        return { { 6, QStringLiteral("USB Camera"), QStringLiteral("cam-usb"), 2, { { 1920, 1080 }, { 1280, 720 } } },
            { 4, QStringLiteral("Integrated Camera"), QStringLiteral("cam-int"), 3,
                { { 1280, 720 }, { 640, 480 }, { 320, 240 } } } };
    }
    static QStringList itemsOf(QComboBox* box)
    {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }
    static QVariantList lastSelectCamera() { return journal()->last(QStringLiteral("selectCamera")).args; }

private slots:
    void init() { F::reset(); }
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void devicesAreAskedForWhenMadeAndByThePageButtons()
    {
        QWidget owner;
        MoreMenuChild dialog(&owner, 0);
        QCOMPARE(journal()->operations(), F::texts({ "getCameraInfo", "getMicroPhoneInfo", "getSpeakerInfo" }));
        journal()->clear();
        MoreMenuChild audioOnly(nullptr, 2); // cameras only outside the audio mode
        QCOMPARE(journal()->operations(), F::texts({ "getMicroPhoneInfo", "getSpeakerInfo" }));

        // Each page has its title; its button asks for every device again.
        audioOnly.showPage(MoreMenuChild::Page_Video);
        QCOMPARE(child<QLabel>(&audioOnly, "label_title")->text(), QStringLiteral("video Setting"));
        audioOnly.showPage(MoreMenuChild::Page_Audio);
        QCOMPARE(child<QLabel>(&audioOnly, "label_title")->text(), QStringLiteral("audio Setting"));
        journal()->clear();
        audioOnly.slot_btnVideoClick();
        QCOMPARE(audioOnly.currentPage(), int(MoreMenuChild::Page_Video));
        audioOnly.slot_btnVoiceClick();
        QCOMPARE(audioOnly.currentPage(), int(MoreMenuChild::Page_Audio));
        QCOMPARE(journal()->operations(), F::texts({ "getCameraInfo", "getMicroPhoneInfo", "getSpeakerInfo" }));
    }

    void audioListsStartAtTheirFirstEntryAndSaveByTheDevicesIndexes()
    {
        MoreMenuChild dialog(nullptr, 2);
        const QList<Agent_MicroPhoneInfo> mics { { 10, QStringLiteral("Built-in Microphone") },
            { 11, QStringLiteral("Headset Microphone") } };
        emit voip()->sig_onGetMicroPhoneInfo(mics);
        emit voip()->sig_onGetSpeakerInfo(
            { { 20, QStringLiteral("Built-in Speakers") }, { 21, QStringLiteral("Headset") } });
        auto* micBox = child<QComboBox>(&dialog, "comboBox_mic");
        auto* speakerBox = child<QComboBox>(&dialog, "comboBox_speaker");
        // Saving by the devices' indexes is the demo's device-settings scenario.
        QCOMPARE(dialog.chosenSpeaker(), QStringLiteral("Built-in Speakers"));
        micBox->setCurrentIndex(1);

        // A refreshed list starts again from its first entry: the earlier choice is not restored.
        emit voip()->sig_onGetMicroPhoneInfo(QList<Agent_MicroPhoneInfo> { { 9, QStringLiteral("Webcam") } } + mics);
        QCOMPARE(micBox->currentIndex(), 0);
        QCOMPARE(dialog.chosenMicrophone(), QStringLiteral("Webcam"));

        // No devices: the boxes say so, and saving selects nothing but still closes.
        emit voip()->sig_onGetMicroPhoneInfo({});
        emit voip()->sig_onGetSpeakerInfo({});
        QCOMPARE(itemsOf(micBox), F::texts({ "No microphone detected" }));
        QCOMPARE(itemsOf(speakerBox), F::texts({ "No speaker detected" }));
        dialog.show();
        journal()->clear();
        QVERIFY(click(&dialog, "btn_save"));
        QVERIFY(journal()->commandOperations().isEmpty());
        QVERIFY(dialog.isHidden());
    }

    void aCameraListIsAppliedAtOnceAndClosesTheDialog()
    {
        MoreMenuChild dialog(nullptr, 0);
        dialog.showPage(MoreMenuChild::Page_Video);
        dialog.show();
        journal()->clear();
        emit voip()->sig_onGetCameraInfo(twoCameras());
        auto* box = child<QComboBox>(&dialog, "comboBox_camera");
        QCOMPARE(itemsOf(box), F::texts({ "USB Camera", "Integrated Camera" }));
        QCOMPARE(box->itemData(1, Qt::UserRole).value<Agent_CameraInfo>(), twoCameras().at(1));
        // The first camera has no 640 x 480: both indexes are 0. No preview is started.
        QCOMPARE(journal()->commandOperations(), F::texts({ "selectCamera" }));
        QCOMPARE(lastSelectCamera(), (QVariantList { 0, 0, 15, 0, true, QStringLiteral("cam-usb") }));
        QVERIFY(dialog.isHidden());

        // Save on the video page: the place in the list and the 640 x 480 capability.
        dialog.show();
        box->setCurrentIndex(1);
        QVERIFY(click(&dialog, "btn_save"));
        QCOMPARE(lastSelectCamera(), (QVariantList { 1, 1, 15, 0, true, QStringLiteral("cam-int") }));
        QVERIFY(dialog.isHidden());

        // No camera: the box says so, nothing is selected, the dialog still closes.
        dialog.show();
        journal()->clear();
        emit voip()->sig_onGetCameraInfo({});
        QCOMPARE(itemsOf(box), F::texts({ "No camera detected" }));
        QVERIFY(journal()->commandOperations().isEmpty());
        QVERIFY(dialog.isHidden());
    }
};

QTEST_MAIN(tst_MoreMenuChild)
#include "tst_MoreMenuChild.moc"
