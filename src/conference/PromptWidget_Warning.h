#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class PromptWidget_Warning;
}

// The warning strip of the video area: its form has nothing to show yet.
class PromptWidget_Warning : public QWidget
{
    Q_OBJECT

public:
    explicit PromptWidget_Warning(QWidget* parent = nullptr);
    ~PromptWidget_Warning() override;

private:
    std::unique_ptr<Ui::PromptWidget_Warning> ui;
};
