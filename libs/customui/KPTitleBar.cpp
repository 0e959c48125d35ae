#include "customui/KPTitleBar.h"
#include "ui_KPTitleBar.h"

#include "customui/KP_UI_UTIL.h"
#include "util/KPLog.h"

#include <QMouseEvent>

KPTitleBar::KPTitleBar(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::KPTitleBar)
{
    ui->setupUi(this);
    ui->btn_min->setIconKind(Icon_Minimize);
    ui->btn_max->setIconKind(Icon_Maximize);
    ui->btn_normal->setIconKind(Icon_Restore);
    ui->btn_close->setIconKind(Icon_Close);
    ui->label_title->setFont(KP_UI_UTIL::getFontScale(14, false));

    connect(ui->btn_min, &QPushButton::clicked, this, &KPTitleBar::sig_minBtn_clicked);
    connect(ui->btn_max, &QPushButton::clicked, this, &KPTitleBar::slot_onMaxClicked);
    connect(ui->btn_normal, &QPushButton::clicked, this, &KPTitleBar::slot_onNormalClicked);
    connect(ui->btn_close, &QPushButton::clicked, this, &KPTitleBar::sig_closeBtn_clicked);
    updateButtons();
}

KPTitleBar::~KPTitleBar() = default;

void KPTitleBar::setTitle(const QString& title)
{
    ui->label_title->setText(title);
}

QString KPTitleBar::title() const
{
    return ui->label_title->text();
}

void KPTitleBar::setShowType(TitleButtonType type)
{
    if (type < Title_NoButton || type > Title_MaxClose) {
        g_Log.LogDebug(QStringLiteral("KPTitleBar::setShowType unknown type %1").arg(int(type)));
        return;
    }
    m_showType = type;
    updateButtons();
}

void KPTitleBar::setShowType(int type)
{
    setShowType(static_cast<TitleButtonType>(type));
}

void KPTitleBar::setAlignType(TitleAlignType type)
{
    if (type != Title_AlignLeft && type != Title_AlignCenter) {
        g_Log.LogDebug(QStringLiteral("KPTitleBar::setAlignType unknown type %1").arg(int(type)));
        return;
    }
    m_alignType = type;
    updateButtons();
}

void KPTitleBar::setAlignType(int type)
{
    setAlignType(static_cast<TitleAlignType>(type));
}

void KPTitleBar::slot_onMaxClicked()
{
    m_maximized = true;
    updateButtons();
    emit sig_maxBtn_clicked();
}

void KPTitleBar::slot_onNormalClicked()
{
    m_maximized = false;
    updateButtons();
    emit sig_norBtn_clicked();
}

void KPTitleBar::updateButtons()
{
    const bool minimise = m_showType == Title_MinMaxClose || m_showType == Title_MinClose;
    const bool maximise = m_showType == Title_MinMaxClose || m_showType == Title_MaxClose;
    const bool close = m_showType != Title_NoButton;
    ui->btn_min->setVisible(minimise);
    ui->btn_max->setVisible(maximise && !m_maximized);
    ui->btn_normal->setVisible(maximise && m_maximized);
    ui->btn_close->setVisible(close);

    const Qt::Alignment vertical = Qt::AlignVCenter;
    if (m_alignType == Title_AlignCenter) {
        ui->label_title->setAlignment(Qt::AlignHCenter | vertical);
        // Balance the buttons on the right with an empty block on the left,
        // so the title sits in the middle of the whole bar.
        const int right = ui->wgt_buttons->sizeHint().width();
        ui->wgt_leftSpace->setFixedWidth(qMax(0, right - layout()->contentsMargins().left()));
        ui->wgt_leftSpace->show();
    } else {
        ui->label_title->setAlignment(Qt::AlignLeft | vertical);
        ui->wgt_leftSpace->setFixedWidth(0);
        ui->wgt_leftSpace->hide();
    }
}

void KPTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        if (ui->btn_max->isVisibleTo(this)) {
            ui->btn_max->click();
            return;
        }
        if (ui->btn_normal->isVisibleTo(this)) {
            ui->btn_normal->click();
            return;
        }
    }
    QWidget::mouseDoubleClickEvent(event);
}

void KPTitleBar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_alignType == Title_AlignCenter)
        updateButtons();
}
