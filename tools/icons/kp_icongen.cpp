// kp_icongen: renders every image listed in the icon manifest into the resource
// folders and writes the .qrc files that compile them in.
//
//   kp_icongen --manifest tools/icons/manifest.tsv --icons <tabler icons dir> --root <repo> [--no-prune]
//
// The manifest format is described at the top of manifest.tsv.
#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

enum class State { Normal, Hover, Press, Disable };

struct Prefix
{
    QString prefix; // "/Conference"
    QString dir; // folder of the images, relative to the root
    QString qrc; // qrc file, relative to the root
};

struct Entry
{
    QString path; // ":/Conference/Resource/Conference/chat.png"
    QString source;
    QString colour;
    QSize size;
    QHash<QString, QString> opts;
    State state = State::Normal;
    QSet<QString> literal; // options given for this state only
    int line = 0;
};

struct ExtraFile
{
    QString path; // resource path
    QString file; // relative to the root
};

struct Manifest
{
    QList<Prefix> prefixes;
    QHash<QString, QString> colours;
    QList<Entry> entries;
    QList<ExtraFile> files;
};

QTextStream& err()
{
    static QTextStream s(stderr);
    return s;
}

[[noreturn]] void fail(const QString& where, const QString& what)
{
    err() << where << ": " << what << Qt::endl;
    std::exit(1);
}

State stateOfToken(const QString& token)
{
    const QString t = token.toLower();
    if (t.contains(QLatin1String("hover")))
        return State::Hover;
    if (t.contains(QLatin1String("press")))
        return State::Press;
    if (t.contains(QLatin1String("disab")) || t.contains(QLatin1String("diab")))
        return State::Disable;
    return State::Normal;
}

State stateByName(const QString& name, const QString& where)
{
    if (name == QLatin1String("normal"))
        return State::Normal;
    if (name == QLatin1String("hover"))
        return State::Hover;
    if (name == QLatin1String("press"))
        return State::Press;
    if (name == QLatin1String("disable"))
        return State::Disable;
    fail(where, QStringLiteral("unknown state '%1'").arg(name));
}

QString stateName(State s)
{
    switch (s) {
    case State::Hover:
        return QStringLiteral("hover");
    case State::Press:
        return QStringLiteral("press");
    case State::Disable:
        return QStringLiteral("disable");
    case State::Normal:
        break;
    }
    return QStringLiteral("normal");
}

// Expands the first {a,b,c} group of a path; each alternative also names the
// state the image shows when it mentions hover, press or disable.
QList<QPair<QString, State>> expandPath(const QString& path)
{
    const int open = path.indexOf(QLatin1Char('{'));
    if (open < 0)
        return { qMakePair(path, State::Normal) };
    const int close = path.indexOf(QLatin1Char('}'), open);
    if (close < 0)
        return {};
    QList<QPair<QString, State>> out;
    const QStringList alternatives = path.mid(open + 1, close - open - 1).split(QLatin1Char(','));
    for (const QString& alt : alternatives) {
        const QString expanded = path.left(open) + alt + path.mid(close + 1);
        for (auto& inner : expandPath(expanded))
            out.append(qMakePair(inner.first, inner.second == State::Normal ? stateOfToken(alt) : inner.second));
    }
    return out;
}

QSize parseSize(const QString& text, const QString& where)
{
    const QStringList parts = text.split(QLatin1Char('x'));
    bool okW = false;
    bool okH = false;
    const int w = parts.value(0).toInt(&okW);
    const int h = parts.size() > 1 ? parts.value(1).toInt(&okH) : w;
    if (parts.size() == 1)
        okH = okW;
    if (!okW || !okH || w <= 0 || h <= 0 || parts.size() > 2)
        fail(where, QStringLiteral("bad size '%1'").arg(text));
    return QSize(w, h);
}

Manifest readManifest(const QString& fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        fail(fileName, QStringLiteral("cannot read"));
    Manifest m;
    QSet<QString> seen;
    int lineNo = 0;
    const QRegularExpression ws(QStringLiteral("\\s+"));
    const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        ++lineNo;
        if (line.trimmed().startsWith(QLatin1Char('#')))
            continue;
        // A trailing comment is " # text"; colours are "#RRGGBB" and never followed by a blank.
        static const QRegularExpression trailing(QStringLiteral("\\s#(\\s|$)"));
        const int hash = line.indexOf(trailing);
        if (hash >= 0)
            line.truncate(hash);
        const QStringList cols = line.split(ws, Qt::SkipEmptyParts);
        if (cols.isEmpty())
            continue;
        const QString where = QStringLiteral("%1:%2").arg(fileName).arg(lineNo);
        if (cols[0] == QLatin1String("@prefix")) {
            if (cols.size() != 4)
                fail(where, QStringLiteral("@prefix needs: prefix folder qrc"));
            m.prefixes.append({ cols[1], cols[2], cols[3] });
            continue;
        }
        if (cols[0] == QLatin1String("@color")) {
            if (cols.size() != 3)
                fail(where, QStringLiteral("@color needs: name value"));
            m.colours.insert(cols[1], cols[2]);
            continue;
        }
        if (cols[0] == QLatin1String("@file")) {
            if (cols.size() != 3)
                fail(where, QStringLiteral("@file needs: resource-path file"));
            m.files.append({ cols[1], cols[2] });
            continue;
        }
        if (!cols[0].startsWith(QLatin1String(":/")))
            fail(where, QStringLiteral("a line starts with a resource path (\":/...\"), @prefix, @color or @file"));
        if (cols.size() < 4)
            fail(where, QStringLiteral("an image needs: path source colour size [options]"));
        QHash<QString, QString> opts;
        for (int i = 4; i < cols.size(); ++i) {
            const int eq = cols[i].indexOf(QLatin1Char('='));
            if (eq <= 0)
                fail(where, QStringLiteral("option '%1' is not key=value").arg(cols[i]));
            opts.insert(cols[i].left(eq), cols[i].mid(eq + 1));
        }
        const auto expanded = expandPath(cols[0]);
        if (expanded.isEmpty())
            fail(where, QStringLiteral("unbalanced braces in '%1'").arg(cols[0]));
        for (const auto& item : expanded) {
            Entry e;
            e.path = item.first;
            e.state = opts.contains(QStringLiteral("state")) ? stateByName(opts.value(QStringLiteral("state")), where)
                                                             : item.second;
            e.source = cols[1];
            e.colour = cols[2];
            e.size = parseSize(cols[3], where);
            e.line = lineNo;
            // "hover.bg=..." overrides "bg" for the hover image only.
            const QString statePrefix = stateName(e.state) + QLatin1Char('.');
            for (auto it = opts.cbegin(); it != opts.cend(); ++it) {
                if (!it.key().contains(QLatin1Char('.')))
                    e.opts.insert(it.key(), it.value());
            }
            // A value given for one state is taken as it is, without the automatic state shading.
            for (auto it = opts.cbegin(); it != opts.cend(); ++it) {
                if (it.key().startsWith(statePrefix)) {
                    const QString key = it.key().mid(statePrefix.size());
                    e.opts.insert(key, it.value());
                    e.literal.insert(key);
                }
            }
            if (e.opts.contains(QStringLiteral("color")))
                e.colour = e.opts.value(QStringLiteral("color"));
            if (seen.contains(e.path))
                fail(where, QStringLiteral("'%1' is listed twice").arg(e.path));
            seen.insert(e.path);
            m.entries.append(e);
        }
    }
    return m;
}

QColor mix(const QColor& a, const QColor& b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF());
}

// Hover is slightly brighter, press darker, disable a 40% grey.
QColor forState(QColor c, State s)
{
    if (!c.isValid() || c.alpha() == 0)
        return c;
    switch (s) {
    case State::Normal:
        break;
    case State::Hover:
        c = mix(c, Qt::white, 0.18);
        if (c.alphaF() < 1.0)
            c.setAlphaF(std::min(1.0, c.alphaF() + 0.10));
        break;
    case State::Press:
        c = mix(c, Qt::black, 0.18);
        break;
    case State::Disable: {
        const qreal a = c.alphaF();
        const int g = qGray(c.rgb());
        c = mix(QColor(g, g, g), QColor(0x9A, 0xA0, 0xA8), 0.5);
        c.setAlphaF(a * 0.4);
        break;
    }
    }
    return c;
}

class Renderer
{
public:
    Renderer(const Manifest& m, const QString& iconsDir)
        : m_manifest(m)
        , m_iconsDir(iconsDir)
    { }

    QImage render(const Entry& e)
    {
        m_where = QStringLiteral("manifest line %1 (%2)").arg(e.line).arg(e.path);
        m_entry = &e;
        QImage img(e.size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        const QRectF all(0, 0, e.size.width(), e.size.height());
        const QColor main = colour(e.colour, !e.literal.contains(QStringLiteral("color")));

        if (e.source.startsWith(QLatin1String("draw:"))) {
            drawKind(p, all, e.source.mid(5), main);
            if (e.opts.contains(QStringLiteral("glyph"))) {
                const QColor g = colourOpt(QStringLiteral("gcolor"), QStringLiteral("#FFFFFF"));
                drawGlyph(p, glyphRect(all, 0.6), opt(QStringLiteral("glyph")), g);
            }
        } else {
            const bool hasBg = e.opts.contains(QStringLiteral("bg"));
            if (hasBg)
                drawShape(p, all, colourOpt(QStringLiteral("bg")));
            drawGlyph(p, glyphRect(all, hasBg ? 0.6 : 1.0), e.source, main);
        }
        if (e.opts.contains(QStringLiteral("badge"))) {
            const qreal r = std::max(2.0, std::min(all.width(), all.height()) * 0.14);
            p.setPen(Qt::NoPen);
            p.setBrush(colourOpt(QStringLiteral("badge")));
            p.drawEllipse(QPointF(all.right() - r - 0.5, all.top() + r + 0.5), r, r);
        }
        p.end();
        return img;
    }

private:
    QString opt(const QString& key, const QString& def = QString()) const { return m_entry->opts.value(key, def); }

    qreal num(const QString& key, qreal def) const
    {
        if (!m_entry->opts.contains(key))
            return def;
        bool ok = false;
        const qreal v = m_entry->opts.value(key).toDouble(&ok);
        if (!ok)
            fail(m_where, QStringLiteral("option %1 is not a number").arg(key));
        return v;
    }

    // "#RRGGBB", "#RGB", "#RRGGBB@0.4" (alpha), "$name" from @color, or "none".
    QColor colour(const QString& text, bool applyState) const
    {
        QString t = text;
        for (int guard = 0; t.startsWith(QLatin1Char('$')) && guard < 8; ++guard) {
            QString name = t.mid(1);
            QString alphaPart;
            const int at = name.indexOf(QLatin1Char('@'));
            if (at >= 0) {
                alphaPart = name.mid(at);
                name.truncate(at);
            }
            if (!m_manifest.colours.contains(name))
                fail(m_where, QStringLiteral("unknown colour $%1").arg(name));
            t = m_manifest.colours.value(name);
            if (!alphaPart.isEmpty()) {
                const int at2 = t.indexOf(QLatin1Char('@'));
                if (at2 >= 0)
                    t.truncate(at2);
                t += alphaPart;
            }
        }
        if (t == QLatin1String("none"))
            return QColor(Qt::transparent);
        qreal alpha = 1.0;
        const int at = t.indexOf(QLatin1Char('@'));
        if (at >= 0) {
            bool ok = false;
            alpha = t.mid(at + 1).toDouble(&ok);
            if (!ok || alpha < 0 || alpha > 1)
                fail(m_where, QStringLiteral("bad alpha in '%1'").arg(text));
            t.truncate(at);
        }
        QColor c(t);
        if (!c.isValid())
            fail(m_where, QStringLiteral("bad colour '%1'").arg(text));
        c.setAlphaF(alpha);
        return applyState ? forState(c, m_entry->state) : c;
    }

    QColor colourOpt(const QString& key, const QString& def = QString()) const
    {
        return colour(opt(key, def), !m_entry->literal.contains(key));
    }

    QRectF glyphRect(const QRectF& all, qreal defaultFraction) const
    {
        const qreal side = std::min(all.width(), all.height());
        const qreal s = num(QStringLiteral("icon"), std::round(side * defaultFraction));
        QRectF r(0, 0, s, s);
        r.moveCenter(all.center() + QPointF(num(QStringLiteral("dx"), 0), num(QStringLiteral("dy"), 0)));
        return r;
    }

    void drawShape(QPainter& p, const QRectF& all, const QColor& fill) const
    {
        const QString shape = opt(QStringLiteral("shape"), QStringLiteral("circle"));
        p.setPen(borderPen());
        p.setBrush(fill);
        const QRectF r = insetForPen(all);
        if (shape == QLatin1String("circle")) {
            const qreal side = std::min(r.width(), r.height());
            QRectF c(0, 0, side, side);
            c.moveCenter(r.center());
            p.drawEllipse(c);
        } else if (shape == QLatin1String("round")) {
            const qreal radius = num(QStringLiteral("r"), std::min(r.width(), r.height()) * 0.2);
            p.drawRoundedRect(r, radius, radius);
        } else if (shape == QLatin1String("square")) {
            p.drawRect(r);
        } else {
            fail(m_where, QStringLiteral("unknown shape '%1'").arg(shape));
        }
    }

    QPen borderPen() const
    {
        if (!m_entry->opts.contains(QStringLiteral("border")))
            return Qt::NoPen;
        return QPen(colourOpt(QStringLiteral("border")), num(QStringLiteral("bw"), 1.0));
    }

    QRectF insetForPen(const QRectF& r) const
    {
        if (!m_entry->opts.contains(QStringLiteral("border")))
            return r;
        const qreal h = num(QStringLiteral("bw"), 1.0) / 2.0;
        return r.adjusted(h, h, -h, -h);
    }

    void drawGlyph(QPainter& p, const QRectF& r, const QString& name, const QColor& c)
    {
        QString style = QStringLiteral("outline");
        QString icon = name;
        if (name.startsWith(QLatin1String("filled/"))) {
            style = QStringLiteral("filled");
            icon = name.mid(7);
        }
        QFile f(m_iconsDir + QLatin1Char('/') + style + QLatin1Char('/') + icon + QStringLiteral(".svg"));
        if (!f.open(QIODevice::ReadOnly))
            fail(m_where, QStringLiteral("no tabler icon '%1' (%2)").arg(name, f.fileName()));
        QByteArray svg = f.readAll();
        svg.replace("currentColor", c.name(QColor::HexRgb).toLatin1());
        if (m_entry->opts.contains(QStringLiteral("stroke"))) {
            svg.replace(
                "stroke-width=\"2\"", QByteArray("stroke-width=\"") + opt(QStringLiteral("stroke")).toLatin1() + "\"");
        }
        QSvgRenderer renderer(svg);
        if (!renderer.isValid())
            fail(m_where, QStringLiteral("cannot parse %1").arg(f.fileName()));
        p.save();
        p.setOpacity(c.alphaF());
        renderer.render(&p, r);
        p.restore();
    }

    void fillCells(QPainter& p, const QList<QRectF>& cells, const QColor& c, qreal radius) const
    {
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        for (const QRectF& cell : cells)
            p.drawRoundedRect(cell, radius, radius);
    }

    // Layout pictograms: cells on a grid of cols x rows; each cell is {col, row, colSpan, rowSpan}.
    // With a main picture the first cell is drawn in full colour and the others lighter.
    void drawLayout(QPainter& p, const QRectF& all, int cols, int rows, const QList<QVector<int>>& spans,
        const QColor& c, bool firstIsMain) const
    {
        const qreal side = std::min(all.width(), all.height());
        const qreal gap = std::max(1.0, side / 16.0);
        const qreal pad = num(QStringLiteral("pad"), std::round(side / 10.0));
        const QRectF box = all.adjusted(pad, pad, -pad, -pad);
        const qreal cw = (box.width() - gap * (cols - 1)) / cols;
        const qreal ch = (box.height() - gap * (rows - 1)) / rows;
        QList<QRectF> cells;
        for (const QVector<int>& s : spans) {
            cells.append(QRectF(box.left() + s[0] * (cw + gap), box.top() + s[1] * (ch + gap),
                s[2] * cw + (s[2] - 1) * gap, s[3] * ch + (s[3] - 1) * gap));
        }
        if (!firstIsMain) {
            fillCells(p, cells, c, gap * 0.6);
            return;
        }
        QColor small = c;
        small.setAlphaF(c.alphaF() * 0.55);
        fillCells(p, cells.mid(0, 1), c, gap);
        fillCells(p, cells.mid(1), small, gap * 0.6);
    }

    void drawKind(QPainter& p, const QRectF& all, const QString& kind, const QColor& c)
    {
        const qreal w = all.width();
        const qreal h = all.height();
        const qreal side = std::min(w, h);
        static const QRegularExpression gridRe(QStringLiteral("^grid-(\\d)$"));
        static const QRegularExpression dotsRe(QStringLiteral("^dots-(\\d)$"));
        const auto gridMatch = gridRe.match(kind);
        const auto dotsMatch = dotsRe.match(kind);
        static const QRegularExpression barsRe(QStringLiteral("^bars-([0-4])$"));
        const auto barsMatch = barsRe.match(kind);
        if (kind == QLatin1String("fill")) {
            p.setPen(borderPen());
            p.setBrush(c);
            const qreal radius = num(QStringLiteral("r"), 0);
            p.drawRoundedRect(insetForPen(all), radius, radius);
        } else if (kind == QLatin1String("gradient")) {
            QLinearGradient g(all.topLeft(), all.bottomLeft());
            g.setColorAt(0, c);
            g.setColorAt(1, colourOpt(QStringLiteral("to"), QStringLiteral("#000000")));
            p.setPen(borderPen());
            p.setBrush(g);
            const qreal radius = num(QStringLiteral("r"), 0);
            p.drawRoundedRect(insetForPen(all), radius, radius);
        } else if (kind == QLatin1String("circle")) {
            drawShape(p, all, c);
        } else if (kind == QLatin1String("avatar")) {
            // A round (or rounded-square) placeholder with a person silhouette.
            const QString shape = opt(QStringLiteral("shape"), QStringLiteral("circle"));
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            QRectF sq(0, 0, side, side);
            sq.moveCenter(all.center());
            if (shape == QLatin1String("circle"))
                p.drawEllipse(sq);
            else
                p.drawRoundedRect(sq, side * 0.12, side * 0.12);
            const QColor g = colourOpt(QStringLiteral("gcolor"), QStringLiteral("#FFFFFF"));
            QRectF gr(0, 0, side * 0.62, side * 0.62);
            gr.moveCenter(sq.center() + QPointF(0, side * 0.06));
            drawGlyph(p, gr, QStringLiteral("filled/user"), g);
        } else if (kind == QLatin1String("ninepatch")) {
            // A white card with a soft shadow; the border slices are 10 px.
            const qreal shadow = num(QStringLiteral("shadow"), 8);
            p.setBrush(Qt::NoBrush);
            for (int i = 0; i < int(shadow); ++i) {
                QColor s(0, 0, 0);
                s.setAlphaF(0.012 * (i + 1));
                p.setPen(QPen(s, 1.0));
                const qreal in = i + 0.5;
                p.drawRoundedRect(all.adjusted(in, in, -in, -in), shadow - i + 4, shadow - i + 4);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawRoundedRect(all.adjusted(shadow, shadow, -shadow, -shadow), 4, 4);
        } else if (kind == QLatin1String("tri-up") || kind == QLatin1String("tri-down")) {
            QPolygonF tri;
            if (kind == QLatin1String("tri-up"))
                tri << QPointF(0, h) << QPointF(w / 2, 0) << QPointF(w, h);
            else
                tri << QPointF(0, 0) << QPointF(w / 2, h) << QPointF(w, 0);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawPolygon(tri);
        } else if (kind == QLatin1String("layout-pip")) {
            drawLayout(p, all, 3, 3, { { 0, 0, 3, 3 } }, c, true);
            // The small floating picture sits in the lower-right corner of the main one.
            const qreal pad = num(QStringLiteral("pad"), std::round(side / 10.0));
            const QRectF box = all.adjusted(pad, pad, -pad, -pad);
            const qreal gap = std::max(1.0, side / 16.0);
            QRectF pip(0, 0, box.width() * 0.38, box.height() * 0.38);
            pip.moveBottomRight(box.bottomRight() - QPointF(gap * 1.5, gap * 1.5));
            p.setPen(QPen(Qt::white, gap));
            QColor pc = c;
            pc.setAlphaF(c.alphaF() * 0.55);
            p.setBrush(mix(pc, Qt::white, 0.45));
            p.drawRoundedRect(pip, gap, gap);
        } else if (kind == QLatin1String("layout-speaker")) {
            // One large picture with three small ones beside it.
            drawLayout(p, all, 4, 3, { { 0, 0, 3, 3 }, { 3, 0, 1, 1 }, { 3, 1, 1, 1 }, { 3, 2, 1, 1 } }, c, true);
        } else if (kind == QLatin1String("layout-lshape")) {
            // One large picture with five small ones in an L around it.
            drawLayout(p, all, 3, 3,
                { { 0, 0, 2, 2 }, { 2, 0, 1, 1 }, { 2, 1, 1, 1 }, { 0, 2, 1, 1 }, { 1, 2, 1, 1 }, { 2, 2, 1, 1 } }, c,
                true);
        } else if (gridMatch.hasMatch()) {
            const int n = gridMatch.captured(1).toInt();
            QList<QVector<int>> cells;
            for (int r = 0; r < n; ++r)
                for (int col = 0; col < n; ++col)
                    cells.append({ col, r, 1, 1 });
            drawLayout(p, all, n, n, cells, c, false);
        } else if (dotsMatch.hasMatch()) {
            // Three dots, the first k lit: frames of a small progress animation.
            const int lit = dotsMatch.captured(1).toInt();
            const qreal r = std::min(h / 2.0, w / 8.0) * 0.8;
            for (int i = 0; i < 3; ++i) {
                QColor dc = c;
                if (i >= lit)
                    dc.setAlphaF(c.alphaF() * 0.3);
                p.setPen(Qt::NoPen);
                p.setBrush(dc);
                p.drawEllipse(QPointF(w * (i + 1) / 4.0, h / 2.0), r, r);
            }
        } else if (barsMatch.hasMatch()) {
            // Four signal bars of rising height, the first k lit: network quality levels.
            const int lit = barsMatch.captured(1).toInt();
            const qreal pad = std::max(1.0, side / 8.0);
            const QRectF box = all.adjusted(pad, pad, -pad, -pad);
            const qreal gap = std::max(1.0, box.width() / 10.0);
            const qreal bw = (box.width() - 3 * gap) / 4;
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 4; ++i) {
                QColor bc = c;
                if (i >= lit)
                    bc.setAlphaF(c.alphaF() * 0.25);
                p.setBrush(bc);
                const qreal bh = box.height() * (i + 1) / 4.0;
                p.drawRoundedRect(QRectF(box.left() + i * (bw + gap), box.bottom() - bh, bw, bh), bw / 4, bw / 4);
            }
        } else if (kind == QLatin1String("switch-on") || kind == QLatin1String("switch-off")) {
            const bool on = kind == QLatin1String("switch-on");
            QRectF track = all.adjusted(1, 1, -1, -1);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
            const qreal kr = track.height() / 2 - 2;
            const QPointF centre(on ? track.right() - 2 - kr : track.left() + 2 + kr, track.center().y());
            p.setBrush(QColor(0, 0, 0, 30));
            p.drawEllipse(centre + QPointF(0, 0.6), kr, kr);
            p.setBrush(Qt::white);
            p.drawEllipse(centre, kr, kr);
        } else if (kind == QLatin1String("radio-on") || kind == QLatin1String("radio-off")) {
            const QRectF r = all.adjusted(1, 1, -1, -1);
            if (kind == QLatin1String("radio-on")) {
                p.setPen(Qt::NoPen);
                p.setBrush(c);
                p.drawEllipse(r);
                p.setBrush(Qt::white);
                p.drawEllipse(r.center(), r.width() * 0.2, r.height() * 0.2);
            } else {
                p.setPen(QPen(c, 1.2));
                p.setBrush(Qt::white);
                p.drawEllipse(r.adjusted(0.6, 0.6, -0.6, -0.6));
            }
        } else if (kind == QLatin1String("check-on") || kind == QLatin1String("check-off")
            || kind == QLatin1String("check-partial")) {
            const QRectF r = all.adjusted(1, 1, -1, -1);
            const qreal radius = side * 0.18;
            if (kind == QLatin1String("check-off")) {
                p.setPen(QPen(c, 1.2));
                p.setBrush(Qt::white);
                p.drawRoundedRect(r.adjusted(0.6, 0.6, -0.6, -0.6), radius, radius);
            } else {
                p.setPen(Qt::NoPen);
                p.setBrush(c);
                p.drawRoundedRect(r, radius, radius);
                QPen pen(Qt::white, std::max(1.5, side / 9.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
                p.setPen(pen);
                if (kind == QLatin1String("check-on")) {
                    QPolygonF tick;
                    tick << QPointF(r.left() + r.width() * 0.24, r.top() + r.height() * 0.52)
                         << QPointF(r.left() + r.width() * 0.43, r.top() + r.height() * 0.70)
                         << QPointF(r.left() + r.width() * 0.77, r.top() + r.height() * 0.32);
                    p.drawPolyline(tick);
                } else {
                    p.drawLine(QPointF(r.left() + r.width() * 0.27, r.center().y()),
                        QPointF(r.right() - r.width() * 0.27, r.center().y()));
                }
            }
        } else {
            fail(m_where, QStringLiteral("unknown drawing 'draw:%1'").arg(kind));
        }
    }

    const Manifest& m_manifest;
    QString m_iconsDir;
    QString m_where;
    const Entry* m_entry = nullptr;
};

const Prefix* prefixOf(const Manifest& m, const QString& path)
{
    const Prefix* best = nullptr;
    for (const Prefix& p : m.prefixes) {
        if (path.startsWith(QLatin1Char(':') + p.prefix + QLatin1Char('/'))
            && (!best || p.prefix.size() > best->prefix.size()))
            best = &p;
    }
    return best;
}

QString escapeXml(const QString& s)
{
    return s.toHtmlEscaped();
}

bool writeIfChanged(const QString& fileName, const QByteArray& data)
{
    QFile in(fileName);
    if (in.open(QIODevice::ReadOnly) && in.readAll() == data)
        return false;
    in.close();
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile out(fileName);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(data) != data.size())
        fail(fileName, QStringLiteral("cannot write"));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Rendering needs no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Renders the resource images of the icon manifest."));
    parser.addHelpOption();
    const QCommandLineOption manifestOpt(
        QStringLiteral("manifest"), QStringLiteral("Manifest file."), QStringLiteral("file"));
    const QCommandLineOption iconsOpt(QStringLiteral("icons"),
        QStringLiteral("Folder with the outline/ and filled/ SVG icons."), QStringLiteral("dir"));
    const QCommandLineOption rootOpt(QStringLiteral("root"), QStringLiteral("Repository root."), QStringLiteral("dir"));
    const QCommandLineOption noPruneOpt(
        QStringLiteral("no-prune"), QStringLiteral("Keep images that the manifest no longer lists."));
    parser.addOptions({ manifestOpt, iconsOpt, rootOpt, noPruneOpt });
    parser.process(app);
    if (!parser.isSet(manifestOpt) || !parser.isSet(iconsOpt) || !parser.isSet(rootOpt)) {
        err() << "kp_icongen: --manifest, --icons and --root are required" << Qt::endl;
        return 2;
    }
    const QDir root(parser.value(rootOpt));
    const Manifest manifest = readManifest(parser.value(manifestOpt));
    Renderer renderer(manifest, parser.value(iconsOpt));

    // qrc file -> prefix -> (alias -> file relative to the qrc)
    QMap<QString, QMap<QString, QMap<QString, QString>>> qrcs;
    QSet<QString> written;
    QMap<QString, int> countByPrefix;
    int changed = 0;
    for (const Entry& e : manifest.entries) {
        const Prefix* p = prefixOf(manifest, e.path);
        if (!p)
            fail(QStringLiteral("manifest line %1").arg(e.line), QStringLiteral("no @prefix covers %1").arg(e.path));
        const QString rest = e.path.mid(p->prefix.size() + 2);
        const QString file = root.absoluteFilePath(p->dir + QLatin1Char('/') + rest);
        const QImage img = renderer.render(e);
        QByteArray png;
        {
            QBuffer buf(&png);
            buf.open(QIODevice::WriteOnly);
            if (!img.save(&buf, "PNG"))
                fail(e.path, QStringLiteral("cannot encode PNG"));
        }
        if (writeIfChanged(file, png))
            ++changed;
        written.insert(QFileInfo(file).absoluteFilePath());
        const QString qrcDir = QFileInfo(root.absoluteFilePath(p->qrc)).absolutePath();
        qrcs[p->qrc][p->prefix].insert(rest, QDir(qrcDir).relativeFilePath(file));
        countByPrefix[p->prefix] += 1;
    }
    for (const ExtraFile& x : manifest.files) {
        const Prefix* p = prefixOf(manifest, x.path);
        if (!p)
            fail(QStringLiteral("@file"), QStringLiteral("no @prefix covers %1").arg(x.path));
        const QString file = root.absoluteFilePath(x.file);
        if (!QFileInfo::exists(file))
            fail(QStringLiteral("@file"), QStringLiteral("%1 does not exist").arg(x.file));
        const QString qrcDir = QFileInfo(root.absoluteFilePath(p->qrc)).absolutePath();
        qrcs[p->qrc][p->prefix].insert(x.path.mid(p->prefix.size() + 2), QDir(qrcDir).relativeFilePath(file));
        countByPrefix[p->prefix] += 1;
    }

    for (auto q = qrcs.cbegin(); q != qrcs.cend(); ++q) {
        QByteArray xml;
        QTextStream out(&xml);
        out << "<!DOCTYPE RCC>\n"
            << "<!-- Written by tools/icons/generate from tools/icons/manifest.tsv: edit the manifest, not this "
               "file. -->\n"
            << "<RCC version=\"1.0\">\n";
        for (auto pfx = q.value().cbegin(); pfx != q.value().cend(); ++pfx) {
            out << "  <qresource prefix=\"" << escapeXml(pfx.key()) << "\">\n";
            for (auto f = pfx.value().cbegin(); f != pfx.value().cend(); ++f)
                out << "    <file alias=\"" << escapeXml(f.key()) << "\">" << escapeXml(f.value()) << "</file>\n";
            out << "  </qresource>\n";
        }
        out << "</RCC>\n";
        out.flush();
        if (writeIfChanged(root.absoluteFilePath(q.key()), xml))
            ++changed;
    }

    int pruned = 0;
    if (!parser.isSet(noPruneOpt)) {
        QSet<QString> dirs;
        for (const Prefix& p : manifest.prefixes)
            dirs.insert(root.absoluteFilePath(p.dir));
        for (const QString& d : dirs) {
            QDirIterator it(d, { QStringLiteral("*.png") }, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString f = QFileInfo(it.next()).absoluteFilePath();
                if (!written.contains(f) && QFile::remove(f))
                    ++pruned;
            }
        }
    }

    QTextStream out(stdout);
    for (auto it = countByPrefix.cbegin(); it != countByPrefix.cend(); ++it)
        out << QStringLiteral("%1 %2").arg(it.value(), 5).arg(it.key()) << '\n';
    out << QStringLiteral("%1 images, %2 files changed, %3 stale images removed")
               .arg(manifest.entries.size())
               .arg(changed)
               .arg(pruned)
        << Qt::endl;
    return 0;
}
