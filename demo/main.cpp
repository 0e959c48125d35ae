// mediaconf-demo: constructs the media-conference module as the client does,
// plays the server with the simulator, and shows or photographs every window.

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

    DemoWorld world(timeScale);
    Screenshooter shooter(parser.value(shotsOpt));
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
