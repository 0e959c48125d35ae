#include "customui/KpAvatarPolicy.h"

#include <QVector>

namespace {

// Medium tones that keep white initials readable.
const char* const kPalette[] = {
    "#3A7BF7",
    "#17A2B8",
    "#2EB872",
    "#F5A623",
    "#E8684A",
    "#8E5CE0",
    "#D4489F",
    "#5C6BC0",
    "#00A388",
    "#F07C3A",
};

bool isEastAsian(uint ucs4)
{
    const QChar::Script script = QChar::script(ucs4);
    return script == QChar::Script_Han || script == QChar::Script_Hiragana || script == QChar::Script_Katakana
        || script == QChar::Script_Hangul || script == QChar::Script_Bopomofo;
}

QString fromUcs4(uint ucs4)
{
    return QString::fromUcs4(&ucs4, 1);
}

} // namespace

namespace KpAvatarPolicy {

QString initials(const QString& name)
{
    const QVector<uint> chars = name.trimmed().toUcs4();
    if (chars.isEmpty())
        return QStringLiteral("?");

    QVector<uint> eastAsian;
    for (uint c : chars) {
        if (isEastAsian(c))
            eastAsian.append(c);
    }
    if (!eastAsian.isEmpty()) {
        const int take = qMin(2, eastAsian.size());
        QString text;
        for (int i = eastAsian.size() - take; i < eastAsian.size(); ++i)
            text += fromUcs4(eastAsian.at(i));
        return text;
    }

    // Words are runs of letters or digits; a word counts only if it holds a letter.
    QVector<QVector<uint>> words;
    QVector<uint> current;
    auto flush = [&words, &current] {
        for (uint c : qAsConst(current)) {
            if (QChar::isLetter(c)) {
                words.append(current);
                break;
            }
        }
        current.clear();
    };
    for (uint c : chars) {
        if (QChar::isLetterOrNumber(c))
            current.append(c);
        else
            flush();
    }
    flush();

    if (words.isEmpty()) {
        // A telephone participant is shown by number: its last two characters.
        QVector<uint> visible;
        for (uint c : chars) {
            if (!QChar::isSpace(c))
                visible.append(c);
        }
        QString text;
        for (int i = qMax(0, visible.size() - 2); i < visible.size(); ++i)
            text += fromUcs4(visible.at(i));
        return text.isEmpty() ? QStringLiteral("?") : text;
    }

    auto firstLetter = [](const QVector<uint>& word) {
        for (uint c : word) {
            if (QChar::isLetter(c))
                return fromUcs4(QChar::toUpper(c));
        }
        return QString();
    };
    QString text = firstLetter(words.first());
    if (words.size() > 1)
        text += firstLetter(words.last());
    return text;
}

quint32 stableHash(const QString& key)
{
    // FNV-1a over the UTF-16 code units.
    quint32 hash = 2166136261u;
    for (const QChar c : key) {
        const ushort unit = c.unicode();
        hash ^= quint32(unit & 0xff);
        hash *= 16777619u;
        hash ^= quint32(unit >> 8);
        hash *= 16777619u;
    }
    return hash;
}

int paletteSize()
{
    return int(sizeof(kPalette) / sizeof(kPalette[0]));
}

QColor backgroundColor(const QString& key)
{
    return QColor(QLatin1String(kPalette[stableHash(key) % quint32(paletteSize())]));
}

} // namespace KpAvatarPolicy
