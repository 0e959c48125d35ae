#include "BusinessFixture.h"
#include "MoreMenuChild.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QtTest>

namespace {
VoipView* voip()
{
    return BusinessFixture::business()->getVoipView();
}

CommandJournal* journal()
{
    return BusinessFixture::journal();
}

Agent_CameraInfo camera(int index, const QString& name, const QString& id, const QList<Agent_CameraCapability>& caps)
{
    Agent_CameraInfo c;
    c.index = index;
    c.name = name;
    c.id = id;
    c.capabilities = caps;
    c.capabilityCount = caps.size();
    return c;
}

QList<Agent_CameraInfo> twoCameras()
{
    // The devices' own indexes differ from their places in the list: selectCamera takes the place.
    return { camera(4, QStringLiteral("Integrated Camera"), QStringLiteral("cam-int"),
                 { { 1280, 720 }, { 640, 480 }, { 320, 240 } }),
        camera(6, QStringLiteral("USB Camera"), QStringLiteral("cam-usb"), { { 1920, 1080 }, { 1280, 720 } }) };
}

QList<Agent_MicroPhoneInfo> mics()
{
    return { { 10, QStringLiteral("Built-in Microphone") }, { 11, QStringLiteral("Headset Microphone") } };
}

QList<Agent_SpeakerInfo> speakers()
{
    return { { 20, QStringLiteral("Built-in Speakers") }, { 21, QStringLiteral("Headset") } };
}

template<typename T> T* child(QWidget* root, const char* name)
{
    T* w = root->findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

QStringList itemsOf(QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

void clickSave(MoreMenuChild& dialog)
{
    QTest::mouseClick(child<QPushButton>(&dialog, "btn_save"), Qt::LeftButton);
}
} // namespace

class tst_MoreMenuChild : public QObject
{
    Q_OBJECT

private slots:
    void init() { BusinessFixture::reset(); }

    void constructionAsksForDevicesCamerasOnlyOutsideAudioMode()
    {
        {
            MoreMenuChild dialog(nullptr, 0);
            QCOMPARE(journal()->operations(),
                BusinessFixture::texts({ "getCameraInfo", "getMicroPhoneInfo", "getSpeakerInfo" }));
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Configure"));
            QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
            QVERIFY(!dialog.testAttribute(Qt::WA_DeleteOnClose));
            QCOMPARE(dialog.currentPage(), int(MoreMenuChild::Page_Audio));
            QCOMPARE(child<QLabel>(&dialog, "label_title")->text(), QStringLiteral("audio Setting"));
        }
        journal()->clear();
        MoreMenuChild audioOnly(nullptr, 2);
        QCOMPARE(journal()->operations(), BusinessFixture::texts({ "getMicroPhoneInfo", "getSpeakerInfo" }));
        // Owned by a conference window, it is still a window of its own.
        QWidget owner;
        journal()->clear();
        MoreMenuChild owned(&owner, 0);
        QVERIFY(owned.isWindow());
    }

    void audioListsFillTheBoxesAndEmptyListsSaySo()
    {
        MoreMenuChild dialog(nullptr, 2);
        emit voip()->sig_onGetMicroPhoneInfo(mics());
        emit voip()->sig_onGetSpeakerInfo(speakers());
        auto* micBox = child<QComboBox>(&dialog, "comboBox_mic");
        auto* speakerBox = child<QComboBox>(&dialog, "comboBox_speaker");
        QCOMPARE(itemsOf(micBox), BusinessFixture::texts({ "Built-in Microphone", "Headset Microphone" }));
        QCOMPARE(itemsOf(speakerBox), BusinessFixture::texts({ "Built-in Speakers", "Headset" }));
        QCOMPARE(dialog.chosenMicrophone(), QStringLiteral("Built-in Microphone"));
        QCOMPARE(dialog.microphones(), mics());

        emit voip()->sig_onGetMicroPhoneInfo({});
        emit voip()->sig_onGetSpeakerInfo({});
        QCOMPARE(itemsOf(micBox), BusinessFixture::texts({ "No microphone detected" }));
        QCOMPARE(itemsOf(speakerBox), BusinessFixture::texts({ "No speaker detected" }));
        QVERIFY(!micBox->isEnabled());
        QVERIFY(dialog.microphones().isEmpty());

        // Saving with nothing to choose selects nothing and still closes.
        dialog.show();
        journal()->clear();
        clickSave(dialog);
        QVERIFY(!journal()->contains(QStringLiteral("VoipView"), QStringLiteral("selectmmicphone")));
        QVERIFY(!journal()->contains(QStringLiteral("VoipView"), QStringLiteral("selectspeaker")));
        QVERIFY(dialog.isHidden());
    }

    void savingTheAudioPageSelectsTheChosenDevicesByTheirIndexes()
    {
        MoreMenuChild dialog(nullptr, 0);
        emit voip()->sig_onGetMicroPhoneInfo(mics());
        emit voip()->sig_onGetSpeakerInfo(speakers());
        dialog.show();
        child<QComboBox>(&dialog, "comboBox_mic")->setCurrentIndex(1);
        child<QComboBox>(&dialog, "comboBox_speaker")->setCurrentIndex(1);
        QCOMPARE(dialog.chosenMicrophone(), QStringLiteral("Headset Microphone"));
        QCOMPARE(dialog.chosenSpeaker(), QStringLiteral("Headset"));
        journal()->clear();

        clickSave(dialog);
        QCOMPARE(journal()->commandOperations(), BusinessFixture::texts({ "selectspeaker", "selectmmicphone" }));
        QCOMPARE(journal()->last(QStringLiteral("selectspeaker")).args, QVariantList { 21 });
        QCOMPARE(journal()->last(QStringLiteral("selectmmicphone")).args, QVariantList { 11 });
        QCOMPARE(voip()->state().selectedMicrophone, 11);
        QVERIFY(dialog.isHidden());
    }

    void aRefreshedListKeepsTheDeviceTheUserChose()
    {
        MoreMenuChild dialog(nullptr, 0);
        emit voip()->sig_onGetMicroPhoneInfo(mics());
        child<QComboBox>(&dialog, "comboBox_mic")->setCurrentIndex(1);
        // A new device plugged in ahead of the chosen one.
        QList<Agent_MicroPhoneInfo> more = mics();
        more.prepend({ 9, QStringLiteral("Webcam Microphone") });
        emit voip()->sig_onGetMicroPhoneInfo(more);
        QCOMPARE(child<QComboBox>(&dialog, "comboBox_mic")->currentText(), QStringLiteral("Headset Microphone"));
        QCOMPARE(dialog.chosenMicrophone(), QStringLiteral("Headset Microphone"));
        // The chosen device unplugged: the first one is shown and chosen.
        emit voip()->sig_onGetMicroPhoneInfo({ { 10, QStringLiteral("Built-in Microphone") } });
        QCOMPARE(dialog.chosenMicrophone(), QStringLiteral("Built-in Microphone"));
    }

    void cameraListFillsTheBoxAndIsAppliedAtOnceWithoutClosing()
    {
        MoreMenuChild dialog(nullptr, 0);
        dialog.show();
        dialog.showPage(MoreMenuChild::Page_Video);
        journal()->clear();
        emit voip()->sig_onGetCameraInfo(twoCameras());

        auto* box = child<QComboBox>(&dialog, "comboBox_camera");
        QCOMPARE(itemsOf(box), BusinessFixture::texts({ "Integrated Camera", "USB Camera" }));
        QCOMPARE(box->itemData(1, Qt::UserRole).value<Agent_CameraInfo>(), twoCameras().at(1));
        const JournalEntry select = journal()->last(QStringLiteral("selectCamera"));
        QVERIFY(select.isValid());
        QCOMPARE(select.args, (QVariantList { 0, 1, 15, 0, true, QStringLiteral("cam-int") }));
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.currentPage(), int(MoreMenuChild::Page_Video));
    }

    void savingTheVideoPageSelectsTheCurrentCamera()
    {
        MoreMenuChild dialog(nullptr, 0);
        emit voip()->sig_onGetCameraInfo(twoCameras());
        dialog.show();
        dialog.showPage(MoreMenuChild::Page_Video);
        child<QComboBox>(&dialog, "comboBox_camera")->setCurrentIndex(1);
        journal()->clear();

        clickSave(dialog);
        // The USB camera has no 640 x 480: its first capability is used.
        QCOMPARE(journal()->last(QStringLiteral("selectCamera")).args,
            (QVariantList { 1, 0, 15, 0, true, QStringLiteral("cam-usb") }));
        QCOMPARE(journal()->count(QStringLiteral("selectCamera")), 1);
        QVERIFY(dialog.isHidden());

        // A later list (the user opens the page again) keeps the USB camera.
        journal()->clear();
        emit voip()->sig_onGetCameraInfo(twoCameras());
        QCOMPARE(child<QComboBox>(&dialog, "comboBox_camera")->currentIndex(), 1);
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

    void pagesCarryTheirTitlesAndTheVideoButtonAsksAgain()
    {
        MoreMenuChild dialog(nullptr, 2);
        dialog.showPage(MoreMenuChild::Page_Video);
        QCOMPARE(child<QLabel>(&dialog, "label_title")->text(), QStringLiteral("video Setting"));
        QCOMPARE(child<QStackedWidget>(&dialog, "stackedWidget_6")->currentWidget()->objectName(),
            QStringLiteral("page_video"));
        dialog.showPage(MoreMenuChild::Page_Audio);
        QCOMPARE(child<QLabel>(&dialog, "label_title")->text(), QStringLiteral("audio Setting"));
        dialog.showPage(7);
        QCOMPARE(dialog.currentPage(), int(MoreMenuChild::Page_Audio));

        emit voip()->sig_onGetCameraInfo(twoCameras());
        journal()->clear();
        dialog.slot_btnVideoClick();
        QCOMPARE(child<QComboBox>(&dialog, "comboBox_camera")->count(), 0);
        QCOMPARE(journal()->operations(), BusinessFixture::texts({ "getCameraInfo" }));
        QCOMPARE(dialog.currentPage(), int(MoreMenuChild::Page_Video));
        journal()->clear();
        dialog.slot_btnVoiceClick();
        QCOMPARE(journal()->operations(), BusinessFixture::texts({ "getMicroPhoneInfo", "getSpeakerInfo" }));
        QCOMPARE(dialog.currentPage(), int(MoreMenuChild::Page_Audio));
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
