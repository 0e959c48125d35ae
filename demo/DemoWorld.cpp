#include "demo/DemoWorld.h"

#include "business/KP_BusinessView.h"
#include "business/sim/BusinessSimulator.h"
#include "call/BottomTipWidget.h"
#include "demo/ClientShell.h"
#include "facade/KP_MediaConfUI.h"

#include <QApplication>

namespace {
constexpr int kDirectorySize = 60;
}

DemoWorld::DemoWorld(double timeScale, QObject* parent)
    : QObject(parent)
    , m_timeScale(timeScale)
{
    m_shell = std::make_unique<ClientShell>();
    m_simulator = std::make_unique<BusinessSimulator>();
    m_simulator->setTimeScale(m_timeScale);
    m_context = std::make_unique<DemoContext>(nullptr, m_simulator.get(), m_shell.get());
    build();
}

DemoWorld::~DemoWorld()
{
    tearDown();
}

void DemoWorld::build()
{
    m_simulator->populateSampleDirectory(kDirectorySize);
    m_simulator->populateSampleDevices();
    // Exactly what the client does: one facade, constructed once.
    m_facade = std::make_unique<KP_MediaConfUI>();
    m_context->setFacade(m_facade.get());
}

void DemoWorld::tearDown()
{
    m_context->setFacade(nullptr);
    m_facade.reset();
    BottomTipWidget* tip = BottomTipWidget::instance();
    tip->closeWidget();
    tip->clearData();
    m_shell->reset();
    m_shell->hide();
    // Windows the facade does not own (pickers in a mask, pop-ups) go too.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* w : windows) {
        if (w == tip || w == m_shell.get() || w->windowType() == Qt::Desktop
            || w->objectName() == QLatin1String("ScenarioPanel"))
            continue;
        if (!w->parentWidget()) {
            w->hide();
            w->deleteLater();
        }
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void DemoWorld::reset()
{
    tearDown();
    KP_BusinessView::instance()->resetAll();
    build();
}
