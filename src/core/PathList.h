#pragma once

#include <QList>
#include <QString>

class QCollator;

// An ordered, growable list of texts; indices are zero-based. Storage grows in steps of 100 entries and is released
// only by Clear(). It holds the image list, the job's per-image lists and the folder walk's results.
//
// Indices outside 0 .. ListCount() - 1 are harmless: reads give an empty text or
// false, and writes and RemoveItem() change nothing. Positions above the count are
// spare storage and are never exposed.
class PathList final {
public:
    QString List(int lngItemNumber) const;
    void setList(int lngItemNumber, const QString &sText);

    int ListCount() const { return m_count; }

    // Entries behind the removed one move up by one; the storage keeps its size.
    void RemoveItem(int lngItemNumber);
    void AddItem(const QString &txtItem);
    void Clear();

    // Shell sort (gaps 1, 4, 13, 40, ...) by sortCollator(), ascending: entries that
    // compare equal keep their order within a pass.
    void ShellSort();

    // The ordering used for path lists: the default locale's collation, blind to
    // case. The folder walk orders names by it too, so both agree.
    static QCollator sortCollator();

    QStringList toStringList() const;

private:
    bool isValidIndex(int index) const { return index >= 0 && index < m_count; }
    void grow();

    QList<QString> m_entries; // size() == m_capacity
    int m_count = 0;
    int m_capacity = 0; // positions held: a multiple of 100 that only Clear() lowers
};
