// The ring tones that the call windows play from the application folder: present, in a
// format QSound plays (16-bit PCM mono), audible, unclipped, and as long as their pattern.
// Played through KpRingTone, closing a ringing window never hangs, and a program still
// ringing when it ends exits cleanly.
#include "customui/KpRingTone.h"
#include "util/KPFilePathMgr.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QtEndian>

#include <cstdio>
#include <memory>

class tst_RingTones : public QObject
{
    Q_OBJECT

private slots:
    void tonesArePcmMonoWavesInTheApplicationFolder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("minSeconds");
        QTest::addColumn<double>("maxSeconds");
        QTest::newRow("ring: two-tone chime, then a pause") << QStringLiteral("Ring.wav") << 2.5 << 4.0;
        QTest::newRow("ring-back: a second of tone, four quiet") << QStringLiteral("RingBack.wav") << 5.0 << 5.0;
    }

    void tonesArePcmMonoWavesInTheApplicationFolder()
    {
        QFETCH(QString, name);
        QFETCH(double, minSeconds);
        QFETCH(double, maxSeconds);
        QFile file(KPFilePathMgr::instance()->getAppPath() + name);
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        const QByteArray data = file.readAll();
        QVERIFY(data.startsWith("RIFF") && data.mid(8, 4) == "WAVE");
        int format = 0, channels = 0, rate = 0, bits = 0, peak = 0;
        qint64 samples = 0;
        for (int pos = 12; pos + 8 <= data.size();) {
            const QByteArray id = data.mid(pos, 4);
            const quint32 size = qFromLittleEndian<quint32>(data.constData() + pos + 4);
            const char* body = data.constData() + pos + 8;
            QVERIFY2(pos + 8 + qint64(size) <= data.size(), "a chunk runs past the end");
            if (id == "fmt " && size >= 16) {
                format = qFromLittleEndian<quint16>(body);
                channels = qFromLittleEndian<quint16>(body + 2);
                rate = int(qFromLittleEndian<quint32>(body + 4));
                bits = qFromLittleEndian<quint16>(body + 14);
            } else if (id == "data") {
                samples = size / 2;
                for (qint64 i = 0; i < samples; ++i)
                    peak = std::max(peak, std::abs(int(qFromLittleEndian<qint16>(body + 2 * i))));
            }
            pos += 8 + int(size) + int(size & 1);
        }
        QCOMPARE((QVector<int> { format, channels, bits }), (QVector<int> { 1, 1, 16 }));
        QVERIFY(rate >= 8000 && rate <= 48000);
        const double seconds = double(samples) / rate;
        QVERIFY2(seconds >= minSeconds && seconds <= maxSeconds, qPrintable(QString::number(seconds)));
        // Loud enough to hear, never clipped.
        QVERIFY2(peak > 8000 && peak < 32767, qPrintable(QString::number(peak)));
    }

    void tonesPlayInLoopsUntilStopped_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("heard");
        QTest::newRow("ring") << appFile("Ring.wav") << true;
        QTest::newRow("ring-back") << appFile("RingBack.wav") << true;
        QTest::newRow("missing file: silent") << appFile("NoSuchTone.wav") << false;
    }

    void tonesPlayInLoopsUntilStopped()
    {
        QFETCH(QString, file);
        QFETCH(bool, heard);
        KpRingTone tone(file);
        tone.setLoops(20);
        tone.play();
        QCOMPARE(tone.fileName(), heard ? file : QString());
        // Without an audio device nothing is heard, but the tone reports it is ringing.
        QCOMPARE(tone.isFinished(), !heard);
        tone.stop();
        QVERIFY(tone.isFinished());
    }

    void closingTonesWhileOthersStartNeverHangs()
    {
        // One tone rings all along (the bottom notification's) while windows' tones come
        // and go; one is asked for right after a tone whose file is loaded already.
        const QString ring = appFile("Ring.wav"), ringBack = appFile("RingBack.wav");
        KpRingTone kept(ring);
        kept.play();
        for (int i = 0; i < 200; ++i) {
            delete new KpRingTone(ringBack);
            QCoreApplication::processEvents();
            std::unique_ptr<KpRingTone> before(new KpRingTone(ring));
            std::unique_ptr<KpRingTone> window(new KpRingTone(ringBack));
            std::unique_ptr<KpRingTone> after(new KpRingTone(ring));
            window->play();
            QCoreApplication::processEvents();
            window.reset(); // a call window closed
        }
    }

    void tonesStillLoadingOrRingingAtTheEndLetTheProgramExit()
    {
        // Dropped while its file still loads, as a window closed at once.
        auto* dropped = new KpRingTone(appFile("Ring.wav"));
        dropped->play();
        delete dropped;
        // Still ringing when the program ends, owned by an object that outlives the tests;
        // main() checks what is left once the application is gone.
        for (const char* name : { "Ring.wav", "RingBack.wav" }) {
            auto* ringing = new KpRingTone(appFile(name), QCoreApplication::instance());
            ringing->setLoops(20);
            ringing->play();
            QVERIFY(!ringing->isFinished());
        }
    }

private:
    static QString appFile(const char* name) { return KPFilePathMgr::instance()->getAppPath() + QLatin1String(name); }
};

// Names of this process's threads (empty where /proc is not available).
static QStringList runningThreads()
{
    QStringList names;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& id : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(id + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly))
            names << QString::fromUtf8(comm.readAll()).trimmed();
    }
    return names;
}

int main(int argc, char** argv)
{
    // A ring tone that hangs the GUI thread fails its test function within a minute.
    qputenv("QTEST_FUNCTION_TIMEOUT", "60000");
    int failed = 0;
    {
        QApplication app(argc, argv);
        tst_RingTones test;
        failed = QTest::qExec(&test, argc, argv);
    }
    // With the application gone, neither the sample loader nor the network-bearer thread
    // it pulled in may still run: they would race the rest of the process's exit. A
    // thread that Qt has finished may take a moment more to leave the process.
    const QRegularExpression qtThreads(QStringLiteral("^(QSampleCache|Qt bearer)"));
    QStringList racing = runningThreads().filter(qtThreads);
    for (QDeadlineTimer left(1000); !racing.isEmpty() && !left.hasExpired();
         racing = runningThreads().filter(qtThreads))
        QThread::yieldCurrentThread();
    if (!racing.isEmpty()) {
        std::fprintf(
            stderr, "FAIL!  : still running after the application: %s\n", qPrintable(racing.join(QLatin1String(", "))));
        return failed + 1;
    }
    return failed;
}

#include "tst_RingTones.moc"
