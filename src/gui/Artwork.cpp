#include "gui/Artwork.h"

#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

QString resourceOf(const QString &name)
{
    return u":/art/"_s + name + u".svg"_s;
}

QPixmap render(const QString &name, QSize pixels, const QRectF &viewBox = QRectF())
{
    QSvgRenderer renderer(resourceOf(name));
    if (!renderer.isValid() || pixels.isEmpty())
        return {};
    if (!viewBox.isNull())
        renderer.setViewBox(viewBox);
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(pixels)));
    painter.end();
    return QPixmap::fromImage(image);
}

QSize devicePixels(QSize size, qreal ratio)
{
    return QSize(
        static_cast<int>(std::lround(size.width() * ratio)), static_cast<int>(std::lround(size.height() * ratio)));
}

// Draws the SVG for each size and mode it is asked for instead of scaling one raster.
class SvgIconEngine final : public QIconEngine {
public:
    explicit SvgIconEngine(const QString &name)
        : m_name(name)
    {
    }

    QIconEngine *clone() const override { return new SvgIconEngine(m_name); }
    QString key() const override { return u"quillmark-art"_s; }
    QString iconName() override { return m_name; }
    bool isNull() override { return !QFile::exists(resourceOf(m_name)); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override { return size; }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override
    {
        const QString key = u"qmart/"_s + m_name + u'/' + QString::number(size.width()) + u'x'
            + QString::number(size.height()) + u'/' + QString::number(mode == QIcon::Disabled ? 1 : 0);
        QPixmap cached;
        if (QPixmapCache::find(key, &cached))
            return cached;
        // A picture drawn by hand for this very size beats the scaled-down SVG.
        const QString drawnForSize = u":/art/"_s + m_name + u'-' + QString::number(size.width()) + u".png"_s;
        QPixmap drawn = size.width() == size.height() && QFile::exists(drawnForSize) ? QPixmap(drawnForSize)
                                                                                     : render(m_name, size);
        if (mode == QIcon::Disabled && !drawn.isNull())
            drawn = QPixmap::fromImage(Artwork::greyed(drawn.toImage()));
        QPixmapCache::insert(key, drawn);
        return drawn;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap drawn = pixmap(devicePixels(rect.size(), ratio), mode, state);
        drawn.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect, drawn);
    }

private:
    QString m_name;
};

} // namespace

namespace Artwork {

QPixmap pixmap(const QString &name, QSize size, qreal ratio)
{
    QPixmap drawn = render(name, devicePixels(size, ratio));
    if (!drawn.isNull())
        drawn.setDevicePixelRatio(ratio);
    return drawn;
}

QIcon icon(const QString &name)
{
    return QIcon(new SvgIconEngine(name));
}

QPixmap splash(QSize size, qreal ratio)
{
    QSvgRenderer renderer(resourceOf(u"splash"_s));
    if (!renderer.isValid() || size.isEmpty())
        return {};
    // As wide as the panel; the view reaches down as far as the panel does.
    const QRectF design = renderer.viewBoxF();
    const QRectF view(0, 0, design.width(), design.width() * size.height() / size.width());
    QPixmap drawn = render(u"splash"_s, devicePixels(size, ratio), view);
    drawn.setDevicePixelRatio(ratio);
    return drawn;
}

QImage greyed(const QImage &image)
{
    QImage grey = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const QRgb pixel = line[x];
            // Lighter than plain grey, and faded, as disabled pictures look on the desktop.
            const int level = std::min(255, qGray(pixel) / 2 + 110);
            line[x] = qRgba(level, level, level, qAlpha(pixel) * 6 / 10);
        }
    }
    return grey;
}

} // namespace Artwork
