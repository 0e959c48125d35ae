#include "customui/KpLayoutManager.h"

#include "customui/KpLayoutConfig.h"
#include "util/KPLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

KpLayoutManager::KpLayoutManager() = default;

void KpLayoutManager::setLayoutConfig(const QUrl& url)
{
    m_url = url;
    m_loaded = false;
}

QString KpLayoutManager::filePath() const
{
    if (m_url.isEmpty())
        return QString();
    if (m_url.isLocalFile())
        return QDir::cleanPath(m_url.toLocalFile());
    if (m_url.scheme() == QLatin1String("qrc"))
        return QLatin1Char(':') + m_url.path();
    // A plain path given as a URL (":/x/layout" or "/opt/app/layout").
    const QString text = m_url.toString();
    return text.startsWith(QLatin1Char(':')) ? text : QDir::cleanPath(text);
}

QList<KpLayout> KpLayoutManager::autoLayout()
{
    const QString path = filePath();
    const QFileInfo info(path);
    const bool exists = !path.isEmpty() && info.exists() && info.isFile();
    const QDateTime modified = exists ? info.lastModified() : QDateTime();
    const qint64 size = exists ? info.size() : -1;
    if (m_loaded && path == m_loadedPath && exists == m_loadedExists && modified == m_loadedModified
        && size == m_loadedSize)
        return m_layouts;

    m_loaded = true;
    m_loadedPath = path;
    m_loadedExists = exists;
    m_loadedModified = modified;
    m_loadedSize = size;
    m_layouts.clear();
    m_problems.clear();

    if (path.isEmpty()) {
        m_problems << QStringLiteral("no layout file configured");
    } else if (!exists) {
        m_problems << QStringLiteral("layout file not found: %1").arg(path);
    } else {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            m_problems << QStringLiteral("cannot read %1: %2").arg(path, file.errorString());
        } else {
            const KpLayoutConfig::ParseResult result = KpLayoutConfig::parse(file.readAll());
            m_problems = result.problems;
            m_layouts = KpLayoutConfig::byMemberCount(result.layouts);
        }
    }
    for (const QString& problem : qAsConst(m_problems))
        g_Log.LogInfo(QStringLiteral("KpLayoutManager::autoLayout %1").arg(problem));
    g_Log.LogDebug(QStringLiteral("KpLayoutManager::autoLayout %1 layouts from %2").arg(m_layouts.size()).arg(path));
    return m_layouts;
}
