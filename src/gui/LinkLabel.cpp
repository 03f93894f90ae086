#include "gui/LinkLabel.h"

#include "gui/Palettes.h"

#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    QPalette shown = palette();
    shown.setColor(QPalette::Active, QPalette::WindowText, restColor(shown));
    shown.setColor(QPalette::Inactive, QPalette::WindowText, restColor(shown));
    setPalette(shown);
    // Reachable with Tab; Space or Enter follows the link.
    setFocusPolicy(Qt::TabFocus);
}

LinkLabel::~LinkLabel() = default;

QColor LinkLabel::restColor(const QPalette &palette)
{
    // The desktop's link colour, so links stay visible on a dark window too.
    return Palettes::readableOn(palette.color(QPalette::Active, QPalette::Link), palette.color(QPalette::Window));
}

QColor LinkLabel::hoverColor(const QPalette &palette)
{
    return Palettes::readableOn(QColor(255, 0, 0), palette.color(QPalette::Window));
}

void LinkLabel::setHover(bool hover)
{
    const QColor colour = hover ? hoverColor(palette()) : restColor(palette());
    QPalette shown = palette();
    if (shown.color(QPalette::Active, QPalette::WindowText) != colour) {
        shown.setColor(QPalette::Active, QPalette::WindowText, colour);
        shown.setColor(QPalette::Inactive, QPalette::WindowText, colour);
        setPalette(shown);
    }
    if (hover)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

bool LinkLabel::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonRelease: {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && rect().contains(mouse->position().toPoint()) && isEnabled()) {
            Q_EMIT activated();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (isEnabled())
                Q_EMIT activated();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        QFont underlined = font();
        underlined.setUnderline(event->type() == QEvent::FocusIn);
        setFont(underlined);
        break;
    }
    case QEvent::Enter:
    case QEvent::MouseMove:
        // A disabled link stays as it is.
        if (isEnabled())
            setHover(true);
        break;
    case QEvent::Leave:
    case QEvent::Hide:
        setHover(false);
        break;
    case QEvent::EnabledChange:
        setHover(isEnabled() && underMouse());
        break;
    default:
        break;
    }
    return QLabel::event(event);
}
