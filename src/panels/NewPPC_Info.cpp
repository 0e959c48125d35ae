#include "panels/NewPPC_Info.h"

#include "ui_NewPPC_Info.h"

#include "business/KP_BusinessView.h"
#include "business/UI_ControlView.h"
#include "common/AreaLog.h"
#include "common/AreaStyle.h"
#include "customui/KP_UI_UTIL.h"
#include "panels/ShareConfInfoWgt.h"
#include "panels/SidePage.h"
#include "policy/AgendaPolicy.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>

namespace {

UnifiedConferenceView* conferenceView()
{
    return KP_BusinessView::instance()->getUnifiedConferenceView();
}

constexpr int kEditorPadding = 10;

} // namespace

NewPPC_Info::NewPPC_Info(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::NewPPC_Info)
{
    ui->setupUi(this);
    SidePage::setUpWindow(this, Qt::WindowModal, false);
    setFont(KP_UI_UTIL::getFontScale(16, false));
    ui->btnTopicOk->setBtnStyle(BtnStyle_Text, false);
    ui->btnTopicOk->setText(tr("Edit"));
    ui->btnTopicOk->setProperty("status", Viewing);
    ui->btnTopicOk->hide();

    for (QTextEdit* editor : editors()) {
        editor->setReadOnly(true);
        connect(editor, &QTextEdit::textChanged, this, &NewPPC_Info::slot_textChanged);
        connect(editor->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &NewPPC_Info::slot_textAreaChanged);
    }
    connect(ui->btnTopicOk, &QPushButton::clicked, this, &NewPPC_Info::on_btn_Topic_Ok);
    connect(ui->btnShare, &QPushButton::clicked, this, &NewPPC_Info::slot_share);

    UnifiedConferenceView* view = conferenceView();
    connect(view, qOverload<ConferenceBriefInfo>(&UnifiedConferenceView::sig_updateConferenceInfo), this,
        qOverload<ConferenceBriefInfo>(&NewPPC_Info::slot_updateConferenceInfo));
    connect(view, qOverload<ConferenceBriefInfo, bool>(&UnifiedConferenceView::sig_updateConferenceInfo), this,
        qOverload<ConferenceBriefInfo, bool>(&NewPPC_Info::slot_updateConferenceInfo));
    connect(view, &UnifiedConferenceView::sig_changedHost, this, &NewPPC_Info::slot_onHostChanged);

    AreaStyle::finish(this, QStringLiteral("conference.qss"));
}

NewPPC_Info::~NewPPC_Info() = default;

QList<QTextEdit*> NewPPC_Info::editors() const
{
    return { ui->ConfTopicLet1, ui->ConfTopicLet2, ui->ConfTopicLet3 };
}

int NewPPC_Info::status() const
{
    return ui->btnTopicOk->property("status").toInt();
}

QStringList NewPPC_Info::issues() const
{
    QStringList texts;
    for (const QTextEdit* editor : editors())
        texts << editor->toPlainText();
    return texts;
}

void NewPPC_Info::setHost(bool host)
{
    m_isHost = host;
    ui->btnTopicOk->setVisible(host);
}

void NewPPC_Info::updateButtonEnabled(bool status)
{
    for (QTextEdit* editor : editors())
        editor->setReadOnly(status);
}

void NewPPC_Info::on_btn_Close_clicked()
{
    close();
}

void NewPPC_Info::slot_updateConferenceInfo(ConferenceBriefInfo info)
{
    m_info = info;
    ui->ConfTopicTipLbl->setPlainText(info.subject);
    loadIssues();
}

void NewPPC_Info::slot_updateConferenceInfo(ConferenceBriefInfo info, bool status)
{
    if (info.confId != m_info.confId || status)
        return;
    emit UI_ControlView::instance()->sig_showMsgTip(tr("Failed to revise the issue"), POPUP_HANDLE_MAIN);
    loadIssues();
}

void NewPPC_Info::slot_onHostChanged(QList<ConferenceMemberInfo> members, QString confId)
{
    if (confId != m_info.confId)
        return;
    UnifiedConferenceView* view = conferenceView();
    for (const ConferenceMemberInfo& m : members) {
        if (view->isMySelf(m.account, m.deviceType)) {
            setHost(m.isHost);
            return;
        }
    }
}

void NewPPC_Info::loadIssues()
{
    for (QTextEdit* editor : editors())
        editor->clear();
    QString error;
    const QStringList loaded = AgendaPolicy::parseIssues(m_info.issues, &error);
    if (!error.isEmpty() && !m_info.issues.isEmpty())
        AreaLog::panels().LogInfo(
            QStringLiteral("NewPPC_Info::loadIssues agenda of %1 not read: %2").arg(m_info.confId, error));
    const QList<QTextEdit*> fields = editors();
    for (int i = 0; i < loaded.size(); ++i)
        fields.at(i)->setPlainText(loaded.at(i));
    m_loadedIssues = loaded.join(QString());
}

void NewPPC_Info::on_btn_Topic_Ok()
{
    if (status() == Viewing) {
        updateButtonEnabled(false);
        ui->btnTopicOk->setText(tr("Ok"));
        ui->btnTopicOk->setProperty("status", Editing);
        return;
    }
    updateButtonEnabled(true);
    ui->btnTopicOk->setText(tr("Edit"));
    ui->btnTopicOk->setProperty("status", Viewing);
    const AgendaPolicy::SavedAgenda saved = AgendaPolicy::saveIssues(issues());
    if (saved.concatenation == m_loadedIssues)
        return;
    conferenceView()->UpdateConferenceTopic(m_info.confId, saved.json);
}

void NewPPC_Info::slot_textChanged()
{
    auto* editor = qobject_cast<QTextEdit*>(sender());
    // Trimming changes the text again; the outer call finishes the job.
    if (!editor || m_trimming)
        return;
    m_trimming = true;
    QTextCursor cursor = editor->textCursor();
    while (editor->toPlainText().size() > AgendaPolicy::kMaxIssueLength) {
        cursor.movePosition(QTextCursor::End);
        cursor.clearSelection();
        cursor.deletePreviousChar();
    }
    editor->setTextCursor(cursor);
    m_trimming = false;
}

void NewPPC_Info::slot_textAreaChanged()
{
    for (QTextEdit* editor : editors()) {
        const int wanted = int(editor->document()->size().height()) + kEditorPadding;
        if (editor->height() != wanted)
            editor->setFixedHeight(wanted);
    }
}

void NewPPC_Info::slot_share()
{
    auto* card = new ShareConfInfoWgt(this);
    card->setAttribute(Qt::WA_DeleteOnClose); // one per opening
    card->setConferenceInfo(m_info);
    const QPoint centre = mapToGlobal(rect().center());
    card->move(centre - QPoint(card->width() / 2, card->height() / 2));
    card->raise();
    card->show();
}
