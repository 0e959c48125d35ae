#pragma once

#include <QWidget>
#include <memory>

class QRadioButton;

namespace Ui {
class PPC_ScreenLayout;
}

// The layout chooser: six video layouts as picture buttons. Its integer is the
// conference window's layout type (0 picture in picture, 1 speaker, 2
// L-shaped, 3 to 5 grids). Hosted by the pop-up container, deleted on close.
class PPC_ScreenLayout : public QWidget
{
    Q_OBJECT

public:
    explicit PPC_ScreenLayout(QWidget* parent = nullptr);
    ~PPC_ScreenLayout() override;

    // Stores the type and checks its button (the owner shows the active layout);
    // another value clears every check.
    void setScreenLayout(int nType);
    // The current type, -1 when none.
    int screenLayout() const { return m_type; }

signals:
    void sig_setScreenLayout(int nType);
    void sig_closePopupWgt();

private slots:
    void on_YesBtn_clicked();
    void on_NoBtn_clicked();

private:
    QList<QRadioButton*> buttonsInTypeOrder() const;
    void checkType(int type);

    std::unique_ptr<Ui::PPC_ScreenLayout> ui;
    int m_type = -1;
};
