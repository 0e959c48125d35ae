#pragma once

#include "business/BusinessEnums.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

class KpMsgTip;

// Stands in for the instant-messaging client around the module: it shows the
// tips and modal masks the module asks for through UI_ControlView, as the real
// client's main window does.
class ClientShell : public QWidget
{
    Q_OBJECT

public:
    explicit ClientShell(QWidget* parent = nullptr);
    ~ClientShell() override;

    // Every tip text shown since the last reset, for the scenarios' checks.
    QStringList tips() const { return m_tips; }
    QWidget* maskedWidget() const { return m_masked; }
    void reset();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showMsgTip(const QString& text, PopUpHandleType type);
    void showMask(void* widget, PopUpHandleType type);
    void hideMask(PopUpHandleType type);

    QPointer<KpMsgTip> m_tip;
    QWidget* m_overlay = nullptr;
    QPointer<QWidget> m_masked;
    QStringList m_tips;
};
