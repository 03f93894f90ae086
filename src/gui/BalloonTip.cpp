#include "gui/BalloonTip.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

constexpr int iconSide = 16;
constexpr int stemHeight = 9;
constexpr int stemHalfWidth = 7;
constexpr int stemInset = 18; // from the tip's left edge to the stem's point
constexpr int cornerRadius = 6;
constexpr int cursorHeight = 20;

// The picture beside the title, drawn for the size and scale it is shown at.
class TipIcon final : public QWidget {
public:
    explicit TipIcon(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(u"tipIcon"_s);
        setFixedSize(iconSide, iconSide);
    }
    void setCode(qint32 code)
    {
        m_code = code;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
        p.setPen(Qt::NoPen);
        switch (m_code) {
        case BalloonTip::IconInformation: {
            p.setBrush(QColor(0x1f, 0x4e, 0x8c));
            p.drawEllipse(r);
            p.setBrush(Qt::white);
            const qreal s = r.width() / 15.0;
            p.drawRoundedRect(QRectF(r.left() + 6 * s, r.top() + 3 * s, 3 * s, 2 * s), s, s);
            p.drawRect(QRectF(r.left() + 6 * s, r.top() + 6 * s, 3 * s, 6 * s));
            break;
        }
        case BalloonTip::IconWarning: {
            QPainterPath triangle;
            triangle.moveTo(r.center().x(), r.top());
            triangle.lineTo(r.right(), r.bottom());
            triangle.lineTo(r.left(), r.bottom());
            triangle.closeSubpath();
            p.setBrush(QColor(0xf2, 0xb7, 0x05));
            p.drawPath(triangle);
            p.setBrush(QColor(0x33, 0x33, 0x33));
            const qreal s = r.width() / 15.0;
            p.drawRect(QRectF(r.center().x() - 1 * s, r.top() + 5 * s, 2 * s, 5 * s));
            p.drawRect(QRectF(r.center().x() - 1 * s, r.top() + 11.5 * s, 2 * s, 2 * s));
            break;
        }
        case BalloonTip::IconError: {
            p.setBrush(QColor(0xc6, 0x28, 0x28));
            p.drawEllipse(r);
            QPen cross(Qt::white, r.width() / 7.0, Qt::SolidLine, Qt::RoundCap);
            p.setPen(cross);
            const qreal d = r.width() * 0.28;
            p.drawLine(r.center() + QPointF(-d, -d), r.center() + QPointF(d, d));
            p.drawLine(r.center() + QPointF(-d, d), r.center() + QPointF(d, -d));
            break;
        }
        default:
            break;
        }
    }

private:
    qint32 m_code = BalloonTip::IconNone;
};

} // namespace

// The tip's own window: a frameless tool-tip window that never takes the focus or the
// mouse, so it cannot steal the hover from its anchor.
class BalloonTipWindow final : public QWidget {
public:
    BalloonTipWindow()
        : QWidget(nullptr,
            Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus)
    {
        setObjectName(u"CTooltipWindow"_s);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setAttribute(Qt::WA_DeleteOnClose, false);
        setFocusPolicy(Qt::NoFocus);

        m_icon = new TipIcon(this);
        m_title = new QLabel(this);
        m_title->setObjectName(u"tipTitle"_s);
        m_title->setTextFormat(Qt::PlainText);
        QFont bold = m_title->font();
        bold.setBold(true);
        m_title->setFont(bold);
        m_text = new QLabel(this);
        m_text->setObjectName(u"tipText"_s);
        m_text->setTextFormat(Qt::PlainText);
        m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_text->setWordWrap(true);
        m_text->setMaximumWidth(BalloonTip::WrapLength);

        auto *titleRow = new QHBoxLayout;
        titleRow->setSpacing(6);
        titleRow->addWidget(m_icon, 0, Qt::AlignVCenter);
        titleRow->addWidget(m_title, 1);
        m_layout = new QVBoxLayout(this);
        m_layout->setSizeConstraint(QLayout::SetFixedSize);
        m_layout->setSpacing(4);
        m_layout->addLayout(titleRow);
        m_layout->addWidget(m_text);
        setStemOnTop(true);
    }

    void setHeading(const QString &title, qint32 icon)
    {
        m_title->setText(title);
        m_icon->setCode(icon);
        // The platform shows the icon only with a title.
        m_title->setVisible(!title.isEmpty());
        m_icon->setVisible(!title.isEmpty() && icon >= BalloonTip::IconInformation && icon <= BalloonTip::IconError);
    }

    void setBody(const QString &text)
    {
        QString shown = text;
        shown.replace(u"\r\n"_s, u"\n"_s);
        shown.replace(u'\r', u'\n');
        // As wide as the longest paragraph needs, up to the wrap length.
        const QFontMetrics metrics(m_text->font());
        int natural = 0;
        for (const QString &paragraph : shown.split(u'\n'))
            natural = std::max(natural, metrics.horizontalAdvance(paragraph) + 1);
        m_text->setMinimumWidth(std::min(natural, int(BalloonTip::WrapLength)));
        m_text->setText(shown);
    }

    // The desktop's tooltip colours.
    void usePalette()
    {
        QPalette palette = QApplication::palette(this);
        const QColor text = palette.color(QPalette::ToolTipText);
        const QColor base = palette.color(QPalette::ToolTipBase);
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Window, base);
        palette.setColor(QPalette::ToolTipText, text);
        palette.setColor(QPalette::ToolTipBase, base);
        setPalette(palette);
        update();
    }

    // Where the stem points: up at the mouse (tip below it) or down (tip above it).
    void setStemOnTop(bool onTop)
    {
        m_stemOnTop = onTop;
        m_layout->setContentsMargins(10, 8 + (onTop ? stemHeight : 0), 10, 8 + (onTop ? 0 : stemHeight));
        m_layout->activate();
    }
    void setStemX(int x)
    {
        m_stemX = x;
        updateShape();
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        updateShape();
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QColor base = palette().color(QPalette::Window);
        QColor border = palette().color(QPalette::WindowText);
        border.setAlphaF(0.55);
        p.fillRect(rect(), base);
        p.setPen(QPen(border, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(outline(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5)));
    }

private:
    QPainterPath outline(const QRectF &area) const
    {
        QPainterPath path;
        const QRectF body = area.adjusted(0, m_stemOnTop ? stemHeight : 0, 0, m_stemOnTop ? 0 : -stemHeight);
        path.addRoundedRect(body, cornerRadius, cornerRadius);
        // The stem stays clear of the rounded corners.
        const qreal x = std::max<qreal>(
            cornerRadius + stemHalfWidth, std::min<qreal>(m_stemX, body.width() - cornerRadius - stemHalfWidth));
        QPainterPath stem;
        if (m_stemOnTop) {
            stem.moveTo(body.left() + x - stemHalfWidth, body.top() + 1);
            stem.lineTo(body.left() + x, area.top());
            stem.lineTo(body.left() + x + stemHalfWidth, body.top() + 1);
        } else {
            stem.moveTo(body.left() + x - stemHalfWidth, body.bottom() - 1);
            stem.lineTo(body.left() + x, area.bottom());
            stem.lineTo(body.left() + x + stemHalfWidth, body.bottom() - 1);
        }
        stem.closeSubpath();
        return path.united(stem);
    }

    void updateShape()
    {
        // Only the balloon's outline belongs to the window. (The display-less platform of
        // the tests has no window shapes.)
        if (QGuiApplication::platformName() != u"offscreen")
            setMask(QRegion(outline(QRectF(rect()).adjusted(-0.5, -0.5, 0.5, 0.5)).toFillPolygon().toPolygon()));
        update();
    }

    bool m_stemOnTop = true;
    int m_stemX = stemInset;
    TipIcon *m_icon = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    QVBoxLayout *m_layout = nullptr;
};

BalloonTip::BalloonTip(QObject *parent)
    : QObject(parent)
{
    m_delayTimer.setSingleShot(true);
    m_visibleTimer.setSingleShot(true);
    connect(&m_delayTimer, &QTimer::timeout, this, &BalloonTip::showTip);
    connect(&m_visibleTimer, &QTimer::timeout, this, [this] {
        hideTip();
        m_timedOut = true;
    });
}

BalloonTip::~BalloonTip()
{
    Destroy();
}

QWidget *BalloonTip::tipWindow() const
{
    return m_tooltipWindow;
}

void BalloonTip::Create(QWidget *ParentHwnd)
{
    if (m_tooltipWindow)
        Destroy();
    m_parentWindow = ParentHwnd;

    m_tooltipWindow = new BalloonTipWindow;
    m_appliedVisibleTime = m_visibleTime;
    m_appliedDelayTime = m_delayTime;
    m_timedOut = false;

    m_tooltipWindow->setBody(m_tipText);
    if (!m_title.isEmpty() || m_icon != IconNone)
        m_tooltipWindow->setHeading(m_title, m_icon);
    else
        m_tooltipWindow->setHeading(QString(), IconNone);
    m_tooltipWindow->usePalette();

    if (ParentHwnd) {
        // Resting is only seen with every move reported, button or not.
        ParentHwnd->setMouseTracking(true);
        ParentHwnd->installEventFilter(this);
    }
}

void BalloonTip::Destroy()
{
    m_delayTimer.stop();
    m_visibleTimer.stop();
    if (m_parentWindow)
        m_parentWindow->removeEventFilter(this);
    m_parentWindow = nullptr;
    delete m_tooltipWindow;
    m_tooltipWindow = nullptr;
}

void BalloonTip::setIcon(qint32 vData)
{
    m_icon = vData;
    applyTitle();
}

void BalloonTip::setTitle(const QString &vData)
{
    m_title = vData;
    applyTitle();
}

void BalloonTip::applyTitle()
{
    // After Create a title is only (re)sent with an icon: clearing the title, or a
    // title without icon, leaves what the tip shows.
    if (m_tooltipWindow && !m_title.isEmpty() && m_icon != IconNone) {
        m_tooltipWindow->setHeading(m_title, m_icon);
        if (m_tooltipWindow->isVisible())
            m_tooltipWindow->adjustSize();
    }
}

void BalloonTip::setTipText(const QString &vData)
{
    m_tipText = vData;
    if (m_tooltipWindow) {
        m_tooltipWindow->setBody(m_tipText);
        if (m_tooltipWindow->isVisible()) {
            if (m_tipText.isEmpty())
                hideTip();
            else
                m_tooltipWindow->adjustSize();
        }
    }
}

bool BalloonTip::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_parentWindow || !m_tooltipWindow)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::Enter:
        m_timedOut = false;
        m_mousePos = static_cast<QEnterEvent *>(event)->globalPosition().toPoint();
        m_delayTimer.start(m_appliedDelayTime < 0 ? 500 : m_appliedDelayTime);
        break;
    case QEvent::MouseMove:
        m_mousePos = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        // The mouse has to rest: every move before the tip shows starts the wait anew.
        if (!m_tooltipWindow->isVisible() && !m_timedOut)
            m_delayTimer.start(m_appliedDelayTime < 0 ? 500 : m_appliedDelayTime);
        break;
    case QEvent::Leave:
        m_timedOut = false;
        m_delayTimer.stop();
        hideTip();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Hide:
    case QEvent::EnabledChange:
        m_delayTimer.stop();
        hideTip();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void BalloonTip::showTip()
{
    if (!m_tooltipWindow || !m_parentWindow || m_tipText.isEmpty() || !m_parentWindow->isVisible())
        return;
    auto *tip = m_tooltipWindow;
    QWidget *anchorWidget = m_parentWindow;

    QScreen *screen = anchorWidget->screen();
    const QRect area = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), QSize(1 << 20, 1 << 20));

    tip->setStemOnTop(true);
    tip->adjustSize();
    // Below the mouse, the stem pointing at it; above it when there is no room below.
    const QPoint target = m_mousePos;
    int y = target.y() + cursorHeight;
    if (y + tip->height() > area.bottom() + 1) {
        tip->setStemOnTop(false);
        tip->adjustSize();
        y = target.y() - tip->height() - 2;
    }
    int x = target.x() - stemInset;
    x = std::clamp(x, area.left(), std::max(area.left(), area.right() + 1 - tip->width()));
    y = std::max(y, area.top());
    tip->setStemX(target.x() - x);
    tip->move(x, y);
    tip->show();
    m_visibleTimer.start(m_appliedVisibleTime <= 0 ? 5000 : m_appliedVisibleTime);
}

void BalloonTip::hideTip()
{
    m_visibleTimer.stop();
    if (m_tooltipWindow)
        m_tooltipWindow->hide();
}
