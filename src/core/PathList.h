#pragma once

#include <QList>
#include <QString>

class QCollator;

// An ordered, growable list of texts with a selection flag per entry; indices are
// zero-based. Storage grows in steps of 100 entries and is released only by Clear().
// It holds the image list, the job's per-image lists and the folder walk's results.
//
// Indices outside 0 .. ListCount() - 1 are harmless: reads give an empty text or
// false, and writes and RemoveItem() change nothing. Positions above the count are
// spare storage and are never exposed.
class PathList final {
public:
    bool Selected(int lngItemNumber) const;
    void setSelected(int lngItemNumber, bool bSelected);

    QString List(int lngItemNumber) const;
    void setList(int lngItemNumber, const QString &sText);

    // Index of the first entry equal to sFind (ordinal, case-sensitive), or -1.
    int Find(const QString &sFind) const;
    int ListCount() const { return m_count; }

    // Entries behind the removed one move up by one, flags included; the storage
    // keeps its size.
    void RemoveItem(int lngItemNumber);
    // A new entry always starts unselected, even when it reuses a spare position
    // left behind by RemoveItem().
    void AddItem(const QString &txtItem);
    void Clear();

    // Shell sorts (gaps 1, 4, 13, 40, ...) by sortCollator(). Each entry's selection
    // flag travels with its text, so a flag keeps describing the same path.
    // Ascending: entries that compare equal keep their order within a pass.
    void ShellSort();
    void ShellSort_Descending();

    // The ordering used for path lists: the default locale's collation, blind to
    // case. The folder walk orders names by it too, so both agree.
    static QCollator sortCollator();

    QStringList toStringList() const;

private:
    struct Entry {
        QString text;
        bool selected = false;
    };
    bool isValidIndex(int index) const { return index >= 0 && index < m_count; }
    void grow();
    template<typename MustMove> void shellSort(MustMove mustMove);

    QList<Entry> m_entries; // size() == m_capacity
    int m_count = 0;
    int m_capacity = 0; // positions held: a multiple of 100 that only Clear() lowers
};
