// Originals that survive anything: runs at once over the same images, links planted
// where outputs go, name clashes, moves that fail, and what overwriting in place keeps
// of a file's identity. Real ExifTool, real quillmark-cli, real files.

#include "core/KeepValues.h"
#include "jobfixtures.h"
#include "jobtestutil.h"

#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSmallJpeg = u"jpeg_iphone4s_gps_xmp_makernotes.jpg"_s; // GPS, orientation 6

bool hasGps(const QString &path)
{
    return !testutil::runExifTool({u"-s3"_s, u"-GPSLatitude"_s, path}).trimmed().isEmpty();
}

// Staging folders or ExifTool temporary files left anywhere below `folder`.
QStringList leftovers(const QString &folder)
{
    QStringList found;
    QDirIterator it(
        folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = it.fileName();
        if (name.startsWith(u".qmk-stage-"_s) || name.endsWith(u"_exiftool_tmp"_s))
            found << path;
    }
    return found;
}

QByteArray xattrOf(const QString &path, const char *name)
{
    QByteArray value(4096, '\0');
    const ssize_t n = ::getxattr(QFile::encodeName(path).constData(), name, value.data(), size_t(value.size()));
    return n < 0 ? QByteArray() : value.left(n);
}

} // namespace

class TestOriginals final : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_serial = 0;

    QString freshFolder(const QString &name)
    {
        return testutil::freshFolder(m_dir.path() + u'/' + name + QString::number(++m_serial));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QUILLMARK_REQUIRE_EXIFTOOL();
        QVERIFY(m_dir.isValid());
    }

    // Four runs at once over the same images, in place and into a folder, some replacing
    // existing outputs, with one temporary folder: every original stays, untouched or wholly
    // cleaned; no run fails for what another did; nothing is left behind.
    void overlappingRuns()
    {
        const QList<QStringList> modes {{u"--output"_s, u"overwrite"_s}, {u"--output"_s, u"overwrite"_s},
            {u"--output"_s, u"overwrite"_s, u"--overwrite-existing"_s},
            {u"--output"_s, u"folder=OUT"_s, u"--overwrite-existing"_s}};
        constexpr int count = 104;
        constexpr int rounds = 3;
        for (int round = 0; round < rounds; ++round) {
            const QString folder = testutil::folderOfCopies(freshFolder(u"overlap"_s), kSmallJpeg, count);
            const QString out = folder + u"-out"_s;
            const QByteArray original = testutil::sha256(folder + u"/img000.jpg"_s);
            const QString temp = freshFolder(u"tmp"_s);
            QList<QProcess *> runs;
            QStringList reports;
            for (qsizetype r = 0; r < modes.size(); ++r) {
                QStringList args = modes.at(r);
                args.replaceInStrings(u"folder=OUT"_s, u"folder="_s + out);
                reports << folder + u"-report"_s + QString::number(r) + u".json"_s;
                runs << testutil::startCli(
                    args + QStringList {u"--jobs"_s, u"2"_s, u"--report"_s, reports.last(), folder}, temp, this);
            }
            for (QProcess *p : std::as_const(runs)) {
                QVERIFY(p->waitForFinished(180000));
                QCOMPARE(p->exitStatus(), QProcess::NormalExit);
                QVERIFY2(p->exitCode() == 0 || p->exitCode() == 1, p->readAllStandardError().constData());
            }
            for (int i = 0; i < count; ++i) {
                const QString image = folder + u"/img"_s + QString::number(i).rightJustified(3, u'0') + u".jpg"_s;
                QVERIFY2(QFile::exists(image), qPrintable(u"lost: "_s + image));
                if (testutil::sha256(image) == original)
                    continue; // untouched
                QVERIFY2(testutil::jpegIsWhole(image), qPrintable(image));
                QVERIFY2(!holdsExifPlaceholder(image), qPrintable(image));
                QVERIFY2(!hasGps(image), qPrintable(image));
            }
            QCOMPARE(leftovers(folder), QStringList());
            QCOMPARE(testutil::filesIn(temp, u"qmk_args*"_s), QStringList());
            QCOMPARE(QDir(temp).entryList({u"qmk-run-*"_s}, QDir::Dirs), QStringList());
            // Every image of every run: cleaned, or left to the run that had it.
            for (const QString &report : std::as_const(reports)) {
                const QHash<QString, QJsonObject> outcomes = testutil::reportByInput(testutil::readFile(report));
                QCOMPARE(outcomes.size(), count);
                for (const QJsonObject &o : outcomes) {
                    const QString status = o.value(u"status"_s).toString();
                    const QString message = o.value(u"message"_s).toString();
                    QVERIFY2(status == u"cleaned"
                            || (status == u"skipped" && message.contains(u"in use by another run"_s))
                            || (status == u"failed" && message.contains(u"already exists"_s)),
                        qPrintable(status + u": "_s + message));
                }
            }
            qDeleteAll(runs);
        }
    }

    // A symbolic link at an output path, planted before the run or while it runs, is
    // never written through: nothing is created outside the chosen folder.
    void linksAtOutputs_data() { testutil::boolRows("duringRun", "before, replaced", "during the run"); }
    void linksAtOutputs()
    {
        QFETCH(bool, duringRun);
        const QString folder = testutil::folderOfCopies(freshFolder(u"links"_s), kSmallJpeg, 130);
        const QString outside = freshFolder(u"outside"_s);
        const testutil::RunOutputs outputs(JobOptions {}, testutil::RunOutputs::imagesIn(folder));
        const auto outputOf = [&](int i) { return outputs.outputOf(i); };
        const auto targetOf = [&](int i) { return outside + u"/bashrc"_s + QString::number(i); };
        const auto plant = [&](int from) {
            for (int i = from; i < 130; ++i)
                if (!QFileInfo::exists(outputOf(i)) && !QFileInfo(outputOf(i)).isSymLink())
                    QFile::link(targetOf(i), outputOf(i));
        };
        if (!duringRun)
            plant(0);

        CleanJob job(JobOptions {}, testutil::jobEnvironment(m_dir.path(), freshFolder(u"linkstmp"_s)));
        job.setOverwriteQuestion([] { return true; });
        QTimer watch;
        bool planted = false;
        if (duringRun) {
            // Once ExifTool has begun writing, every output not yet in place gets a link.
            watch.setInterval(1);
            connect(&watch, &QTimer::timeout, this, [&] {
                if (planted)
                    return;
                if (testutil::stagedOutputs(folder) > 0) {
                    plant(0);
                    planted = true;
                }
            });
            watch.start();
        }
        const JobResult r = testutil::runJob(job, outputs.images);
        watch.stop();
        QVERIFY(!duringRun || planted);
        QCOMPARE(QDir(outside).entryList(QDir::Files | QDir::Hidden), QStringList());
        int links = 0;
        for (int i = 0; i < 130; ++i) {
            const QFileInfo output(outputOf(i));
            const FileOutcome &o = r.outcomes.at(i);
            if (output.isSymLink()) {
                ++links;
                QVERIFY(o.status == FileStatus::Skipped || o.status == FileStatus::Failed);
            } else {
                QCOMPARE(o.status, FileStatus::Cleaned);
                QVERIFY(!hasGps(output.filePath()));
            }
        }
        QCOMPARE(links, duringRun ? 130 : 0);
        // Links that appeared while the run went on stop the outputs they stand at.
        if (duringRun)
            for (const FileOutcome &o : r.outcomes)
                QVERIFY2(
                    o.status == FileStatus::Failed && o.message.contains(u"already exists"_s), qPrintable(o.message));
        QCOMPARE(leftovers(folder), QStringList());
    }

    // Failed originals moved to a folder (under a free name) or the trash, or a move that
    // fails and leaves the original: said in the summary, log and report; the good one stays.
    void movesThatFail_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<QString>("name");
        const QString truncated = u"jpeg_truncated_in_app1.jpg"_s;
        QTest::newRow("to a folder, names taken") << u"folder"_s << truncated << u"x.jpg"_s;
        QTest::newRow("to the trash, a raw file") << u"trash"_s << u"raf_broken_poc.raf"_s << u"broken - copy.raf"_s;
        QTest::newRow("target folder is a file") << u"folder is a file"_s << truncated << u"broken.jpg"_s;
    }
    void movesThatFail()
    {
        QFETCH(QString, how);
        QFETCH(QString, sample);
        QFETCH(QString, name);
        const QString folder = freshFolder(u"moves"_s);
        const QString broken = folder + u'/' + name;
        QVERIFY(testutil::copySample(sample, broken));
        QVERIFY(testutil::copySample(kSmallJpeg, folder + u"/good.jpg"_s));
        const QByteArray hash = testutil::sha256(broken);
        const QString temp = freshFolder(u"movestmp"_s);
        const QString home = freshFolder(u"home"_s);
        const QString report = temp + u"/report.json"_s;
        QProcessEnvironment env = testutil::cliEnvironment(temp);
        env.insert(u"HOME"_s, home);
        env.insert(u"XDG_DATA_HOME"_s, home + u"/data"_s);
        const QString where = how.startsWith(u"trash"_s) ? u"trash"_s : home + u"/problems"_s;
        if (how == u"folder") {
            for (const QString &taken : {u"x.jpg"_s, u"x (2).jpg"_s})
                QVERIFY(QDir().mkpath(where) && testutil::writeFile(where + u'/' + taken, {}));
        } else if (how == u"folder is a file") {
            QVERIFY(testutil::writeFile(where, {}));
        }
        const testutil::CliRun run = testutil::runCli({u"--move-failed"_s, where, u"--report"_s, report, folder}, env);
        QCOMPARE(run.exitCode, 1);
        const QJsonObject o = testutil::reportByInput(testutil::readFile(report)).value(broken);
        QCOMPARE(o.value(u"status"_s).toString(), u"failed"_s);
        const QString message = o.value(u"message"_s).toString();
        const QString log = QString::fromUtf8(testutil::readFile(temp + u"/qmk_log.txt"_s));
        QVERIFY2(log.contains(broken), qPrintable(log));
        if (how == u"folder" || how == u"trash") {
            const QString target = how == u"trash" ? u"the trash"_s : where + u'/';
            QVERIFY(!QFile::exists(broken));
            QCOMPARE(
                testutil::sha256(how == u"trash" ? home + u"/data/Trash/files/"_s + name : where + u"/x (3).jpg"_s),
                hash);
            QVERIFY2(run.out.contains(u"1 problem file was moved to %1."_s.arg(target)), qPrintable(run.out));
            QVERIFY2(message.contains(u"moved to "_s + target), qPrintable(message));
        } else {
            QCOMPARE(testutil::sha256(broken), hash);
            QVERIFY2(run.out.contains(u"1 problem file could not be moved"_s), qPrintable(run.out));
            QVERIFY2(!run.out.contains(u"was moved"_s), qPrintable(run.out));
            QVERIFY2(log.contains(u"The original could not be moved: "_s), qPrintable(log));
            QVERIFY(!QFile::exists(QDir::currentPath() + u"/files/broken.jpg"_s)); // nothing strayed
            QVERIFY(message.contains(u"could not be moved"_s));
        }
        QVERIFY(QFile::exists(folder + u"/good.jpg"_s));
    }

    // Overwriting in place keeps who may do what with the file, drops what identifies
    // where it came from, and says when other names of it keep the old metadata.
    void identityInPlace()
    {
        const QString folder = freshFolder(u"identity"_s);
        const QString image = folder + u"/photo.jpg"_s;
        const QString other = folder + u"/same photo.jpg"_s;
        const QString perms = folder + u"/setgid.jpg"_s;
        const QString listed = folder + u"/acl.jpg"_s;
        const QString target = folder + u"/target.jpg"_s;
        const QString link = folder + u"/link.jpg"_s;
        for (const QString &f : {image, perms, listed, target})
            QVERIFY(testutil::copySample(kSmallJpeg, f));
        QVERIFY(QFile::link(u"target.jpg"_s, link));
        QVERIFY(::link(QFile::encodeName(image).constData(), QFile::encodeName(other).constData()) == 0);
        QVERIFY(::chmod(QFile::encodeName(perms).constData(), 02640) == 0);
        QVERIFY(::chown(QFile::encodeName(perms).constData(), ::geteuid(), 12345) == 0 || ::geteuid() != 0);
        // A POSIX access control list as the kernel takes it in system.posix_acl_access (version 2,
        // then tag, permissions, id): owner rw, user 4321 rw, group r, mask rw, other r.
        const QByteArray acl = QByteArray::fromHex("02000000"
                                                   "01000600ffffffff"
                                                   "02000600e1100000"
                                                   "04000400ffffffff"
                                                   "10000600ffffffff"
                                                   "20000400ffffffff");
        const bool aclSupported = ::setxattr(QFile::encodeName(listed).constData(), "system.posix_acl_access",
                                      acl.constData(), size_t(acl.size()), 0)
            == 0;
        const bool userXattrs = ::setxattr(QFile::encodeName(listed).constData(), "user.xdg.origin.url",
                                    "https://example.org/me.jpg", 26, 0)
            == 0;
        struct stat permsBefore { };
        QVERIFY(::stat(QFile::encodeName(perms).constData(), &permsBefore) == 0);
        struct stat listedBefore { };
        QVERIFY(::stat(QFile::encodeName(listed).constData(), &listedBefore) == 0);

        const QString temp = freshFolder(u"idtmp"_s);
        const QString report = temp + u"/report.json"_s;
        const testutil::CliRun run
            = testutil::runCli({u"--output"_s, u"overwrite"_s, u"--report"_s, report, image, perms, listed, link},
                testutil::cliEnvironment(temp));
        QCOMPARE(run.exitCode, 1); // the hard link's other name still holds everything
        const QHash<QString, QJsonObject> outcomes = testutil::reportByInput(testutil::readFile(report));

        QCOMPARE(outcomes.value(image).value(u"status"_s).toString(), u"residue"_s);
        QVERIFY2(outcomes.value(image).value(u"message"_s).toString().contains(u"1 other name"_s),
            qPrintable(outcomes.value(image).value(u"message"_s).toString()));
        QVERIFY(!hasGps(image));
        QVERIFY(hasGps(other));

        struct stat st { };
        QVERIFY(::stat(QFile::encodeName(perms).constData(), &st) == 0);
        QCOMPARE(outcomes.value(perms).value(u"status"_s).toString(), u"cleaned"_s);
        QCOMPARE(st.st_mode & 07777, permsBefore.st_mode & 07777);
        QCOMPARE(st.st_gid, permsBefore.st_gid);
        QCOMPARE(st.st_uid, permsBefore.st_uid);
        QVERIFY(!hasGps(perms));

        QCOMPARE(outcomes.value(listed).value(u"status"_s).toString(), u"cleaned"_s);
        QVERIFY(::stat(QFile::encodeName(listed).constData(), &st) == 0);
        QCOMPARE(st.st_mode & 07777, listedBefore.st_mode & 07777);
        if (aclSupported)
            QCOMPARE(xattrOf(listed, "system.posix_acl_access"), acl);
        if (userXattrs)
            QVERIFY(xattrOf(listed, "user.xdg.origin.url").isEmpty());

        // A link named in place: the picture it shows is cleaned, the link stays a link.
        QCOMPARE(outcomes.value(link).value(u"status"_s).toString(), u"cleaned"_s);
        QVERIFY(QFileInfo(link).isSymLink());
        QVERIFY(!hasGps(target));
    }

    // A damaged output is never counted or left as a cleaned file; in place, it never
    // replaces the original.
    void damagedOutputs_data() { testutil::boolRows("overwrite", "suffix", "in place"); }
    void damagedOutputs()
    {
        QFETCH(bool, overwrite);
        const QString folder = freshFolder(u"damaged"_s);
        // Picture data cut off: ExifTool rewrites the header and copies what is there.
        QByteArray data = testutil::readFile(testutil::sample(kSmallJpeg));
        data.chop(data.size() / 3);
        const QString cut = folder + u"/cut.jpg"_s;
        QVERIFY(testutil::writeFile(cut, data));
        QVERIFY(testutil::copySample(kSmallJpeg, folder + u"/good.jpg"_s));
        const QByteArray before = testutil::sha256(cut);
        const QString temp = freshFolder(u"damtmp"_s);
        const QString report = temp + u"/report.json"_s;
        const testutil::CliRun run
            = testutil::runCli((overwrite ? QStringList {u"--output"_s, u"overwrite"_s} : QStringList {})
                    + QStringList {u"--report"_s, report, folder},
                testutil::cliEnvironment(temp));
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.out.startsWith(u"1 image processed"_s), qPrintable(run.out));
        const QJsonObject o = testutil::reportByInput(testutil::readFile(report)).value(cut);
        QCOMPARE(o.value(u"status"_s).toString(), u"failed"_s);
        QVERIFY2(o.value(u"message"_s).toString().contains(u"damaged"_s), qPrintable(o.value(u"message"_s).toString()));
        if (overwrite)
            QCOMPARE(testutil::sha256(cut), before);
        else
            QVERIFY(!QFile::exists(folder + u"/cut_cleaned.jpg"_s));
        QVERIFY(QString::fromUtf8(testutil::readFile(temp + u"/qmk_log.txt"_s)).contains(u"cut"_s));
        QCOMPARE(leftovers(folder), QStringList());
    }

    // An output an earlier run did not finish (cut short by a power loss, or its placeholder
    // never filled) is no "existing output" to keep: a rerun replaces it without asking.
    void unfinishedOutputsOfAnEarlierRun_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("placeholder unfilled") << u"placeholder"_s;
        QTest::newRow("cut short") << u"cut"_s;
    }
    void unfinishedOutputsOfAnEarlierRun()
    {
        QFETCH(QString, how);
        const QString folder = testutil::folderOfCopies(freshFolder(u"unfinished"_s), kSmallJpeg, 2);
        const QString output = folder + u"/img000_cleaned.jpg"_s;
        const QString kept = folder + u"/img001_cleaned.jpg"_s;
        testutil::runExifTool({u"-all="_s, u"-o"_s, kept, folder + u"/img001.jpg"_s});
        const QByteArray keptHash = testutil::sha256(kept);
        if (how == u"placeholder") {
            testutil::runExifTool(
                {u"-all="_s, u"-Comment="_s + QString(6 + 60, u'x'), u"-o"_s, output, folder + u"/img000.jpg"_s});
            QVERIFY(holdsExifPlaceholder(output));
        } else {
            testutil::runExifTool({u"-all="_s, u"-o"_s, output, folder + u"/img000.jpg"_s});
            QFile f(output);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(f.size() / 2));
        }
        const QString temp = freshFolder(u"unfinishedtmp"_s);
        const testutil::CliRun run = testutil::runCli({folder}, testutil::cliEnvironment(temp));
        QVERIFY2(run.exitCode == 0, qPrintable(run.out + run.err));
        // The unfinished one is cleaned again; a whole earlier output is kept as it was.
        QVERIFY2(run.out.startsWith(u"1 image processed"_s), qPrintable(run.out));
        QVERIFY2(run.out.contains(u"1 existing output was kept."_s), qPrintable(run.out));
        QVERIFY(testutil::jpegIsWhole(output));
        QVERIFY(!holdsExifPlaceholder(output));
        QCOMPARE(testutil::runExifTool({u"-s3"_s, u"-n"_s, u"-Orientation"_s, output}).trimmed(), u"6"_s);
        QCOMPARE(testutil::sha256(kept), keptHash);
    }
};

QTEST_GUILESS_MAIN(TestOriginals)
#include "tst_originals.moc"
