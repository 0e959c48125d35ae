#pragma once

#include "demo/DemoScenario.h"

#include <QDir>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

class DemoContext;

// Writes a PNG of every visible top-level window.
class Screenshooter
{
public:
    explicit Screenshooter(const QString& dir = QString());

    bool enabled() const { return !m_dir.isEmpty(); }
    // Returns the number of files written.
    int shoot(const QString& group, const QString& label, const QWidget* exclude = nullptr);
    // The window as the user sees it, video test cards included.
    static QPixmap photograph(QWidget* window);

private:
    QString m_dir;
    int m_counter = 0;
};

// Plays the steps of one scenario without blocking the event loop.
class ScenarioRunner : public QObject
{
    Q_OBJECT

public:
    ScenarioRunner(DemoContext& context, Screenshooter& shooter, QObject* parent = nullptr);

    void run(const DemoScenario& scenario);
    bool isRunning() const { return m_running; }
    void setExcludedWindow(const QWidget* w) { m_exclude = w; }

signals:
    void stepDone(const QString& scenario, int index, const QString& label);
    void finished(const QString& scenario, bool ok, const QString& failure);

private:
    void startStep();
    void poll();
    void finishStep();
    void fail(const QString& why);

    DemoContext& m_context;
    Screenshooter& m_shooter;
    const QWidget* m_exclude = nullptr;
    DemoScenario m_scenario;
    int m_index = 0;
    bool m_running = false;
    QTimer m_poll;
    QElapsedTimer m_clock;
};
