#include "gui/Mnemonics.h"

#include <QAbstractButton>
#include <algorithm>

using namespace Qt::StringLiterals;

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

// Chinese, Japanese and Korean characters are typed through an input method, never with
// Alt: such captions get a Latin letter in parentheses instead ("追加(&A)"), as is usual there.
bool typedThroughInputMethod(QChar c)
{
    switch (c.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
        return true;
    default:
        return false;
    }
}

// "フォルダーから追加..." + "(&F)" -> "フォルダーから追加(&F)...": the letter goes before a
// closing ellipsis or colon.
QString withLetterAppended(const QString &text, QChar letter)
{
    qsizetype end = text.size();
    while (end > 0 && QStringView(u".…:：").contains(text.at(end - 1)))
        --end;
    return text.left(end) + u"(&"_s + letter.toUpper() + u')' + text.mid(end);
}

// `taken` holds the letters already in use and receives the new one.
QString withMnemonic(const QString &caption, QString &taken)
{
    const QString text = plain(caption);
    qsizetype chosen = -1;
    // A word's first letter reads best; any other letter will do.
    for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (!c.isLetterOrNumber() || typedThroughInputMethod(c) || taken.contains(c.toLower()))
                continue;
            const bool wordStart = i == 0 || !text.at(i - 1).isLetterOrNumber();
            if (pass == 1 || wordStart) {
                chosen = i;
                break;
            }
        }
    }
    if (chosen < 0 && std::any_of(text.cbegin(), text.cend(), typedThroughInputMethod)) {
        for (char16_t letter = u'a'; letter <= u'z'; ++letter) {
            if (!taken.contains(QChar(letter))) {
                taken += QChar(letter);
                return withLetterAppended(QString(text).replace(u"&"_s, u"&&"_s), QChar(letter));
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
