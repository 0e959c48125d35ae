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
    void everyEntryIsFinished();
};

void tst_Translations::everyEntryIsFinished()
{
    const QDir dir(QStringLiteral(KP_SOURCE_ROOT "/translations"));
    const QStringList files = dir.entryList({ QStringLiteral("*.ts") });
    QVERIFY(files.contains(QStringLiteral("kp_mediaconf_zh_CN.ts")));
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
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
                QStringList wanted;
                QStringList got;
                for (auto it = placeholder.globalMatch(source); it.hasNext();)
                    wanted << it.next().captured();
                for (auto it = placeholder.globalMatch(text); it.hasNext();)
                    got << it.next().captured();
                wanted.sort();
                got.sort();
                QString fault;
                if (!type.isEmpty())
                    fault = type;
                else if (text.trimmed().isEmpty())
                    fault = QStringLiteral("empty");
                else if (wanted != got)
                    fault = QStringLiteral("placeholders differ");
                if (!fault.isEmpty())
                    faults << QStringLiteral("%1 %2 \"%3\": %4").arg(name, context, source, fault);
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(name + QStringLiteral(": ") + xml.errorString()));
    }
    QVERIFY(entries > 500);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(tst_Translations)
#include "tst_Translations.moc"
