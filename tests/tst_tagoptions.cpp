// The tag boxes turned into ExifTool arguments.

#include "core/TagOptions.h"
#include "jobfixtures.h"

#include <QTest>

using namespace Qt::StringLiterals;

using testutil::tagOptions;

class TestTagOptions final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void buildTagArguments_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("all supported ignores the rest")
            << u"AEGTXICP04R"_s << QStringList {u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s};
        QTest::newRow("all supported alone") << u"A"_s << QStringList {u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s};
        QTest::newRow("case B, every box")
            << u"EGTXICP0O4R"_s << QStringList {u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s, u"-Adobe:All="_s};
        QTest::newRow("case B, no structural boxes") << u"EXCPR"_s << QStringList {u"-all="_s};
        QTest::newRow("case C, exif kept, gps removed")
            << u"GXICP0OR"_s
            << QStringList {u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s, u"--exif:all"_s, u"-gps:all="_s};
        QTest::newRow("case C, exif kept with thumbnail")
            << u"GTXICPR"_s
            << QStringList {u"-all="_s, u"--exif:all"_s, u"-gps:all="_s, u"-ThumbnailImage="_s, u"-PreviewImage="_s};
        QTest::newRow("case C, photoshop and iptc kept")
            << u"EXCR"_s << QStringList {u"-all="_s, u"--Photoshop:all"_s, u"--iptc:all"_s};
        QTest::newRow("case C, photoshop kept, iptc removed")
            << u"EIXCR"_s << QStringList {u"-all="_s, u"--Photoshop:all"_s, u"-iptc:all="_s};
        QTest::newRow("case C, icc and xmp kept")
            << u"EPR"_s << QStringList {u"-all="_s, u"--ICC_Profile:all"_s, u"--xmp:all"_s};
        QTest::newRow("case C, everything kept but other")
            << u"R4"_s
            << QStringList {u"-all="_s, u"-Adobe:All="_s, u"--exif:all"_s, u"--Photoshop:all"_s, u"--iptc:all"_s,
                   u"--ICC_Profile:all"_s, u"--xmp:all"_s};
        QTest::newRow("case D, thumbnail only") << u"T"_s << QStringList {u"-ThumbnailImage="_s, u"-PreviewImage="_s};
        QTest::newRow("case D, gps only") << u"G"_s << QStringList {u"-gps:all="_s};
        QTest::newRow("case D, every group in fixed order")
            << u"EGTXICP0O4"_s
            << QStringList {u"-exif:all="_s, u"-gps:all="_s, u"-ThumbnailImage="_s, u"-PreviewImage="_s,
                   u"-Photoshop:all="_s, u"-iptc:all="_s, u"-ICC_Profile:all="_s, u"-xmp:all="_s, u"-CommonIFD0="_s,
                   u"-geotiff*="_s, u"-Adobe:All="_s};
        QTest::newRow("case D, gps counts while exif disables it")
            << u"EG"_s << QStringList {u"-exif:all="_s, u"-gps:all="_s};
        QTest::newRow("nothing ticked") << QString() << QStringList {};
    }

    void buildTagArguments()
    {
        QFETCH(QString, ticked);
        QFETCH(QStringList, lines);
        // The group lines come first, the extra deletions after them.
        QCOMPARE(BuildTagArguments(tagOptions(ticked)), lines + ExtraDeleteArguments(tagOptions(ticked)));
    }

    // Orientation and colour profile kept: the profile is never deleted, and what goes with
    // the Exif group is copied back from the image itself.
    void keepArguments_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("keep");
        QTest::addColumn<QString>("lines");
        const QString copy = u" -e -tagsfromfile @"_s;
        const QString orientation = u" -IFD0:Orientation#"_s;
        const QString colour = u" -ExifIFD:ColorSpace -ExifIFD:Gamma -InteropIFD:InteropIndex"_s;
        const QString everything = u"-all= -CommonIFD0= -geotiff*="_s;
        QTest::newRow("A, both") << u"A"_s << u"oc"_s
                                 << everything + u" --ICC_Profile:all"_s + copy + orientation + colour;
        QTest::newRow("A, orientation") << u"AC"_s << u"o"_s << everything + copy + orientation;
        QTest::newRow("A, colour") << u"A"_s << u"c"_s << everything + u" --ICC_Profile:all"_s + copy + colour;
        QTest::newRow("B, both") << u"EGTXICP0O4R"_s << u"oc"_s
                                 << everything + u" -Adobe:All= --ICC_Profile:all"_s + copy + orientation + colour;
        QTest::newRow("B, orientation") << u"EGTXICP0O4R"_s << u"o"_s
                                        << everything + u" -Adobe:All="_s + copy + orientation;
        QTest::newRow("C, exif kept: nothing to copy")
            << u"GXICP0OR"_s << u"oc"_s << everything + u" --exif:all -gps:all= --ICC_Profile:all"_s;
        QTest::newRow("C, icc and xmp kept")
            << u"EPR"_s << u"oc"_s << u"-all= --ICC_Profile:all --xmp:all"_s + copy + orientation + colour;
        QTest::newRow("D, exif alone") << u"E"_s << u"oc"_s << u"-exif:all="_s + copy + orientation + colour;
        QTest::newRow("D, exif without icc, orientation")
            << u"EGX"_s << u"o"_s << u"-exif:all= -gps:all= -xmp:all="_s + copy + orientation;
        QTest::newRow("D, exif and icc, orientation")
            << u"EC"_s << u"o"_s << u"-exif:all= -ICC_Profile:all="_s + copy + orientation;
        QTest::newRow("D, icc alone, both: nothing") << u"C"_s << u"oc"_s << QString();
        QTest::newRow("D, icc alone, orientation") << u"C"_s << u"o"_s << u"-ICC_Profile:all="_s;
        QTest::newRow("D, xmp alone: exif untouched") << u"X"_s << u"oc"_s << u"-xmp:all="_s;
        QTest::newRow("D, ifd0 alone: orientation is not in it") << u"0"_s << u"oc"_s << u"-CommonIFD0="_s;
        QTest::newRow("D, every group")
            << u"EGTXICP0O4"_s << u"oc"_s
            << u"-exif:all= -gps:all= -ThumbnailImage= -PreviewImage= -Photoshop:all= -iptc:all= -xmp:all= "
               "-CommonIFD0= -geotiff*= -Adobe:All="_s
                + copy + orientation + colour;
    }

    void keepArguments()
    {
        QFETCH(QString, ticked);
        QFETCH(QString, keep);
        QFETCH(QString, lines);
        // The extra delete lines of the GeoTIFF and IFD0 boxes stand among the delete lines,
        // before anything is copied back.
        const TagOptions t = tagOptions(ticked, keep);
        QStringList actual = BuildTagArguments(t);
        const qsizetype copyAt = actual.contains(u"-e"_s) ? actual.indexOf(u"-e"_s) : actual.size();
        for (const QString &extra : ExtraDeleteArguments(t)) {
            QVERIFY(actual.indexOf(extra) >= 0 && actual.indexOf(extra) < copyAt);
            actual.removeOne(extra);
        }
        QCOMPARE(actual, lines.split(u' ', Qt::SkipEmptyParts));
    }
};

QTEST_GUILESS_MAIN(TestTagOptions)
#include "tst_tagoptions.moc"
