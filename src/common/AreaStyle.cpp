#include "common/AreaStyle.h"

#include "common/AreaLog.h"
#include "customui/KP_CustomStyle.h"
#include "customui/ScreenScale.h"

#include <QFile>
#include <QHash>
#include <QStringList>
#include <QWidget>

namespace AreaStyle {

QString read(const QString& fileName)
{
    // Every panel of an area loads the same file; read it once per skin.
    static QHash<QString, QString> cache;
    const QString skinPath = KP_CustomStyle::getSkinPath() + fileName;
    const auto it = cache.constFind(skinPath);
    if (it != cache.constEnd())
        return it.value();

    QString text;
    const QStringList candidates = { skinPath, QString(QStringLiteral(":/qss/Resource/qss/") + fileName) };
    for (const QString& path : candidates) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            text = QString::fromUtf8(file.readAll());
            break;
        }
    }
    if (text.isEmpty())
        AreaLog::common().LogInfo(QStringLiteral("AreaStyle::read no style sheet %1").arg(fileName));
    else
        cache.insert(skinPath, text);
    return text;
}

void apply(QWidget* widget, const QString& fileName)
{
    if (!widget)
        return;
    const QString text = read(fileName);
    if (text.isEmpty())
        return;
    // Children already polished against the form's sheet alone are polished
    // again by setStyleSheet only when the widget itself has been polished.
    widget->ensurePolished();
    const QString own = widget->styleSheet();
    widget->setStyleSheet(own.isEmpty() ? text : own + QLatin1Char('\n') + text);
}

void finish(QWidget* widget, const QString& fileName)
{
    if (!widget)
        return;
    apply(widget, fileName);
    ScreenScale::beginScale(widget);
}

} // namespace AreaStyle
