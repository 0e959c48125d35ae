#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class SmartConferenceWarningWnd;
}

// The failure notice of a launch from an outside link, shown inside the
// loading window when the join fails. A client started only to enter that
// conference has nothing else to offer: closing the notice ends it.
class SmartConferenceWarningWnd : public QWidget
{
    Q_OBJECT

public:
    explicit SmartConferenceWarningWnd(QWidget* parent = nullptr);
    ~SmartConferenceWarningWnd() override;

public slots:
    // Quits the application.
    void slot_close();

private:
    std::unique_ptr<Ui::SmartConferenceWarningWnd> ui;
};
