#include "customui/KpRingTone.h"

#include "util/KPLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QVector>

// Why ring tones need care at exit. QSound reads its file through Qt Multimedia's
// sample cache, on the cache's loader thread, with a QNetworkAccessManager made on
// that thread. The manager starts Qt's network-bearer thread and plugins (which talk
// to D-Bus); started from a worker thread, Qt only arranges their teardown the next
// time the GUI thread runs its event loop. A program that rings and then ends at once
// (every test, the demo, a client closed while an invitation rings) therefore left
// the loader and bearer threads running into process exit, racing the static
// destructors of the plugins and of D-Bus; and a tone destroyed with the application
// object waited forever for a loader that could no longer run.
//
// So the bearer machinery is started here on the GUI thread, before the first tone
// loads (the application then tears it down itself), and as the application is
// destroyed every tone stops and hands its sample back, which waits for the loader
// thread to finish its load and stop, before anything else goes away.

namespace {

QVector<KpRingTone*>& liveTones()
{
    static QVector<KpRingTone*> tones;
    return tones;
}

bool exitHookInstalled = false;

void releaseTonesAtExit()
{
    exitHookInstalled = false; // an application made later installs it again
    for (KpRingTone* tone : liveTones()) {
        tone->stop();
        // An empty source gives the sample back; the last one out waits for the loader.
        if (auto* effect = tone->findChild<QSoundEffect*>())
            effect->setSource(QUrl());
    }
}

// Runs before QSound's constructor, which starts loading the file.
const QString& prepareToRing(const QString& fileName)
{
    const QCoreApplication* app = QCoreApplication::instance();
    if (!exitHookInstalled && app && QThread::currentThread() == app->thread()) {
        QNetworkAccessManager startsBearerOnThisThread;
        // Post routines run newest first: this one before the bearer teardown above.
        qAddPostRoutine(releaseTonesAtExit);
        exitHookInstalled = true;
    }
    if (!QFileInfo::exists(fileName))
        g_Log.LogInfo(QStringLiteral("KpRingTone::KpRingTone no sound file ") + fileName);
    return fileName;
}

} // namespace

KpRingTone::KpRingTone(const QString& fileName, QObject* parent)
    : QSound(prepareToRing(fileName), parent)
{
    liveTones().append(this);
}

KpRingTone::~KpRingTone()
{
    liveTones().removeOne(this);
}
