#include "customui/KpLayoutConfig.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QMap>
#include <QVector>
#include <QtMath>

namespace {

// A JSON number that is a whole int; anything else (text, 2.5, missing) is not.
bool readInt(const QJsonObject& object, const QString& key, int* out, bool required, int fallback)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined()) {
        *out = fallback;
        return !required;
    }
    if (!value.isDouble())
        return false;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < -1e6 || number > 1e6)
        return false;
    *out = int(number);
    return true;
}

QString describe(const QJsonObject& layout, int index)
{
    const QString name = layout.value(QStringLiteral("name")).toString();
    return name.isEmpty() ? QStringLiteral("layout #%1").arg(index) : QStringLiteral("layout \"%1\"").arg(name);
}

} // namespace

namespace KpLayoutConfig {

ParseResult parse(const QByteArray& json)
{
    ParseResult result;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError) {
        result.problems << QStringLiteral("not JSON: %1 at offset %2").arg(error.errorString()).arg(error.offset);
        return result;
    }
    if (!document.isObject()) {
        result.problems << QStringLiteral("the document is not an object");
        return result;
    }
    const QJsonObject root = document.object();
    int version = SupportedVersion;
    if (!readInt(root, QStringLiteral("version"), &version, false, SupportedVersion) || version != SupportedVersion) {
        result.problems << QStringLiteral("unsupported version %1")
                               .arg(root.value(QStringLiteral("version")).toVariant().toString());
        return result;
    }
    const QJsonValue layoutsValue = root.value(QStringLiteral("layouts"));
    if (!layoutsValue.isArray()) {
        result.problems << QStringLiteral("\"layouts\" is missing or not an array");
        return result;
    }
    result.valid = true;

    QMap<int, QString> seenCounts;
    const QJsonArray layouts = layoutsValue.toArray();
    for (int index = 0; index < layouts.size(); ++index) {
        if (!layouts.at(index).isObject()) {
            result.problems << QStringLiteral("layout #%1 is not an object").arg(index);
            continue;
        }
        const QJsonObject object = layouts.at(index).toObject();
        const QString what = describe(object, index);
        KpLayout layout;
        if (!readInt(object, QStringLiteral("count"), &layout.count, true, 0) || layout.count < 1
            || layout.count > MaxCells) {
            result.problems
                << QStringLiteral("%1: \"count\" must be a whole number from 1 to %2").arg(what).arg(MaxCells);
            continue;
        }
        if (!readInt(object, QStringLiteral("rows"), &layout.rows, true, 0) || layout.rows < 1
            || layout.rows > MaxGridSide || !readInt(object, QStringLiteral("columns"), &layout.columns, true, 0)
            || layout.columns < 1 || layout.columns > MaxGridSide) {
            result.problems << QStringLiteral("%1: \"rows\" and \"columns\" must be whole numbers from 1 to %2")
                                   .arg(what)
                                   .arg(MaxGridSide);
            continue;
        }
        if (seenCounts.contains(layout.count)) {
            result.problems << QStringLiteral("%1: count %2 is already given by %3")
                                   .arg(what)
                                   .arg(layout.count)
                                   .arg(seenCounts.value(layout.count));
            continue;
        }
        const QJsonValue enabled = object.value(QStringLiteral("enabled"));
        if (!enabled.isUndefined() && !enabled.isBool()) {
            result.problems << QStringLiteral("%1: \"enabled\" must be true or false").arg(what);
            continue;
        }
        layout.enabled = enabled.toBool(true);
        layout.name = object.value(QStringLiteral("name")).toString();
        if (layout.name.isEmpty())
            layout.name = QString::number(layout.count);
        layout.title = object.value(QStringLiteral("title")).toString();

        QVector<bool> taken(layout.rows * layout.columns, false);
        auto place = [&](KpLayoutItem item, const QString& cellName) {
            if (item.row < 0 || item.column < 0 || item.rowSpan < 1 || item.columnSpan < 1) {
                result.problems << QStringLiteral("%1: %2 has a negative place or a span below 1").arg(what, cellName);
                return;
            }
            if (item.row + item.rowSpan > layout.rows || item.column + item.columnSpan > layout.columns) {
                result.problems << QStringLiteral("%1: %2 lies outside the %3 x %4 grid")
                                       .arg(what, cellName)
                                       .arg(layout.rows)
                                       .arg(layout.columns);
                return;
            }
            for (int r = item.row; r < item.row + item.rowSpan; ++r) {
                for (int c = item.column; c < item.column + item.columnSpan; ++c) {
                    if (taken.at(r * layout.columns + c)) {
                        result.problems << QStringLiteral("%1: %2 overlaps an earlier cell").arg(what, cellName);
                        return;
                    }
                }
            }
            if (layout.items.size() >= MaxCells) {
                result.problems << QStringLiteral("%1: %2 is beyond the %3 tiles").arg(what, cellName).arg(MaxCells);
                return;
            }
            for (int r = item.row; r < item.row + item.rowSpan; ++r) {
                for (int c = item.column; c < item.column + item.columnSpan; ++c)
                    taken[r * layout.columns + c] = true;
            }
            layout.items.append(item);
        };

        const QJsonValue cellsValue = object.value(QStringLiteral("cells"));
        if (cellsValue.isUndefined()) {
            for (int r = 0; r < layout.rows; ++r) {
                for (int c = 0; c < layout.columns; ++c) {
                    KpLayoutItem item;
                    item.row = r;
                    item.column = c;
                    place(item, QStringLiteral("cell (%1,%2)").arg(r).arg(c));
                }
            }
        } else if (!cellsValue.isArray()) {
            result.problems << QStringLiteral("%1: \"cells\" is not an array").arg(what);
            continue;
        } else {
            const QJsonArray cells = cellsValue.toArray();
            for (int c = 0; c < cells.size(); ++c) {
                const QString cellName = QStringLiteral("cell #%1").arg(c);
                if (!cells.at(c).isObject()) {
                    result.problems << QStringLiteral("%1: %2 is not an object").arg(what, cellName);
                    continue;
                }
                const QJsonObject cell = cells.at(c).toObject();
                KpLayoutItem item;
                if (!readInt(cell, QStringLiteral("row"), &item.row, true, 0)
                    || !readInt(cell, QStringLiteral("column"), &item.column, true, 0)
                    || !readInt(cell, QStringLiteral("rowSpan"), &item.rowSpan, false, 1)
                    || !readInt(cell, QStringLiteral("columnSpan"), &item.columnSpan, false, 1)) {
                    result.problems
                        << QStringLiteral("%1: %2 needs whole numbers for row, column and spans").arg(what, cellName);
                    continue;
                }
                place(item, cellName);
            }
        }

        if (layout.items.size() < layout.count) {
            result.problems << QStringLiteral("%1: %2 usable cells for %3 members")
                                   .arg(what)
                                   .arg(layout.items.size())
                                   .arg(layout.count);
            continue;
        }
        seenCounts.insert(layout.count, what);
        result.layouts.append(layout);
    }
    return result;
}

QList<KpLayout> byMemberCount(const QList<KpLayout>& layouts)
{
    QMap<int, KpLayout> byCount;
    for (const KpLayout& layout : layouts) {
        if (layout.count >= 1 && !byCount.contains(layout.count))
            byCount.insert(layout.count, layout);
    }
    QList<KpLayout> result;
    if (byCount.isEmpty())
        return result;
    const int largest = byCount.lastKey();
    for (int members = 1; members <= largest; ++members)
        result.append(byCount.lowerBound(members).value());
    return result;
}

} // namespace KpLayoutConfig
