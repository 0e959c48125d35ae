#include "panels/MoreMenuChild.h"

#include "ui_MoreMenuChild.h"

#include "business/BusinessMetaTypes.h"
#include "business/KP_BusinessView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/ScreenScale.h"
#include "policy/DevicePolicy.h"

#include <QGraphicsDropShadowEffect>
#include <QHideEvent>
#include <QShowEvent>

namespace {
constexpr int kDragBandHeight = 30;

VoipView* voipView()
{
    return KP_BusinessView::instance()->getVoipView();
}
} // namespace

MoreMenuChild::MoreMenuChild(QWidget* parent, int mode)
    : MoveWidget(parent, false)
    , ui(new Ui::MoreMenuChild)
    , m_mode(mode)
{
    ui->setupUi(this);
    initWidget();
    initConnect();
    ScreenScale::beginScale(this);

    if (m_mode != Mode_AudioOnly)
        voipView()->getCameraInfo();
    voipView()->getMicroPhoneInfo();
    voipView()->getSpeakerInfo();
}

MoreMenuChild::~MoreMenuChild()
{
    // The preview area's window goes with the dialog: the renderer must let go first.
    stopPreview();
}

void MoreMenuChild::initWidget()
{
    // A window even when an owner parents it.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(tr("Configure"));
    setFramePainted(false);
    setMovableHeight(kDragBandHeight);

    auto* shadow = new QGraphicsDropShadowEffect(this);
    shadow->setOffset(0, 0);
    shadow->setColor(QColor(200, 200, 200));
    shadow->setBlurRadius(10);
    ui->wgt_bg->setGraphicsEffect(shadow);

    ui->label_title->setFont(KP_UI_UTIL::getFontScale(16, true));
    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    for (QWidget* w : std::initializer_list<QWidget*> { ui->label_voiceTipTitle, ui->label_videoTipTitle,
             ui->label_cameraTipTitle, ui->comboBox_mic, ui->comboBox_speaker, ui->comboBox_camera, ui->btn_save })
        w->setFont(font);
    ui->label_video->setFont(KP_UI_UTIL::getFontScale(12, false));
    AreaStyle::apply(this, QStringLiteral("conference.qss"));
    showPage(Page_Audio);
}

void MoreMenuChild::initConnect()
{
    // The device lists may arrive from the media engine's thread.
    registerBusinessMetaTypes();

    VoipView* voip = voipView();
    connect(voip, &VoipView::sig_onGetCameraInfo, this, &MoreMenuChild::slot_onGetCameraInfo);
    connect(voip, &VoipView::sig_onGetMicroPhoneInfo, this, &MoreMenuChild::slot_onGetMicroPhoneInfo);
    connect(voip, &VoipView::sig_onGetSpeakerInfo, this, &MoreMenuChild::slot_onGetSpeakerInfo);
    connect(ui->comboBox_mic, &QComboBox::currentTextChanged, this,
        [this](const QString& name) { m_chosenMicrophone = name; });
    connect(ui->comboBox_speaker, &QComboBox::currentTextChanged, this,
        [this](const QString& name) { m_chosenSpeaker = name; });
    connect(ui->btn_save, &QPushButton::clicked, this, &MoreMenuChild::slot_onSave);
}

void MoreMenuChild::showPage(int page)
{
    if (page == Page_Video) {
        ui->label_title->setText(tr("video Setting"));
        ui->stackedWidget_6->setCurrentWidget(ui->page_video);
    } else {
        ui->label_title->setText(tr("audio Setting"));
        ui->stackedWidget_6->setCurrentWidget(ui->page_audio);
    }
    updatePreview();
}

int MoreMenuChild::currentPage() const
{
    return ui->stackedWidget_6->currentWidget() == ui->page_video ? Page_Video : Page_Audio;
}

void MoreMenuChild::slot_btnVoiceClick()
{
    voipView()->getMicroPhoneInfo();
    voipView()->getSpeakerInfo();
    ui->stackedWidget_6->setCurrentWidget(ui->page_audio);
    updatePreview();
}

void MoreMenuChild::slot_btnVideoClick()
{
    ui->comboBox_camera->clear();
    voipView()->getCameraInfo();
    ui->stackedWidget_6->setCurrentWidget(ui->page_video);
    updatePreview();
}

void MoreMenuChild::slot_onGetCameraInfo(QList<Agent_CameraInfo> cameraInfo)
{
    QComboBox* box = ui->comboBox_camera;
    box->clear();
    m_camerasKnown = true;
    if (cameraInfo.isEmpty()) {
        box->addItem(tr("No camera detected"));
        box->setEnabled(false);
        updatePreview();
        return;
    }
    box->setEnabled(true);
    for (const Agent_CameraInfo& camera : cameraInfo) {
        box->addItem(camera.name, QVariant::fromValue(camera));
        AreaLog::panels().LogInfo(
            QStringLiteral("%1,name: %2, id: %3")
                .arg(QStringLiteral("MoreMenuChild::slot_onGetCameraInfo"), camera.name, camera.id));
    }
    // A refreshed list keeps the camera in use rather than jumping to the first.
    box->setCurrentIndex(DevicePolicy::cameraToShow(cameraInfo, m_chosenCameraId));
    // The shown camera is put to use at once. The dialog stays open: a list
    // that arrives while the user looks at it must not take it away.
    applyCamera();
    updatePreview();
}

void MoreMenuChild::slot_onGetMicroPhoneInfo(QList<Agent_MicroPhoneInfo> microPhoneInfo)
{
    QComboBox* box = ui->comboBox_mic;
    const QString previous = m_chosenMicrophone;
    m_microphones = microPhoneInfo;
    box->clear();
    if (microPhoneInfo.isEmpty()) {
        box->addItem(tr("No microphone detected"));
        box->setEnabled(false);
        return;
    }
    box->setEnabled(true);
    QStringList names;
    for (const Agent_MicroPhoneInfo& mic : microPhoneInfo)
        names << mic.name;
    box->addItems(names);
    box->setCurrentIndex(DevicePolicy::entryToShow(names, previous));
}

void MoreMenuChild::slot_onGetSpeakerInfo(QList<Agent_SpeakerInfo> speakerInfo)
{
    QComboBox* box = ui->comboBox_speaker;
    const QString previous = m_chosenSpeaker;
    m_speakers = speakerInfo;
    box->clear();
    if (speakerInfo.isEmpty()) {
        box->addItem(tr("No speaker detected"));
        box->setEnabled(false);
        return;
    }
    box->setEnabled(true);
    QStringList names;
    for (const Agent_SpeakerInfo& speaker : speakerInfo)
        names << speaker.name;
    box->addItems(names);
    box->setCurrentIndex(DevicePolicy::entryToShow(names, previous));
}

void MoreMenuChild::slot_onSave()
{
    if (currentPage() == Page_Audio)
        on_btn_save_2_clicked();
    else
        btn_save_clicked();
}

void MoreMenuChild::on_btn_save_2_clicked()
{
    VoipView* voip = voipView();
    const QString speaker = m_chosenSpeaker;
    const QString microphone = m_chosenMicrophone;
    for (int index : DevicePolicy::indexesNamed(m_speakers, speaker)) {
        voip->selectspeaker(index);
        ui->comboBox_speaker->setCurrentText(speaker);
    }
    for (int index : DevicePolicy::indexesNamed(m_microphones, microphone)) {
        voip->selectmmicphone(index);
        ui->comboBox_mic->setCurrentText(microphone);
    }
    close();
}

void MoreMenuChild::btn_save_clicked()
{
    applyCamera();
    close();
}

bool MoreMenuChild::applyCamera()
{
    QComboBox* box = ui->comboBox_camera;
    const QVariant data = box->currentData();
    if (!data.canConvert<Agent_CameraInfo>())
        return false;
    const Agent_CameraInfo camera = data.value<Agent_CameraInfo>();
    const int capability = DevicePolicy::preferredCapabilityIndex(camera.capabilities);
    voipView()->selectCamera(box->currentIndex(), capability, DevicePolicy::kCameraFrameRate, 0, true, camera.id);
    m_chosenCameraId = camera.id;
    return true;
}

void MoreMenuChild::on_btn_close_clicked()
{
    close();
}

void MoreMenuChild::showEvent(QShowEvent* event)
{
    MoveWidget::showEvent(event);
    updatePreview();
}

void MoreMenuChild::hideEvent(QHideEvent* event)
{
    MoveWidget::hideEvent(event);
    updatePreview();
}

bool MoreMenuChild::callWindowOpen() const
{
    const int marks = VoipView::CALL_MARK_VOICE | VoipView::CALL_MARK_VIDEO;
    return (voipView()->GetVoipCallStatus() & marks) != 0;
}

void MoreMenuChild::updatePreview()
{
    const bool onVideoPage = currentPage() == Page_Video;
    const bool hasCamera = ui->comboBox_camera->currentData().canConvert<Agent_CameraInfo>();
    if (!isVisible() || !onVideoPage || !hasCamera) {
        stopPreview();
        if (m_camerasKnown && !hasCamera)
            ui->label_video->setText(tr("No camera detected"));
        else if (!m_camerasKnown)
            ui->label_video->setText(tr("Looking for cameras..."));
        return;
    }
    // A call window renders the local camera itself; taking its view would blank it.
    if (!m_previewRunning && callWindowOpen()) {
        ui->label_video->setText(tr("The camera picture is shown in the call window"));
        return;
    }
    ui->label_video->clear();
    startPreview();
}

void MoreMenuChild::startPreview()
{
    if (m_previewRunning)
        return;
    m_previewRunning = true;
    // The business library renders the local camera into a native window.
    void* handle = reinterpret_cast<void*>(ui->label_video->winId());
    voipView()->setVideoView(nullptr, handle);
    voipView()->setLocalCameraPreview(QString(), true);
}

void MoreMenuChild::stopPreview()
{
    if (!m_previewRunning)
        return;
    m_previewRunning = false;
    voipView()->setLocalCameraPreview(QString(), false);
    voipView()->setVideoView(nullptr, nullptr);
}
