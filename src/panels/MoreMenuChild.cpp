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

MoreMenuChild::~MoreMenuChild() = default;

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
}

void MoreMenuChild::slot_btnVideoClick()
{
    ui->comboBox_camera->clear();
    voipView()->getCameraInfo();
    ui->stackedWidget_6->setCurrentWidget(ui->page_video);
}

void MoreMenuChild::slot_onGetCameraInfo(QList<Agent_CameraInfo> cameraInfo)
{
    QComboBox* box = ui->comboBox_camera;
    box->clear();
    box->setEnabled(!cameraInfo.isEmpty());
    if (cameraInfo.isEmpty())
        box->addItem(tr("No camera detected"));
    for (const Agent_CameraInfo& camera : cameraInfo) {
        box->addItem(camera.name, QVariant::fromValue(camera));
        AreaLog::panels().LogInfo(
            QStringLiteral("%1,name: %2, id: %3")
                .arg(QStringLiteral("MoreMenuChild::slot_onGetCameraInfo"), camera.name, camera.id));
    }
    // A fresh list puts its first camera to use at once, as Save does.
    btn_save_clicked();
}

void MoreMenuChild::slot_onGetMicroPhoneInfo(QList<Agent_MicroPhoneInfo> microPhoneInfo)
{
    QComboBox* box = ui->comboBox_mic;
    m_microphones = microPhoneInfo;
    box->clear();
    box->setEnabled(!microPhoneInfo.isEmpty());
    if (microPhoneInfo.isEmpty())
        box->addItem(tr("No microphone detected"));
    for (const Agent_MicroPhoneInfo& mic : microPhoneInfo)
        box->addItem(mic.name);
}

void MoreMenuChild::slot_onGetSpeakerInfo(QList<Agent_SpeakerInfo> speakerInfo)
{
    QComboBox* box = ui->comboBox_speaker;
    m_speakers = speakerInfo;
    box->clear();
    box->setEnabled(!speakerInfo.isEmpty());
    if (speakerInfo.isEmpty())
        box->addItem(tr("No speaker detected"));
    for (const Agent_SpeakerInfo& speaker : speakerInfo)
        box->addItem(speaker.name);
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
    QComboBox* box = ui->comboBox_camera;
    const QVariant data = box->currentData();
    if (data.canConvert<Agent_CameraInfo>()) {
        const Agent_CameraInfo camera = data.value<Agent_CameraInfo>();
        const DevicePolicy::CameraChoice choice = DevicePolicy::cameraChoice(
            box->currentIndex(), DevicePolicy::preferredCapabilityIndex(camera.capabilities));
        voipView()->selectCamera(
            choice.cameraIndex, choice.capabilityIndex, DevicePolicy::kCameraFrameRate, 0, true, camera.id);
    }
    close();
}

void MoreMenuChild::on_btn_close_clicked()
{
    close();
}
