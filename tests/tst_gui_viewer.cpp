// The metadata viewer on a real pair (a sample and what "exiftool -all=" makes of it), what
// it explains about one file before cleaning, and the finished page's status pictures. (The rows' order and what each
// opens: tst_gui_layout.)

#include "core/MetadataCompare.h"
#include "gui/MetadataViewer.h"
#include "gui/OutcomeListModel.h"
#include "guitestutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLocale>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTreeWidget>

using namespace Qt::StringLiterals;
using MetadataCompare::Change;

class TestGuiViewer final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    MetadataViewer::Comparison m_pair;

    static QTextBlock lineWith(const MetadataViewer &report, const QString &text)
    {
        for (QTextBlock b = report.txtReport->document()->begin(); b.isValid(); b = b.next()) {
            if (b.text().contains(text))
                return b;
        }
        return {};
    }

private Q_SLOTS:
    void initTestCase()
    {
        guitest::prepareApplication();
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(m_dir.isValid());
        m_pair.originalPath = m_dir.filePath(u"photo.jpg"_s);
        m_pair.cleanedPath = m_dir.filePath(u"photo_cleaned.jpg"_s);
        QVERIFY(testutil::copySample(u"jpeg_reagan_gps_xmp_iptc_icc_irb_adobe.jpg"_s, m_pair.originalPath));
        int status = -1;
        testutil::runExifTool({u"-all="_s, u"-o"_s, m_pair.cleanedPath, m_pair.originalPath}, &status);
        QCOMPARE(status, 0);
        const QStringList listing = MetadataCompare::listingArguments();
        m_pair.originalOutput = testutil::runExifTool(listing + QStringList {m_pair.originalPath});
        m_pair.cleanedOutput = testutil::runExifTool(listing + QStringList {m_pair.cleanedPath});
        // What the run's verification would report as still identifying.
        m_pair.residue = {{ResidueCategory::Software, u"Adobe:DCTEncodeVersion"_s, u"100"_s}};
    }

    void repeatedAndChangedTags()
    {
        // Repeated tags (-a) pair up in order; a value that differs is "changed"; a tag only
        // the cleaned file has is "added".
        const QString before = u"[IFD0]  Artist  : A\n[IFD0]  Artist  : B\n[XMP-x]  XMPToolkit  : 1\n"_s;
        const QString after = u"[IFD0]  Artist  : B\n[XMP-x]  XMPToolkit  : 2\n[JFIF]  JFIFVersion  : 1.01\n"_s;
        const QList<MetadataCompare::Row> rows
            = MetadataCompare::compare(MetadataCompare::parseListing(before), MetadataCompare::parseListing(after));
        QList<Change> changes;
        for (const MetadataCompare::Row &row : rows)
            changes << row.change;
        QCOMPARE(changes, (QList<Change> {Change::Removed, Change::Kept, Change::Changed, Change::Added}));
        QCOMPARE(rows.at(2).cleanedValue, u"2"_s);
    }

    // The window: removed tags struck through, kept ones in bold, identifying ones marked
    // with their kind; the removed ones can be hidden.
    void compareWindow()
    {
        MetadataViewer report(m_pair);
        QVERIFY(guitest::shoot(report, u"viewer-compare"_s));
        // tools/screenshots.sh also runs this in other languages; the words are English.
        if (!qEnvironmentVariableIsEmpty("QUILLMARK_SCREENSHOT_DIR") && QLocale().language() != QLocale::C
            && QLocale().language() != QLocale::English)
            QSKIP("The texts are checked in English");
        QVERIFY(report.lblSummary->text().contains(m_pair.originalPath));
        QVERIFY(report.lblSummary->text().contains(u"1 of the kept tags can identify you"_s));

        const QTextBlock gps = lineWith(report, u"[GPS] GPSVersionID"_s);
        QVERIFY(gps.text().startsWith(u"removed"_s) && gps.begin().fragment().charFormat().fontStrikeOut());
        const QTextBlock kept = lineWith(report, u"[File] ImageWidth"_s);
        const QTextCharFormat keptFormat = kept.begin().fragment().charFormat();
        QVERIFY(kept.text().startsWith(u"KEPT"_s) && !keptFormat.fontStrikeOut());
        QCOMPARE(keptFormat.fontWeight(), int(QFont::Bold));
        const QTextBlock flagged = lineWith(report, u"[Adobe] DCTEncodeVersion"_s);
        QVERIFY2(flagged.text().startsWith(u"!KEPT"_s) && flagged.text().endsWith(u"(Software)"_s),
            qPrintable(flagged.text()));
        // Computed values are last, marked, and in no count.
        const QTextBlock computed = lineWith(report, u"[Composite] ImageSize"_s);
        QVERIFY2(computed.text().startsWith(u"computed"_s)
                && computed.text().endsWith(u"(computed, not stored in the file)"_s),
            qPrintable(computed.text()));
        QVERIFY(!computed.next().isValid() || computed.next().text().startsWith(u"computed"_s));

        report.chkShowRemoved->setChecked(false);
        QVERIFY(!report.txtReport->toPlainText().contains(u"removed"_s));
        QVERIFY(report.txtReport->toPlainText().contains(u"[File] ImageWidth"_s));
    }

    void explainsBeforeCleaning_data()
    {
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QStringList>("edits"); // ExifTool's changes to the copy
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QString>("first"); // the first identifying row, in plain words
        QTest::newRow("camera with GPS")
            << u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s
            << QStringList {u"-GPSLatitude=59.3293"_s, u"-GPSLatitudeRef=N"_s, u"-GPSLongitude=18.0686"_s,
                   u"-GPSLongitudeRef=E"_s}
            << u"This photo reveals where it was taken (GPS), the camera's home time zone, the camera's serial "
               "number, the owner's name, the author's name, a copyright notice, when it was taken, the camera make "
               "and model, the lens make and model and when it was changed."_s
            << u"Location (GPS)"_s;
        QTest::newRow("cleaned") << u"jpeg_canon_eos5d3_gps_xmp_makernotes.jpg"_s << QStringList {u"-all="_s}
                                 << u"Nothing identifying was found in the listing."_s << QString();
    }

    // One file's listing before cleaning says first, in words, what identifies someone,
    // by the rules the run's check uses; ExifTool's listing stays whole below.
    void explainsBeforeCleaning()
    {
        QFETCH(QString, sample);
        QFETCH(QStringList, edits);
        QFETCH(QString, summary);
        QFETCH(QString, first);
        const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()) + u".jpg"_s);
        QVERIFY(testutil::copySample(sample, path));
        int status = -1;
        testutil::runExifTool(QStringList {u"-overwrite_original"_s} + edits + QStringList {path}, &status);
        QCOMPARE(status, 0);
        const QString output = testutil::runExifTool({u"-a"_s, u"-G1"_s, u"-s"_s, path});
        MetadataViewer report(output, nullptr, path);
        QVERIFY(guitest::shoot(report, u"viewer-before-"_s + QString::fromLatin1(QTest::currentDataTag())));
        QCOMPARE(report.lblRevealSummary->text(), summary);
        QCOMPARE(report.txtReport->toPlainText(), MetadataViewer::textToShow(output));
        QCOMPARE(report.twIdentifying->isVisibleTo(&report), !first.isEmpty());
        if (first.isEmpty())
            return;
        const QTreeWidgetItem *top = report.twIdentifying->topLevelItem(0);
        QCOMPARE(top->text(0), first);
        QCOMPARE(top->child(0)->text(1), u"GPS:GPSLatitudeRef"_s);
        QStringList kinds;
        for (int i = 0; i < report.twIdentifying->topLevelItemCount(); ++i)
            kinds << report.twIdentifying->topLevelItem(i)->text(0);
        for (const QString &kind : {u"Camera serial number"_s, u"Owner name"_s})
            QVERIFY2(kinds.contains(kind), qPrintable(kinds.join(u", "_s)));
    }

    // Never larger than the screen's free area, frame included; a fixed-pitch font, text
    // found and copied. (The titles: tst_gui_layout's pages.)
    void viewerWindow()
    {
        QWidget owner;
        owner.resize(300, 200);
        owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        MetadataViewer report(m_pair.originalOutput, &owner, m_pair.originalPath);
        report.show();
        QVERIFY(QTest::qWaitForWindowExposed(&report));
        const QRect frame = report.frameGeometry();
        QVERIFY2(report.screen()->availableGeometry().contains(frame),
            qPrintable(u"%1x%2"_s.arg(frame.width()).arg(frame.height())));
        QVERIFY(report.width() <= 745 && report.height() <= 593);
        const QFontMetrics metrics(report.txtReport->font());
        QCOMPARE(metrics.horizontalAdvance(u"iiiiii"_s), metrics.horizontalAdvance(u"WWWWWW"_s));

        // Ctrl+F opens the find box; Enter finds the next match, round the end once.
        QVERIFY(!report.txtFind->isVisible());
        report.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&report));
        QTest::keyClick(&report, Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(report.txtFind->isVisible());
        QTest::keyClicks(report.txtFind, u"gpsversionid"_s);
        QCOMPARE(report.txtReport->textCursor().selectedText().toLower(), u"gpsversionid"_s);
        const int first = report.txtReport->textCursor().position();
        QVERIFY(report.find());
        QVERIFY(report.txtReport->textCursor().position() != first || report.find());
        report.txtFind->setText(u"no such text anywhere"_s);
        QVERIFY(!report.find());
        QCOMPARE(report.lblFindResult->text(), u"Not found"_s);
        QTest::keyClick(report.txtFind, Qt::Key_Escape);
        QVERIFY(!report.txtFind->isVisible() && report.isVisible());

        // Read-only, but selectable from the keyboard.
        QVERIFY(report.txtReport->textInteractionFlags() & Qt::TextSelectableByKeyboard);
        report.txtReport->selectAll();
        report.txtReport->copy();
        QCOMPARE(QApplication::clipboard()->text(), report.txtReport->toPlainText());
    }

    // Distinct pictures for the five statuses, each drawn (not an empty icon).
    void statusIconsDiffer()
    {
        QList<QImage> images;
        for (FileStatus s : {FileStatus::Cleaned, FileStatus::Residue, FileStatus::Unchanged, FileStatus::Failed,
                 FileStatus::Skipped}) {
            const QImage image = OutcomeListModel::statusIcon(s).pixmap(16, 16).toImage();
            QVERIFY(!image.isNull() && !images.contains(image));
            images << image;
        }
    }
};

QTEST_MAIN(TestGuiViewer)
#include "tst_gui_viewer.moc"
