// The device, polling, layout and status panels, and the phone dial-in widgets:
// each on its own with sample data, and the device dialog played through.

#include "business/CommandJournal.h"
#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "meeting/CloseMediaWidgetTip.h"
#include "meeting/ConferenceCallWidget.h"
#include "meeting/ConferenceTipWidget.h"
#include "meeting/RectangeTip.h"
#include "panels/DebugForStatisticsWdg.h"
#include "panels/MoreMenuChild.h"
#include "panels/NetworkWidget.h"
#include "panels/PPC_NewScreenLayout.h"
#include "panels/PPC_Polling.h"
#include "panels/PPC_ScreenLayout.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

void registerPanelsGallery(DemoRegistry& registry);

namespace {

VoipView* voip()
{
    return KP_BusinessView::instance()->getVoipView();
}

CommandJournal* journal()
{
    return CommandJournal::instance();
}

void centre(QWidget* w)
{
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        w->move(
            area.x() + qMax(0, (area.width() - w->width()) / 2), area.y() + qMax(0, (area.height() - w->height()) / 2));
    }
}

template<typename T> T* child(QWidget* root, const char* name)
{
    return root ? root->findChild<T*>(QLatin1String(name)) : nullptr;
}

// A second camera (without 640 x 480) and a headset, so that there is something to choose.
Agent_CameraInfo usbCamera()
{
    Agent_CameraInfo camera;
    camera.index = 1;
    camera.name = QStringLiteral("USB Conference Camera");
    camera.id = QStringLiteral("camera-usb");
    camera.capabilities = { { 1920, 1080 }, { 1280, 720 } };
    camera.capabilityCount = camera.capabilities.size();
    return camera;
}

void addSecondCamera()
{
    QList<Agent_CameraInfo>& cameras = voip()->state().cameras;
    for (const Agent_CameraInfo& c : cameras) {
        if (c.id == usbCamera().id)
            return;
    }
    cameras.append(usbCamera());
}

// A camera list puts its first camera to use and closes the dialog, so the gallery
// opens it without a camera query and hands it the lists before showing it.
MoreMenuChild* openSettings(int page)
{
    auto* dialog = new MoreMenuChild(nullptr, MoreMenuChild::Mode_AudioOnly);
    dialog->showPage(page);
    dialog->slot_onGetCameraInfo(voip()->state().cameras);
    centre(dialog);
    dialog->show();
    return dialog;
}

QString statisticsReport(int rttMs, int sendLoss, int recvLoss)
{
    return QStringLiteral("{\"AudioStats\":{\"SendStream\":[{\"fraction_lost\":%1,\"packets_sent\":18230}],"
                          "\"Receive\":[{\"fraction_lost\":%2,\"jitter_ms\":12}]},"
                          "\"TotalStats\":{\"Rtt_ms\":%3,\"Send_kbps\":620,\"Recv_kbps\":1480}}")
        .arg(sendLoss)
        .arg(recvLoss)
        .arg(rttMs);
}

QWidget* networkCard(int rttMs, double sendLoss, double recvLoss, int sendKbps, int recvKbps)
{
    auto* card = new NetworkWidget(nullptr);
    CS_StatReports reports;
    reports.rttMs = rttMs;
    reports.sendLoss = sendLoss;
    reports.recvLoss = recvLoss;
    reports.sendKbps = sendKbps;
    reports.recvKbps = recvKbps;
    card->setStatReports(reports);
    card->showAt(QPoint(120, 80));
    // The gallery looks a while; the card would hide on its own after two seconds.
    card->hideTimer()->stop();
    return card;
}

QWidget* closeTip(int type)
{
    auto* tip = new CloseMediaWidgetTip(nullptr);
    tip->setType(type);
    centre(tip);
    tip->show();
    return tip;
}

// The countdown strip lives in the conference window's video area; a dark stand-in shows it there.
QWidget* countdownInVideoArea()
{
    auto* host = new QWidget(nullptr);
    host->setObjectName(QStringLiteral("CountdownHost"));
    host->setStyleSheet(QStringLiteral("QWidget#CountdownHost{background-color:rgb(18,18,18);}"));
    host->resize(DemoContext::scaledSize(560, 200));
    auto* strip = new RectangeTip(host);
    strip->startCountdown(180);
    // The text comes with the first tick, a second after the start.
    QMetaObject::invokeMethod(strip->countdownTimer(), "timeout");
    strip->move(10, host->height() - 40 - strip->height());
    strip->show();
    host->show();
    return host;
}

void addGallery(DemoRegistry& registry)
{
    registry.addGalleryItem({ QStringLiteral("device-settings-audio"), [](DemoContext&) -> QWidget* {
                                 addSecondCamera();
                                 return openSettings(MoreMenuChild::Page_Audio);
                             } });
    registry.addGalleryItem({ QStringLiteral("device-settings-video"), [](DemoContext&) -> QWidget* {
                                 addSecondCamera();
                                 return openSettings(MoreMenuChild::Page_Video);
                             } });
    registry.addGalleryItem({ QStringLiteral("device-settings-no-devices"), [](DemoContext&) -> QWidget* {
                                 VoipView::State& s = voip()->state();
                                 s.cameras.clear();
                                 s.microphones.clear();
                                 s.speakers.clear();
                                 return openSettings(MoreMenuChild::Page_Video);
                             } });
    registry.addGalleryItem({ QStringLiteral("polling-off"), [](DemoContext&) -> QWidget* {
                                 auto* polling = new PPC_Polling(nullptr);
                                 centre(polling);
                                 polling->show();
                                 return polling;
                             } });
    registry.addGalleryItem({ QStringLiteral("polling-on-60s"), [](DemoContext&) -> QWidget* {
                                 auto* polling = new PPC_Polling(nullptr);
                                 polling->setPollingState(true);
                                 if (auto* box = child<QComboBox>(polling, "settimeBox"))
                                     box->setCurrentText(QStringLiteral("60"));
                                 centre(polling);
                                 polling->show();
                                 return polling;
                             } });
    // The chooser with speaker mode, the L shape (the "Big_Five" button) and the 4 x 4 grid checked.
    struct Chooser
    {
        const char* name;
        int type;
    };
    for (const Chooser& shown : { Chooser { "screen-layout", 1 }, Chooser { "screen-layout-big-five", 2 },
             Chooser { "screen-layout-grid", 4 } }) {
        const int type = shown.type;
        registry.addGalleryItem({ QString::fromLatin1(shown.name), [type](DemoContext&) -> QWidget* {
                                     auto* layout = new PPC_ScreenLayout(nullptr);
                                     layout->setScreenLayout(type);
                                     centre(layout);
                                     layout->show();
                                     return layout;
                                 } });
    }
    registry.addGalleryItem({ QStringLiteral("screen-layout-bare"), [](DemoContext&) -> QWidget* {
                                 auto* sheet = new PPC_NewScreenLayout(nullptr);
                                 centre(sheet);
                                 sheet->show();
                                 return sheet;
                             } });
    registry.addGalleryItem({ QStringLiteral("network-card-good"),
        [](DemoContext&) -> QWidget* { return networkCard(48, 0.5, 1.2, 620, 1480); } });
    registry.addGalleryItem({ QStringLiteral("network-card-delayed"),
        [](DemoContext&) -> QWidget* { return networkCard(420, 3.0, 7.5, 310, 720); } });
    registry.addGalleryItem({ QStringLiteral("network-card-poor"),
        [](DemoContext&) -> QWidget* { return networkCard(1350, 28.0, 31.5, 64, 96); } });
    registry.addGalleryItem({ QStringLiteral("statistics-window"), [](DemoContext&) -> QWidget* {
                                 auto* window = new DebugForStatisticsWdg(nullptr);
                                 window->show();
                                 UnifiedConferenceView* conf = KP_BusinessView::instance()->getUnifiedConferenceView();
                                 const int samples[][3] = { { 42, 0, 1 }, { 45, 1, 0 }, { 61, 2, 3 }, { 58, 0, 0 } };
                                 for (const auto& s : samples)
                                     emit conf->sig_onStatisticsInfo(statisticsReport(s[0], s[1], s[2]));
                                 // A broken report is listed as it came; the summary line says it is malformed.
                                 emit conf->sig_onStatisticsInfo(QStringLiteral("{\"AudioStats\":"));
                                 return window;
                             } });
    for (int type = 0; type <= 5; ++type) {
        registry.addGalleryItem(
            { QStringLiteral("close-confirm-%1").arg(type), [type](DemoContext&) { return closeTip(type); } });
    }
    registry.addGalleryItem({ QStringLiteral("phone-keypad"),
        [](DemoContext&) -> QWidget* {
            ConferenceCallWidget* keypad = ConferenceCallWidget::instance();
            centre(keypad);
            keypad->show();
            return keypad;
        },
        true });
    registry.addGalleryItem({ QStringLiteral("phone-keypad-empty-refused"),
        [](DemoContext&) -> QWidget* {
            ConferenceCallWidget* keypad = ConferenceCallWidget::instance();
            centre(keypad);
            keypad->show();
            keypad->slot_makeCallBtn_clicked();
            return keypad;
        },
        true });
    registry.addGalleryItem({ QStringLiteral("phone-notice"), [](DemoContext&) -> QWidget* {
                                 auto* notice = new ConferenceTipWidget(nullptr);
                                 centre(notice);
                                 notice->show();
                                 return notice;
                             } });
    registry.addGalleryItem(
        { QStringLiteral("countdown-strip"), [](DemoContext&) -> QWidget* { return countdownInVideoArea(); } });
}

// --- the device dialog played through ---

QPointer<MoreMenuChild> g_settings;

QComboBox* settingsBox(const char* name)
{
    return child<QComboBox>(g_settings, name);
}

bool lastArgsAre(const QString& operation, const QVariantList& args)
{
    const JournalEntry entry = journal()->last(operation);
    return entry.isValid() && entry.args == args;
}

void addDeviceSettingsScenario(DemoRegistry& registry)
{
    DemoScenario scenario { QStringLiteral("device-settings"),
        QStringLiteral("The device dialog lists cameras, microphones and speakers and applies the choice"), {} };

    scenario.steps.append({ QStringLiteral("open the dialog"),
        [](DemoContext&) {
            addSecondCamera();
            g_settings = new MoreMenuChild(nullptr, MoreMenuChild::Mode_AllDevices);
            centre(g_settings);
            g_settings->show();
        },
        [](DemoContext&) {
            QComboBox* mics = settingsBox("comboBox_mic");
            QComboBox* speakers = settingsBox("comboBox_speaker");
            QComboBox* cameras = settingsBox("comboBox_camera");
            return g_settings && !g_settings->isVisible() && mics && mics->count() == voip()->state().microphones.size()
                && speakers && speakers->count() == voip()->state().speakers.size() && cameras && cameras->count() == 2
                && lastArgsAre(
                    QStringLiteral("selectCamera"), { 0, 1, 15, 0, true, voip()->state().cameras.value(0).id });
        },
        QStringLiteral("the lists are filled; the camera list puts the first camera to use at 640 x 480 and "
                       "closes the dialog") });

    scenario.steps.append({ QStringLiteral("pick the USB camera on the video page and save"),
        [](DemoContext&) {
            if (!g_settings)
                return;
            g_settings->showPage(MoreMenuChild::Page_Video);
            g_settings->show();
            if (QComboBox* cameras = settingsBox("comboBox_camera"))
                cameras->setCurrentIndex(1);
            DemoContext::click(g_settings, "btn_save");
        },
        [](DemoContext&) {
            return g_settings && !g_settings->isVisible()
                && lastArgsAre(QStringLiteral("selectCamera"), { 0, 0, 15, 0, true, usbCamera().id })
                && voip()->state().selectedCameraId == usbCamera().id;
        },
        QStringLiteral("without 640 x 480, selectCamera(0, 0, 15, 0, true, \"camera-usb\") is sent and the dialog "
                       "closes") });

    scenario.steps.append({ QStringLiteral("open the audio page again"),
        [](DemoContext&) {
            if (!g_settings)
                return;
            g_settings->showPage(MoreMenuChild::Page_Audio);
            g_settings->show();
        },
        [](DemoContext&) {
            return g_settings && g_settings->isVisible() && g_settings->currentPage() == MoreMenuChild::Page_Audio;
        },
        QStringLiteral("the audio page is shown") });

    scenario.steps.append({ QStringLiteral("pick the headset microphone and speaker, save"),
        [](DemoContext&) {
            const VoipView::State& s = voip()->state();
            if (QComboBox* mics = settingsBox("comboBox_mic"))
                mics->setCurrentText(s.microphones.value(1).name);
            if (QComboBox* speakers = settingsBox("comboBox_speaker"))
                speakers->setCurrentText(s.speakers.value(1).name);
            DemoContext::click(g_settings, "btn_save");
        },
        [](DemoContext&) {
            const VoipView::State& s = voip()->state();
            return g_settings && !g_settings->isVisible()
                && lastArgsAre(QStringLiteral("selectmmicphone"), { s.microphones.value(1).index })
                && lastArgsAre(QStringLiteral("selectspeaker"), { s.speakers.value(1).index })
                && s.selectedMicrophone == s.microphones.value(1).index
                && s.selectedSpeaker == s.speakers.value(1).index;
        },
        QStringLiteral("selectmmicphone and selectspeaker get the headset's indexes and the dialog closes") });

    scenario.steps.append({ QStringLiteral("ask for the cameras again"),
        [](DemoContext&) {
            if (g_settings)
                g_settings->slot_btnVideoClick();
        },
        [](DemoContext&) {
            QComboBox* cameras = settingsBox("comboBox_camera");
            return cameras && cameras->count() == 2 && cameras->currentIndex() == 0
                && lastArgsAre(
                    QStringLiteral("selectCamera"), { 0, 1, 15, 0, true, voip()->state().cameras.value(0).id });
        },
        QStringLiteral("the refreshed list starts again from the first camera and puts it to use") });

    registry.addScenario(scenario);
}

void addEvents(DemoRegistry& registry)
{
    registry.addEvent({ QStringLiteral("Device settings dialog"), [](DemoContext&) {
                           if (!g_settings)
                               g_settings = new MoreMenuChild(nullptr, MoreMenuChild::Mode_AllDevices);
                           centre(g_settings);
                           g_settings->show();
                       } });
    registry.addEvent({ QStringLiteral("Telephone invitation keypad"), [](DemoContext&) {
                           ConferenceCallWidget* keypad = ConferenceCallWidget::instance();
                           centre(keypad);
                           keypad->show();
                       } });
    registry.addEvent({ QStringLiteral("Moved to the mobile phone notice"), [](DemoContext&) {
                           auto* notice = new ConferenceTipWidget(nullptr);
                           centre(notice);
                           notice->show();
                       } });
}

} // namespace

void registerPanelsGallery(DemoRegistry& registry)
{
    addGallery(registry);
    addDeviceSettingsScenario(registry);
    addEvents(registry);
}
