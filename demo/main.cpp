// mediaconf-demo: constructs the media-conference module as the client does,
// plays the server with the simulator, and shows or photographs every window.

#include "business/BusinessRecorder.h"
#include "business/sim/BusinessSimulator.h"
#include "call/BottomTipWidget.h"
#include "demo/DemoScenario.h"
#include "demo/DemoWorld.h"
#include "demo/ScenarioPanel.h"
#include "demo/ScenarioRunner.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QEventLoop>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <QTranslator>

namespace {

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

int runGallery(DemoWorld& world, Screenshooter& shooter)
{
    int shown = 0;
    for (const DemoGalleryItem& item : DemoRegistry::instance().gallery()) {
        world.reset();
        QWidget* w = item.show(world.context());
        settle(150);
        if (!w || !w->isVisible()) {
            out() << "gallery: " << item.name << " did not show\n";
            out().flush();
            continue;
        }
        shooter.shoot(QStringLiteral("gallery"), item.name);
        ++shown;
        if (item.keep)
            w->close();
        else
            delete w;
    }
    out() << "gallery: " << shown << " of " << DemoRegistry::instance().gallery().size() << " components shown\n";
    out().flush();
    return shown == DemoRegistry::instance().gallery().size() ? 0 : 1;
}

bool runScenario(DemoWorld& world, ScenarioRunner& runner, const DemoScenario& scenario)
{
    world.reset();
    bool passed = false;
    QEventLoop loop;
    QObject::connect(&runner, &ScenarioRunner::finished, &loop, [&](const QString& name, bool ok, const QString& why) {
        passed = ok;
        out() << (ok ? "PASS " : "FAIL ") << name;
        if (!ok)
            out() << ": " << why;
        out() << "\n";
        out().flush();
        loop.quit();
    });
    runner.run(scenario);
    loop.exec();
    return passed;
}

// Loads the module's translation for `locale` from the translations folder beside the
// binary, as the client does, plus Qt's own texts (dialog buttons, context menus) when
// the system has them. Returns false, having said why, when the module's file is missing.
bool installTranslation(QCoreApplication& app, const QString& locale)
{
    const QString dir = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    const QString file = QStringLiteral("kp_mediaconf_%1.qm").arg(locale);
    auto* module = new QTranslator(&app);
    if (!QFileInfo::exists(dir + QLatin1Char('/') + file) || !module->load(file, dir)) {
        QTextStream(stderr) << "no translation for " << locale << ": " << dir << '/' << file
                            << " is missing or unreadable (build the kp_translations target)\n";
        return false;
    }
    QCoreApplication::installTranslator(module);

    // Some languages have only the older all-in-one qt_<locale>.qm.
    const QString qtDir = QLibraryInfo::location(QLibraryInfo::TranslationsPath);
    auto* qt = new QTranslator(&app);
    if (qt->load(QLocale(locale), QStringLiteral("qtbase"), QStringLiteral("_"), qtDir)
        || qt->load(QLocale(locale), QStringLiteral("qt"), QStringLiteral("_"), qtDir))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

// --- Record and replay of business events ---------------------------------

// Plays an event file into the fresh module of `world`, at the recorded pace
// divided by `speed` (0: as fast as the events can be handled), photographing
// the windows after each event. Returns the exit code.
int runReplay(DemoWorld& world, Screenshooter& shooter, const QString& path, double speed)
{
    QList<BusinessEvent> events;
    QString error;
    if (!BusinessEventFile::read(path, nullptr, &events, &error)) {
        out() << "replay: " << error << "\n";
        out().flush();
        return 2;
    }
    // The recording holds the server's answers: the simulator must not add its own.
    world.context().sim().setAnswering(false);
    int played = 0;
    for (int i = 0; i < events.size(); ++i) {
        const BusinessEvent& e = events.at(i);
        if (speed > 0 && i > 0)
            settle(int(qBound<qint64>(0, e.t - events.at(i - 1).t, 60000) / speed));
        QObject* target
            = e.view == QLatin1String("BottomTipWidget") ? BottomTipWidget::instance() : BusinessRecorder::view(e.view);
        if (!BusinessRecorder::emitOn(target, e, &error)) {
            out() << "replay: event " << i << ": " << error << "\n";
            continue;
        }
        ++played;
        if (shooter.enabled()) {
            settle(100);
            shooter.shoot(QStringLiteral("replay"), e.signal.section(QLatin1Char('('), 0, 0));
        }
    }
    settle(100);
    out() << "replay: " << played << " of " << events.size() << " events played\n";
    out().flush();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mediaconf-demo"));
    QApplication::setQuitOnLastWindowClosed(false);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Demo client of the media-conference module"));
    parser.addHelpOption();
    const QCommandLineOption listOpt(QStringLiteral("list"), QStringLiteral("List the scenarios and exit."));
    const QCommandLineOption scenarioOpt(
        QStringLiteral("scenario"), QStringLiteral("Play scenario NAME and exit."), QStringLiteral("NAME"));
    const QCommandLineOption allOpt(QStringLiteral("all"), QStringLiteral("Play the gallery and every scenario."));
    const QCommandLineOption galleryOpt(QStringLiteral("gallery"), QStringLiteral("Show every component."));
    const QCommandLineOption shotsOpt(QStringLiteral("screenshots"),
        QStringLiteral("Write a PNG of every visible window after each step."), QStringLiteral("DIR"));
    const QCommandLineOption scaleOpt(QStringLiteral("time-scale"),
        QStringLiteral("Multiply the simulated server's delays (default 1, "
                       "0.1 when scripted)."),
        QStringLiteral("FACTOR"));
    const QCommandLineOption langOpt(QStringLiteral("lang"),
        QStringLiteral("Show the module in language LOCALE (e.g. zh_CN), from "
                       "translations/kp_mediaconf_LOCALE.qm beside the demo."),
        QStringLiteral("LOCALE"));
    parser.addOptions({ listOpt, scenarioOpt, allOpt, galleryOpt, shotsOpt, scaleOpt, langOpt });
    const QCommandLineOption recordOpt(QStringLiteral("record"),
        QStringLiteral("Record every business signal the module receives to <file> (JSON)."), QStringLiteral("file"));
    const QCommandLineOption replayOpt(QStringLiteral("replay"),
        QStringLiteral("Play a recorded <file> back into a fresh module, then exit."), QStringLiteral("file"));
    const QCommandLineOption speedOpt(QStringLiteral("speed"),
        QStringLiteral("Replay pace: 1 as recorded, 2 twice as fast, 0 without pauses."), QStringLiteral("x"),
        QStringLiteral("1"));
    parser.addOptions({ recordOpt, replayOpt, speedOpt });
    parser.process(app);

    if (parser.isSet(langOpt) && !installTranslation(app, parser.value(langOpt)))
        return 2;

    DemoRegistry& registry = DemoRegistry::instance();
    registerEverything(registry);

    if (parser.isSet(listOpt)) {
        for (const DemoScenario& s : registry.scenarios())
            out() << s.name << "\t" << s.description << "\n";
        return 0;
    }

    // The demo keeps its settings apart from any real client's.
    QTemporaryDir settingsDir;
    if (qEnvironmentVariableIsEmpty("KP_SETTINGS_DIR"))
        qputenv("KP_SETTINGS_DIR", settingsDir.path().toLocal8Bit());

    const bool scripted = parser.isSet(scenarioOpt) || parser.isSet(allOpt) || parser.isSet(galleryOpt);
    bool scaleOk = false;
    double timeScale = parser.value(scaleOpt).toDouble(&scaleOk);
    if (!scaleOk)
        timeScale = scripted ? 0.1 : 1.0;

    // Started before the module exists, so that it sees every signal first.
    BusinessRecorder recorder;
    if (parser.isSet(recordOpt)) {
        QString error;
        if (!recorder.start(parser.value(recordOpt),
                QJsonObject { { QStringLiteral("program"), QStringLiteral("mediaconf-demo") } }, &error)) {
            out() << "record: " << error << "\n";
            return 2;
        }
    }

    DemoWorld world(timeScale);
    Screenshooter shooter(parser.value(shotsOpt));
    if (parser.isSet(replayOpt)) {
        bool speedOk = false;
        const double speed = parser.value(speedOpt).toDouble(&speedOk);
        if (!speedOk || speed < 0) {
            out() << "replay: --speed needs a number, 0 or more\n";
            return 2;
        }
        return runReplay(world, shooter, parser.value(replayOpt), speed);
    }
    ScenarioRunner runner(world.context(), shooter);

    if (scripted) {
        int failures = 0;
        if (parser.isSet(galleryOpt) || parser.isSet(allOpt))
            failures += runGallery(world, shooter);
        QList<const DemoScenario*> toRun;
        if (parser.isSet(allOpt)) {
            for (const DemoScenario& s : registry.scenarios())
                toRun.append(&s);
        }
        for (const QString& name : parser.values(scenarioOpt)) {
            const DemoScenario* s = registry.scenario(name);
            if (!s) {
                out() << "unknown scenario: " << name << " (see --list)\n";
                return 2;
            }
            toRun.append(s);
        }
        for (const DemoScenario* s : toRun)
            failures += runScenario(world, runner, *s) ? 0 : 1;
        world.reset();
        out() << (failures ? "some scenarios failed\n" : "all scenarios passed\n");
        out().flush();
        return failures ? 1 : 0;
    }

    ScenarioPanel panel(world, runner);
    runner.setExcludedWindow(&panel);
    QObject::connect(&panel, &ScenarioPanel::galleryRequested, &panel, [&] { runGallery(world, shooter); });
    panel.show();
    if (shooter.enabled()) // a picture of the panel itself, once it has settled
        QTimer::singleShot(
            1000, &panel, [&] { shooter.shoot(QStringLiteral("panel"), QStringLiteral("scenario-panel")); });
    return app.exec();
}
