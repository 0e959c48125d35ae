#include "customui/ScreenScale.h"

#include "customui/KP_UI_UTIL.h"
#include "util/KPLog.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QCryptographicHash>
#include <QDir>
#include <QGridLayout>
#include <QHash>
#include <QIcon>
#include <QImage>
#include <QLayout>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryDir>
#include <QWidget>
#include <QtMath>

namespace {

const char* const kScaledProperty = "kpScreenScaled";
// The sizes a widget had once scaled: an enclosing form that sets other ones
// afterwards (a promoted widget that scaled itself in its constructor) wrote
// them at 96 DPI.
const char* const kScaledMinimum = "kpScaledMinimum";
const char* const kScaledMaximum = "kpScaledMaximum";

int scaledBy(int value, double scale)
{
    return qRound(value * scale);
}

int scaledMax(int value, double scale)
{
    return value >= QWIDGETSIZE_MAX ? value : qMin(QWIDGETSIZE_MAX, scaledBy(value, scale));
}

// An icon is never drawn larger than its largest picture either: the
// pictures it has are given again, grown.
void growIcon(QAbstractButton* button, double scale)
{
    const QIcon icon = button->icon();
    if (icon.isNull() || scale <= 1.0)
        return;
    QIcon grown;
    for (const QIcon::Mode mode : { QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected }) {
        for (const QIcon::State state : { QIcon::Off, QIcon::On }) {
            for (const QSize& size : icon.availableSizes(mode, state)) {
                const QPixmap picture = icon.pixmap(size, mode, state);
                grown.addPixmap(
                    picture.scaled(picture.size() * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation), mode, state);
            }
        }
    }
    if (!grown.isNull())
        button->setIcon(grown);
}

void scaleSizes(QWidget* widget, double scale)
{
    const QSize minimum = widget->minimumSize();
    const QSize maximum = widget->maximumSize();
    widget->setMinimumSize(scaledBy(minimum.width(), scale), scaledBy(minimum.height(), scale));
    widget->setMaximumSize(scaledMax(maximum.width(), scale), scaledMax(maximum.height(), scale));
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setIconSize(button->iconSize() * scale);
        growIcon(button, scale);
    }
    widget->setProperty(kScaledMinimum, widget->minimumSize());
    widget->setProperty(kScaledMaximum, widget->maximumSize());
}

// A widget scaled on its own before its enclosing form set its sizes: scale
// just the sizes that form wrote.
void scaleOverwrittenSizes(QWidget* widget, double scale)
{
    const QSize minimum = widget->minimumSize();
    const QSize maximum = widget->maximumSize();
    if (minimum != widget->property(kScaledMinimum).toSize())
        widget->setMinimumSize(scaledBy(minimum.width(), scale), scaledBy(minimum.height(), scale));
    if (maximum != widget->property(kScaledMaximum).toSize())
        widget->setMaximumSize(scaledMax(maximum.width(), scale), scaledMax(maximum.height(), scale));
    widget->setProperty(kScaledMinimum, widget->minimumSize());
    widget->setProperty(kScaledMaximum, widget->maximumSize());
}

void scaleLayout(QLayout* layout, double scale)
{
    const QMargins margins = layout->contentsMargins();
    layout->setContentsMargins(scaledBy(margins.left(), scale), scaledBy(margins.top(), scale),
        scaledBy(margins.right(), scale), scaledBy(margins.bottom(), scale));
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        if (grid->horizontalSpacing() >= 0)
            grid->setHorizontalSpacing(scaledBy(grid->horizontalSpacing(), scale));
        if (grid->verticalSpacing() >= 0)
            grid->setVerticalSpacing(scaledBy(grid->verticalSpacing(), scale));
    } else if (layout->spacing() >= 0) {
        layout->setSpacing(scaledBy(layout->spacing(), scale));
    }
}

// A style sheet's `image:` is drawn at most as large as its file: on a dense
// screen it would stay a 96 DPI speck in a grown button. Such images are
// served grown, from files made once per process and removed at its exit.
// (A `border-image` stretches by itself, and its slices count the file's
// pixels, so it is left as it is.)
QString grownImage(const QString& path, double scale)
{
    static QHash<QString, QString> made;
    static QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/kp-grown-images-XXXXXX"));
    const QString key = path + QLatin1Char('@') + QString::number(scale);
    const auto it = made.constFind(key);
    if (it != made.constEnd())
        return it.value();
    QString served = path;
    const QImage image(path);
    if (!image.isNull() && folder.isValid()) {
        const QString name
            = QString::fromLatin1(QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Md5).toHex());
        QSaveFile file(folder.filePath(name + QStringLiteral(".png")));
        const QImage grown = image.scaled(image.size() * scale, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        if (file.open(QIODevice::WriteOnly) && grown.save(&file, "PNG") && file.commit())
            served = file.fileName();
        else
            g_Log.LogDebug(QStringLiteral("ScreenScale: cannot serve %1 grown").arg(path));
    }
    made.insert(key, served);
    return served;
}

// The text with each match's capture `group` replaced by what `replace` makes of it.
template<typename Replace>
QString replaceCaptured(const QString& text, const QRegularExpression& pattern, int group, Replace replace)
{
    QString result;
    int done = 0;
    QRegularExpressionMatchIterator it = pattern.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        result += text.midRef(done, match.capturedStart(group) - done);
        result += replace(match.captured(group));
        done = match.capturedEnd(group);
    }
    if (done == 0)
        return text;
    result += text.midRef(done);
    return result;
}

QString growImages(const QString& sheet, double scale)
{
    if (!sheet.contains(QLatin1String("image")))
        return sheet;
    static const char pattern[] = "(^|[^-\\w])(image\\s*:\\s*url\\(\\s*[\"']?)([^)\"']+)";
    static const QRegularExpression imageUrl(QString::fromLatin1(pattern));
    return replaceCaptured(
        sheet, imageUrl, 3, [scale](const QString& path) { return grownImage(path.trimmed(), scale); });
}

// Lengths in a style sheet (sizes, paddings, radii, borders) are at 96 DPI
// like the form's own; they grow with it.
QString growLengths(const QString& sheet, double scale)
{
    if (!sheet.contains(QLatin1String("px")))
        return sheet;
    static const QRegularExpression length(QStringLiteral("(^|[^\\w.#-])(\\d+)px"));
    return replaceCaptured(
        sheet, length, 2, [scale](const QString& pixels) { return QString::number(scaledBy(pixels.toInt(), scale)); });
}

QString growSheet(const QString& sheet, double scale)
{
    return growLengths(growImages(sheet, scale), scale);
}

void growStyleImages(QWidget* widget, double scale)
{
    const QString sheet = widget->styleSheet();
    if (sheet.isEmpty())
        return;
    const QString grown = growSheet(sheet, scale);
    if (grown != sheet)
        widget->setStyleSheet(grown);
}

} // namespace

void ScreenScale::beginScale(QWidget* widget)
{
    beginScale(widget, KP_UI_UTIL::getScreenScale());
}

int ScreenScale::scaled(int pixels)
{
    return scaledBy(pixels, KP_UI_UTIL::getScreenScale());
}

QString ScreenScale::grownStyleSheet(const QString& sheet)
{
    const double scale = KP_UI_UTIL::getScreenScale();
    return qFuzzyCompare(scale, 1.0) ? sheet : growSheet(sheet, scale);
}

void ScreenScale::beginScale(QWidget* widget, double scale)
{
    if (!widget) {
        g_Log.LogDebug(QStringLiteral("ScreenScale::beginScale no widget"));
        return;
    }
    if (qFuzzyCompare(scale, 1.0) || scale <= 0.0)
        return;
    if (widget->property(kScaledProperty).isValid())
        return;

    // Parts that were scaled already (a nested window that finished first)
    // are left alone.
    QSet<QWidget*> fresh;
    fresh.insert(widget);
    const QList<QWidget*> children = widget->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (!child->property(kScaledProperty).isValid())
            fresh.insert(child);
    }

    const QSize size = widget->size();
    for (QLayout* layout : widget->findChildren<QLayout*>()) {
        if (fresh.contains(layout->parentWidget()))
            scaleLayout(layout, scale);
    }
    scaleSizes(widget, scale);
    growStyleImages(widget, scale);
    widget->setProperty(kScaledProperty, scale);

    for (QWidget* child : children) {
        if (!fresh.contains(child)) {
            scaleOverwrittenSizes(child, scale);
            continue;
        }
        child->setProperty(kScaledProperty, scale);
        const QRect geometry = child->geometry();
        scaleSizes(child, scale);
        growStyleImages(child, scale);
        // Children placed by hand (no layout on their parent) keep their
        // place relative to the grown parent.
        const QWidget* parent = child->parentWidget();
        if (!child->isWindow() && parent && !parent->layout())
            child->setGeometry(scaledBy(geometry.x(), scale), scaledBy(geometry.y(), scale),
                scaledBy(geometry.width(), scale), scaledBy(geometry.height(), scale));
    }
    widget->resize(scaledBy(size.width(), scale), scaledBy(size.height(), scale));
}
