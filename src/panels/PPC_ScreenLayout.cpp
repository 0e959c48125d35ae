#include "panels/PPC_ScreenLayout.h"

#include "ui_PPC_ScreenLayout.h"

#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "policy/ScreenLayoutPolicy.h"

PPC_ScreenLayout::PPC_ScreenLayout(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::PPC_ScreenLayout)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::WindowModal);

    const QFont font = KP_UI_UTIL::getFontScale(16, false);
    const QStringList names = { tr("PIP Mode"), tr("Speaker mode"), tr("L-shaped layout mode"), tr("Gong Ge model"),
        tr("Gong Ge model"), tr("Gong Ge model") };
    const QList<QRadioButton*> buttons = buttonsInTypeOrder();
    for (int type = 0; type < buttons.size(); ++type) {
        buttons.at(type)->setFont(font);
        buttons.at(type)->setToolTip(names.value(type));
    }
    ui->NoBtn->setFont(font);
    ui->YesBtn->setFont(font);

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

PPC_ScreenLayout::~PPC_ScreenLayout() = default;

QList<QRadioButton*> PPC_ScreenLayout::buttonsInTypeOrder() const
{
    return { ui->BigMountedZeroBtn, ui->BigMountedThreeBtn, ui->BigMountedFiveBtn, ui->BigMounted3X3Btn,
        ui->BigMounted4X4Btn, ui->BigMounted5X5Btn };
}

void PPC_ScreenLayout::setScreenLayout(int nType)
{
    m_type = ScreenLayoutPolicy::isLayoutType(nType) ? nType : ScreenLayoutPolicy::kNoLayout;
    checkType(m_type);
}

void PPC_ScreenLayout::checkType(int type)
{
    const QList<QRadioButton*> buttons = buttonsInTypeOrder();
    if (ScreenLayoutPolicy::isLayoutType(type)) {
        buttons.at(type)->setChecked(true);
        return;
    }
    // Exclusive buttons refuse to be unchecked one by one.
    for (QRadioButton* button : buttons) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

void PPC_ScreenLayout::on_YesBtn_clicked()
{
    QVector<bool> checked;
    for (QRadioButton* button : buttonsInTypeOrder())
        checked << button->isChecked();
    m_type = ScreenLayoutPolicy::chosenLayout(checked);
    AreaLog::panels().LogDebug(QStringLiteral("Type = ") + QString::number(m_type));
    if (m_type >= 0) {
        emit sig_closePopupWgt();
        emit sig_setScreenLayout(m_type);
    }
}

void PPC_ScreenLayout::on_NoBtn_clicked()
{
    checkType(m_type);
    emit sig_closePopupWgt();
}
