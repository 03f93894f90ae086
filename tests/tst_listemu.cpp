#include "core/PathList.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

PathList listOf(const QStringList &texts)
{
    PathList list;
    for (const QString &t : texts)
        list.AddItem(t);
    return list;
}

} // namespace

class tst_ListEmu final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    // Removing moves the entries behind up; an index out of range changes nothing, and
    // reads there give nothing; a cleared list starts again.
    void editing()
    {
        PathList list = listOf({u"a"_s, u"b"_s, u"c"_s});
        list.RemoveItem(0);
        QCOMPARE(list.toStringList(), (QStringList {u"b"_s, u"c"_s}));
        for (int bad : {-1, 2, 99, std::numeric_limits<int>::max()}) {
            QCOMPARE(list.List(bad), QString());
            list.setList(bad, u"overwritten"_s);
            list.RemoveItem(bad);
        }
        list.RemoveItem(1);
        list.AddItem(u"new"_s);
        QCOMPARE(list.toStringList(), (QStringList {u"b"_s, u"new"_s}));
        list.Clear();
        QCOMPARE(list.ListCount(), 0);
        QCOMPARE(list.List(0), QString());
        list.AddItem(u"again"_s);
        QCOMPARE(list.toStringList(), QStringList {u"again"_s});
    }

    void sortExamples_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("expected");

        const QLocale c = QLocale::c();
        QTest::newRow("equal texts keep order") << c << QStringList {u"b.jpg"_s, u"A.jpg"_s, u"a.JPG"_s}
                                                << QStringList {u"A.jpg"_s, u"a.JPG"_s, u"b.jpg"_s};
        // A dropped folder sorts before the files inside it.
        QTest::newRow("folder before contents")
            << c << QStringList {u"/d/Pics/x.jpg"_s, u"/d/zoo"_s, u"/d/Pics"_s, u"/d/a.jpg"_s}
            << QStringList {u"/d/a.jpg"_s, u"/d/Pics"_s, u"/d/Pics/x.jpg"_s, u"/d/zoo"_s};
        // Only a real collation puts accented letters beside their base letter.
        QTest::newRow("de accents") << QLocale(QLocale::German, QLocale::Germany)
                                    << QStringList {u"zebra"_s, u"\u00c4pfel"_s, u"Birne"_s, u"apfel"_s}
                                    << QStringList {u"apfel"_s, u"\u00c4pfel"_s, u"Birne"_s, u"zebra"_s};
    }

    void sortExamples()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, input);
        QFETCH(QStringList, expected);
        QLocale::setDefault(locale);
        PathList list = listOf(input);
        list.ShellSort();
        QCOMPARE(list.toStringList(), expected);
    }

    // Random texts without ties under the collation, so any correct sort has one result;
    // 1500 entries take the gaps 1093, 364, 121, 40, 13, 4 and 1.
    void sortsMatchReference()
    {
        const QCollator collator = PathList::sortCollator();
        const QString alphabet = u"aAbBcCdDeEéÉzZäÄöÖ019._- /"_s;
        QRandomGenerator rng(1500);
        QStringList texts;
        while (texts.size() < 1500) {
            QString t;
            for (int k = rng.bounded(0, 9); k > 0; --k)
                t += alphabet.at(rng.bounded(alphabet.size()));
            const auto tie = [&](const QString &o) { return collator.compare(o, t) == 0; };
            if (std::none_of(texts.cbegin(), texts.cend(), tie))
                texts << t;
        }
        QStringList expected = texts;
        std::stable_sort(expected.begin(), expected.end(),
            [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
        PathList list = listOf(texts);
        list.ShellSort();
        QCOMPARE(list.toStringList(), expected);
    }
};

QTEST_GUILESS_MAIN(tst_ListEmu)
#include "tst_listemu.moc"
