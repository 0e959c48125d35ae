#include "panels/MoreMenuChild.h"
#include "support/BusinessFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class tst_MoreMenuChild : public QObject
{
    Q_OBJECT

    static VoipView* voip() { return BusinessFixture::business()->getVoipView(); }
    static CommandJournal* journal() { return BusinessFixture::journal(); }
    static Agent_CameraInfo camera(int index, const char* name, const char* id, QList<Agent_CameraCapability> caps)
    {
        Agent_CameraInfo c;
        c.index = index;
        c.name = QLatin1String(name);
        c.id = QLatin1String(id);
        c.capabilities = caps;
        c.capabilityCount = caps.size();
        return c;
    }
    // The devices' own indexes differ from their places in the list: selectCamera takes the place.
    static QList<Agent_CameraInfo> twoCameras()
    {
        return { camera(4, "Integrated Camera", "cam-int", { { 1280, 720 }, { 640, 480 }, { 320, 240 } }),
            camera(6, "USB Camera", "cam-usb", { { 1920, 1080 }, { 1280, 720 } }) };
    }
    static QList<Agent_MicroPhoneInfo> mics()
    {
        return { { 10, QStringLiteral("Built-in Microphone") }, { 11, QStringLiteral("Headset Microphone") } };
    }
    static QList<Agent_SpeakerInfo> speakers()
    {
        return { { 20, QStringLiteral("Built-in Speakers") }, { 21, QStringLiteral("Headset") } };
    }
    template<typename T> static T* child(QWidget* root, const char* name)
    {
        return root->findChild<T*>(QLatin1String(name));
    }
    static QStringList itemsOf(QComboBox* box)
    {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }
    static void clickSave(MoreMenuChild& dialog)
    {
        QTest::mouseClick(child<QPushButton>(&dialog, "btn_save"), Qt::LeftButton);
    }

private slots:
    void init() { BusinessFixture::reset(); }

    void constructionAsksForDevicesCamerasOnlyOutsideAudioMode()
    {
        QWidget owner;
        MoreMenuChild dialog(&owner, 0);
        QCOMPARE(journal()->operations(),
            BusinessFixture::texts({ "getCameraInfo", "getMicroPhoneInfo", "getSpeakerInfo" }));
        // Owned by a conference window, it is still a window of its own, kept when closed.
        QVERIFY(dialog.isWindow());
        QVERIFY(!dialog.testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(dialog.currentPage(), int(MoreMenuChild::Page_Audio));
        journal()->clear();
        MoreMenuChild audioOnly(nullptr, 2);
        QCOMPARE(journal()->operations(), BusinessFixture::texts({ "getMicroPhoneInfo", "getSpeakerInfo" }));
    }

    void audioPageListsTheDevicesAndSelectsTheChosenOnesByTheirIndexes()
    {
        MoreMenuChild dialog(nullptr, 2);
        emit voip()->sig_onGetMicroPhoneInfo(mics());
        emit voip()->sig_onGetSpeakerInfo(speakers());
        auto* micBox = child<QComboBox>(&dialog, "comboBox_mic");
        auto* speakerBox = child<QComboBox>(&dialog, "comboBox_speaker");
        QCOMPARE(itemsOf(micBox), BusinessFixture::texts({ "Built-in Microphone", "Headset Microphone" }));
        QCOMPARE(itemsOf(speakerBox), BusinessFixture::texts({ "Built-in Speakers", "Headset" }));
        micBox->setCurrentIndex(1);
        speakerBox->setCurrentIndex(1);
        // A new device plugged in ahead of the chosen one: the choice stays.
        emit voip()->sig_onGetMicroPhoneInfo(QList<Agent_MicroPhoneInfo> { { 9, QStringLiteral("Webcam") } } + mics());
        QCOMPARE(micBox->currentText(), QStringLiteral("Headset Microphone"));
        dialog.show();
        journal()->clear();
        clickSave(dialog);
        QCOMPARE(journal()->commandOperations(), BusinessFixture::texts({ "selectspeaker", "selectmmicphone" }));
        QCOMPARE(journal()->last(QStringLiteral("selectspeaker")).args, QVariantList { 21 });
        QCOMPARE(journal()->last(QStringLiteral("selectmmicphone")).args, QVariantList { 11 });
        QVERIFY(dialog.isHidden());
        // The chosen device unplugged: the first one is shown and chosen.
        emit voip()->sig_onGetMicroPhoneInfo({ { 10, QStringLiteral("Built-in Microphone") } });
        QCOMPARE(dialog.chosenMicrophone(), QStringLiteral("Built-in Microphone"));

        // No devices: the boxes say so, and saving selects nothing but still closes.
        emit voip()->sig_onGetMicroPhoneInfo({});
        emit voip()->sig_onGetSpeakerInfo({});
        QCOMPARE(itemsOf(micBox), BusinessFixture::texts({ "No microphone detected" }));
        QCOMPARE(itemsOf(speakerBox), BusinessFixture::texts({ "No speaker detected" }));
        QVERIFY(!micBox->isEnabled());
        dialog.show();
        journal()->clear();
        clickSave(dialog);
        QVERIFY(journal()->commandOperations().isEmpty());
        QVERIFY(dialog.isHidden());
    }

    void cameraListIsAppliedAtOnceAndSavedOnRequest()
    {
        MoreMenuChild dialog(nullptr, 0);
        dialog.show();
        dialog.showPage(MoreMenuChild::Page_Video);
        emit voip()->sig_onGetCameraInfo(twoCameras());
        auto* box = child<QComboBox>(&dialog, "comboBox_camera");
        QCOMPARE(itemsOf(box), BusinessFixture::texts({ "Integrated Camera", "USB Camera" }));
        QCOMPARE(box->itemData(1, Qt::UserRole).value<Agent_CameraInfo>(), twoCameras().at(1));
        // The shown camera at once, at 640 x 480; the dialog stays.
        QCOMPARE(journal()->last(QStringLiteral("selectCamera")).args,
            (QVariantList { 0, 1, 15, 0, true, QStringLiteral("cam-int") }));
        QVERIFY(dialog.isVisible());

        box->setCurrentIndex(1);
        clickSave(dialog);
        // The USB camera has no 640 x 480: its first capability is used.
        QCOMPARE(journal()->last(QStringLiteral("selectCamera")).args,
            (QVariantList { 1, 0, 15, 0, true, QStringLiteral("cam-usb") }));
        QVERIFY(dialog.isHidden());
        // A later list (the user opens the page again) keeps the USB camera.
        emit voip()->sig_onGetCameraInfo(twoCameras());
        QCOMPARE(box->currentIndex(), 1);
        QCOMPARE(journal()->last(QStringLiteral("selectCamera")).args.value(5).toString(), QStringLiteral("cam-usb"));
    }

    void noCameraShowsAnEmptyStateAndSelectsNothing()
    {
        MoreMenuChild dialog(nullptr, 0);
        dialog.show();
        dialog.showPage(MoreMenuChild::Page_Video);
        QCOMPARE(child<QLabel>(&dialog, "label_video")->text(), QStringLiteral("Looking for cameras..."));
        journal()->clear();
        emit voip()->sig_onGetCameraInfo({});
        auto* box = child<QComboBox>(&dialog, "comboBox_camera");
        QCOMPARE(itemsOf(box), BusinessFixture::texts({ "No camera detected" }));
        QVERIFY(!box->isEnabled());
        QCOMPARE(child<QLabel>(&dialog, "label_video")->text(), QStringLiteral("No camera detected"));
        QVERIFY(!dialog.isPreviewRunning());

        clickSave(dialog);
        QVERIFY(journal()->commandOperations().isEmpty());
        QVERIFY(dialog.isHidden());
    }

    void pagesCarryTheirTitlesAndTheirButtonsAskAgain()
    {
        MoreMenuChild dialog(nullptr, 2);
        dialog.showPage(MoreMenuChild::Page_Video);
        QCOMPARE(child<QLabel>(&dialog, "label_title")->text(), QStringLiteral("video Setting"));
        dialog.showPage(7);
        QCOMPARE(child<QLabel>(&dialog, "label_title")->text(), QStringLiteral("audio Setting"));
        QCOMPARE(dialog.currentPage(), int(MoreMenuChild::Page_Audio));

        emit voip()->sig_onGetCameraInfo(twoCameras());
        journal()->clear();
        dialog.slot_btnVideoClick();
        QCOMPARE(child<QComboBox>(&dialog, "comboBox_camera")->count(), 0);
        QCOMPARE(dialog.currentPage(), int(MoreMenuChild::Page_Video));
        dialog.slot_btnVoiceClick();
        QCOMPARE(dialog.currentPage(), int(MoreMenuChild::Page_Audio));
        QCOMPARE(journal()->operations(),
            BusinessFixture::texts({ "getCameraInfo", "getMicroPhoneInfo", "getSpeakerInfo" }));
    }

    void thePreviewRunsOnlyWhileTheVideoPageIsShown()
    {
        MoreMenuChild dialog(nullptr, 0);
        emit voip()->sig_onGetCameraInfo(twoCameras());
        dialog.show();
        QVERIFY(!dialog.isPreviewRunning()); // audio page
        journal()->clear();

        dialog.showPage(MoreMenuChild::Page_Video);
        QVERIFY(dialog.isPreviewRunning());
        const quintptr handle = child<QLabel>(&dialog, "label_video")->winId();
        QCOMPARE(journal()->commandOperations(), BusinessFixture::texts({ "setVideoView", "setLocalCameraPreview" }));
        QCOMPARE(journal()->last(QStringLiteral("setVideoView")).args.value(0).value<quintptr>(), quintptr(0));
        QCOMPARE(journal()->last(QStringLiteral("setVideoView")).args.value(1).value<quintptr>(), handle);
        QCOMPARE(journal()->last(QStringLiteral("setLocalCameraPreview")).args.value(1).toBool(), true);

        // Showing the page again does not restart it.
        dialog.showPage(MoreMenuChild::Page_Video);
        QCOMPARE(journal()->count(QStringLiteral("setVideoView")), 1);

        journal()->clear();
        QTest::mouseClick(child<QPushButton>(&dialog, "btn_close"), Qt::LeftButton);
        QVERIFY(dialog.isHidden());
        QVERIFY(!dialog.isPreviewRunning());
        QCOMPARE(journal()->commandOperations(), BusinessFixture::texts({ "setLocalCameraPreview", "setVideoView" }));
        QCOMPARE(journal()->last(QStringLiteral("setLocalCameraPreview")).args.value(1).toBool(), false);
        QCOMPARE(journal()->last(QStringLiteral("setVideoView")).args.value(1).value<quintptr>(), quintptr(0));

        // Back on screen, then the camera goes away: the preview stops.
        dialog.show();
        QVERIFY(dialog.isPreviewRunning());
        emit voip()->sig_onGetCameraInfo({});
        QVERIFY(!dialog.isPreviewRunning());
    }

    void aDeletedDialogReleasesThePreview()
    {
        auto* dialog = new MoreMenuChild(nullptr, 0);
        emit voip()->sig_onGetCameraInfo(twoCameras());
        dialog->show();
        dialog->showPage(MoreMenuChild::Page_Video);
        QVERIFY(dialog->isPreviewRunning());
        journal()->clear();
        delete dialog;
        QCOMPARE(journal()->count(QStringLiteral("setLocalCameraPreview")), 1);
        QCOMPARE(voip()->state().localView, quintptr(0));
        // And its answers no longer reach it.
        emit voip()->sig_onGetCameraInfo(twoCameras());
        QCOMPARE(journal()->count(QStringLiteral("selectCamera")), 0);
    }

    void aCallWindowKeepsTheCameraToItself()
    {
        voip()->state().callStatus = VoipView::CALL_MARK_VIDEO;
        MoreMenuChild dialog(nullptr, 0);
        emit voip()->sig_onGetCameraInfo(twoCameras());
        dialog.show();
        journal()->clear();
        dialog.showPage(MoreMenuChild::Page_Video);
        QVERIFY(!dialog.isPreviewRunning());
        QVERIFY(!journal()->contains(QStringLiteral("VoipView"), QStringLiteral("setVideoView")));
        QCOMPARE(child<QLabel>(&dialog, "label_video")->text(),
            QStringLiteral("The camera picture is shown in the call window"));
    }
};

QTEST_MAIN(tst_MoreMenuChild)
#include "tst_MoreMenuChild.moc"
