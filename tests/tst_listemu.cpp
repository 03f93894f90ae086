#include "imagelist/clsListEmu.h"

#include <QCollator>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

clsListEmu listOf(const QStringList &texts)
{
    clsListEmu list;
    for (const QString &t : texts)
        list.AddItem(t);
    return list;
}

// Random texts that mix case, accents, digits and punctuation, so the collation and
// the case folding both have work to do.
QStringList randomTexts(int count, quint32 seed)
{
    static const QString alphabet = u"aAbBcCdDeEéÉzZäÄöÖ019._- /"_s;
    QRandomGenerator rng(seed);
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        QString t;
        const int length = rng.bounded(0, 9);
        for (int k = 0; k < length; ++k)
            t += alphabet.at(rng.bounded(alphabet.size()));
        texts << t;
    }
    return texts;
}

// Keeps the first of each group of texts the collator calls equal, so that any
// correct sort has exactly one result.
QStringList distinctUnderCollation(const QStringList &texts, const QCollator &c)
{
    QStringList out;
    for (const QString &t : texts) {
        if (std::none_of(out.cbegin(), out.cend(),
                         [&](const QString &o) { return c.compare(o, t) == 0; }))
            out << t;
    }
    return out;
}

} // namespace

class tst_ListEmu final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void newListIsEmpty();
    void growsByHundred();
    void removeItem_data();
    void removeItem();
    void removeLastOnlyLowersCount();
    void addAfterRemoveStartsUnselected();
    void clearReleasesStorage();
    void find_data();
    void find();
    void sortExamples_data();
    void sortExamples();
    void sortsMatchReference_data();
    void sortsMatchReference();
    void sortCarriesFlags();
    void outOfRangeIsHarmless();
};

void tst_ListEmu::newListIsEmpty()
{
    const clsListEmu list;
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.capacity(), 0);
    QCOMPARE(list.Find(QString()), -1);
    QCOMPARE(list.Find(u"a.jpg"_s), -1);
    QVERIFY(list.toStringList().isEmpty());
}

void tst_ListEmu::growsByHundred()
{
    clsListEmu list;
    list.AddItem(u"first"_s);
    QCOMPARE(list.capacity(), 100);
    for (int i = 1; i < 100; ++i)
        list.AddItem(QString::number(i));
    for (int i = 0; i < 100; i += 3)
        list.setSelected(i, true);
    QCOMPARE(list.ListCount(), 100);
    QCOMPARE(list.capacity(), 100);

    list.AddItem(u"101st"_s);
    QCOMPARE(list.ListCount(), 101);
    QCOMPARE(list.capacity(), 200);
    QCOMPARE(list.List(0), u"first"_s);
    for (int i = 1; i < 100; ++i)
        QCOMPARE(list.List(i), QString::number(i));
    for (int i = 0; i < 100; ++i)
        QCOMPARE(list.Selected(i), i % 3 == 0);
    QCOMPARE(list.List(100), u"101st"_s);
    QVERIFY(!list.Selected(100));

    for (int i = 101; i < 200; ++i)
        list.AddItem(QString::number(i));
    QCOMPARE(list.capacity(), 200);
    list.AddItem(u"201st"_s);
    QCOMPARE(list.capacity(), 300);
    QCOMPARE(list.Find(u"201st"_s), 200);
    QVERIFY(list.Selected(99));
}

void tst_ListEmu::removeItem_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QList<bool>>("flags");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expectedTexts");
    QTest::addColumn<QList<bool>>("expectedFlags");

    const QStringList abc{u"a"_s, u"b"_s, u"c"_s};
    QTest::newRow("first of three") << abc << QList<bool>{false, true, false} << 0
                                    << QStringList{u"b"_s, u"c"_s} << QList<bool>{true, false};
    QTest::newRow("middle") << abc << QList<bool>{true, false, true} << 1
                            << QStringList{u"a"_s, u"c"_s} << QList<bool>{true, true};
    QTest::newRow("only entry") << QStringList{u"x"_s} << QList<bool>{true} << 0 << QStringList{}
                                << QList<bool>{};
    // Rows 2 and 4 of five removed one after the other, as the Delete key does.
    QTest::newRow("second of five") << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}
                                    << QList<bool>{false, true, false, true, false} << 1
                                    << QStringList{u"1"_s, u"3"_s, u"4"_s, u"5"_s}
                                    << QList<bool>{false, false, true, false};
}

void tst_ListEmu::removeItem()
{
    QFETCH(QStringList, texts);
    QFETCH(QList<bool>, flags);
    QFETCH(int, index);
    QFETCH(QStringList, expectedTexts);
    QFETCH(QList<bool>, expectedFlags);

    clsListEmu list = listOf(texts);
    for (int i = 0; i < flags.size(); ++i)
        list.setSelected(i, flags.at(i));
    list.RemoveItem(index);
    QCOMPARE(list.toStringList(), expectedTexts);
    QCOMPARE(list.ListCount(), expectedTexts.size());
    QCOMPARE(list.capacity(), 100);
    for (int i = 0; i < expectedFlags.size(); ++i)
        QCOMPARE(list.Selected(i), expectedFlags.at(i));
}

void tst_ListEmu::removeLastOnlyLowersCount()
{
    clsListEmu list = listOf({u"a"_s, u"b"_s, u"c"_s});
    list.setSelected(1, true);
    list.RemoveItem(2);
    QCOMPARE(list.toStringList(), (QStringList{u"a"_s, u"b"_s}));
    QVERIFY(list.Selected(1));
    QCOMPARE(list.capacity(), 100);
    QCOMPARE(list.Find(u"c"_s), -1);
    QCOMPARE(list.List(2), QString()); // the spare position is not exposed
}

void tst_ListEmu::addAfterRemoveStartsUnselected()
{
    clsListEmu list = listOf({u"a"_s, u"b"_s});
    list.setSelected(1, true);
    list.RemoveItem(1);
    list.AddItem(u"new"_s);
    QCOMPARE(list.List(1), u"new"_s);
    QVERIFY(!list.Selected(1));
}

void tst_ListEmu::clearReleasesStorage()
{
    clsListEmu list;
    for (int i = 0; i < 250; ++i)
        list.AddItem(QString::number(i));
    list.setSelected(0, true);
    QCOMPARE(list.capacity(), 300);
    list.Clear();
    QCOMPARE(list.ListCount(), 0);
    QCOMPARE(list.capacity(), 0);
    QCOMPARE(list.Find(u"0"_s), -1);
    list.AddItem(u"again"_s);
    QCOMPARE(list.ListCount(), 1);
    QCOMPARE(list.capacity(), 100);
    QCOMPARE(list.List(0), u"again"_s);
    QVERIFY(!list.Selected(0));
    list.Clear();
    list.Clear();
    QCOMPARE(list.capacity(), 0);
}

void tst_ListEmu::find_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<int>("expected");

    const QStringList paths{u"/p/b.jpg"_s, u"/p/a.jpg"_s, u"/p/c.jpg"_s, u"/p/a.jpg"_s};
    QTest::newRow("first of two") << paths << u"/p/a.jpg"_s << 1;
    QTest::newRow("first entry") << paths << u"/p/b.jpg"_s << 0;
    QTest::newRow("differs in case") << paths << u"/p/A.JPG"_s << -1;
    QTest::newRow("prefix only") << paths << u"/p/a"_s << -1;
    QTest::newRow("longer") << paths << u"/p/a.jpg "_s << -1;
    QTest::newRow("absent") << paths << u"/p/d.jpg"_s << -1;
    QTest::newRow("empty text") << QStringList{u"x"_s, QString(), u""_s} << QString() << 1;
    QTest::newRow("composed vs decomposed") << QStringList{u"caf\u00e9"_s} << u"cafe\u0301"_s << -1;
    QTest::newRow("empty list") << QStringList{} << u"a"_s << -1;
}

void tst_ListEmu::find()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, needle);
    QFETCH(int, expected);
    QCOMPARE(listOf(texts).Find(needle), expected);
}

void tst_ListEmu::sortExamples_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<QStringList>("input");
    QTest::addColumn<QStringList>("expected");

    const QList<QLocale> locales{QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                 QLocale(QLocale::German, QLocale::Germany),
                                 QLocale(QLocale::French, QLocale::France)};
    for (const QLocale &loc : locales) {
        const QByteArray n = loc.name().toUtf8();
        QTest::addRow("%s empty", n.constData()) << loc << false << QStringList{} << QStringList{};
        QTest::addRow("%s one", n.constData()) << loc << false << QStringList{u"Z"_s}
                                               << QStringList{u"Z"_s};
        QTest::addRow("%s one descending", n.constData())
            << loc << true << QStringList{u"Z"_s} << QStringList{u"Z"_s};
        QTest::addRow("%s c B a", n.constData())
            << loc << false << QStringList{u"c"_s, u"B"_s, u"a"_s}
            << QStringList{u"a"_s, u"B"_s, u"c"_s};
        QTest::addRow("%s equal texts keep order", n.constData())
            << loc << false << QStringList{u"b.jpg"_s, u"A.jpg"_s, u"a.JPG"_s}
            << QStringList{u"A.jpg"_s, u"a.JPG"_s, u"b.jpg"_s};
        QTest::addRow("%s descending a c B", n.constData())
            << loc << true << QStringList{u"a"_s, u"c"_s, u"B"_s}
            << QStringList{u"c"_s, u"B"_s, u"a"_s};
        // Descending moves a text past an equal one.
        QTest::addRow("%s descending equal texts", n.constData())
            << loc << true << QStringList{u"b.jpg"_s, u"A.jpg"_s, u"a.JPG"_s}
            << QStringList{u"b.jpg"_s, u"a.JPG"_s, u"A.jpg"_s};
        // With five entries the gap-4 pass moves b to the end over A, which then
        // stays ahead of the equal a in the gap-1 pass.
        QTest::addRow("%s gap 4 pass", n.constData())
            << loc << false << QStringList{u"b"_s, u"a"_s, u"c"_s, u"d"_s, u"A"_s}
            << QStringList{u"A"_s, u"a"_s, u"b"_s, u"c"_s, u"d"_s};
        // A dropped folder sorts before the files inside it.
        QTest::addRow("%s folder before contents", n.constData())
            << loc << false
            << QStringList{u"/d/Pics/x.jpg"_s, u"/d/zoo"_s, u"/d/Pics"_s, u"/d/a.jpg"_s}
            << QStringList{u"/d/a.jpg"_s, u"/d/Pics"_s, u"/d/Pics/x.jpg"_s, u"/d/zoo"_s};
    }
    // Only a real collation puts accented letters beside their base letter.
    QTest::newRow("de accents") << QLocale(QLocale::German, QLocale::Germany) << false
                                << QStringList{u"zebra"_s, u"\u00c4pfel"_s, u"Birne"_s, u"apfel"_s}
                                << QStringList{u"apfel"_s, u"\u00c4pfel"_s, u"Birne"_s, u"zebra"_s};
    QTest::newRow("sv accents") << QLocale(QLocale::Swedish, QLocale::Sweden) << false
                                << QStringList{u"\u00e4"_s, u"z"_s, u"A"_s}
                                << QStringList{u"A"_s, u"z"_s, u"\u00e4"_s};
}

void tst_ListEmu::sortExamples()
{
    QFETCH(QLocale, locale);
    QFETCH(bool, descending);
    QFETCH(QStringList, input);
    QFETCH(QStringList, expected);

    QLocale::setDefault(locale);
    clsListEmu list = listOf(input);
    if (descending)
        list.ShellSort_Descending();
    else
        list.ShellSort();
    QCOMPARE(list.toStringList(), expected);
    QCOMPARE(list.ListCount(), expected.size());
}

void tst_ListEmu::sortsMatchReference_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("size");

    // Sizes around the members of the gap sequence 1, 4, 13, 40, 121, 364, 1093.
    const QList<int> sizes{2, 3, 4, 5, 12, 13, 14, 39, 40, 41, 120, 121, 122, 364, 365, 1093, 2500};
    for (const QLocale &loc :
         {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::Swedish)}) {
        for (int size : sizes)
            QTest::addRow("%s %d", loc.name().toUtf8().constData(), size) << loc << size;
    }
}

void tst_ListEmu::sortsMatchReference()
{
    QFETCH(QLocale, locale);
    QFETCH(int, size);

    QLocale::setDefault(locale);
    const QCollator collator = clsListEmu::sortCollator();
    const auto less = [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; };
    const auto greater = [&](const QString &a, const QString &b) { return collator.compare(a, b) > 0; };

    // With repeats: a permutation, in order.
    const QStringList withRepeats = randomTexts(size, quint32(size));
    {
        clsListEmu asc = listOf(withRepeats);
        asc.ShellSort();
        const QStringList got = asc.toStringList();
        QVERIFY(std::is_sorted(got.cbegin(), got.cend(), less));
        QVERIFY(std::is_permutation(got.cbegin(), got.cend(), withRepeats.cbegin(), withRepeats.cend()));

        clsListEmu desc = listOf(withRepeats);
        desc.ShellSort_Descending();
        const QStringList gotDesc = desc.toStringList();
        QVERIFY(std::is_sorted(gotDesc.cbegin(), gotDesc.cend(), greater));
        QVERIFY(std::is_permutation(gotDesc.cbegin(), gotDesc.cend(), withRepeats.cbegin(),
                                    withRepeats.cend()));
    }

    // Without ties the order is unique, so it must equal the reference exactly.
    const QStringList distinct = distinctUnderCollation(randomTexts(size, quint32(size) + 7777), collator);
    QStringList expected = distinct;
    std::stable_sort(expected.begin(), expected.end(), less);
    clsListEmu asc = listOf(distinct);
    asc.ShellSort();
    QCOMPARE(asc.toStringList(), expected);

    std::stable_sort(expected.begin(), expected.end(), greater);
    clsListEmu desc = listOf(distinct);
    desc.ShellSort_Descending();
    QCOMPARE(desc.toStringList(), expected);
}

void tst_ListEmu::sortCarriesFlags()
{
    const QStringList texts = randomTexts(300, 42);
    clsListEmu list = listOf(texts);
    // Flag every entry whose text starts with a letter below 'c' (any case).
    const auto wanted = [](const QString &t) {
        return !t.isEmpty() && t.at(0).toLower() < u'c' && t.at(0).isLetter();
    };
    for (int i = 0; i < list.ListCount(); ++i)
        list.setSelected(i, wanted(list.List(i)));

    for (bool descending : {false, true}) {
        if (descending)
            list.ShellSort_Descending();
        else
            list.ShellSort();
        for (int i = 0; i < list.ListCount(); ++i)
            QCOMPARE(list.Selected(i), wanted(list.List(i)));
    }
}

void tst_ListEmu::outOfRangeIsHarmless()
{
    clsListEmu empty;
    QCOMPARE(empty.List(0), QString());
    QVERIFY(!empty.Selected(0));
    empty.setList(0, u"x"_s);
    empty.setSelected(0, true);
    empty.RemoveItem(0);
    QCOMPARE(empty.ListCount(), 0);
    QCOMPARE(empty.capacity(), 0);

    clsListEmu list = listOf({u"a"_s, u"b"_s});
    list.setSelected(0, true);
    list.setSelected(1, true);
    for (int bad : {-1, 2, 99, 100, 1000, std::numeric_limits<int>::min(),
                    std::numeric_limits<int>::max()}) {
        QCOMPARE(list.List(bad), QString());
        QVERIFY(!list.Selected(bad));
        list.setList(bad, u"overwritten"_s);
        list.setSelected(bad, false);
        list.RemoveItem(bad);
    }
    QCOMPARE(list.toStringList(), (QStringList{u"a"_s, u"b"_s}));
    QVERIFY(list.Selected(0));
    QVERIFY(list.Selected(1));
    QCOMPARE(list.Find(u"overwritten"_s), -1);
    QCOMPARE(list.capacity(), 100);
}

QTEST_GUILESS_MAIN(tst_ListEmu)
#include "tst_listemu.moc"
