// The Finished page after a run with real ExifTool: the residue and left-out lines under
// the summary and one row per image with its status icon and tooltip, residue first.

#include "core/PathList.h"
#include "gui/OutcomeListModel.h"
#include "guitestutil.h"

#include <QPlainTextEdit>
#include <QRegularExpression>

using namespace Qt::StringLiterals;
using guitest::doubleClickRow;
using guitest::rowTexts;

class TestGuiOutcomes final : public QObject {
    Q_OBJECT

    std::unique_ptr<guitest::Sandbox> m_box;

    static QVariant rowData(QTreeView *view, int row, int role) { return view->model()->index(row, 0).data(role); }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        guitest::prepareApplication();
        m_box = std::make_unique<guitest::Sandbox>();
        QVERIFY(m_box->isValid());
    }

    // One row per image, with its status icon and tooltip, residue first; files left out
    // while adding (a video found in the folder, a file named by a drop that is no image)
    // are rows too, and the summary says what was left out, while a text file in the folder
    // is no image and not spoken of. Remove All forgets them.
    void finishedPageShowsEveryOutcome()
    {
        const QString folder = m_box->imageFolder(u"mixed"_s,
            {u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s, u"cr2_canon_350d.cr2"_s, u"jpeg_truncated_in_app1.jpg"_s,
                u"png_exif_gps_xmp.png"_s});
        QVERIFY(QFile::copy(testutil::sample(u"png_exif_gps_xmp.png"_s), folder + u"/clip.mov"_s));
        QVERIFY(guitest::writeFile(folder + u"/notes.txt"_s, "x"));
        QVERIFY(guitest::writeFile(m_box->path(u"fix.diff"_s), "x"));
        auto w = m_box->filesPage(folder);
        auto *lblNumFileAdded = guitest::child<QLabel>(*w, "lblNumFileAdded");
        auto *lblExecuteInfo = guitest::child<QLabel>(*w, "lblExecuteInfo");
        auto *lwFilesCleaned = guitest::child<QTreeView>(*w, "lwFilesCleaned");
        QVERIFY(guitest::drop(guitest::child<QTreeView>(*w, "lwFiles")->viewport(), {m_box->path(u"fix.diff"_s)}));
        const QString leftOut = u"2 files were left out: 1 video, 1 file that is not a supported image."_s;
        QTRY_COMPARE(lblNumFileAdded->toolTip(), leftOut);
        QCOMPARE(w->lstFiles().ListCount(), 4);
        QVERIFY(guitest::runToFinishedPage(*w));

        // The summary keeps its text and gains a line for what is left and what was left out.
        const QString info = lblExecuteInfo->text();
        QVERIFY2(info.startsWith(u"3 images processed"_s), qPrintable(info));
        QVERIFY2(info.contains(u"\n1 image still carries identifying metadata."_s), qPrintable(info));
        QVERIFY2(info.endsWith(u'\n' + leftOut), qPrintable(info));

        // Every image has a row: residue first, then the failed one, the left-out ones, the clean ones.
        QCOMPARE(rowTexts(lwFilesCleaned),
            (QStringList {u"cr2_canon_350d_cleaned.cr2"_s, u"jpeg_truncated_in_app1.jpg"_s, u"clip.mov"_s,
                u"fix.diff"_s, u"jpeg_iphone4s_gps_xmp_makernotes_cleaned.jpg"_s, u"png_exif_gps_xmp_cleaned.png"_s}));
        const QList<FileStatus> statuses {FileStatus::Residue, FileStatus::Failed, FileStatus::Skipped,
            FileStatus::Skipped, FileStatus::Cleaned, FileStatus::Cleaned};
        for (int row = 0; row < statuses.size(); ++row) {
            QCOMPARE(FileStatus(rowData(lwFilesCleaned, row, OutcomeListModel::StatusRole).toInt()), statuses.at(row));
            const QIcon icon = rowData(lwFilesCleaned, row, Qt::DecorationRole).value<QIcon>();
            QCOMPARE(
                icon.pixmap(16, 16).toImage(), OutcomeListModel::statusIcon(statuses.at(row)).pixmap(16, 16).toImage());
        }
        // The tooltip says what is left, by category, or why nothing was written.
        const QString residueTip = rowData(lwFilesCleaned, 0, Qt::ToolTipRole).toString();
        QVERIFY2(residueTip.contains(u"device: Canon:SerialNumber"_s), qPrintable(residueTip));
        const QString failedTip = rowData(lwFilesCleaned, 1, Qt::ToolTipRole).toString();
        QVERIFY2(failedTip.startsWith(u"Failed"_s), qPrintable(failedTip));
        QVERIFY(rowData(lwFilesCleaned, 2, Qt::ToolTipRole).toString().contains(u"Left out: videos are not cleaned"_s));
        QVERIFY(rowData(lwFilesCleaned, 3, Qt::ToolTipRole).toString().contains(u"Not a supported image type."_s));
        QVERIFY(rowData(lwFilesCleaned, 5, Qt::ToolTipRole).toString().startsWith(u"Cleaned"_s));

        // A double click compares the output with its original, what is left first; a
        // failed or left-out row has no output to show.
        const Prompts::Record residueView = doubleClickRow(lwFilesCleaned, 0);
        QCOMPARE(residueView.kind, Prompts::Kind::Modal);
        QVERIFY2(residueView.text.contains(u"[Canon] SerialNumber"_s), qPrintable(residueView.text));
        QCOMPARE(doubleClickRow(lwFilesCleaned, 1).text, QString());
        QCOMPARE(doubleClickRow(lwFilesCleaned, 2).text, QString());

        w->goBack();
        w->removeAllImages();
        QCOMPARE(lblNumFileAdded->toolTip(), QString());
        w->addFile(folder + u"/png_exif_gps_xmp.png"_s);
        w->updateControls();
        QVERIFY(QFile::remove(folder + u"/png_exif_gps_xmp_cleaned.png"_s));
        QVERIFY(guitest::runToFinishedPage(*w));
        QVERIFY2(!lblExecuteInfo->text().contains(u"left out"_s), qPrintable(lblExecuteInfo->text()));
        QCOMPARE(lwFilesCleaned->model()->rowCount(), 1);
    }

    // Distinct pictures for the five statuses, each drawn (not an empty icon).
    void statusIconsDiffer()
    {
        QList<QImage> images;
        for (FileStatus s : {FileStatus::Cleaned, FileStatus::Residue, FileStatus::Unchanged, FileStatus::Failed,
                 FileStatus::Skipped}) {
            const QImage image = OutcomeListModel::statusIcon(s).pixmap(16, 16).toImage();
            QVERIFY(!image.isNull());
            QVERIFY(!images.contains(image));
            images << image;
        }
    }

    // The order rule on its own, with the run's order kept within a status.
    void rowOrder()
    {
        PathList paths;
        OutcomeListModel model(paths);
        const auto outcome = [](const QString &name, FileStatus s) {
            return FileOutcome {u"/in/"_s + name,
                s == FileStatus::Failed || s == FileStatus::Skipped ? QString() : u"/out/"_s + name, s, {}, {}};
        };
        model.setOutcomes({outcome(u"a"_s, FileStatus::Cleaned), outcome(u"b"_s, FileStatus::Skipped),
            outcome(u"c"_s, FileStatus::Unchanged), outcome(u"d"_s, FileStatus::Residue),
            outcome(u"e"_s, FileStatus::Failed), outcome(u"f"_s, FileStatus::Residue)});
        QStringList names;
        for (int r = 0; r < model.rowCount(); ++r)
            names << model.index(r).data().toString();
        QCOMPARE(names, (QStringList {u"d"_s, u"f"_s, u"c"_s, u"e"_s, u"b"_s, u"a"_s}));
        // The viewer's path list follows the rows: outputs, empty where none exists.
        QCOMPARE(paths.toStringList(),
            (QStringList {u"/out/d"_s, u"/out/f"_s, u"/out/c"_s, QString(), QString(), u"/out/a"_s}));
    }
};

QTEST_MAIN(TestGuiOutcomes)
#include "tst_gui_outcomes.moc"
