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

    void removeItem()
    {
        PathList list = listOf({u"a"_s, u"b"_s, u"c"_s});
        list.setSelected(2, true);
        list.RemoveItem(0);
        QCOMPARE(list.toStringList(), (QStringList {u"b"_s, u"c"_s}));
        QVERIFY(!list.Selected(0));
        QVERIFY(list.Selected(1));
        // Removing the last entry only lowers the count; the spare position keeps its old
        // flag in storage, and a new entry must not inherit it.
        list.RemoveItem(1);
        QCOMPARE(list.toStringList(), QStringList {u"b"_s});
        list.AddItem(u"new"_s);
        QVERIFY(!list.Selected(1));
    }

    void clear()
    {
        PathList list = listOf({u"a"_s, u"b"_s});
        list.setSelected(0, true);
        list.Clear();
        QCOMPARE(list.ListCount(), 0);
        QCOMPARE(list.Find(u"a"_s), -1);
        list.AddItem(u"again"_s);
        QCOMPARE(list.toStringList(), QStringList {u"again"_s});
        QVERIFY(!list.Selected(0));
    }

    void find_data()
    {
        QTest::addColumn<QString>("needle");
        QTest::addColumn<int>("expected");

        QTest::newRow("first of two") << u"/p/a.jpg"_s << 1;
        QTest::newRow("differs in case") << u"/p/A.JPG"_s << -1;
        QTest::newRow("prefix only") << u"/p/a"_s << -1;
    }

    void find()
    {
        QFETCH(QString, needle);
        QFETCH(int, expected);
        QCOMPARE(listOf({u"/p/b.jpg"_s, u"/p/a.jpg"_s, u"/p/c.jpg"_s, u"/p/a.jpg"_s}).Find(needle), expected);
    }

    void sortExamples_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<bool>("descending");
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QStringList>("expected");

        const QLocale c = QLocale::c();
        QTest::newRow("one") << c << false << QStringList {u"Z"_s} << QStringList {u"Z"_s};
        QTest::newRow("c B a") << c << false << QStringList {u"c"_s, u"B"_s, u"a"_s}
                               << QStringList {u"a"_s, u"B"_s, u"c"_s};
        QTest::newRow("equal texts keep order") << c << false << QStringList {u"b.jpg"_s, u"A.jpg"_s, u"a.JPG"_s}
                                                << QStringList {u"A.jpg"_s, u"a.JPG"_s, u"b.jpg"_s};
        QTest::newRow("descending a c B")
            << c << true << QStringList {u"a"_s, u"c"_s, u"B"_s} << QStringList {u"c"_s, u"B"_s, u"a"_s};
        // Descending moves a text past an equal one.
        QTest::newRow("descending equal texts") << c << true << QStringList {u"b.jpg"_s, u"A.jpg"_s, u"a.JPG"_s}
                                                << QStringList {u"b.jpg"_s, u"a.JPG"_s, u"A.jpg"_s};
        // With five entries the gap-4 pass moves b to the end over A, which then stays
        // ahead of the equal a in the gap-1 pass.
        QTest::newRow("gap 4 pass") << c << false << QStringList {u"b"_s, u"a"_s, u"c"_s, u"d"_s, u"A"_s}
                                    << QStringList {u"A"_s, u"a"_s, u"b"_s, u"c"_s, u"d"_s};
        // A dropped folder sorts before the files inside it.
        QTest::newRow("folder before contents")
            << c << false << QStringList {u"/d/Pics/x.jpg"_s, u"/d/zoo"_s, u"/d/Pics"_s, u"/d/a.jpg"_s}
            << QStringList {u"/d/a.jpg"_s, u"/d/Pics"_s, u"/d/Pics/x.jpg"_s, u"/d/zoo"_s};
        // Only a real collation puts accented letters beside their base letter.
        QTest::newRow("de accents") << QLocale(QLocale::German, QLocale::Germany) << false
                                    << QStringList {u"zebra"_s, u"\u00c4pfel"_s, u"Birne"_s, u"apfel"_s}
                                    << QStringList {u"apfel"_s, u"\u00c4pfel"_s, u"Birne"_s, u"zebra"_s};
    }

    void sortExamples()
    {
        QFETCH(QLocale, locale);
        QFETCH(bool, descending);
        QFETCH(QStringList, input);
        QFETCH(QStringList, expected);

        QLocale::setDefault(locale);
        PathList list = listOf(input);
        if (descending)
            list.ShellSort_Descending();
        else
            list.ShellSort();
        QCOMPARE(list.toStringList(), expected);
    }

    // Random texts without ties under the collation, so any correct sort has one result;
    // 1500 entries take the gaps 1093, 364, 121, 40, 13, 4 and 1. Flags travel with their texts.
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
        const auto flagged = [](const QString &t) { return t.size() % 2 == 1; };

        for (bool descending : {false, true}) {
            QStringList expected = texts;
            std::stable_sort(expected.begin(), expected.end(), [&](const QString &a, const QString &b) {
                return descending ? collator.compare(a, b) > 0 : collator.compare(a, b) < 0;
            });
            // Flagged as they come, so the flags also live through the list's growth.
            PathList list;
            for (const QString &t : std::as_const(texts)) {
                list.AddItem(t);
                list.setSelected(list.ListCount() - 1, flagged(t));
            }
            if (descending)
                list.ShellSort_Descending();
            else
                list.ShellSort();
            QCOMPARE(list.toStringList(), expected);
            for (int i = 0; i < list.ListCount(); ++i)
                QCOMPARE(list.Selected(i), flagged(list.List(i)));
        }
    }

    void outOfRangeIsHarmless()
    {
        PathList list = listOf({u"a"_s, u"b"_s});
        list.setSelected(1, true);
        for (int bad : {-1, 2, 99, std::numeric_limits<int>::max()}) {
            QCOMPARE(list.List(bad), QString());
            QVERIFY(!list.Selected(bad));
            list.setList(bad, u"overwritten"_s);
            list.setSelected(bad, true);
            list.RemoveItem(bad);
        }
        QCOMPARE(list.toStringList(), (QStringList {u"a"_s, u"b"_s}));
        QVERIFY(!list.Selected(0));
        QVERIFY(list.Selected(1));
    }
};

QTEST_GUILESS_MAIN(tst_ListEmu)
#include "tst_listemu.moc"
