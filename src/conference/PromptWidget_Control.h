#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PromptWidget_Control;
}

// A strip offering to lock the main venue, or to unlock it once locked; it
// is as wide as its text.
class PromptWidget_Control : public QWidget
{
    Q_OBJECT

public:
    explicit PromptWidget_Control(QWidget* parent = nullptr);
    ~PromptWidget_Control() override;

    bool isLocked() const { return m_locked; }
    QString text() const;

public slots:
    void slot_lockMainConf();

private:
    void showState();

    std::unique_ptr<Ui::PromptWidget_Control> ui;
    bool m_locked = false;
};
