#include "meeting/ConferenceCallWidget.h"

#include "ui_ConferenceCallWidget.h"

#include "common/AreaLog.h"
#include "customui/KP_UI_UTIL.h"
#include "customui/KpPublicBtn.h"
#include "customui/ScreenScale.h"
#include "policy/MeetingTipPolicy.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QRegExpValidator>

ConferenceCallWidget* ConferenceCallWidget::s_instance = nullptr;

ConferenceCallWidget* ConferenceCallWidget::instance()
{
    if (!s_instance) {
        s_instance = new ConferenceCallWidget(nullptr);
        // Without a parent nothing else would delete it before the process ends.
        if (QCoreApplication* app = QCoreApplication::instance())
            connect(app, &QCoreApplication::aboutToQuit, s_instance, &QObject::deleteLater);
    }
    return s_instance;
}

ConferenceCallWidget::ConferenceCallWidget(QWidget* parent)
    : MoveWidget(parent, false)
    , ui(new Ui::ConferenceCallWidget)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowModality(Qt::ApplicationModal);
    setFramePainted(false);
    setMovableHeight(ui->titleWgt->height());

    const QFont font = KP_UI_UTIL::getFontScale(14, false);
    for (QWidget* w : std::initializer_list<QWidget*> {
             ui->titleLbl, ui->explainLbl, ui->numberEdit, ui->bottomTipLbl, ui->makeCallBtn })
        w->setFont(font);
    QFont title = KP_UI_UTIL::getFontScale(16, false);
    title.setWeight(QFont::Medium);
    ui->titleLbl->setFont(title);
    ui->makeCallBtn->setBtnStyle(BtnStyle_Primary, false);

    ui->numberEdit->setValidator(
        new QRegExpValidator(QRegExp(MeetingTipPolicy::phoneNumberPattern(), Qt::CaseSensitive), ui->numberEdit));

    connect(ui->closeBtn, &QPushButton::clicked, this, &ConferenceCallWidget::slot_closeBtn_clicked);
    connect(ui->makeCallBtn, &QPushButton::clicked, this, &ConferenceCallWidget::slot_makeCallBtn_clicked);
    connect(ui->numberEdit, &QLineEdit::returnPressed, this, &ConferenceCallWidget::slot_makeCallBtn_clicked);
    connect(ui->numberEdit, &QLineEdit::textChanged, this, &ConferenceCallWidget::slot_numberEditChanged);
    ScreenScale::beginScale(this);
}

ConferenceCallWidget::~ConferenceCallWidget()
{
    if (s_instance == this)
        s_instance = nullptr;
}

void ConferenceCallWidget::slot_closeBtn_clicked()
{
    m_isShowing = false;
    ui->numberEdit->clear();
    ui->bottomTipLbl->clear();
    close();
}

void ConferenceCallWidget::slot_makeCallBtn_clicked()
{
    const QString number = ui->numberEdit->text();
    if (!MeetingTipPolicy::canDial(number)) {
        ui->bottomTipLbl->setText(tr("This cannot be empty"));
        return;
    }
    AreaLog::meeting().LogInfo(QStringLiteral("ConferenceCallWidget::slot_makeCallBtn_clicked"));
    emit signal_makeCall(number);
    ui->numberEdit->clear();
    close();
}

void ConferenceCallWidget::slot_numberEditChanged(QString)
{
    ui->bottomTipLbl->clear();
}

void ConferenceCallWidget::showEvent(QShowEvent* event)
{
    m_isShowing = true;
    MoveWidget::showEvent(event);
    ui->numberEdit->setFocus();
}

void ConferenceCallWidget::closeEvent(QCloseEvent* event)
{
    m_isShowing = false;
    MoveWidget::closeEvent(event);
}
