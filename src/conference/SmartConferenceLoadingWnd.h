#pragma once

#include "customui/MoveWidget.h"

#include <memory>

class SmartConferenceWarningWnd;

namespace Ui {
class SmartConferenceLoadingWnd;
}

// The window of a launch from an outside link: a picture and "entering the
// meeting room" while the client logs in and joins, or the failure notice
// alone once the join failed. Exactly one of the two parts shows.
class SmartConferenceLoadingWnd : public MoveWidget
{
    Q_OBJECT

public:
    explicit SmartConferenceLoadingWnd(QWidget* parent = nullptr);
    ~SmartConferenceLoadingWnd() override;

    void setFailed(bool failed);
    bool isFailed() const { return m_failed; }
    SmartConferenceWarningWnd* warningWnd() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::SmartConferenceLoadingWnd> ui;
    bool m_failed = false;
};
