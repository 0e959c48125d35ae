#pragma once

#include "customui/MoveWidget.h"

#include <memory>

namespace Ui {
class ConferenceCallWidget;
}

// The telephone invitation dialog: the user enters a number, the business
// library calls it and the callee joins by answering. One instance serves the
// whole process (instance()); it is deleted when the application quits.
class ConferenceCallWidget : public MoveWidget
{
    Q_OBJECT

public:
    static ConferenceCallWidget* instance();
    ~ConferenceCallWidget() override;

    // Set while the dialog is shown, cleared when it closes.
    bool isShowing() const { return m_isShowing; }

signals:
    void signal_makeCall(QString number);

public slots:
    void slot_closeBtn_clicked();
    void slot_makeCallBtn_clicked();
    void slot_numberEditChanged(QString text);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    explicit ConferenceCallWidget(QWidget* parent = nullptr);

    static ConferenceCallWidget* s_instance;
    std::unique_ptr<Ui::ConferenceCallWidget> ui;
    bool m_isShowing = false;
};
