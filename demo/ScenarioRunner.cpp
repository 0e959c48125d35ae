#include "demo/ScenarioRunner.h"

#include "demo/DemoContext.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPixmap>
#include <QRegularExpression>
#include <QTextStream>

namespace {
// Events settle for this long after a step before the windows are photographed,
// so that layouts, style polish and deferred single-shots have run.
constexpr int kSettleMs = 80;

// Sanitizer builds on a loaded machine run many times slower than a person's
// client: KP_DEMO_PATIENCE multiplies every step's time-out (the suite sets it).
int patience()
{
    static const int factor = qMax(1, qEnvironmentVariableIntValue("KP_DEMO_PATIENCE"));
    return factor;
}

QString fileSafe(QString text)
{
    text.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_-]+")), QStringLiteral("-"));
    return text;
}
} // namespace

DemoRegistry& DemoRegistry::instance()
{
    static DemoRegistry registry;
    return registry;
}

const DemoScenario* DemoRegistry::scenario(const QString& name) const
{
    for (const DemoScenario& s : m_scenarios) {
        if (s.name == name)
            return &s;
    }
    return nullptr;
}

bool DemoContext::click(QWidget* root, const char* objectName)
{
    if (!root)
        return false;
    auto* button = root->findChild<QAbstractButton*>(QLatin1String(objectName));
    if (!button || !button->isEnabled())
        return false;
    button->click();
    return true;
}

QPixmap Screenshooter::photograph(QWidget* window)
{
    // Video surfaces stop Qt's painting while the renderer draws into them; for
    // the picture the simulator's test cards are painted like any widget, in
    // their place among the tile's bars and labels.
    QList<QWidget*> paused; // the widgets whose painting was switched off by hand
    for (QWidget* card : window->findChildren<QWidget*>(QStringLiteral("TestCard"))) {
        for (QWidget* w = card->parentWidget(); w && w != window; w = w->parentWidget()) {
            if (w->testAttribute(Qt::WA_ForceUpdatesDisabled) && !paused.contains(w))
                paused.append(w);
        }
    }
    for (QWidget* w : qAsConst(paused))
        w->setUpdatesEnabled(true);
    const QPixmap picture = window->grab();
    for (QWidget* w : qAsConst(paused))
        w->setUpdatesEnabled(false);
    return picture;
}

Screenshooter::Screenshooter(const QString& dir)
    : m_dir(dir)
{
    if (!m_dir.isEmpty())
        QDir().mkpath(m_dir);
}

int Screenshooter::shoot(const QString& group, const QString& label, const QWidget* exclude)
{
    if (!enabled())
        return 0;
    QDir dir(m_dir);
    dir.mkpath(fileSafe(group));
    int written = 0;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || w == exclude || w->width() <= 1 || w->height() <= 1)
            continue;
        const QString name = QStringLiteral("%1/%2_%3__%4.png")
                                 .arg(fileSafe(group))
                                 .arg(++m_counter, 3, 10, QLatin1Char('0'))
                                 .arg(fileSafe(label), fileSafe(QString::fromLatin1(w->metaObject()->className())));
        if (photograph(w).save(dir.filePath(name)))
            ++written;
    }
    return written;
}

ScenarioRunner::ScenarioRunner(DemoContext& context, Screenshooter& shooter, QObject* parent)
    : QObject(parent)
    , m_context(context)
    , m_shooter(shooter)
{
    m_poll.setInterval(20);
    connect(&m_poll, &QTimer::timeout, this, &ScenarioRunner::poll);
}

void ScenarioRunner::run(const DemoScenario& scenario)
{
    m_scenario = scenario;
    m_index = 0;
    m_running = true;
    QTimer::singleShot(0, this, &ScenarioRunner::startStep);
}

void ScenarioRunner::startStep()
{
    if (m_index >= m_scenario.steps.size()) {
        m_running = false;
        emit finished(m_scenario.name, true, QString());
        return;
    }
    const DemoStep& step = m_scenario.steps.at(m_index);
    if (step.action)
        step.action(m_context);
    m_clock.start();
    m_poll.start();
}

void ScenarioRunner::poll()
{
    const DemoStep& step = m_scenario.steps.at(m_index);
    const bool settled = m_clock.elapsed() >= kSettleMs;
    if (settled && (!step.until || step.until(m_context))) {
        m_poll.stop();
        finishStep();
        return;
    }
    if (m_clock.elapsed() > qint64(step.timeoutMs) * patience()) {
        m_poll.stop();
        fail(step.expectation.isEmpty() ? QStringLiteral("condition not met") : step.expectation);
    }
}

void ScenarioRunner::finishStep()
{
    const DemoStep& step = m_scenario.steps.at(m_index);
    m_shooter.shoot(m_scenario.name, step.label, m_exclude);
    emit stepDone(m_scenario.name, m_index, step.label);
    ++m_index;
    QTimer::singleShot(0, this, &ScenarioRunner::startStep);
}

void ScenarioRunner::fail(const QString& why)
{
    const DemoStep& step = m_scenario.steps.at(m_index);
    m_shooter.shoot(m_scenario.name, step.label + QStringLiteral("-FAILED"), m_exclude);
    m_running = false;
    emit finished(m_scenario.name, false, QStringLiteral("step %1 \"%2\": %3").arg(m_index + 1).arg(step.label, why));
}
