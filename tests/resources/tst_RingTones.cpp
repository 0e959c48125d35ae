// The ring tones that the call windows play from the application folder: present, in a
// format QSound plays (16-bit PCM mono), audible, unclipped, and as long as their pattern.
#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <QtEndian>

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
        const QString env = qEnvironmentVariable("KP_APP_PATH");
        QFile file((env.isEmpty() ? QCoreApplication::applicationDirPath() + QLatin1Char('/') : env) + name);
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
};

QTEST_GUILESS_MAIN(tst_RingTones)
#include "tst_RingTones.moc"
