#include "members/ConferenceMembersDelegate.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "customui/KpMenu.h"
#include "members/ConfMembersControlDelegate.h"
#include "members/MemberListViewBase.h"
#include "members/MemberRowPainter.h"
#include "policy/MemberRowGeometry.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStyleOptionButton>
#include <QTimer>
#include <QToolTip>

using MemberRosterPolicy::RowButton;

namespace {

UnifiedConferenceView* conference()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

constexpr int kDeviceIcon = 14;

// A row button whose image changes while it is pressed: Icon_<normal>.png, Icon_<pressed>.png.
QPushButton* makeFlatButton(const QString& folder, const QString& normal, const QString& pressed)
{
    auto* button = new QPushButton;
    button->setFlat(true);
    button->setStyleSheet(
        QStringLiteral("QPushButton{border:none; background-color:transparent;image:url(%1Icon_%2.png);}"
                       "QPushButton:pressed{image:url(%1Icon_%3.png);}")
            .arg(folder, normal, pressed));
    button->ensurePolished();
    return button;
}

} // namespace

ConferenceMembersDelegate::ConferenceMembersDelegate(QObject* parent)
    : MemberDelegateBase(parent)
    , m_imagePath(QStringLiteral(":/Conference/Resource/Conference/") + QStringLiteral("PicQrc/ConfIconBtn/"))
    , m_menu(new KpMenu)
{
    m_handBtn = makeFlatButton(m_imagePath, QStringLiteral("ConfHand_hover"), QStringLiteral("ConfHand_disabled"));
    m_cameraBtn = makeFlatButton(m_imagePath, QStringLiteral("ConfVideo_hover"), QStringLiteral("ConfVideo_disable"));
    m_micBtn = makeFlatButton(m_imagePath, QStringLiteral("ConfAudioOn_hover"), QStringLiteral("ConfAudioOn_disable"));
    m_removeBtn = makeFlatButton(m_imagePath, QStringLiteral("ConfMinus_hover"), QStringLiteral("ConfMinus_disable"));
    m_texts = QStringList { tr("Kick out"), tr("Microphone"), tr("Camera"), tr("Hands up") };
    m_menu->setMenuType(KpMenu_Light);
    connect(m_menu.data(), &QMenu::triggered, this, &ConferenceMembersDelegate::slot_MenuAction_trigger);
}

ConferenceMembersDelegate::~ConferenceMembersDelegate()
{
    delete m_editor.data();
    delete m_menu.data();
    for (QPushButton* button : { m_handBtn.data(), m_cameraBtn.data(), m_micBtn.data(), m_removeBtn.data() })
        delete button;
}

KpMenu* ConferenceMembersDelegate::trainingMenu() const
{
    return m_menu;
}

QLineEdit* ConferenceMembersDelegate::renameEditor() const
{
    return m_editor;
}

ConferenceMembersDelegate::Viewer ConferenceMembersDelegate::viewer()
{
    UnifiedConferenceView* conf = conference();
    Viewer v;
    v.isHost = conf->isHost();
    v.creator = conf->getCreator();
    v.account = conf->getCurrentAccount();
    v.confType = conf->getConferenceType();
    return v;
}

MemberRosterPolicy::OlderRowButtons ConferenceMembersDelegate::buttonsFor(
    const Viewer& v, const ConferenceMemberInfo& m) const
{
    const bool own = !v.account.isEmpty() && m.account == v.account;
    return MemberRosterPolicy::olderRowButtons(v.isHost, own, m.isInConf, m.isHandUp);
}

QPushButton* ConferenceMembersDelegate::flatButton(RowButton button) const
{
    switch (button) {
    case RowButton::HandsUp:
        return m_handBtn;
    case RowButton::Camera:
        return m_cameraBtn;
    case RowButton::Microphone:
        return m_micBtn;
    case RowButton::Remove:
        return m_removeBtn;
    default:
        return nullptr;
    }
}

QString ConferenceMembersDelegate::stateImage(RowButton button, const ConferenceMemberInfo& m) const
{
    switch (button) {
    case RowButton::HandsUp:
        return QStringLiteral("Icon_ConfHand_hover.png");
    case RowButton::Camera:
        return m.isCameraOpen ? QStringLiteral("Icon_ConfVideo_hover.png")
                              : QStringLiteral("Icon_ConfVideo_disable.png");
    case RowButton::Microphone:
        return m.isMicOpen ? QStringLiteral("Icon_ConfAudioOn_hover.png")
                           : QStringLiteral("Icon_ConfAudioOff_hover.png");
    case RowButton::Remove:
        return QStringLiteral("Icon_ConfMinus_hover.png");
    case RowButton::Add:
        return QStringLiteral("Icon_ConfAdd_hover.png");
    case RowButton::None:
        break;
    }
    return QString();
}

void ConferenceMembersDelegate::paintRow(
    QPainter* painter, const QStyleOptionViewItem& option, const ConferenceMemberInfo& m) const
{
    const QRect& r = option.rect;
    const Viewer v = viewer();
    const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QRect label = MemberRowGeometry::labelRect(r, m_scale);
    const QString device = MemberRosterPolicy::deviceIconFile(m.deviceType);
    if (!device.isEmpty()) {
        const int size = int(m_scale * kDeviceIcon);
        painter->drawPixmap(label.x(), label.y() + (label.height() - size) / 2,
            MemberRowPainter::icon(m_imagePath + device, size, dpr));
        label.setLeft(label.left() + size + int(m_scale * 4));
    }
    if (!v.creator.isEmpty() && m.account == v.creator) {
        painter->setFont(m_labelFont);
        painter->setPen(QColor(QStringLiteral("#333333")));
        painter->drawText(label, Qt::AlignLeft | Qt::AlignVCenter,
            v.confType == CONFERENCE_TYPE_TRAINING ? tr("lecturer") : tr("moderator"));
    }

    const MemberRosterPolicy::OlderRowButtons buttons = buttonsFor(v, m);
    const bool held = QApplication::mouseButtons() & Qt::LeftButton;
    for (int k = 0; k < 4; ++k) {
        const RowButton button = buttons.area[k];
        if (button == RowButton::None)
            continue;
        const QRect area = MemberRowGeometry::olderButtonRect(r, m_scale, k);
        QPushButton* flat = flatButton(button);
        if (held && flat && k == m_pressedArea && m.key() == m_pressedKey) {
            QStyleOptionButton pressed;
            pressed.initFrom(flat);
            pressed.rect = area;
            pressed.features = QStyleOptionButton::Flat;
            pressed.state |= QStyle::State_Sunken | QStyle::State_Enabled;
            flat->style()->drawControl(QStyle::CE_PushButton, &pressed, painter, flat);
            continue;
        }
        const QPixmap image = MemberRowPainter::icon(m_imagePath + stateImage(button, m), area.height(), dpr);
        painter->drawPixmap(area.x() + (area.width() - area.height()) / 2, area.y(), image);
    }
}

bool ConferenceMembersDelegate::editorEvent(
    QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() == QEvent::MouseButtonRelease && m_pressedArea >= 0) {
        m_pressedArea = -1;
        if (auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
            view->viewport()->update();
    }
    if (event->type() != QEvent::MouseButtonPress)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    // A press anywhere else in the list ends a rename first.
    if (m_editor && !m_editor->geometry().contains(mouse->pos()))
        emit m_editor->returnPressed();
    ConferenceMemberInfo m;
    if (!leftPressOn(event, index, &m))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    const Viewer v = viewer();
    const MemberRosterPolicy::OlderRowButtons buttons = buttonsFor(v, m);
    for (int k = 0; k < 4; ++k) {
        if (buttons.area[k] == RowButton::None
            || !MemberRowGeometry::olderButtonRect(option.rect, m_scale, k).contains(mouse->pos()))
            continue;
        m_pressedKey = m.key();
        m_pressedArea = k;
        if (auto* view = qobject_cast<const QAbstractItemView*>(option.widget))
            view->viewport()->update(option.rect);
        pressButton(buttons.area[k], m, v, mouse->globalPos());
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    }
    const bool own = !v.account.isEmpty() && m.account == v.account;
    if (MemberRowGeometry::nameRect(option.rect, m_scale).contains(mouse->pos()) && ((v.isHost && m.isInConf) || own))
        openEditor(option, index, m);
    return QStyledItemDelegate::editorEvent(event, model, option, index);
}

void ConferenceMembersDelegate::pressButton(
    RowButton button, const ConferenceMemberInfo& m, const Viewer& v, const QPoint& globalPos)
{
    UnifiedConferenceView* conf = conference();
    switch (button) {
    case RowButton::HandsUp:
        if (v.isHost) {
            emit sig_showMsgBox(tr("Deal with hands up"), tr("Deal with %1 's hands up").arg(m.name), m.account,
                m.deviceType, MessageType_HandsUp);
        } else {
            // Not the host: the member's own raised hand, which the member lowers.
            conf->memberOperate(CONF_MEMBER_OP_HAND, m.account, m.deviceType, 0);
        }
        break;
    case RowButton::Camera:
        conf->memberOperate(CONF_MEMBER_OP_CAMERA, m.account, m.deviceType, m.isCameraOpen ? 0 : 1);
        break;
    case RowButton::Microphone:
        conf->memberOperate(CONF_MEMBER_OP_MIC, m.account, m.deviceType, m.isMicOpen ? 0 : 1);
        break;
    case RowButton::Remove:
        if (v.confType == CONFERENCE_TYPE_TRAINING && m_menu) {
            m_menuMember = m;
            m_menu->clear();
            m_menu->addAction(tr("Move out of training"));
            m_menu->addAction(tr("Set as the presenter"));
            // Run from the event loop, not inside the press (see ConfMembersControlDelegate).
            QTimer::singleShot(0, this, [this, globalPos] {
                if (m_menu && !m_menuMember.account.isEmpty())
                    m_menu->exec(globalPos);
            });
        } else {
            emit sig_showMsgBox(tr("Information"), tr("Are you sure to kick out %1?").arg(m.name), m.account,
                m.deviceType, MessageType_KickOut);
        }
        break;
    case RowButton::Add:
        ConfMembersControlDelegate::inviteAgain(m.account, m.name);
        emit UI_ControlView::instance()->sig_showMsgTip(tr("Invitation sent!"), POPUP_HANDLE_DEFAULT);
        break;
    case RowButton::None:
        break;
    }
}

void ConferenceMembersDelegate::slot_MenuAction_trigger(QAction* pAction)
{
    const ConferenceMemberInfo m = m_menuMember;
    m_menuMember = ConferenceMemberInfo();
    if (!pAction || m.account.isEmpty())
        return;
    if (pAction->text() == tr("Move out of training"))
        conference()->memberOperate(CONF_MEMBER_OP_KICK, m.account, m.deviceType, 0);
    else if (pAction->text() == tr("Set as the presenter"))
        conference()->memberOperate(CONF_MEMBER_OP_MIC, m.account, m.deviceType, 1);
}

void ConferenceMembersDelegate::openEditor(
    const QStyleOptionViewItem& option, const QModelIndex& index, const ConferenceMemberInfo& m)
{
    auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (!view || m_editor)
        return;
    QStandardItem* item = nullptr;
    if (auto* proxy = qobject_cast<const QSortFilterProxyModel*>(index.model())) {
        if (auto* source = qobject_cast<QStandardItemModel*>(proxy->sourceModel()))
            item = source->itemFromIndex(proxy->mapToSource(index));
    }
    auto* editor = new QLineEdit(view->viewport());
    editor->setObjectName(QStringLiteral("renameEditor"));
    editor->setText(m.name);
    editor->setProperty("ConferenceMemberInfo", QVariant::fromValue(m));
    editor->setProperty("StandardItem", QVariant::fromValue(static_cast<void*>(item)));
    if (item)
        item->setData(QVariant(), MemberListViewBase::CreatedRole);
    connect(editor, &QLineEdit::returnPressed, this, &ConferenceMembersDelegate::slot_EditFinished);
    updateEditorGeometry(editor, option, index);
    editor->show();
    editor->setFocus();
    editor->selectAll();
    m_editor = editor;
}

void ConferenceMembersDelegate::updateEditorGeometry(
    QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(index)
    editor->setGeometry(MemberRowGeometry::nameRect(option.rect, m_scale));
}

void ConferenceMembersDelegate::slot_EditFinished()
{
    auto* editor = qobject_cast<QLineEdit*>(sender());
    if (!editor)
        return;
    // Return, and the press that ends the edit, both land here: once is enough.
    editor->disconnect(this);
    const auto m = editor->property("ConferenceMemberInfo").value<ConferenceMemberInfo>();
    const QString name = editor->text().trimmed();
    if (name.isEmpty()) {
        AreaLog::members().LogInfo(
            QStringLiteral("ConferenceMembersDelegate::slot_EditFinished empty name for %1 ignored").arg(m.account));
    } else {
        conference()->updateMemberInfo(m.account, name, m.deviceType, m.memberType == 1 ? 1 : 2);
    }
    editor->hide();
    editor->deleteLater();
    if (m_editor == editor)
        m_editor.clear();
    AreaLog::members().LogDebug(QStringLiteral("finished"));
}

void ConferenceMembersDelegate::memberGone(const QString& key)
{
    if (!m_menuMember.account.isEmpty() && (key.isEmpty() || key == m_menuMember.key())) {
        m_menuMember = ConferenceMemberInfo();
        if (m_menu)
            m_menu->hide();
    }
    if (m_editor) {
        const auto m = m_editor->property("ConferenceMemberInfo").value<ConferenceMemberInfo>();
        if (key.isEmpty() || key == m.key()) {
            // The row under the editor is gone: drop the edit without renaming.
            m_editor->disconnect(this);
            m_editor->hide();
            m_editor->deleteLater();
            m_editor.clear();
        }
    }
}

bool ConferenceMembersDelegate::helpEvent(
    QHelpEvent* event, QAbstractItemView* view, const QStyleOptionViewItem& option, const QModelIndex& index)
{
    const QVariant value = index.data(MemberListViewBase::RecordRole);
    const ConferenceMemberInfo* m = MemberListViewBase::recordIn(value);
    if (event->type() == QEvent::ToolTip && m) {
        const MemberRosterPolicy::OlderRowButtons buttons = buttonsFor(viewer(), *m);
        for (int k = 0; k < 4; ++k) {
            if (buttons.area[k] != RowButton::None
                && MemberRowGeometry::olderButtonRect(option.rect, m_scale, k).contains(event->pos())) {
                QToolTip::showText(event->globalPos(), m_texts.value(k), view);
                return true;
            }
        }
    }
    return QStyledItemDelegate::helpEvent(event, view, option, index);
}
