#pragma once

#include "customui/kp_customui_global.h"

#include <QWidget>

#include <memory>

namespace Ui {
class KPTitleBar;
}

// Which buttons the title bar shows.
enum TitleButtonType {
    Title_NoButton = 0,
    Title_CloseOnly = 1, // notices and dialogs
    Title_MinMaxClose = 2, // main windows: minimise, maximise/restore, close
    Title_MinClose = 3, // fixed-size windows
    Title_MaxClose = 4,
};

enum TitleAlignType {
    Title_AlignLeft = 0,
    Title_AlignCenter = 1, // centred on the whole bar, not only beside the buttons
};

// The title strip of the library's frameless windows: a title and the window
// buttons btn_min, btn_max, btn_normal and btn_close. It only reports clicks;
// the window decides what they do. With maximise shown, btn_max and
// btn_normal take turns: clicking one shows the other, and a double click on
// the bar clicks whichever is visible.
class KP_CUSTOMUI_EXPORT KPTitleBar : public QWidget
{
    Q_OBJECT
public:
    explicit KPTitleBar(QWidget* parent = nullptr);
    ~KPTitleBar() override;

    void setTitle(const QString& title);
    QString title() const;

    void setShowType(TitleButtonType type);
    void setShowType(int type);

    void setAlignType(TitleAlignType type);
    void setAlignType(int type);

signals:
    void sig_minBtn_clicked();
    void sig_maxBtn_clicked();
    void sig_norBtn_clicked();
    void sig_closeBtn_clicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void slot_onMaxClicked();
    void slot_onNormalClicked();
    void updateButtons();

    std::unique_ptr<Ui::KPTitleBar> ui;
    TitleButtonType m_showType = Title_MinMaxClose;
    TitleAlignType m_alignType = Title_AlignLeft;
    bool m_maximized = false;
};
