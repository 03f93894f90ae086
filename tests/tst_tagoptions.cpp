// The tag boxes turned into ExifTool arguments, and the wizard's enable rules.

#include "job/TagOptions.h"

#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// Builds tag states from a short code: the letters of the ticked boxes.
// A all, E exif, G gps, T thumbnail, X xmp, I iptc, C icc, P photoshop, 0 ifd0, O geotiff, 4 app14, R other
TagOptions tags(const QString &ticked)
{
    TagOptions t;
    t.chkCleanAll = ticked.contains(u'A');
    t.chkCleanExif = ticked.contains(u'E');
    t.chkCleanExifGPS = ticked.contains(u'G');
    t.chkCleanThumbnail = ticked.contains(u'T');
    t.chkCleanXMP = ticked.contains(u'X');
    t.chkCleanIPTC = ticked.contains(u'I');
    t.chkCleanICC = ticked.contains(u'C');
    t.chkCleanPhotoshop = ticked.contains(u'P');
    t.chkCleanTiffIdf0 = ticked.contains(u'0');
    t.chkCleanGeoTiff = ticked.contains(u'O');
    t.chkCleanAdobeApp14 = ticked.contains(u'4');
    t.chkCleanOther = ticked.contains(u'R');
    return t;
}

} // namespace

class TestTagOptions final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void buildTagArguments_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<QStringList>("lines");

        QTest::newRow("all supported ignores the rest") << u"AEGTXICP04R"_s
                                                        << QStringList{u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s};
        QTest::newRow("all supported alone") << u"A"_s << QStringList{u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s};
        QTest::newRow("case B, every box") << u"EGTXICP0O4R"_s
                                           << QStringList{u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s, u"-Adobe:All="_s};
        QTest::newRow("case B, no structural boxes") << u"EXCPR"_s << QStringList{u"-all="_s};
        QTest::newRow("case C, exif kept, gps removed")
            << u"GXICP0OR"_s
            << QStringList{u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s, u"--exif:all"_s, u"-gps:all="_s};
        QTest::newRow("case C, exif kept with thumbnail")
            << u"GTXICPR"_s
            << QStringList{u"-all="_s, u"--exif:all"_s, u"-gps:all="_s, u"-ThumbnailImage="_s, u"-PreviewImage="_s};
        QTest::newRow("case C, photoshop and iptc kept")
            << u"EXCR"_s << QStringList{u"-all="_s, u"--Photoshop:all"_s, u"--iptc:all"_s};
        QTest::newRow("case C, photoshop kept, iptc removed")
            << u"EIXCR"_s << QStringList{u"-all="_s, u"--Photoshop:all"_s, u"-iptc:all="_s};
        QTest::newRow("case C, icc and xmp kept") << u"EPR"_s
                                                  << QStringList{u"-all="_s, u"--ICC_Profile:all"_s, u"--xmp:all"_s};
        QTest::newRow("case C, everything kept but other")
            << u"R4"_s
            << QStringList{u"-all="_s, u"-Adobe:All="_s, u"--exif:all"_s, u"--Photoshop:all"_s, u"--iptc:all"_s,
                           u"--ICC_Profile:all"_s, u"--xmp:all"_s};
        QTest::newRow("case D, thumbnail only") << u"T"_s << QStringList{u"-ThumbnailImage="_s, u"-PreviewImage="_s};
        QTest::newRow("case D, gps only") << u"G"_s << QStringList{u"-gps:all="_s};
        QTest::newRow("case D, every group in fixed order")
            << u"EGTXICP0O4"_s
            << QStringList{u"-exif:all="_s, u"-gps:all="_s, u"-ThumbnailImage="_s, u"-PreviewImage="_s,
                           u"-Photoshop:all="_s, u"-iptc:all="_s, u"-ICC_Profile:all="_s, u"-xmp:all="_s,
                           u"-CommonIFD0="_s, u"-geotiff*="_s, u"-Adobe:All="_s};
        QTest::newRow("case D, gps counts while exif disables it")
            << u"EG"_s << QStringList{u"-exif:all="_s, u"-gps:all="_s};
        QTest::newRow("nothing ticked") << QString() << QStringList{};
    }

    void buildTagArguments()
    {
        QFETCH(QString, ticked);
        QFETCH(QStringList, lines);
        // The group lines come first, the extra deletions after them.
        QCOMPARE(BuildTagArguments(tags(ticked)), lines + ExtraDeleteArguments(tags(ticked)));
    }

    // Which extra deletions each case gains: georeferencing with the GeoTIFF box,
    // IFD0 identifiers with the IFD0 box, raw identifiers only when everything goes.
    void extraDeleteArguments_data()
    {
        QTest::addColumn<QString>("ticked");
        QTest::addColumn<bool>("geo");
        QTest::addColumn<bool>("ifd0");
        QTest::addColumn<bool>("raw"); // RawDeleteArguments
        QTest::newRow("all supported") << u"A"_s << true << true << true;
        QTest::newRow("case B, every box") << u"EGTXICP0O4R"_s << true << true << true;
        QTest::newRow("case B, no structural boxes") << u"EXCPR"_s << false << false << true;
        QTest::newRow("case C, exif kept") << u"GXICP0OR"_s << true << true << false;
        QTest::newRow("case D, geotiff only") << u"O"_s << true << false << false;
        QTest::newRow("case D, ifd0 only") << u"0"_s << false << true << false;
        QTest::newRow("case D, gps only") << u"G"_s << false << false << false;
    }

    void extraDeleteArguments()
    {
        QFETCH(QString, ticked);
        QFETCH(bool, geo);
        QFETCH(bool, ifd0);
        QFETCH(bool, raw);
        const QStringList geoLines{u"-ModelTiePoint="_s, u"-PixelScale="_s, u"-ModelTransform="_s, u"-GDALMetadata="_s};
        const QStringList ifd0Lines{u"-IFD0:CameraSerialNumber="_s, u"-IFD0:HostComputer="_s, u"-IFD0:OwnerName="_s,
                                    u"-IFD0:DocumentName="_s, u"-IFD0:PageName="_s};
        const QStringList rawLines{u"-SerialNumber="_s, u"-InternalSerialNumber="_s, u"-LensSerialNumber="_s,
                                   u"-OwnerName="_s, u"-ImageUniqueID="_s, u"-RawDataUniqueID="_s,
                                   u"-OriginalRawFileName="_s, u"-DateTimeOriginal="_s, u"-CreateDate="_s,
                                   u"-ModifyDate="_s, u"-OffsetTime*="_s, u"-TrackCreateDate="_s,
                                   u"-TrackModifyDate="_s, u"-MediaCreateDate="_s, u"-MediaModifyDate="_s,
                                   u"-IPTCDigest="_s, u"-Photoshop:URL="_s};
        QStringList expected;
        if (geo)
            expected += geoLines;
        if (ifd0)
            expected += ifd0Lines;
        QCOMPARE(ExtraDeleteArguments(tags(ticked)), expected);
        QCOMPARE(RawDeleteArguments(tags(ticked)), raw ? rawLines : QStringList());
    }

    void defaultsAreAllSupported()
    {
        QCOMPARE(BuildTagArguments(TagOptions{}).mid(0, 3), (QStringList{u"-all="_s, u"-CommonIFD0="_s, u"-geotiff*="_s}));
        QCOMPARE(BuildTagArguments(TagOptions{}), BuildTagArguments(tags(u"A"_s)));
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

        in.tags = tags(u"AEG"_s);
        ControlStates s = UpdateControls(in);
        QVERIFY(s.cmdNextEnabled);
        QVERIFY(s.updateTagBoxes);
        QVERIFY(!s.chkCleanExifEnabled && !s.chkCleanOtherEnabled && !s.chkCleanAdobeApp14Enabled);

        in.tags = tags(QString());
        s = UpdateControls(in);
        QVERIFY(!s.cmdNextEnabled);
        QVERIFY(s.chkCleanExifGPSEnabled && s.chkCleanThumbnailEnabled && s.chkCleanIPTCEnabled);

        in.tags = tags(u"G"_s);
        QVERIFY(UpdateControls(in).cmdNextEnabled);

        in.tags = tags(u"EP"_s);
        s = UpdateControls(in);
        QVERIFY(!s.chkCleanExifGPSEnabled);
        QVERIFY(!s.chkCleanThumbnailEnabled);
        QVERIFY(!s.chkCleanIPTCEnabled);
        QVERIFY(s.chkCleanExifEnabled && s.chkCleanPhotoshopEnabled && s.chkCleanXMPEnabled);

        // A disabled box still counts towards completeness.
        in.tags = tags(u"G"_s);
        in.tags.chkCleanExif = false;
        QVERIFY(UpdateControls(in).cmdNextEnabled);
    }

    void otherPagesKeepNextEnabled()
    {
        for (int page : {1, 5, 6, 7, 8, 9}) {
            ControlInputs in;
            in.iPage = page;
            in.tags = tags(QString());
            QVERIFY2(UpdateControls(in).cmdNextEnabled, qPrintable(QString::number(page)));
        }
    }
};

QTEST_GUILESS_MAIN(TestTagOptions)
#include "tst_tagoptions.moc"
