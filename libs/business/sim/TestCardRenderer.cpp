#include "business/sim/TestCardRenderer.h"

#include "util/KPLog.h"

#include <QEvent>
#include <QPainter>
#include <QTime>

TestCard::TestCard(const QString& title, const QString& subtitle, QWidget* host)
    : QWidget(host)
    , m_title(title)
    , m_subtitle(subtitle)
{
    setObjectName(QStringLiteral("TestCard"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TestCard::setTexts(const QString& title, const QString& subtitle)
{
    m_title = title;
    m_subtitle = subtitle;
    tick();
}

void TestCard::setArea(const QRect& area)
{
    m_area = area;
    if (QWidget* host = parentWidget())
        setGeometry(area.isValid() ? area : host->rect());
}

void TestCard::tick()
{
    QWidget* host = parentWidget();
    if (host && !host->updatesEnabled() && isVisible()) {
        // The module switches painting of a render surface off while video
        // runs; lift the switch for this one repaint and put it back.
        host->setUpdatesEnabled(true);
        repaint();
        host->setUpdatesEnabled(false);
    } else {
        update();
    }
}

void TestCard::paintEvent(QPaintEvent*)
{
    static const QColor bars[] = { QColor(192, 192, 192), QColor(192, 192, 0), QColor(0, 192, 192), QColor(0, 192, 0),
        QColor(192, 0, 192), QColor(192, 0, 0), QColor(0, 0, 192) };
    const int barCount = int(sizeof(bars) / sizeof(bars[0]));
    QPainter p(this);
    const QRect r = rect();
    const int barsHeight = r.height() * 2 / 3;
    for (int i = 0; i < barCount; ++i) {
        const int x0 = r.width() * i / barCount;
        const int x1 = r.width() * (i + 1) / barCount;
        p.fillRect(QRect(x0, 0, x1 - x0, barsHeight), bars[i]);
    }
    p.fillRect(QRect(0, barsHeight, r.width(), r.height() - barsHeight), QColor(24, 24, 24));

    // Name plate in the middle of the bars, clock and subtitle below.
    QFont f = font();
    f.setPixelSize(qBound(10, r.height() / 10, 28));
    f.setBold(true);
    p.setFont(f);
    const QRect plate(r.width() / 8, barsHeight / 2 - f.pixelSize(), r.width() * 3 / 4, f.pixelSize() * 2);
    p.fillRect(plate, QColor(0, 0, 0, 170));
    p.setPen(Qt::white);
    p.drawText(
        plate, Qt::AlignCenter, p.fontMetrics().elidedText(m_title.left(512), Qt::ElideRight, plate.width() - 8));

    f.setBold(false);
    f.setPixelSize(qBound(9, r.height() / 14, 20));
    p.setFont(f);
    const QRect lower(0, barsHeight, r.width(), r.height() - barsHeight);
    p.drawText(lower, Qt::AlignCenter,
        QTime::currentTime().toString(QStringLiteral("hh:mm:ss")) + QLatin1Char('\n') + m_subtitle);
}

TestCardRenderer::TestCardRenderer(QObject* parent)
    : QObject(parent)
{
    m_clock.setInterval(1000);
    connect(&m_clock, &QTimer::timeout, this, &TestCardRenderer::tickAll);
}

TestCardRenderer::~TestCardRenderer()
{
    removeAll();
}

bool TestCardRenderer::show(
    const QString& slot, quintptr handle, const QString& title, const QString& subtitle, const QRect& area)
{
    if (!handle) {
        remove(slot);
        return true;
    }
    QWidget* host = QWidget::find(WId(handle));
    if (!host) {
        g_Log.LogDebug(QStringLiteral("TestCardRenderer::show no window for handle %1 (%2)").arg(handle).arg(slot));
        remove(slot);
        return false;
    }
    QPointer<TestCard> existing = m_cards.value(slot);
    if (existing && existing->parentWidget() == host) {
        existing->setTexts(title, subtitle);
        existing->setArea(area);
        return true;
    }
    remove(slot);
    // One picture per window: a window handed to a second stream shows the second.
    for (auto it = m_cards.begin(); it != m_cards.end();) {
        if (it.value() && it.value()->parentWidget() == host) {
            it.value()->hide();
            it.value()->deleteLater();
            it = m_cards.erase(it);
        } else {
            ++it;
        }
    }
    auto* card = new TestCard(title, subtitle, host);
    card->setArea(area);
    card->show();
    card->raise();
    host->installEventFilter(this);
    m_cards.insert(slot, card);
    if (!m_clock.isActive())
        m_clock.start();
    return true;
}

void TestCardRenderer::remove(const QString& slot)
{
    const QPointer<TestCard> card = m_cards.take(slot);
    if (card) {
        card->hide();
        card->deleteLater();
    }
    if (m_cards.isEmpty())
        m_clock.stop();
}

void TestCardRenderer::removeWithPrefix(const QString& prefix)
{
    const QStringList names = m_cards.keys();
    for (const QString& slot : names) {
        if (slot.startsWith(prefix))
            remove(slot);
    }
}

void TestCardRenderer::removeAll()
{
    const QStringList names = m_cards.keys();
    for (const QString& slot : names)
        remove(slot);
}

TestCard* TestCardRenderer::card(const QString& slot) const
{
    return m_cards.value(slot).data();
}

int TestCardRenderer::cardCount() const
{
    int n = 0;
    for (const QPointer<TestCard>& c : m_cards)
        n += c ? 1 : 0;
    return n;
}

TestCard* TestCardRenderer::cardIn(QWidget* host)
{
    return host ? host->findChild<TestCard*>(QStringLiteral("TestCard"), Qt::FindDirectChildrenOnly) : nullptr;
}

bool TestCardRenderer::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        auto* host = static_cast<QWidget*>(watched);
        for (const QPointer<TestCard>& c : qAsConst(m_cards)) {
            if (c && c->parentWidget() == host)
                c->setArea(c->area());
        }
    }
    return QObject::eventFilter(watched, event);
}

void TestCardRenderer::tickAll()
{
    for (auto it = m_cards.begin(); it != m_cards.end();) {
        if (!it.value()) {
            it = m_cards.erase(it); // the host window went away with its card
            continue;
        }
        it.value()->tick();
        ++it;
    }
    if (m_cards.isEmpty())
        m_clock.stop();
}
