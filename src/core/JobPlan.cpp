#include "core/CleanJobItem_p.h"
#include "core/ImageFiles.h"
#include "core/JobFiles.h"
#include "core/NativePath.h"
#include "core/Staging.h"
#include "core/SystemFolders.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <climits>
#include <cmath>
#include <dirent.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace JobDetail;

QString outputPathFor(const QString &input, const JobOptions &options, const QString &programFolder)
{
    const qsizetype slash = input.lastIndexOf(u'/');
    const QString folder = input.left(slash + 1);
    const QString fileName = input.mid(slash + 1);
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString extension = dot >= 0 ? fileName.mid(dot) : QString();
    const QString baseName = dot >= 0 ? fileName.left(dot) : fileName;

    switch (options.outputMode) {
    case OutputMode::Overwrite:
        return input;
    case OutputMode::Folder: {
        QString out = options.outputFolder;
        if (!out.endsWith(u'/'))
            out += u'/';
        if (QDir::isRelativePath(out))
            out = joinPath(programFolder, out);
        return out + baseName + extension;
    }
    case OutputMode::Prefix:
        return folder + options.prefix + baseName + extension;
    case OutputMode::Suffix:
        return folder + baseName + options.suffix + extension;
    }
    return input;
}

QString untakenOutput(const QString &output, QSet<QString> &taken)
{
    QString out = output;
    const QString folder = GetFolderFromPath(out);
    const QString name = GetFileName(out);
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString stem = dot > 0 ? name.left(dot) : name;
    const QString extension = dot > 0 ? name.mid(dot) : QString();
    for (int k = 2; taken.contains(out); ++k)
        out = folder + stem + u" ("_s + QString::number(k) + u')' + extension;
    taken.insert(out);
    return out;
}

bool isLiteralArgfilePath(const QString &path, bool forOutput)
{
    if (!path.startsWith(u'/'))
        return false;
    if (path.contains(u'\n') || path.contains(u'\r'))
        return false;
    if (forOutput && path.contains(u'%'))
        return false;
    return true;
}

QString expandOutputPattern(const QString &pattern, const QString &input)
{
    // The split ExifTool makes: folder with its '/', name, and the last extension.
    static const QRegularExpression split(
        u"^(.*?)([^/]*?)(\\.[^./]*)?$"_s, QRegularExpression::DotMatchesEverythingOption);
    const auto m = split.match(input);
    const QString d = m.captured(1);
    const QString f = m.captured(2);
    const QString e = m.captured(3).mid(1);
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern.at(i) == u'%' && i + 1 < pattern.size()) {
            const QChar code = pattern.at(i + 1);
            if (code == u'd' || code == u'f' || code == u'e') {
                out += code == u'd' ? d : code == u'f' ? f : e;
                ++i;
                continue;
            }
        }
        out += pattern.at(i);
    }
    // An output folder keeps the file's name.
    if (out.endsWith(u'/'))
        out += GetFileName(input);
    // ExifTool folds doubled slashes, except at the start.
    static const QRegularExpression doubled(u"(?!^)//"_s);
    out.replace(doubled, u"/"_s);
    return out;
}

QString CleanJob::stagingPattern(int batch) const
{
    const QString name = StagingArea::prefix() + m_runToken + u'-' + QString::number(batch) + u'/';
    if (m_options.outputMode == OutputMode::Folder)
        return m_outputFolder + name;
    return u"%d"_s + name;
}

bool CleanJob::stageItem(Item &item, int index, int batch, QSet<QString> &taken)
{
    // ExifTool writes into the staging folder beside the output. Images whose names it
    // reads literally share one "-o" pattern; the others get a command of their own, a
    // name that is not literal a stand-in: a symbolic link with a plain name in the
    // run's private work folder.
    QString error;
    const QString folder = m_staging->folderFor(GetFolderFromPath(item.output), batch, &error);
    if (folder.isEmpty()) {
        item.state = Item::State::Failed;
        item.reason = u"Error: "_s + error + u" - "_s + item.input;
        return false;
    }
    const QString source = m_options.outputMode == OutputMode::Overwrite ? item.output : item.input;
    // An output folder ("-o DIR/") takes the input's file name, and ExifTool expands '%'
    // codes in it even there, so such an input gets a plain name too.
    const bool inputLiteral = isLiteralArgfilePath(source, false) && !GetFileName(source).contains(u'%');
    item.etInput = source;
    item.etOutFolder.clear();
    if (inputLiteral && isLiteralArgfilePath(folder + u'/', true)) {
        const QString result = folder + u'/' + GetFileName(source);
        if (expandOutputPattern(stagingPattern(batch), source) == result && !taken.contains(result)) {
            taken.insert(result);
            item.grouped = true;
            item.etResult = item.staged = result;
            return true;
        }
    }
    item.grouped = false;
    const QString own = folder + u'/' + QString::number(index);
    if (::mkdir(encodePath(own).constData(), 0700) != 0) {
        item.state = Item::State::Failed;
        item.reason = u"Error: Cannot write in %1: %2 - %3"_s.arg(folder, systemErrorText(errno), item.input);
        return false;
    }
    QString extension = QFileInfo(source).suffix();
    extension.remove(QRegularExpression(u"[^A-Za-z0-9]"_s));
    if (!inputLiteral) {
        const QString stage = m_work->path() + u"/stage"_s;
        if (!FolderExists(stage))
            QDir().mkdir(stage);
        item.etInput = stage + u'/' + QString::number(index) + u"-in."_s + extension;
        if (!linkPath(source, item.etInput)) {
            item.state = Item::State::Failed;
            item.reason = u"Error: Cannot create a work file in %1 - %2"_s.arg(stage, item.input);
            return false;
        }
    }
    if (isLiteralArgfilePath(own + u'/', true)) {
        item.etOutFolder = own + u'/';
    } else {
        // A folder ExifTool cannot be told literally: it writes into the work folder, and
        // the result is moved to the staging folder.
        item.etOutFolder = m_work->path() + u"/stage/"_s + QString::number(index) + u"-out/"_s;
        if (!QDir().mkpath(item.etOutFolder)) {
            item.state = Item::State::Failed;
            item.reason = u"Error: Cannot create a work file in %1 - %2"_s.arg(m_work->path(), item.input);
            return false;
        }
    }
    item.etResult = item.etOutFolder + GetFileName(item.etInput);
    item.staged = own + u'/' + GetFileName(item.etInput);
    return true;
}

bool CleanJob::planStep()
{
    Plan &p = *m_plan;
    const QStringList &images = m_images;
    JobResult &result = m_result;
    const int n = int(images.size());
    const int end = std::min(n, p.i + SliceSize);
    const bool overwrite = m_options.outputMode == OutputMode::Overwrite;

    const auto leaveOut = [&](int i, FileStatus status, const QString &message) {
        FileOutcome outcome;
        outcome.input = images.at(i);
        outcome.status = status;
        outcome.message = message;
        m_leftOut << outcome;
        m_leftOutAt << i;
    };
    const auto absolute = [this](const QString &path) {
        return QDir::isAbsolutePath(path) ? path : joinPath(m_env.programFolder, path);
    };

    switch (p.step) {
    case Plan::Step::Identities:
        // Identities of every input, so an existing output that is itself one of this
        // run's images is never replaced; and every output the run will make, so an input
        // that is one of them (the output of an earlier run) is left out instead of being
        // cleaned into "photo_cleaned_cleaned.jpg".
        for (; p.i < end && !stopRequested(); ++p.i) {
            const int i = p.i;
            p.inputIds[i] = FileIdentity::of(images.at(i));
            if (overwrite)
                continue;
            QString out = outputPathFor(images.at(i), m_options, m_env.programFolder);
            if (m_options.outputMode == OutputMode::Folder) {
                // Two images of one run never share an output: the camera layout
                // 100CANON/IMG_0001.JPG, 101CANON/IMG_0001.JPG gives IMG_0001.JPG and
                // IMG_0001 (2).JPG, the same way on every run over the same list.
                const QString wanted = out;
                out = untakenOutput(wanted, p.plannedOutputs);
                p.renamed[i] = out != wanted;
            }
            p.outputs[i] = out;
            if (out != images.at(i))
                ++p.outputNames[out];
            p.existingOutputIds[i] = FileIdentity::of(out).key();
            if (const QString &id = p.existingOutputIds[i]; !id.isEmpty() && id != p.inputIds[i].key())
                ++p.outputIds[id];
        }
        if (p.i < n && !stopRequested())
            return false;
        for (int i = 0; i < n; ++i) {
            if (!overwrite)
                p.earlier[i] = p.outputNames.contains(images.at(i))
                    || (p.inputIds[i].valid && p.outputIds.contains(p.inputIds[i].key()));
            if (!p.earlier[i] && p.inputIds[i].valid)
                p.inputIdentities.insert(p.inputIds[i].key());
        }
        p.step = Plan::Step::Staging;
        p.i = 0;
        return false;

    case Plan::Step::Staging:
        // The staging folders a killed run left beside the outputs go first.
        for (; p.i < end && !stopRequested(); ++p.i) {
            const int i = p.i;
            const QString folder = GetFolderFromPath(overwrite ? absolute(images.at(i)) : p.outputs.at(i));
            if (!folder.isEmpty() && !p.folders.contains(folder)) {
                p.folders.insert(folder);
                removeAbandonedStaging(folder);
            }
        }
        if (p.i < n && !stopRequested())
            return false;
        p.step = Plan::Step::Items;
        p.i = 0;
        return false;

    case Plan::Step::Items:
        break;
    }

    for (; p.i < end; ++p.i) {
        const int i = p.i;
        const QString &f = images.at(i);
        if (i == 0)
            result.sFirstImageFolder = GetFolderFromPath(f).isEmpty() ? u"/"_s : GetFolderFromPath(f);

        if (stopRequested()) {
            leaveOut(i, FileStatus::Skipped, notRunMessage());
            m_leftOut.last().notRun = true; // the finished page lists it as not reached
            continue;
        }
        if (p.earlier[i]) {
            ++result.earlierOutputCount;
            leaveOut(i, FileStatus::Skipped, tr("Left out: an earlier output of another image of this run"));
            m_skipNotes << tr("Left out (an earlier output) - %1").arg(f);
            continue;
        }
        if (encodePath(f).size() >= PATH_MAX) {
            ++result.problemCount;
            const QString why = tr("Error: The path is longer than the system allows (%1 bytes)").arg(PATH_MAX);
            leaveOut(i, FileStatus::Failed, why);
            m_skipNotes << why + u" - "_s + f;
            continue;
        }

        const bool video = ImageFiles::isVideoFile(f);
        if (video && m_options.tags.all && m_ffmpeg.isEmpty()) {
            // ExifTool alone would leave the movie's dates and its telemetry tracks. A problem
            // to report, not a choice: installing ffmpeg mends it.
            ++result.problemCount;
            leaveOut(i, FileStatus::Skipped, tr("Left out: videos need ffmpeg, which is not installed"));
            m_skipNotes << tr("Left out (ffmpeg is not installed) - %1").arg(f);
            continue;
        }

        Item item;
        item.input = f;
        item.order = i;
        item.video = video && remuxesVideos();
        item.before = p.inputIds[i];
        item.output = p.outputs[i];
        if (overwrite) {
            // In place means the file itself: a symbolic link is followed to it, so the
            // picture the link shows is the one cleaned.
            const QByteArray real = encodePath(absolute(f));
            char resolved[PATH_MAX];
            if (!item.before.valid || !::realpath(real.constData(), resolved)) {
                ++result.problemCount;
                const QString why = tr("Error: The image cannot be read (%1)").arg(systemErrorText(errno));
                leaveOut(i, FileStatus::Failed, why);
                m_skipNotes << why + u" - "_s + f;
                continue;
            }
            item.output = decodePath(QByteArray(resolved));
            if (item.before.links > 1)
                item.note = item.before.links == 2
                    ? tr("1 other name of this file (a hard link) still holds its metadata")
                    : tr("%n other names of this file (hard links) still hold its metadata", nullptr,
                        int(item.before.links - 1));
        } else {
            const QString &outId = p.existingOutputIds[i];
            const bool sameAsInput = item.output.compare(f, Qt::CaseInsensitive) == 0
                || (!outId.isEmpty() && outId == p.inputIds[i].key());
            if (sameAsInput || (!outId.isEmpty() && p.inputIdentities.contains(outId))) {
                ++result.problemCount;
                const QString why = sameAsInput ? tr("Skipped: the output would replace the image itself")
                                                : tr("Skipped: the output would replace another image of this run");
                leaveOut(i, FileStatus::Skipped, why);
                m_skipNotes << why + u" - "_s + f;
                continue;
            }
            if (p.renamed[i])
                item.note
                    = tr("Saved as %1: another image of this run has the same name").arg(GetFileName(item.output));

            if (!outId.isEmpty() || PathExists(item.output)) { // PathExists: a dangling link too
                if (isUnfinishedOutput(item.output)) {
                    // Left by an earlier run that a crash or power loss cut short.
                    item.replaceExisting = true;
                } else {
                    if (!p.asked) {
                        p.answer = m_askOverwrite ? m_askOverwrite() : false;
                        p.asked = true;
                    }
                    if (p.answer) {
                        item.replaceExisting = true;
                    } else {
                        item.state = Item::State::Declined;
                        ++result.declinedCount;
                    }
                }
            }
        }
        if (item.open() && m_options.resetFileDates) {
            if (m_options.randomDate)
                item.newDate = FileDate::randomDateTime(*p.random);
            else
                item.newDate = p.fixedDate;
        }
        item.inputSize = std::max<qint64>(0, p.inputIds[i].size);
        m_items << item;
    }
    return p.i >= n;
}
