// The tag boxes turned into ExifTool arguments: what a real run would not show, the
// relations between box sets rather than the literal lines.

#include "core/TagOptions.h"
#include "jobfixtures.h"

#include <QTest>

using namespace Qt::StringLiterals;

using testutil::tagOptions;

class TestTagOptions final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void relations()
    {
        // "All supported" overrides every other box.
        QCOMPARE(BuildTagArguments(tagOptions(u"AEGTXICP04R"_s)), BuildTagArguments(tagOptions(u"A"_s)));
        QVERIFY(BuildTagArguments(tagOptions(QString())).isEmpty());
        // Nothing of Exif is copied back when Exif is kept, nor when nothing is deleted.
        QVERIFY(!BuildTagArguments(tagOptions(u"GXICP0OR"_s, u"oc"_s)).contains(u"-e"_s));
        QVERIFY(BuildTagArguments(tagOptions(u"C"_s, u"oc"_s)).isEmpty());
    }

    void extraDeletesBeforeCopyBack_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::newRow("all") << u"A"_s;
        QTest::newRow("every group") << u"EGTXICP0O4"_s;
    }

    void extraDeletesBeforeCopyBack()
    {
        QFETCH(QString, ticked);
        // ExifTool applies deletions placed after "-tagsfromfile" to the copied tags only.
        const TagOptions t = tagOptions(ticked, u"oc"_s);
        const QStringList actual = BuildTagArguments(t);
        const qsizetype copyAt = actual.indexOf(u"-e"_s);
        QVERIFY(copyAt > 0);
        for (const QString &extra : ExtraDeleteArguments(t))
            QVERIFY2(actual.indexOf(extra) >= 0 && actual.indexOf(extra) < copyAt, qPrintable(extra));
    }
};

QTEST_GUILESS_MAIN(TestTagOptions)
#include "tst_tagoptions.moc"
