#include "demo/ScenarioPanel.h"

#include "demo/DemoContext.h"
#include "demo/DemoScenario.h"
#include "demo/DemoWorld.h"
#include "demo/ScenarioRunner.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

ScenarioPanel::ScenarioPanel(DemoWorld& world, ScenarioRunner& runner, QWidget* parent)
    : QWidget(parent)
    , m_world(world)
    , m_runner(runner)
{
    setObjectName(QStringLiteral("ScenarioPanel"));
    setWindowTitle(QStringLiteral("Media conference demo"));
    resize(DemoContext::scaledSize(760, 720));

    auto* layout = new QVBoxLayout(this);

    auto* events = new QGroupBox(QStringLiteral("Business events"), this);
    auto* grid = new QGridLayout(events);
    const QList<DemoEvent>& list = DemoRegistry::instance().events();
    for (int i = 0; i < list.size(); ++i) {
        auto* button = new QPushButton(list.at(i).name, events);
        const auto fire = list.at(i).fire;
        connect(button, &QPushButton::clicked, this, [this, fire, name = list.at(i).name] {
            appendLog(QStringLiteral("event: ") + name);
            fire(m_world.context());
        });
        grid->addWidget(button, i / 3, i % 3);
    }
    layout->addWidget(events);

    auto* scenarioBox = new QGroupBox(QStringLiteral("Scenarios (double-click to play)"), this);
    auto* scenarioLayout = new QVBoxLayout(scenarioBox);
    m_scenarios = new QListWidget(scenarioBox);
    for (const DemoScenario& s : DemoRegistry::instance().scenarios()) {
        auto* item = new QListWidgetItem(s.name, m_scenarios);
        item->setData(Qt::UserRole, s.name);
        item->setToolTip(s.description);
    }
    scenarioLayout->addWidget(m_scenarios);
    auto* description = new QLabel(scenarioBox);
    description->setWordWrap(true);
    description->setMinimumHeight(description->fontMetrics().height() * 2);
    scenarioLayout->addWidget(description);
    connect(m_scenarios, &QListWidget::currentItemChanged, description,
        [description](QListWidgetItem* item) { description->setText(item ? item->toolTip() : QString()); });
    m_scenarios->setCurrentRow(0);
    auto* buttons = new QHBoxLayout;
    auto* play = new QPushButton(QStringLiteral("Play"), scenarioBox);
    auto* reset = new QPushButton(QStringLiteral("Reset client"), scenarioBox);
    auto* gallery = new QPushButton(QStringLiteral("Gallery"), scenarioBox);
    buttons->addWidget(play);
    buttons->addWidget(reset);
    buttons->addStretch();
    buttons->addWidget(gallery);
    scenarioLayout->addLayout(buttons);
    layout->addWidget(scenarioBox, 3);

    m_log = new QPlainTextEdit(this);
    m_log->setReadOnly(true);
    m_log->setMaximumBlockCount(2000);
    layout->addWidget(m_log, 1);

    connect(play, &QPushButton::clicked, this, &ScenarioPanel::runSelected);
    connect(m_scenarios, &QListWidget::itemDoubleClicked, this, &ScenarioPanel::runSelected);
    connect(reset, &QPushButton::clicked, this, [this] {
        m_world.reset();
        appendLog(QStringLiteral("client reset"));
    });
    connect(gallery, &QPushButton::clicked, this, &ScenarioPanel::galleryRequested);
    connect(&m_runner, &ScenarioRunner::stepDone, this, [this](const QString&, int index, const QString& label) {
        appendLog(QStringLiteral("  step %1: %2").arg(index + 1).arg(label));
    });
    connect(&m_runner, &ScenarioRunner::finished, this, [this](const QString& name, bool ok, const QString& why) {
        appendLog(ok ? QStringLiteral("scenario %1 passed").arg(name)
                     : QStringLiteral("scenario %1 FAILED: %2").arg(name, why));
    });
}

void ScenarioPanel::appendLog(const QString& line)
{
    m_log->appendPlainText(line);
}

void ScenarioPanel::runSelected()
{
    QListWidgetItem* item = m_scenarios->currentItem();
    if (!item || m_runner.isRunning())
        return;
    const DemoScenario* scenario = DemoRegistry::instance().scenario(item->data(Qt::UserRole).toString());
    if (!scenario)
        return;
    m_world.reset();
    appendLog(QStringLiteral("playing ") + scenario->name);
    m_runner.run(*scenario);
}

void ScenarioPanel::closeEvent(QCloseEvent* event)
{
    event->accept();
    QApplication::quit();
}
