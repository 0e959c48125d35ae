// Every ":/..." path that the module's and the widget library's sources, forms, style sheets
// and qrc files name must exist in the compiled resources; the images must load; the style
// sheets must parse and give each property state the widgets set an image of its own.
#include "kp_resource_init.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QStyle>
#include <QTest>
#include <QXmlStreamReader>

#include <functional>
#include <memory>

namespace {

// Stand-ins carrying the class names that the style sheets use as type selectors.
class ConferenceTitleBar : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};
class ConferenceToolBar : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};
class WorkbenchWgt : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};
class WifiWgt : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;
};

struct PathRef
{
    enum Kind { File, Folder, Prefix };
    QString path;
    Kind kind = File;
    QString where; // "file:line"
};

enum class Syntax { Cpp, Qss, Xml };

// Blanks out comments (keeping line breaks) so that examples in comments are not taken
// for resource paths; string literals are left alone.
QString stripComments(const QString& text, Syntax syntax)
{
    QString out;
    out.reserve(text.size());
    const int n = text.size();
    int i = 0;
    QChar quote;
    auto blankUntil = [&](const QString& end) {
        const int stop = text.indexOf(end, i);
        const int last = stop < 0 ? n : stop + end.size();
        for (; i < last; ++i)
            out += text[i] == QLatin1Char('\n') ? QLatin1Char('\n') : QLatin1Char(' ');
    };
    while (i < n) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            out += c;
            if (c == QLatin1Char('\\') && i + 1 < n && syntax != Syntax::Xml) {
                out += text[i + 1];
                i += 2;
                continue;
            }
            if (c == quote || c == QLatin1Char('\n'))
                quote = QChar();
            ++i;
            continue;
        }
        if (syntax == Syntax::Xml && text.midRef(i, 4) == QLatin1String("<!--")) {
            blankUntil(QStringLiteral("-->"));
            continue;
        }
        if (syntax != Syntax::Xml && text.midRef(i, 2) == QLatin1String("/*")) {
            blankUntil(QStringLiteral("*/"));
            continue;
        }
        if (syntax == Syntax::Cpp && text.midRef(i, 2) == QLatin1String("//")) {
            blankUntil(QStringLiteral("\n"));
            continue;
        }
        if (syntax == Syntax::Cpp && (c == QLatin1Char('"') || c == QLatin1Char('\'')))
            quote = c;
        out += c;
        ++i;
    }
    return out;
}

// Finds the resource paths in a text. "://" and "http://" are no resource paths; a path with
// %1 or ending in "/" names a folder; a literal closed and continued with "+" is the start of
// a file name.
QList<PathRef> extractPaths(const QString& text, const QString& file)
{
    static const QRegularExpression re(
        QStringLiteral("(?:(?<![\\w:/])|(?<=qrc)):/(?![/\\s\"'])[^\\s\"'()<>;,&\\[\\]\\\\{}]*"));
    static const QRegularExpression continued(QStringLiteral("^\"\\s*\\+"));
    QList<PathRef> refs;
    auto it = re.globalMatch(text);
    while (it.hasNext()) {
        const auto m = it.next();
        PathRef ref;
        ref.path = m.captured(0);
        ref.where = QStringLiteral("%1:%2").arg(file).arg(text.leftRef(m.capturedStart()).count(QLatin1Char('\n')) + 1);
        const int percent = ref.path.indexOf(QLatin1Char('%'));
        if (percent >= 0)
            ref.path.truncate(percent);
        if (ref.path.endsWith(QLatin1Char('/')))
            ref.kind = PathRef::Folder;
        else if (percent >= 0 || continued.match(text.midRef(m.capturedEnd())).hasMatch())
            ref.kind = PathRef::Prefix;
        refs.append(ref);
    }
    return refs;
}

bool resourceExists(const PathRef& ref)
{
    switch (ref.kind) {
    case PathRef::File:
        return QFileInfo::exists(ref.path);
    case PathRef::Folder:
        return QDir(ref.path).exists();
    case PathRef::Prefix: {
        const QFileInfo info(ref.path);
        const QStringList entries = QDir(info.path()).entryList();
        for (const QString& e : entries) {
            if (e.startsWith(info.fileName()))
                return true;
        }
        return false;
    }
    }
    return false;
}

QString sourceRoot()
{
    return QDir::cleanPath(QStringLiteral(KP_SOURCE_ROOT));
}

// The files whose resource paths are checked: the module and the widget library.
QStringList scannedFiles()
{
    const QStringList roots
        = { sourceRoot() + QStringLiteral("/src"), sourceRoot() + QStringLiteral("/libs/customui") };
    const QStringList patterns = { QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui"),
        QStringLiteral("*.qss"), QStringLiteral("*.qrc") };
    QStringList files;
    for (const QString& root : roots) {
        QDirIterator it(root, patterns, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(it.next());
    }
    files.sort();
    return files;
}

Syntax syntaxOf(const QString& file)
{
    if (file.endsWith(QLatin1String(".qss")))
        return Syntax::Qss;
    if (file.endsWith(QLatin1String(".ui")) || file.endsWith(QLatin1String(".qrc")))
        return Syntax::Xml;
    return Syntax::Cpp;
}

QString readText(const QString& file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

QString relative(const QString& file)
{
    return QDir(sourceRoot()).relativeFilePath(file);
}

// Renders a child widget under a style sheet after setting a dynamic property.
QImage grabWithProperty(QWidget* w, const char* property, const QString& value)
{
    w->setProperty(property, value);
    w->style()->unpolish(w);
    w->style()->polish(w);
    w->update();
    return w->grab().toImage();
}

QtMessageHandler g_previousHandler = nullptr;
QStringList* g_warnings = nullptr;

void collectWarnings(QtMsgType type, const QMessageLogContext& context, const QString& msg)
{
    if (g_warnings && type == QtWarningMsg)
        g_warnings->append(msg);
    if (g_previousHandler)
        g_previousHandler(type, context, msg);
}

} // namespace

class tst_ResourcePaths : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void scannerFindsResourcePathsInSourceText_data();
    void scannerFindsResourcePathsInSourceText();
    void scannerIgnoresComments();
    void everyNamedResourcePathExists();
    void everyQrcEntryIsCompiledIn();
    void everyImageLoadsWithTransparency();
    void styleSheetsParseCleanly();
    void propertyStatesShowDistinctImages_data();
    void propertyStatesShowDistinctImages();
};

void tst_ResourcePaths::initTestCase()
{
    kpInitResources();
    QVERIFY2(QDir(sourceRoot() + QStringLiteral("/src")).exists(), qPrintable(sourceRoot()));
    QVERIFY2(QDir(QStringLiteral(":/qss/Resource/qss")).exists(), "the module's resources are not linked in");
    QVERIFY2(QDir(QStringLiteral(":/TitleBar/Resource/TitleBar")).exists(),
        "the widget library's resources are not linked in");
}

void tst_ResourcePaths::scannerFindsResourcePathsInSourceText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // "F:path", "D:path" (folder), "P:path" (prefix)

    QTest::newRow("string literal") << QStringLiteral("QPixmap(QStringLiteral(\":/a/b/c.png\"));")
                                    << QStringList { QStringLiteral("F::/a/b/c.png") };
    QTest::newRow("style sheet url") << QStringLiteral("\"QLabel{border-image: url(:/x/y.png);border:0px;}\"")
                                     << QStringList { QStringLiteral("F::/x/y.png") };
    QTest::newRow("form iconset") << QStringLiteral("<normaloff>:/Conference/Resource/Conference/copy.png</normaloff>")
                                  << QStringList { QStringLiteral("F::/Conference/Resource/Conference/copy.png") };
    QTest::newRow("escaped quotes in a form")
        << QStringLiteral("<string>QLabel{image:url(&quot;:/a/b.png&quot;);}</string>")
        << QStringList { QStringLiteral("F::/a/b.png") };
    QTest::newRow("qrc url") << QStringLiteral("QUrl(QStringLiteral(\"qrc:/layout/layout\"))")
                             << QStringList { QStringLiteral("F::/layout/layout") };
    QTest::newRow("folder") << QStringLiteral("QString(\":/ConfNew/Resource/ConfNew/ControlBtn/\") + name")
                            << QStringList { QStringLiteral("D::/ConfNew/Resource/ConfNew/ControlBtn/") };
    QTest::newRow("arg pattern") << QStringLiteral("url(:/NewVidyo/Resource/vidyoNew/%1);")
                                 << QStringList { QStringLiteral("D::/NewVidyo/Resource/vidyoNew/") };
    QTest::newRow("file pattern") << QStringLiteral("\":/a/processiIcon%1.png\"")
                                  << QStringList { QStringLiteral("P::/a/processiIcon") };
    QTest::newRow("concatenated") << QStringLiteral("\"url(:/Conference/Resource/Conference/processiIcon\" + n")
                                  << QStringList { QStringLiteral("P::/Conference/Resource/Conference/processiIcon") };
    QTest::newRow("no resource paths") << QStringLiteral(
        "\"http://host:80/x\" \"://\" \"C:/temp/a.png\" std::string a; \":/\"")
                                       << QStringList {};
    QTest::newRow("two on a line") << QStringLiteral("\":/a/1.png\", \":/b/2.png\"")
                                   << QStringList { QStringLiteral("F::/a/1.png"), QStringLiteral("F::/b/2.png") };
}

void tst_ResourcePaths::scannerFindsResourcePathsInSourceText()
{
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    QStringList found;
    for (const PathRef& ref : extractPaths(text, QStringLiteral("t"))) {
        const char kind = ref.kind == PathRef::File ? 'F' : ref.kind == PathRef::Folder ? 'D' : 'P';
        found.append(QLatin1Char(kind) + QLatin1Char(':') + ref.path);
    }
    QCOMPARE(found, expected);
}

void tst_ResourcePaths::scannerIgnoresComments()
{
    const QString cpp
        = QStringLiteral("// a plain path given as a URL (\":/x/layout\")\n"
                         "/* see :/y/z.png */ auto s = QStringLiteral(\"see // :/kept.png\"); // :/gone.png\n"
                         "auto u = \"http://a\"; /* :/gone2.png */\n");
    const QList<PathRef> refs = extractPaths(stripComments(cpp, Syntax::Cpp), QStringLiteral("t"));
    QCOMPARE(refs.size(), 1);
    QCOMPARE(refs.first().path, QStringLiteral(":/kept.png"));
    QCOMPARE(refs.first().where, QStringLiteral("t:2"));

    const QString qss = QStringLiteral("/* url(:/old.png) */\nQLabel { image: url(:/new.png); }");
    const QList<PathRef> qssRefs = extractPaths(stripComments(qss, Syntax::Qss), QStringLiteral("t"));
    QCOMPARE(qssRefs.size(), 1);
    QCOMPARE(qssRefs.first().path, QStringLiteral(":/new.png"));

    const QString xml = QStringLiteral("<!-- :/old.png -->\n<file alias=\"a.png\">images/a.png</file>");
    QVERIFY(extractPaths(stripComments(xml, Syntax::Xml), QStringLiteral("t")).isEmpty());
}

void tst_ResourcePaths::everyNamedResourcePathExists()
{
    const QStringList files = scannedFiles();
    QVERIFY(!files.isEmpty());
    int checked = 0;
    QStringList missing;
    for (const QString& file : files) {
        const QString text = stripComments(readText(file), syntaxOf(file));
        for (const PathRef& ref : extractPaths(text, relative(file))) {
            ++checked;
            if (!resourceExists(ref)) {
                const QString what = ref.kind == PathRef::File ? QStringLiteral("file")
                    : ref.kind == PathRef::Folder              ? QStringLiteral("folder")
                                                               : QStringLiteral("file starting with");
                missing.append(QStringLiteral("%1: %2 %3").arg(ref.where, what, ref.path));
            }
        }
    }
    // The style sheets alone name well over a hundred images: a scan that finds few is broken.
    QVERIFY2(checked > 100, qPrintable(QStringLiteral("only %1 resource paths found").arg(checked)));
    QVERIFY2(missing.isEmpty(),
        qPrintable(QStringLiteral("%1 of %2 resource paths do not exist:\n  %3")
                       .arg(missing.size())
                       .arg(checked)
                       .arg(missing.join(QStringLiteral("\n  ")))));
}

void tst_ResourcePaths::everyQrcEntryIsCompiledIn()
{
    int entries = 0;
    QStringList missing;
    for (const QString& file : scannedFiles()) {
        if (!file.endsWith(QLatin1String(".qrc")))
            continue;
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&f);
        QString prefix;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("qresource")) {
                prefix = xml.attributes().value(QStringLiteral("prefix")).toString();
                if (!prefix.endsWith(QLatin1Char('/')))
                    prefix += QLatin1Char('/');
                if (!prefix.startsWith(QLatin1Char('/')))
                    prefix.prepend(QLatin1Char('/'));
            } else if (xml.name() == QLatin1String("file")) {
                const QString alias = xml.attributes().value(QStringLiteral("alias")).toString();
                const QString name = xml.readElementText();
                const QString path = QLatin1Char(':') + prefix + (alias.isEmpty() ? name : alias);
                ++entries;
                if (!QFileInfo(path).isFile())
                    missing.append(QStringLiteral("%1: %2").arg(relative(file), path));
                if (!QFileInfo::exists(QFileInfo(file).absolutePath() + QLatin1Char('/') + name))
                    missing.append(QStringLiteral("%1: %2 is not on disk").arg(relative(file), name));
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(relative(file) + QStringLiteral(": ") + xml.errorString()));
    }
    QVERIFY2(entries > 0, "no qrc file found");
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
}

void tst_ResourcePaths::everyImageLoadsWithTransparency()
{
    int images = 0;
    QStringList bad;
    QDirIterator it(QStringLiteral(":/"), { QStringLiteral("*.png") }, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.startsWith(QLatin1String(":/qt-project.org")))
            continue;
        ++images;
        const QImage img(path);
        if (img.isNull() || img.width() < 1 || img.height() < 1)
            bad.append(path + QStringLiteral(": does not load"));
        else if (!img.hasAlphaChannel())
            bad.append(path + QStringLiteral(": has no alpha channel"));
    }
    QVERIFY2(images > 300, qPrintable(QStringLiteral("only %1 images compiled in").arg(images)));
    QVERIFY2(bad.isEmpty(), qPrintable(bad.join(QLatin1Char('\n'))));
}

void tst_ResourcePaths::styleSheetsParseCleanly()
{
    const QStringList sheets = QDir(QStringLiteral(":/qss/Resource/qss")).entryList({ QStringLiteral("*.qss") });
    QCOMPARE(sheets,
        (QStringList { QStringLiteral("call.qss"), QStringLiteral("conference.qss"), QStringLiteral("meeting.qss"),
            QStringLiteral("vidyo.qss") }));
    for (const QString& name : sheets) {
        const QString qss = readText(QStringLiteral(":/qss/Resource/qss/") + name);
        QVERIFY2(qss.contains(QLatin1String("url(:/")), qPrintable(name));
        QStringList warnings;
        g_warnings = &warnings;
        g_previousHandler = qInstallMessageHandler(collectWarnings);
        {
            QWidget top;
            top.setStyleSheet(qss);
            auto* button = new QPushButton(&top);
            button->setObjectName(QStringLiteral("btn_close"));
            top.ensurePolished();
            button->ensurePolished();
        }
        qInstallMessageHandler(g_previousHandler);
        g_warnings = nullptr;
        QVERIFY2(warnings.filter(QStringLiteral("parse")).isEmpty(),
            qPrintable(name + QStringLiteral(": ") + warnings.join(QLatin1Char('\n'))));
    }
}

void tst_ResourcePaths::propertyStatesShowDistinctImages_data()
{
    // The child sits in a stand-in of the host class (or a plain widget named hostName).
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<QString>("host");
    QTest::addColumn<QString>("hostName");
    QTest::addColumn<bool>("label");
    QTest::addColumn<QString>("child");
    QTest::addColumn<QString>("property");
    QTest::addColumn<QStringList>("values");
    const QString conference = QStringLiteral("conference.qss");
    QTest::newRow("network level") << conference << QStringLiteral("ConferenceTitleBar") << QString() << false
                                   << QStringLiteral("btn_wifi") << QStringLiteral("level")
                                   << QStringList { QStringLiteral("h"), QStringLiteral("m"), QStringLiteral("l") };
    QTest::newRow("layout mode") << conference << QStringLiteral("ConferenceTitleBar") << QString() << false
                                 << QStringLiteral("btn_layout_mode_icon") << QStringLiteral("mode")
                                 << QStringList { QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"),
                                        QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5") };
    QTest::newRow("microphone") << conference << QStringLiteral("ConferenceToolBar") << QString() << false
                                << QStringLiteral("btn_audio") << QStringLiteral("active")
                                << QStringList { QStringLiteral("y"), QStringLiteral("n") };
    QTest::newRow("camera") << conference << QStringLiteral("ConferenceToolBar") << QString() << false
                            << QStringLiteral("btn_video") << QStringLiteral("active")
                            << QStringList { QStringLiteral("y"), QStringLiteral("n") };
    QTest::newRow("work-bench lock") << conference << QStringLiteral("WorkbenchWgt") << QString() << false
                                     << QStringLiteral("btn_lock_conf") << QStringLiteral("active")
                                     << QStringList { QStringLiteral("y"), QStringLiteral("n") };
    QTest::newRow("network card") << conference << QStringLiteral("WifiWgt") << QString() << true
                                  << QStringLiteral("label_quality") << QStringLiteral("wifi")
                                  << QStringList { QStringLiteral("hight"), QStringLiteral("mid"),
                                         QStringLiteral("low") };
    QTest::newRow("mac maximise") << conference << QString() << QStringLiteral("MainTitleWgt") << false
                                  << QStringLiteral("maxMacBtn") << QStringLiteral("active")
                                  << QStringList { QStringLiteral("0"), QStringLiteral("1") };
}

void tst_ResourcePaths::propertyStatesShowDistinctImages()
{
    QFETCH(QString, sheet);
    QFETCH(QString, host);
    QFETCH(QString, hostName);
    QFETCH(bool, label);
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
    top.setStyleSheet(readText(QStringLiteral(":/qss/Resource/qss/") + sheet));
    QWidget* hostWidget = host.isEmpty() ? new QWidget(&top) : hosts.value(host)(&top);
    if (!hostName.isEmpty())
        hostWidget->setObjectName(hostName);
    QWidget* w = label ? static_cast<QWidget*>(new QLabel(hostWidget)) : new QPushButton(hostWidget);
    w->setObjectName(child);
    w->setFixedSize(40, 40);
    top.resize(80, 80);
    top.show();

    QList<QImage> seen;
    for (const QString& value : values) {
        const QImage img = grabWithProperty(w, property.toLatin1().constData(), value);
        QVERIFY(!img.isNull());
        for (int i = 0; i < seen.size(); ++i) {
            QVERIFY2(img != seen[i],
                qPrintable(QStringLiteral("%1=\"%2\" looks like %1=\"%3\"").arg(property, value, values[i])));
        }
        seen.append(img);
    }
}

QTEST_MAIN(tst_ResourcePaths)
#include "tst_ResourcePaths.moc"
