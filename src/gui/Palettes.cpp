#include "gui/Palettes.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <cmath>

using namespace Qt::StringLiterals;

namespace Palettes {

namespace {

double channel(double value)
{
    return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableOn(const QColor &wanted, const QColor &background, double ratio)
{
    if (contrastRatio(wanted, background) >= ratio)
        return wanted;
    // Towards white on a dark background, towards black on a light one, in small steps
    // so the colour keeps as much of its hue as it can.
    const bool lighten = relativeLuminance(background) < 0.18;
    const QColor target = lighten ? QColor(Qt::white) : QColor(Qt::black);
    const QColor from = wanted.toRgb();
    for (int step = 1; step <= 20; ++step) {
        const double t = step / 20.0;
        const QColor mixed = QColor::fromRgbF(static_cast<float>(from.redF() + (target.redF() - from.redF()) * t),
            static_cast<float>(from.greenF() + (target.greenF() - from.greenF()) * t),
            static_cast<float>(from.blueF() + (target.blueF() - from.blueF()) * t));
        if (contrastRatio(mixed, background) >= ratio)
            return mixed;
    }
    return target;
}

QColor warningBackground(const QColor &base)
{
    return relativeLuminance(base) < 0.18 ? QColor(102, 72, 0) : QColor(255, 236, 170);
}

bool isDark(const QPalette &palette)
{
    return relativeLuminance(palette.color(QPalette::Window)) < relativeLuminance(palette.color(QPalette::WindowText));
}

QPalette light()
{
    return QStyleFactory::create(u"Fusion"_s)->standardPalette();
}

QPalette dark()
{
    QPalette p;
    const QColor window(53, 53, 53);
    const QColor base(35, 35, 35);
    const QColor text(232, 232, 232);
    const QColor disabledText(150, 150, 150);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, QColor(25, 25, 25));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, QColor(160, 160, 160));
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, QColor(90, 90, 90));
    p.setColor(QPalette::Midlight, QColor(70, 70, 70));
    p.setColor(QPalette::Mid, QColor(45, 45, 45));
    p.setColor(QPalette::Dark, QColor(25, 25, 25));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::LinkVisited, QColor(160, 120, 230));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(80, 80, 80));
    return p;
}

bool apply(const QString &name)
{
    if (name != u"dark" && name != u"light")
        return false;
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    QApplication::setPalette(name == u"dark" ? dark() : light());
    return true;
}

bool applyFromEnvironment()
{
    return apply(qEnvironmentVariable("QUILLMARK_PALETTE").trimmed().toLower());
}

} // namespace Palettes
