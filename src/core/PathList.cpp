#include "core/PathList.h"

#include <QCollator>
#include <QLocale>
#include <QStringList>
#include <utility>

namespace {
constexpr int GrowthStep = 100;
}

QString PathList::List(int lngItemNumber) const
{
    return isValidIndex(lngItemNumber) ? m_entries.at(lngItemNumber) : QString();
}

void PathList::setList(int lngItemNumber, const QString &sText)
{
    if (isValidIndex(lngItemNumber))
        m_entries[lngItemNumber] = sText;
}

void PathList::RemoveItem(int lngItemNumber)
{
    if (!isValidIndex(lngItemNumber))
        return;
    QString *e = m_entries.data();
    for (int i = lngItemNumber; i < m_count - 1; ++i)
        e[i] = std::move(e[i + 1]);
    --m_count;
}

void PathList::grow()
{
    // The list counts its positions in steps of 100, but lets QList place them in
    // a block that grows geometrically: reallocating to exactly 100 more each time
    // moves every entry again, which makes adding a 100,000-file tree quadratic.
    m_capacity += GrowthStep;
    m_entries.resize(m_capacity);
}

void PathList::AddItem(const QString &txtItem)
{
    if (m_count == m_capacity)
        grow();
    m_entries[m_count] = txtItem;
    ++m_count;
}

void PathList::Clear()
{
    QList<QString>().swap(m_entries);
    m_count = 0;
    m_capacity = 0;
}

QCollator PathList::sortCollator()
{
    // Letters order as the user's language expects (accents count, case does not),
    // which is what people see in their file manager. Under the C locale Qt compares
    // code units after folding case, which still ignores case.
    QCollator collator {QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

void PathList::ShellSort()
{
    const int n = m_count;
    if (n < 2)
        return;
    const QCollator collator = sortCollator();
    int h = 0;
    do {
        h = 3 * h + 1;
    } while (h <= n);

    QString *e = m_entries.data();
    do {
        h /= 3;
        for (int i = h; i < n; ++i) {
            QString t = std::move(e[i]);
            int j = i;
            while (j - h >= 0 && collator.compare(e[j - h], t) > 0) {
                e[j] = std::move(e[j - h]);
                j -= h;
            }
            e[j] = std::move(t);
        }
    } while (h > 1);
}

QStringList PathList::toStringList() const
{
    QStringList texts;
    texts.reserve(m_count);
    for (int i = 0; i < m_count; ++i)
        texts.append(m_entries.at(i));
    return texts;
}
