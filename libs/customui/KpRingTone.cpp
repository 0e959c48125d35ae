#include "customui/KpRingTone.h"

#include "util/KPFilePathMgr.h"
#include "util/KPLog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QVector>

// Qt 5.15's QSound loads its file on the sample cache's loader thread, which the
// cache starts for each request and stops when none is pending. Two faults follow:
// - a file asked for while the loader stops is never loaded, and destroying the last
//   sound on it waits for the loader for ever (a call window closed while another
//   tone starts hangs the client);
// - the loader's QNetworkAccessManager starts the network-bearer thread and plugins
//   (D-Bus) from that thread, and Qt tears them down only once the GUI thread runs
//   its loop again, so a program that rings and ends at once races them at exit.
// Hence the bearer is started on the GUI thread, every tone of the application is
// loaded at once into a keeper that holds it for the application's life (windows'
// tones then never load and never hold the last reference), and as the application
// goes the tones stop and the keepers let go, which waits for the loader to stop.

namespace {

struct RingTones
{
    QVector<KpRingTone*> live;
    QVector<QSoundEffect*> keepers; // one per file, loaded once
    bool prepared = false;
};

RingTones& tones()
{
    static RingTones state;
    return state;
}

QSoundEffect* keeperOf(const QUrl& url)
{
    for (QSoundEffect* keeper : qAsConst(tones().keepers)) {
        if (keeper->source() == url)
            return keeper;
    }
    return nullptr;
}

void keep(const QString& fileName)
{
    const QUrl url = QUrl::fromLocalFile(fileName);
    if (keeperOf(url) || !QFileInfo::exists(fileName))
        return;
    auto* keeper = new QSoundEffect;
    keeper->setSource(url);
    tones().keepers << keeper;
}

void releaseTonesAtExit()
{
    RingTones& state = tones();
    state.prepared = false; // an application made later prepares again
    for (KpRingTone* tone : qAsConst(state.live)) {
        tone->stop();
        if (auto* effect = tone->findChild<QSoundEffect*>())
            effect->setSource(QUrl());
    }
    // The keepers hold the last references: letting go waits for the loader thread.
    qDeleteAll(state.keepers);
    state.keepers.clear();
}

// Runs before QSound's constructor, which asks the sample cache for the file.
QString prepareToRing(const QString& fileName)
{
    RingTones& state = tones();
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return fileName;
    if (!state.prepared) {
        QNetworkAccessManager startsTheBearerOnThisThread;
        // Together, so that none is asked for while the loader stops after another.
        const QString appPath = KPFilePathMgr::instance()->getAppPath();
        for (const QString& tone :
            QStringList { appPath + QStringLiteral("Ring.wav"), appPath + QStringLiteral("RingBack.wav"), fileName })
            keep(tone);
        // Post routines run newest first: this one before the bearer's teardown.
        qAddPostRoutine(releaseTonesAtExit);
        state.prepared = true;
    }
    if (!QFileInfo::exists(fileName)) {
        // Nothing to play; an empty source never reaches the sample cache.
        g_Log.LogInfo(QStringLiteral("KpRingTone::KpRingTone no sound file ") + fileName);
        return QString();
    }
    keep(fileName);
    return fileName;
}

} // namespace

KpRingTone::KpRingTone(const QString& fileName, QObject* parent)
    : QSound(prepareToRing(fileName), parent)
{
    tones().live.append(this);
}

KpRingTone::~KpRingTone()
{
    tones().live.removeOne(this);
}
