#pragma once

#include "customui/kp_customui_global.h"

#include "customui/KpLayout.h"

#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QUrl>

// Reads the "layout" file (format in KpLayoutConfig.h) and offers its
// layouts by member count. The file is read again when it changes on disk.
class KP_CUSTOMUI_EXPORT KpLayoutManager
{
public:
    KpLayoutManager();

    // A local file URL, a "qrc:" URL or a plain path (":/..." included).
    void setLayoutConfig(const QUrl& url);

    // Entry i is the layout for i + 1 members (KpLayoutConfig::byMemberCount).
    // A missing or unreadable file gives an empty list; the reason is logged
    // once per change of the file.
    QList<KpLayout> autoLayout();

    // What was wrong with the file the last time it was read.
    QStringList lastProblems() const { return m_problems; }

private:
    QString filePath() const;

    QUrl m_url;
    QList<KpLayout> m_layouts;
    QStringList m_problems;
    // What the cache was read from; a change reloads it.
    QString m_loadedPath;
    bool m_loaded = false;
    bool m_loadedExists = false;
    QDateTime m_loadedModified;
    qint64 m_loadedSize = -1;
};
