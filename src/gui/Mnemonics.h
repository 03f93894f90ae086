#pragma once

#include <QList>
#include <QString>

class QAbstractButton;

// Alt+letter keys for the captions of buttons, check boxes and options. The captions
// keep their words (translated or not); only the '&' before one letter is added, so
// every caption of a page gets a letter of its own.
namespace Mnemonics {

// The caption without its mnemonic marker ("&Next >" -> "Next >", "A && B" -> "A & B").
QString plain(const QString &caption);
// The letter after the marker, lower-cased; null when there is none.
QChar letterOf(const QString &caption);

// Gives the buttons' captions their letters, the first buttons choosing first (a word's
// first letter if free, else any free letter; a caption without a free letter stays
// without).
void assign(const QList<QAbstractButton *> &buttons);

} // namespace Mnemonics
