// The ring tones that the call windows play from the application folder: present, in a
// format QSound plays (16-bit PCM mono), audible, and shaped as a ring and a ring-back tone.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QtEndian>

#include <cmath>

namespace {

struct Wave
{
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    QVector<qint16> samples;
    QString error;
};

Wave readWave(const QString& path)
{
    Wave w;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        w.error = QStringLiteral("cannot open ") + path;
        return w;
    }
    const QByteArray data = f.readAll();
    if (data.size() < 12 || data.left(4) != "RIFF" || data.mid(8, 4) != "WAVE") {
        w.error = QStringLiteral("not a RIFF/WAVE file");
        return w;
    }
    int pos = 12;
    while (pos + 8 <= data.size()) {
        const QByteArray id = data.mid(pos, 4);
        const auto size = qFromLittleEndian<quint32>(data.constData() + pos + 4);
        const char* body = data.constData() + pos + 8;
        if (pos + 8 + qint64(size) > data.size()) {
            w.error = QStringLiteral("chunk %1 runs past the end").arg(QString::fromLatin1(id));
            return w;
        }
        if (id == "fmt " && size >= 16) {
            w.format = qFromLittleEndian<quint16>(body);
            w.channels = qFromLittleEndian<quint16>(body + 2);
            w.rate = int(qFromLittleEndian<quint32>(body + 4));
            w.bits = qFromLittleEndian<quint16>(body + 14);
        } else if (id == "data") {
            w.samples.resize(int(size / 2));
            for (int i = 0; i < w.samples.size(); ++i)
                w.samples[i] = qFromLittleEndian<qint16>(body + 2 * i);
        }
        pos += 8 + int(size) + int(size & 1);
    }
    if (w.format == 0 || w.samples.isEmpty())
        w.error = QStringLiteral("no fmt or data chunk");
    return w;
}

QString appPath()
{
    const QString env = qEnvironmentVariable("KP_APP_PATH");
    return env.isEmpty() ? QCoreApplication::applicationDirPath() + QLatin1Char('/') : env;
}

// Root mean square of [from, to) seconds, as a fraction of full scale.
double rms(const Wave& w, double from, double to)
{
    const int a = int(from * w.rate);
    const int b = std::min(int(to * w.rate), w.samples.size());
    if (b <= a)
        return 0;
    double sum = 0;
    for (int i = a; i < b; ++i)
        sum += double(w.samples[i]) * w.samples[i];
    return std::sqrt(sum / (b - a)) / 32768.0;
}

// Frequency from the zero crossings of [from, to) seconds.
double frequency(const Wave& w, double from, double to)
{
    const int a = int(from * w.rate);
    const int b = std::min(int(to * w.rate), w.samples.size());
    int crossings = 0;
    for (int i = a + 1; i < b; ++i) {
        if ((w.samples[i - 1] < 0) != (w.samples[i] < 0))
            ++crossings;
    }
    return crossings / 2.0 / (double(b - a) / w.rate);
}

int peak(const Wave& w)
{
    int p = 0;
    for (qint16 s : w.samples)
        p = std::max(p, std::abs(int(s)));
    return p;
}

} // namespace

class tst_RingTones : public QObject
{
    Q_OBJECT

private slots:
    void tonesArePcmMonoWavesInTheApplicationFolder_data();
    void tonesArePcmMonoWavesInTheApplicationFolder();
    void ringBackIsOneSecondOf425HzThenFourSecondsQuiet();
    void ringChimesInTwoTonesForTwoSecondsThenPauses();
};

void tst_RingTones::tonesArePcmMonoWavesInTheApplicationFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("ring") << QStringLiteral("Ring.wav");
    QTest::newRow("ring-back") << QStringLiteral("RingBack.wav");
}

void tst_RingTones::tonesArePcmMonoWavesInTheApplicationFolder()
{
    QFETCH(QString, name);
    const Wave w = readWave(appPath() + name);
    QVERIFY2(w.error.isEmpty(), qPrintable(w.error));
    QCOMPARE(w.format, 1);
    QCOMPARE(w.channels, 1);
    QCOMPARE(w.bits, 16);
    QVERIFY(w.rate >= 8000 && w.rate <= 48000);
    // Loud enough to hear, never clipped.
    QVERIFY2(peak(w) > 8000, qPrintable(QString::number(peak(w))));
    QVERIFY2(peak(w) < 32767, qPrintable(QString::number(peak(w))));
}

void tst_RingTones::ringBackIsOneSecondOf425HzThenFourSecondsQuiet()
{
    const Wave w = readWave(appPath() + QStringLiteral("RingBack.wav"));
    QVERIFY2(w.error.isEmpty(), qPrintable(w.error));
    QCOMPARE(w.samples.size(), 5 * w.rate);
    QVERIFY(rms(w, 0.02, 0.98) > 0.2);
    const double f = frequency(w, 0.02, 0.98);
    QVERIFY2(std::abs(f - 425.0) < 5.0, qPrintable(QString::number(f)));
    QVERIFY(rms(w, 1.0, 5.0) < 0.001);
    // Soft edges: no click where the tone starts and stops.
    QVERIFY(std::abs(int(w.samples.first())) < 200);
    QVERIFY(std::abs(int(w.samples[w.rate - 1])) < 200);
}

void tst_RingTones::ringChimesInTwoTonesForTwoSecondsThenPauses()
{
    const Wave w = readWave(appPath() + QStringLiteral("Ring.wav"));
    QVERIFY2(w.error.isEmpty(), qPrintable(w.error));
    const double seconds = double(w.samples.size()) / w.rate;
    QVERIFY2(seconds >= 2.5 && seconds <= 4.0, qPrintable(QString::number(seconds)));
    // Sound through the first two seconds, in every quarter second.
    for (double t = 0; t < 2.0; t += 0.25)
        QVERIFY2(rms(w, t, t + 0.25) > 0.05, qPrintable(QString::number(t)));
    // Then a pause before the loop starts again.
    QVERIFY(rms(w, 2.05, seconds) < 0.001);
    // Two tones: the pitch of neighbouring notes differs clearly.
    const double first = frequency(w, 0.02, 0.2);
    const double second = frequency(w, 0.27, 0.45);
    QVERIFY2(std::abs(first - second) > 0.1 * std::min(first, second),
        qPrintable(QStringLiteral("%1 Hz / %2 Hz").arg(first).arg(second)));
    QVERIFY2(std::abs(frequency(w, 0.52, 0.7) - first) < 0.02 * first, "the chime does not alternate");
}

QTEST_GUILESS_MAIN(tst_RingTones)
#include "tst_RingTones.moc"
