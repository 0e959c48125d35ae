#pragma once

#include "demo/DemoContext.h"

#include <QObject>
#include <memory>

class BusinessSimulator;
class ClientShell;
class KP_MediaConfUI;

// The client side of the demo: the facade constructed exactly as the client
// does, the simulator playing the server, and a sample company directory.
class DemoWorld : public QObject
{
    Q_OBJECT

public:
    explicit DemoWorld(double timeScale, QObject* parent = nullptr);
    ~DemoWorld() override;

    DemoContext& context() { return *m_context; }
    ClientShell* shell() const { return m_shell.get(); }

    // Back to a fresh client: every window closed, the business state reset,
    // a new facade. Scenarios start from here.
    void reset();

private:
    void build();
    void tearDown();

    double m_timeScale;
    std::unique_ptr<ClientShell> m_shell;
    std::unique_ptr<BusinessSimulator> m_simulator;
    std::unique_ptr<KP_MediaConfUI> m_facade;
    std::unique_ptr<DemoContext> m_context;
};
