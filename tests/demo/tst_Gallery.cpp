// Every window of the demo gallery, walked as assistive technology and a Chinese
// reader see it: each control a user can operate has a name, and no English text
// of the module is left on screen when the Simplified Chinese translation is loaded.

#include "demo/DemoScenario.h"
#include "demo/DemoWorld.h"
#include "demo/ScenarioRunner.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QSet<QAccessible::Role> kInteractive = { QAccessible::Button, QAccessible::CheckBox, QAccessible::RadioButton,
    QAccessible::ComboBox, QAccessible::EditableText, QAccessible::MenuItem, QAccessible::Slider, QAccessible::SpinBox,
    QAccessible::PageTab };

// Words that stay Latin in Chinese: product names, units, short codes.
const QSet<QString> kLatinAllowed = { QStringLiteral("kestrum"), QStringLiteral("dashvel3"), QStringLiteral("vidyo"),
    QStringLiteral("wifi"), QStringLiteral("ms"), QStringLiteral("kbps"), QStringLiteral("id"), QStringLiteral("url"),
    QStringLiteral("ip"), QStringLiteral("pc"), QStringLiteral("qr") };
// Texts of the demo itself and of its sample server data, not of the module.
const QSet<QString> kSampleTexts = { QStringLiteral("Video area"), QStringLiteral("Zoe Wang joined the meeting"),
    QString::fromUtf8("群组：group-gallery") };

QString describe(QAccessibleInterface* iface)
{
    QObject* object = iface->object();
    return QStringLiteral("%1 %2 (role %3)")
        .arg(object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?"),
            object ? object->objectName() : QString())
        .arg(int(iface->role()));
}

// Calls `visit` for every shown element under `iface`, depth first.
template<class Visit> void walk(QAccessibleInterface* iface, const Visit& visit, int depth = 0)
{
    if (!iface || iface->state().invisible || depth > 40)
        return;
    visit(iface);
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), visit, depth + 1);
}

// The module's windows on screen (the demo's client stand-in left out).
QWidgetList moduleWindows()
{
    QWidgetList windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && !w->inherits("ClientShell"))
            windows.append(w);
    }
    return windows;
}

// Source texts of the translation file: a word of one of them on screen means an English text.
QSet<QString> sourceWords()
{
    QFile file(QStringLiteral(KP_SOURCE_ROOT "/translations/kp_mediaconf_zh_CN.ts"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> words;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("source")) {
            const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
            auto it = word.globalMatch(xml.readElementText());
            while (it.hasNext())
                words.insert(it.next().captured().toLower());
        }
    }
    return words;
}

// A text that does not fit the widget that shows it: one line wider than the label,
// wrapped lines taller than it, or a button narrower than its text needs.
bool clipped(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = label->text();
        if (text.isEmpty() || label->textFormat() == Qt::RichText || Qt::mightBeRichText(text))
            return false;
        const QRect room
            = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
        if (label->wordWrap())
            return label->heightForWidth(label->width()) > label->height() + 2;
        int widest = 0;
        for (const QString& line : text.split(QLatin1Char('\n')))
            widest = qMax(widest, label->fontMetrics().horizontalAdvance(line));
        return widest > room.width() + 1;
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return !button->text().isEmpty() && button->fontMetrics().horizontalAdvance(button->text()) > button->width();
    return false;
}

// Tab steps that go against the reading order: back up to an earlier row, or left within a row.
QStringList focusAgainstReadingOrder(QWidget* window)
{
    QStringList found;
    QWidget* previous = nullptr;
    QRect before;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->window() != window || !w->isVisible() || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus))
            continue;
        const QRect at(w->mapTo(window, QPoint(0, 0)), w->size());
        if (previous && (at.center().y() < before.top() || (at.top() < before.bottom() && at.right() < before.left())))
            found << QStringLiteral("Tab goes from %1 back to %2").arg(previous->objectName(), w->objectName());
        previous = w;
        before = at;
    }
    return found;
}

} // namespace

class tst_Gallery : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { m_world.reset(); }

    void initTestCase()
    {
        DemoRegistry& registry = DemoRegistry::instance();
        registerEverything(registry);
        QVERIFY(registry.gallery().size() > 40);
        // In Chinese from the start, as a client that loads its language before it builds the module
        // (the bottom notification is built once per process). A name is missing in any language.
        QVERIFY(m_chinese.load(QStringLiteral("kp_mediaconf_zh_CN"),
            QCoreApplication::applicationDirPath() + QStringLiteral("/translations")));
        QCoreApplication::installTranslator(&m_chinese);
        m_world = std::make_unique<DemoWorld>(0.1);
    }

    void everyControlHasAName()
    {
        const QStringList unnamed = eachGalleryWindow([](QWidget* window) {
            QStringList found;
            walk(QAccessible::queryAccessibleInterface(window), [&](QAccessibleInterface* iface) {
                if (kInteractive.contains(iface->role()) && iface->text(QAccessible::Name).trimmed().isEmpty())
                    found << describe(iface);
            });
            return found;
        });
        QVERIFY2(unnamed.isEmpty(), "unnamed controls, listed above");
    }

    void everyTextIsChineseAndWhole()
    {
        const QSet<QString> english = sourceWords();
        QVERIFY(english.contains(QStringLiteral("microphone")));

        const QRegularExpression word(QStringLiteral("[A-Za-z][A-Za-z0-9]+"));
        const auto englishIn = [&](const QString& text) {
            const QString plain = QTextDocumentFragment::fromHtml(text).toPlainText();
            if (kSampleTexts.contains(plain))
                return false;
            auto it = word.globalMatch(plain);
            while (it.hasNext()) {
                const QString w = it.next().captured().toLower();
                if (english.contains(w) && !kLatinAllowed.contains(w))
                    return true;
            }
            return false;
        };
        const QStringList english_shown = eachGalleryWindow([&](QWidget* window) {
            QStringList found;
            if (englishIn(window->windowTitle()))
                found << QStringLiteral("title \"%1\"").arg(window->windowTitle());
            QList<QWidget*> widgets = window->findChildren<QWidget*>();
            widgets.prepend(window);
            for (QWidget* w : qAsConst(widgets)) {
                if (!w->isVisible())
                    continue;
                QString text;
                if (auto* label = qobject_cast<QLabel*>(w))
                    text = label->text();
                else if (auto* button = qobject_cast<QAbstractButton*>(w))
                    text = button->text();
                else if (auto* list = qobject_cast<QListWidget*>(w)) {
                    for (int row = 0; row < list->count(); ++row)
                        text += list->item(row)->text() + QLatin1Char('\n');
                }
                if (clipped(w))
                    found << QStringLiteral("%1 %2 \"%3\" clipped")
                                 .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text);
                for (const QString& shown : { text, w->accessibleName(), w->toolTip() }) {
                    if (englishIn(shown))
                        found << QStringLiteral("%1 %2 \"%3\"")
                                     .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), shown);
                }
            }
            return found;
        });
        QVERIFY2(english_shown.isEmpty(), "English or clipped texts on screen, listed above");
    }

    void focusFollowsReadingOrder()
    {
        QVERIFY2(
            eachGalleryWindow(focusAgainstReadingOrder).isEmpty(), "Tab order against the reading order, listed above");
    }

private:
    // Shows each gallery window in turn and hands the windows on screen to `check`,
    // which returns what it found wrong.
    QStringList eachGalleryWindow(const std::function<QStringList(QWidget*)>& check)
    {
        QStringList faults;
        for (const DemoGalleryItem& item : DemoRegistry::instance().gallery()) {
            m_world->reset();
            QWidget* shown = item.show(m_world->context());
            QCoreApplication::processEvents();
            if (!shown) {
                faults << item.name + QStringLiteral(": did not show");
                continue;
            }
            for (QWidget* window : moduleWindows()) {
                for (const QString& fault : check(window))
                    faults << item.name + QStringLiteral(": ") + fault;
            }
            if (item.keep)
                shown->close();
            else
                delete shown;
        }
        // Windows the gallery does not show on their own: the first steps of a scenario open them.
        for (const char* name : { "conference-host" }) {
            const DemoScenario* scenario = DemoRegistry::instance().scenario(QLatin1String(name));
            if (!scenario) {
                faults << QLatin1String(name) + QStringLiteral(": no such scenario");
                continue;
            }
            m_world->reset();
            const DemoScenario opening { scenario->name, scenario->description, { scenario->steps.first() } };
            Screenshooter noPictures;
            ScenarioRunner runner(m_world->context(), noPictures);
            QSignalSpy finished(&runner, &ScenarioRunner::finished);
            runner.run(opening);
            if (!finished.wait(20000) || !finished.first().at(1).toBool()) {
                faults << opening.name + QStringLiteral(": did not open");
                continue;
            }
            for (QWidget* window : moduleWindows()) {
                for (const QString& fault : check(window))
                    faults << opening.name + QStringLiteral(": ") + fault;
            }
        }
        m_world->reset();
        faults.removeDuplicates();
        for (const QString& fault : qAsConst(faults))
            qWarning("%s", qPrintable(fault));
        return faults;
    }

    std::unique_ptr<DemoWorld> m_world;
    QTranslator m_chinese;
};

QTEST_MAIN(tst_Gallery)
#include "tst_Gallery.moc"
