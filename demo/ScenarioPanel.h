#pragma once

#include <QWidget>

class DemoWorld;
class QListWidget;
class QPlainTextEdit;
class ScenarioRunner;
class Screenshooter;

// The demo's control window: business events to fire, scenarios to play and
// the component gallery.
class ScenarioPanel : public QWidget
{
    Q_OBJECT

public:
    ScenarioPanel(DemoWorld& world, ScenarioRunner& runner, QWidget* parent = nullptr);

    void appendLog(const QString& line);

signals:
    void galleryRequested();

protected:
    // Closing the panel ends the demo even while module windows are open.
    void closeEvent(QCloseEvent* event) override;

private:
    void runSelected();

    DemoWorld& m_world;
    ScenarioRunner& m_runner;
    QListWidget* m_scenarios = nullptr;
    QPlainTextEdit* m_log = nullptr;
};
