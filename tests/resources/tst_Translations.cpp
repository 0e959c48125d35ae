// The translation sources shipped with the module: every entry finished, none left
// over from texts the sources no longer have, and each translation keeps the
// placeholders its source fills in.

#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <QtTest>

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryIsFinished()
    {
        const QDir dir(QStringLiteral(KP_SOURCE_ROOT "/translations"));
        const QStringList files = dir.entryList({ QStringLiteral("*.ts") });
        QVERIFY(files.contains(QStringLiteral("kp_mediaconf_zh_CN.ts")));
        const auto placeholders = [](const QString& text) {
            QStringList found;
            for (auto it = QRegularExpression(QStringLiteral("%\\d")).globalMatch(text); it.hasNext();)
                found << it.next().captured();
            found.sort();
            return found;
        };
        QStringList faults;
        int entries = 0;
        for (const QString& name : files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QString context;
            QString source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("name"))
                    context = xml.readElementText();
                else if (xml.name() == QLatin1String("source"))
                    source = xml.readElementText();
                else if (xml.name() == QLatin1String("translation")) {
                    ++entries;
                    const QString type = xml.attributes().value(QLatin1String("type")).toString();
                    const QString text = xml.readElementText();
                    const QString fault = !type.isEmpty()            ? type
                        : text.trimmed().isEmpty()                   ? QStringLiteral("empty")
                        : placeholders(source) != placeholders(text) ? QStringLiteral("placeholders differ")
                                                                     : QString();
                    if (!fault.isEmpty())
                        faults << QStringLiteral("%1 %2 \"%3\": %4").arg(name, context, source, fault);
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + QStringLiteral(": ") + xml.errorString()));
        }
        QVERIFY(entries > 500);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_Translations.moc"
