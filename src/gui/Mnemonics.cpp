#include "gui/Mnemonics.h"

#include <QAbstractButton>

namespace Mnemonics {

QString plain(const QString &caption)
{
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&' && i + 1 < caption.size()) {
            ++i; // "&&" is one '&'; "&x" is x
            out += caption.at(i);
        } else if (caption.at(i) != u'&') {
            out += caption.at(i);
        }
    }
    return out;
}

QChar letterOf(const QString &caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption.at(i) != u'&')
            continue;
        if (caption.at(i + 1) == u'&') {
            ++i;
            continue;
        }
        return caption.at(i + 1).toLower();
    }
    return {};
}

namespace {

// `taken` holds the letters already in use and receives the new one.
QString withMnemonic(const QString &caption, QString &taken)
{
    const QString text = plain(caption);
    qsizetype chosen = -1;
    // A word's first letter reads best; any other letter will do.
    for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (!c.isLetterOrNumber() || taken.contains(c.toLower()))
                continue;
            const bool wordStart = i == 0 || !text.at(i - 1).isLetterOrNumber();
            if (pass == 1 || wordStart) {
                chosen = i;
                break;
            }
        }
    }
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == chosen)
            out += u'&';
        out += text.at(i);
        if (text.at(i) == u'&')
            out += u'&';
    }
    if (chosen >= 0)
        taken += text.at(chosen).toLower();
    return out;
}

} // namespace

void assign(const QList<QAbstractButton *> &buttons)
{
    QString taken;
    for (QAbstractButton *button : buttons) {
        if (!button || button->text().isEmpty())
            continue;
        const QString text = withMnemonic(button->text(), taken);
        if (text != button->text())
            button->setText(text);
    }
}

} // namespace Mnemonics
