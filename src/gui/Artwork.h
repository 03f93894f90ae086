#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's own pictures (":/art/<name>.svg"), drawn for the size and scale they are
// shown at, so they stay sharp at every scale factor.
namespace Artwork {

// The picture at `size` device-independent pixels for a screen of `ratio` device pixels
// per pixel; a null pixmap when there is no such picture.
QPixmap pixmap(const QString &name, QSize size, qreal ratio);
// An icon that draws the picture at whatever size it is asked for; its disabled form is
// grey and faded, like the desktop's own disabled icons.
QIcon icon(const QString &name);
// The side picture of the first and last page for a panel of `size`: the picture keeps
// its proportions and its top; a taller panel shows more of the backdrop below it.
QPixmap splash(QSize size, qreal ratio);
// The disabled look of a picture.
QImage greyed(const QImage &image);

} // namespace Artwork
