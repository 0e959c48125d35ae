// Every ":/..." path that the module's and the widget library's sources, forms and style sheets
// name must exist in the compiled resources, and its image load; the style sheets must parse
// and give each property state the widgets set an image of its own.
#include "kp_resource_init.h"
#include "support/TestWindows.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTest>

#include <functional>

namespace {

// Stand-ins carrying the class names that the style sheets use as type selectors.
class ConferenceTitleBar : public QWidget
{
    Q_OBJECT
    using QWidget::QWidget;
};
class ConferenceToolBar : public QWidget
{
    Q_OBJECT
    using QWidget::QWidget;
};
class WorkbenchWgt : public QWidget
{
    Q_OBJECT
    using QWidget::QWidget;
};
class WifiWgt : public QWidget
{
    Q_OBJECT
    using QWidget::QWidget;
};

enum class Syntax { Cpp, Qss, Xml };

Syntax syntaxOf(const QString& file)
{
    if (file.endsWith(QLatin1String(".qss")))
        return Syntax::Qss;
    return file.endsWith(QLatin1String(".ui")) || file.endsWith(QLatin1String(".qrc")) ? Syntax::Xml : Syntax::Cpp;
}

// Blanks out comments (keeping line breaks) so that examples in comments are not taken
// for resource paths; string literals are left alone.
QString stripComments(const QString& text, Syntax syntax)
{
    QString out = text;
    QChar quote;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == QLatin1Char('\\') && syntax != Syntax::Xml)
                ++i;
            else if (c == quote || c == QLatin1Char('\n'))
                quote = QChar();
            continue;
        }
        QString end;
        if (syntax == Syntax::Xml && text.midRef(i, 4) == QLatin1String("<!--"))
            end = QStringLiteral("-->");
        else if (syntax != Syntax::Xml && text.midRef(i, 2) == QLatin1String("/*"))
            end = QStringLiteral("*/");
        else if (syntax == Syntax::Cpp && text.midRef(i, 2) == QLatin1String("//"))
            end = QStringLiteral("\n");
        else if (syntax == Syntax::Cpp && (c == QLatin1Char('"') || c == QLatin1Char('\'')))
            quote = c;
        if (end.isEmpty())
            continue;
        const int stop = text.indexOf(end, i);
        const int last = stop < 0 ? text.size() : stop + end.size();
        for (; i < last; ++i)
            out[i] = text[i] == QLatin1Char('\n') ? QLatin1Char('\n') : QLatin1Char(' ');
        --i;
    }
    return out;
}

// The resource paths of a text as "F:path" (a file), "D:path" (a folder: a path ending in "/"
// or cut at %1) or "P:path" (the start of file names: cut at %1 or continued with "+"), each
// with its line. "://" and "http://" are no resource paths.
QList<QPair<QString, int>> extractPaths(const QString& text)
{
    static const QRegularExpression re(
        QStringLiteral("(?:(?<![\\w:/])|(?<=qrc)):/(?![/\\s\"'])[^\\s\"'()<>;,&\\[\\]\\\\{}]*"));
    static const QRegularExpression continued(QStringLiteral("^\"\\s*\\+"));
    QList<QPair<QString, int>> refs;
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        QString path = m.captured(0);
        const int percent = path.indexOf(QLatin1Char('%'));
        if (percent >= 0)
            path.truncate(percent);
        const char kind = path.endsWith(QLatin1Char('/'))                              ? 'D'
            : percent >= 0 || continued.match(text.midRef(m.capturedEnd())).hasMatch() ? 'P'
                                                                                       : 'F';
        refs.append({ QLatin1Char(kind) + QLatin1Char(':') + path,
            text.leftRef(m.capturedStart()).count(QLatin1Char('\n')) + 1 });
    }
    return refs;
}

// Whether a reference of extractPaths() exists; a file must load when it is an image.
bool resourceExists(const QString& ref)
{
    const QString path = ref.mid(2);
    if (ref.startsWith(QLatin1Char('D')))
        return QDir(path).exists();
    if (ref.startsWith(QLatin1Char('P'))) {
        const QFileInfo info(path);
        const QStringList entries = QDir(info.path()).entryList();
        return std::any_of(
            entries.cbegin(), entries.cend(), [&info](const QString& e) { return e.startsWith(info.fileName()); });
    }
    if (path.endsWith(QLatin1String(".png"))) {
        const QImage image(path);
        return !image.isNull() && image.hasAlphaChannel();
    }
    return QFileInfo(path).isFile();
}

QString sourceRoot()
{
    return QDir::cleanPath(QStringLiteral(KP_SOURCE_ROOT));
}

QString readText(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

} // namespace

class tst_ResourcePaths : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { KP_VERIFY_NO_WINDOW_LEFT(); }

    void initTestCase()
    {
        kpInitResources();
        QVERIFY2(QDir(sourceRoot() + QStringLiteral("/src")).exists(), qPrintable(sourceRoot()));
        QVERIFY2(QDir(QStringLiteral(":/qss/Resource/qss")).exists(), "the module's resources are not linked in");
        QVERIFY2(QDir(QStringLiteral(":/TitleBar/Resource/TitleBar")).exists(), "the widget library's are not");
    }

    void everyNamedResourcePathExists()
    {
        const QStringList patterns = { QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui"),
            QStringLiteral("*.qss"), QStringLiteral("*.qrc") };
        int checked = 0;
        QStringList missing;
        for (const QString& root : { QStringLiteral("/src"), QStringLiteral("/libs/customui") }) {
            QDirIterator it(sourceRoot() + root, patterns, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString file = it.next();
                for (const auto& ref : extractPaths(stripComments(readText(file), syntaxOf(file)))) {
                    ++checked;
                    if (!resourceExists(ref.first))
                        missing << QStringLiteral("%1:%2: %3")
                                       .arg(QDir(sourceRoot()).relativeFilePath(file))
                                       .arg(ref.second)
                                       .arg(ref.first);
                }
            }
        }
        // The style sheets alone name well over a hundred images: a scan that finds few is broken.
        QVERIFY2(checked > 100, qPrintable(QStringLiteral("only %1 resource paths found").arg(checked)));
        QVERIFY2(missing.isEmpty(),
            qPrintable(QStringLiteral("%1 of %2 resource paths missing or not loading (F file, D folder, "
                                      "P file name start):\n  %3")
                           .arg(missing.size())
                           .arg(checked)
                           .arg(missing.join(QStringLiteral("\n  ")))));
    }

    void styleSheetsParseCleanly()
    {
        static QStringList warnings;
        const QtMessageHandler previous
            = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& msg) {
                  if (type == QtWarningMsg)
                      warnings << msg;
              });
        const QStringList sheets = QDir(QStringLiteral(":/qss/Resource/qss")).entryList({ QStringLiteral("*.qss") });
        QCOMPARE(sheets.size(), 4);
        for (const QString& name : sheets) {
            QWidget top;
            top.setStyleSheet(readText(QStringLiteral(":/qss/Resource/qss/") + name));
            auto* button = new QPushButton(&top);
            button->setObjectName(QStringLiteral("btn_close"));
            button->ensurePolished();
        }
        qInstallMessageHandler(previous);
        QVERIFY2(warnings.filter(QStringLiteral("parse")).isEmpty(), qPrintable(warnings.join(QLatin1Char('\n'))));
    }

    void propertyStatesShowDistinctImages_data()
    {
        // The child (a button, or a label for the network card) sits in a stand-in of the host class.
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("child");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QStringList>("values");
        auto row = [](const char* name, const char* host, const char* child, const char* property, const char* values) {
            QTest::newRow(name) << QString::fromLatin1(host) << QString::fromLatin1(child)
                                << QString::fromLatin1(property) << QString::fromLatin1(values).split(QLatin1Char(' '));
        };
        row("network level", "ConferenceTitleBar", "btn_wifi", "level", "h m l");
        row("layout mode", "ConferenceTitleBar", "btn_layout_mode_icon", "mode", "0 1 2 3 4 5");
        row("microphone", "ConferenceToolBar", "btn_audio", "active", "y n");
        row("camera", "ConferenceToolBar", "btn_video", "active", "y n");
        row("work-bench lock", "WorkbenchWgt", "btn_lock_conf", "active", "y n");
        row("network card", "WifiWgt", "label_quality", "wifi", "hight mid low");
        row("mac maximise", "#MainTitleWgt", "maxMacBtn", "active", "0 1"); // a plain widget by that name
    }
    void propertyStatesShowDistinctImages()
    {
        QFETCH(QString, host);
        QFETCH(QString, child);
        QFETCH(QString, property);
        QFETCH(QStringList, values);
        const QHash<QString, std::function<QWidget*(QWidget*)>> hosts = {
            { QStringLiteral("ConferenceTitleBar"), [](QWidget* p) { return new ConferenceTitleBar(p); } },
            { QStringLiteral("ConferenceToolBar"), [](QWidget* p) { return new ConferenceToolBar(p); } },
            { QStringLiteral("WorkbenchWgt"), [](QWidget* p) { return new WorkbenchWgt(p); } },
            { QStringLiteral("WifiWgt"), [](QWidget* p) { return new WifiWgt(p); } },
        };
        QWidget top;
        top.setStyleSheet(readText(QStringLiteral(":/qss/Resource/qss/conference.qss")));
        QWidget* hostWidget = hosts.contains(host) ? hosts.value(host)(&top) : new QWidget(&top);
        if (host.startsWith(QLatin1Char('#')))
            hostWidget->setObjectName(host.mid(1));
        QWidget* w = child.startsWith(QLatin1String("label")) ? static_cast<QWidget*>(new QLabel(hostWidget))
                                                              : new QPushButton(hostWidget);
        w->setObjectName(child);
        w->setFixedSize(40, 40);
        top.resize(80, 80);
        top.show();
        QList<QImage> seen;
        for (const QString& value : values) {
            w->setProperty(property.toLatin1().constData(), value);
            w->style()->unpolish(w);
            w->style()->polish(w);
            const QImage img = w->grab().toImage();
            for (int i = 0; i < seen.size(); ++i)
                QVERIFY2(
                    img != seen[i], qPrintable(QStringLiteral("%1=%2 looks like %3").arg(property, value, values[i])));
            seen << img;
        }
    }
};

QTEST_MAIN(tst_ResourcePaths)
#include "tst_ResourcePaths.moc"
