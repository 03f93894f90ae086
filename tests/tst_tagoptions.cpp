// The tag boxes turned into ExifTool arguments, and the wizard's enable rules.

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
        const QString orientation = u" -Orientation"_s;
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

    void defaultsAreAllSupportedKeepingTheLook()
    {
        QCOMPARE(BuildTagArguments(TagOptions {}),
            (QStringList {u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s} + ExtraDeleteArguments(TagOptions {})
                + QStringList {u"--ICC_Profile:all"_s, u"-e"_s, u"-tagsfromfile"_s, u"@"_s, u"-Orientation"_s,
                    u"-ExifIFD:ColorSpace"_s, u"-ExifIFD:Gamma"_s, u"-InteropIFD:InteropIndex"_s}));
    }

    void countCaption_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("next");
        QTest::newRow("none") << 0 << u"0 images"_s << false;
        QTest::newRow("one") << 1 << u"1 image"_s << true;
        QTest::newRow("two") << 2 << u"2 images"_s << true;
        QTest::newRow("many") << 40000 << u"40000 images"_s << true;
    }

    void countCaption()
    {
        QFETCH(int, count);
        QFETCH(QString, caption);
        QFETCH(bool, next);
        ControlInputs in;
        in.iPage = 2;
        in.imageCount = count;
        const ControlStates s = UpdateControls(in);
        QVERIFY(s.updateCountCaption);
        QCOMPARE(s.countCaption, caption);
        QCOMPARE(s.cmdNextEnabled, next);
        QCOMPARE(s.focusNext, next);
    }

    void outputPage_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("next");
        QTest::newRow("overwrite needs no text") << 0 << QString() << true;
        QTest::newRow("folder of one character in blanks") << 1 << u"  x  "_s << false;
        QTest::newRow("folder of two characters") << 1 << u"/a"_s << true;
        QTest::newRow("folder empty") << 1 << QString() << false;
        QTest::newRow("empty prefix") << 2 << QString() << false;
        QTest::newRow("blank prefix is valid") << 2 << u" "_s << true;
        QTest::newRow("empty suffix") << 3 << QString() << false;
        QTest::newRow("suffix") << 3 << u"_c"_s << true;
        QTest::newRow("prefix leaving the folder") << 2 << u"../../../tmp/x-"_s << false;
        QTest::newRow("suffix leaving the folder") << 3 << u"/../../esc"_s << false;
        QTest::newRow("prefix naming a subfolder") << 2 << u"sub/"_s << false;
        QTest::newRow("dots alone stay in the folder") << 2 << u".."_s << true;
    }

    void outputPage()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        QFETCH(bool, next);
        ControlInputs in;
        in.iPage = 3;
        in.outputMode = static_cast<OutputMode>(mode);
        in.txtOutput = in.txtPrefix = in.txtSuffix = text;
        const ControlStates s = UpdateControls(in);
        QCOMPARE(s.cmdNextEnabled, next);
        QCOMPARE(s.txtOutputEnabled, mode == 1);
        QCOMPARE(s.txtPrefixEnabled, mode == 2);
        QCOMPARE(s.txtSuffixEnabled, mode == 3);
        QVERIFY(!s.updateCountCaption);
        // A refused prefix or suffix that is not just empty says why.
        QCOMPARE(!s.outputMessage.isEmpty(), mode >= 2 && !next && !text.isEmpty());
    }

    void textBoxesDisabledOffPage3()
    {
        ControlInputs in;
        in.iPage = 4;
        in.outputMode = OutputMode::Prefix;
        const ControlStates s = UpdateControls(in);
        QVERIFY(!s.txtOutputEnabled && !s.txtPrefixEnabled && !s.txtSuffixEnabled);
    }

    void tagPage()
    {
        ControlInputs in;
        in.iPage = 4;

        in.tags = tagOptions(u"AEG"_s);
        ControlStates s = UpdateControls(in);
        QVERIFY(s.cmdNextEnabled);
        QVERIFY(s.updateTagBoxes);
        QVERIFY(!s.chkCleanExifEnabled && !s.chkCleanOtherEnabled && !s.chkCleanAdobeApp14Enabled);

        in.tags = tagOptions(QString());
        s = UpdateControls(in);
        QVERIFY(!s.cmdNextEnabled);
        QVERIFY(s.chkCleanExifGPSEnabled && s.chkCleanThumbnailEnabled && s.chkCleanIPTCEnabled);

        in.tags = tagOptions(u"G"_s);
        QVERIFY(UpdateControls(in).cmdNextEnabled);

        in.tags = tagOptions(u"EP"_s);
        s = UpdateControls(in);
        QVERIFY(!s.chkCleanExifGPSEnabled);
        QVERIFY(!s.chkCleanThumbnailEnabled);
        QVERIFY(!s.chkCleanIPTCEnabled);
        QVERIFY(s.chkCleanExifEnabled && s.chkCleanPhotoshopEnabled && s.chkCleanXMPEnabled);

        // A disabled box still counts towards completeness.
        in.tags = tagOptions(u"G"_s);
        in.tags.chkCleanExif = false;
        QVERIFY(UpdateControls(in).cmdNextEnabled);
    }

    // The ICC box never shows a tick for a profile that is kept, and then cannot be ticked;
    // Next needs a box that removes something.
    void iccBoxWhileTheProfileIsKept_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QString>("keep");
        QTest::addColumn<bool>("iccEnabled");
        QTest::addColumn<bool>("iccChecked");
        QTest::addColumn<bool>("next");
        QTest::newRow("all supported, kept") << u"AEC"_s << u"oc"_s << false << false << true;
        QTest::newRow("all supported, not kept") << u"AEC"_s << QString() << false << true << true;
        QTest::newRow("exif and icc, kept") << u"EC"_s << u"oc"_s << false << false << true;
        QTest::newRow("exif and icc, not kept") << u"EC"_s << QString() << true << true << true;
        QTest::newRow("icc alone, kept: nothing to remove") << u"C"_s << u"oc"_s << false << false << false;
        QTest::newRow("icc alone, colour kept") << u"C"_s << u"c"_s << false << false << false;
        QTest::newRow("icc alone, orientation kept") << u"C"_s << u"o"_s << true << true << true;
        QTest::newRow("nothing, kept") << QString() << u"oc"_s << false << false << false;
        QTest::newRow("icc clear, not kept") << u"X"_s << QString() << true << false << true;
    }

    void iccBoxWhileTheProfileIsKept()
    {
        QFETCH(QString, ticked);
        QFETCH(QString, keep);
        QFETCH(bool, iccEnabled);
        QFETCH(bool, iccChecked);
        QFETCH(bool, next);
        ControlInputs in;
        in.tags = tagOptions(ticked, keep);
        for (int page : {2, 3, 5}) {
            in.iPage = page;
            in.imageCount = 1;
            QCOMPARE(UpdateControls(in).chkCleanICCChecked, iccChecked);
        }
        in.iPage = 4;
        const ControlStates s = UpdateControls(in);
        QCOMPARE(s.chkCleanICCEnabled, iccEnabled);
        QCOMPARE(s.chkCleanICCChecked, iccChecked);
        QCOMPARE(s.cmdNextEnabled, next);
        QCOMPARE(in.tags.chkCleanAll || in.tags.anyGroupTicked(), next);
    }

    void otherPagesKeepNextEnabled()
    {
        for (int page : {1, 5, 6, 7, 8, 9}) {
            ControlInputs in;
            in.iPage = page;
            in.tags = tagOptions(QString());
            QVERIFY2(UpdateControls(in).cmdNextEnabled, qPrintable(QString::number(page)));
        }
    }
};

QTEST_GUILESS_MAIN(TestTagOptions)
#include "tst_tagoptions.moc"
