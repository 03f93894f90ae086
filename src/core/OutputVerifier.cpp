#include "core/OutputVerifier.h"

#include "core/ContainerScan.h"
#include "core/ExifToolProcess.h"
#include "core/ImageFiles.h"
#include "core/NativePath.h"
#include "core/RawDecode.h"
#include "core/ResidueClassifier.h"
#include "core/VideoRemux.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <cstring>

using namespace Qt::StringLiterals;

struct OutputVerifier::Pending {
    int key = 0;
    QString input;
    QString output;
    QString passedInput; // the spelling ExifTool was given (a plain link for odd names)
    QString passedOutput;
    QStringList opaque; // blocks the scan found that ExifTool cannot account for
    bool compareWithInput = false;
    int originalMarker = -1; // the command of its group that reads the originals
    int outputMarker = -1; // the command that reads the outputs back
};

OutputVerifier::OutputVerifier(const QString &exiftool, const QString &workingFolder, QObject *parent)
    : QObject(parent)
    , m_exiftool(exiftool)
    , m_workingFolder(workingFolder)
    , m_rawDecoder(rawDecoderProgram())
{
}

OutputVerifier::~OutputVerifier()
{
    m_scanPool.waitForDone();
    if (m_process)
        m_process->disconnect(this);
}

QByteArray fileBytes(const QString &path)
{
    QFile file;
    if (!openPath(file, path, QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool sameFileContents(const QString &a, const QString &b)
{
    QFile fa;
    QFile fb;
    if (!openPath(fa, a, QIODevice::ReadOnly) || !openPath(fb, b, QIODevice::ReadOnly) || fa.size() != fb.size())
        return false;
    constexpr qint64 chunk = 1 << 20;
    while (!fa.atEnd()) {
        const QByteArray x = fa.read(chunk);
        const QByteArray y = fb.read(chunk);
        if (x != y)
            return false;
    }
    return true;
}

void OutputVerifier::submit(int key, const QString &input, const QString &output)
{
    // The scan reads the whole output (megabytes of image data for a camera JPEG), so
    // it runs on the pool's threads while ExifTool works on the next batches.
    ++m_scansRunning;
    m_scanPool.start([this, key, input, output] {
        const ContainerScan scan = scanContainers(output);
        QMetaObject::invokeMethod(
            this, [this, key, input, output, scan] { scanned(key, input, output, scan); }, Qt::QueuedConnection);
    });
}

void OutputVerifier::scanned(int key, const QString &input, const QString &output, const ContainerScan &scan)
{
    --m_scansRunning;
    Verdict v;
    const bool separate = QFileInfo(input).absoluteFilePath() != QFileInfo(output).absoluteFilePath();
    switch (scan.verdict) {
    case ContainerScan::Verdict::Broken:
        v.status = FileStatus::Failed;
        v.message = tr("The output is damaged: %1.").arg(scan.problem);
        m_verdicts.insert(key, v);
        break;
    case ContainerScan::Verdict::Clean:
        if (!scan.iccProfile.isEmpty()) {
            IccTexts texts = iccTexts(scan.iccProfile);
            if (!scan.iccName.isEmpty())
                texts.description += u" / "_s + scan.iccName;
            v.residue = iccResidue(texts);
        }
        if (!v.residue.isEmpty())
            v.status = separate && sameFileContents(input, output) ? FileStatus::Unchanged : FileStatus::Residue;
        m_verdicts.insert(key, v);
        break;
    case ContainerScan::Verdict::HasMetadata:
    case ContainerScan::Verdict::NotScannable: {
        Pending p;
        p.key = key;
        p.input = input;
        p.output = output;
        p.opaque = scan.opaque;
        p.compareWithInput = separate;
        m_queued.append(p);
        break;
    }
    }
    // A burst of submissions (one batch's outputs) goes to ExifTool as one command.
    if (m_scansRunning == 0)
        flush();
    Q_EMIT progressed();
    checkIdle();
}

QString OutputVerifier::literalPath(const QString &path)
{
    // Each argument is one line for ExifTool; a name with a line break goes through a
    // plain-named link in a private folder. So does a name that is not UTF-8: ExifTool
    // reads it, but names it in its JSON with '?' for the bytes, and the answers are
    // matched to the files by that name.
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!absolute.contains(u'\n') && !absolute.contains(u'\r') && !holdsStrayBytes(absolute))
        return absolute;
    if (!m_links)
        m_links = std::make_unique<QTemporaryDir>(QDir::tempPath() + u"/qmk-verify-XXXXXX"_s);
    static const QRegularExpression plainSuffix(u"^[A-Za-z0-9]{1,5}$"_s);
    const QString suffix = QFileInfo(path).suffix();
    const QString link = m_links->path() + u'/' + QString::number(++m_linkCount)
        + (plainSuffix.match(suffix).hasMatch() ? u'.' + suffix : QString());
    linkPath(absolute, link);
    return link;
}

OutputVerifier::Verdict OutputVerifier::unchecked()
{
    // What cannot be checked is not called clean.
    Verdict v;
    v.status = FileStatus::Residue;
    v.message = tr("The output could not be read back, so what is left in it is not known.");
    v.residue.append({ResidueCategory::Other, u"Check:NotReadBack"_s, QString()});
    return v;
}

void OutputVerifier::startProcess()
{
    m_process = std::make_unique<ExifToolProcess>();
    m_process->setWorkingDirectory(m_workingFolder);
    connect(m_process.get(), &ExifToolProcess::readyReadStandardOutput, this, &OutputVerifier::onOutput);
    connect(
        m_process.get(), &ExifToolProcess::readyReadStandardError, this, [this] { m_process->readAllStandardError(); });
    const auto giveUp = [this] {
        // Whatever is still out is settled as not checked, so nothing waits forever.
        m_processFailed = true;
        for (const QList<Pending> &group : std::as_const(m_sent)) {
            for (const Pending &p : group)
                m_verdicts.insert(p.key, unchecked());
        }
        m_sent.clear();
        Q_EMIT progressed();
        checkIdle();
        Q_EMIT closed();
    };
    connect(m_process.get(), &ExifToolProcess::finished, this, giveUp);
    m_process->startStayOpen(m_exiftool);
}

void OutputVerifier::flush()
{
    if (m_queued.isEmpty())
        return;
    if (!m_process)
        startProcess();
    if (m_processFailed) {
        for (const Pending &p : std::as_const(m_queued))
            m_verdicts.insert(p.key, unchecked());
        m_queued.clear();
        return;
    }
    QList<Pending> group = std::move(m_queued);
    m_queued.clear();
    QStringList originalArgs = originalReadArguments();
    QStringList readArgs = readBackArguments();
    bool anyOriginal = false;
    for (Pending &p : group) {
        p.passedOutput = literalPath(p.output);
        readArgs << p.passedOutput;
        if (p.compareWithInput && isFilePath(p.input)) {
            p.passedInput = literalPath(p.input);
            originalArgs << p.passedInput;
            anyOriginal = true;
        }
    }
    QByteArray text;
    const auto command = [&](const QStringList &args) {
        for (const QString &a : args)
            text += encodePath(a) + '\n';
        text += "-q\n-execute" + QByteArray::number(++m_sequence) + '\n';
        return m_sequence;
    };
    const int originalMarker = anyOriginal ? command(originalArgs) : -1;
    const int outputMarker = command(readArgs);
    for (Pending &p : group) {
        p.originalMarker = originalMarker;
        p.outputMarker = outputMarker;
    }
    m_readBacks += int(group.size());
    m_sent.append(group);
    m_process->write(text);
}

void OutputVerifier::onOutput()
{
    m_stdout += m_process->readAllStandardOutput();
    while (true) {
        const qsizetype at = m_stdout.indexOf("{ready");
        if (at < 0)
            return;
        const qsizetype close = m_stdout.indexOf('}', at);
        const qsizetype eol = m_stdout.indexOf('\n', at);
        if (close < 0 || eol < 0)
            return;
        const int marker = m_stdout.mid(at + 6, close - at - 6).toInt();
        const QByteArray json = m_stdout.left(at);
        m_stdout.remove(0, eol + 1);
        if (m_sent.isEmpty())
            continue;
        QList<Pending> &group = m_sent.first();
        if (group.first().originalMarker == marker) {
            m_originalJson = json;
            continue;
        }
        if (group.first().outputMarker != marker)
            continue;
        const auto outputs = parseReadBackFiles(json);
        const auto originals = parseReadBackFiles(m_originalJson);
        for (Pending &p : group)
            settle(p, outputs, originals);
        m_originalJson.clear();
        m_sent.removeFirst();
        Q_EMIT progressed();
        checkIdle();
    }
}

void OutputVerifier::settle(
    Pending &p, const QHash<QString, QList<ReadBackTag>> &outputs, const QHash<QString, QList<ReadBackTag>> &originals)
{
    Verdict v;
    if (!outputs.contains(p.passedOutput)) {
        v.status = FileStatus::Failed;
        v.message = tr("ExifTool cannot read the output back.");
        m_verdicts.insert(p.key, v);
        return;
    }
    const QList<ReadBackTag> tags = outputs.value(p.passedOutput);
    for (const ReadBackTag &t : tags) {
        if (t.group == u"ExifTool" && t.name == u"Error") {
            v.status = FileStatus::Failed;
            v.message = tr("ExifTool cannot read the output back: %1").arg(t.value);
            m_verdicts.insert(p.key, v);
            return;
        }
    }
    const QList<TellingValue> telling = tellingValues(originals.value(p.passedInput));
    v.residue = classifyResidue(tags, telling);
    for (const QString &block : std::as_const(p.opaque))
        v.residue.append({ResidueCategory::Other, u"Block:"_s + block, QString()});

    // The original's identifying values that no tag named are looked for in the output's
    // bytes: a block ExifTool cannot read, a maker note it no longer decodes.
    QList<TellingValue> unnamed;
    for (const TellingValue &t : telling) {
        const bool named = std::any_of(v.residue.cbegin(), v.residue.cend(),
            [&](const ResidueItem &i) { return i.value.contains(t.value, Qt::CaseInsensitive); });
        if (!named)
            unnamed << t;
    }
    // A raw file LibRaw opened before must give the same picture after: a raw converter
    // that no longer finds what it needs makes the output useless, whatever is left in it.
    const bool rawCheck = p.compareWithInput && !m_rawDecoder.isEmpty() && isCameraRawFile(p.output);
    if (unnamed.isEmpty() && !rawCheck)
        return conclude(p, v);
    ++m_finishing;
    m_scanPool.start([this, p, v, unnamed, rawCheck, decoder = m_rawDecoder] {
        Verdict found = v;
        if (!unnamed.isEmpty())
            // A video's media samples are gigabytes of compressed pictures, where a short
            // value turns up by chance; its boxes are where a container hides one.
            found.residue += findTellingBytes(
                ImageFiles::isVideoFile(p.output) ? bytesOutsideMediaData(p.output) : fileBytes(p.output), unnamed);
        if (rawCheck) {
            const RawDecode before = decodeRaw(decoder, p.input);
            const RawDecode after = before.opened ? decodeRaw(decoder, p.output) : RawDecode();
            if (before.opened && (!after.opened || after.digest != before.digest)) {
                found.status = FileStatus::Failed;
                found.message = !after.opened
                    ? tr("The cleaned raw file no longer opens in a raw converter (%1); the original is kept.")
                          .arg(after.problem)
                    : tr("The cleaned raw file no longer gives the original's picture; the original is kept.");
            }
        }
        QMetaObject::invokeMethod(
            this,
            [this, p, found] {
                --m_finishing;
                conclude(p, found);
                Q_EMIT progressed();
                checkIdle();
            },
            Qt::QueuedConnection);
    });
}

void OutputVerifier::conclude(const Pending &p, Verdict v)
{
    if (!v.residue.isEmpty() && v.status == FileStatus::Cleaned) {
        v.status
            = p.compareWithInput && sameFileContents(p.input, p.output) ? FileStatus::Unchanged : FileStatus::Residue;
    }
    m_verdicts.insert(p.key, v);
}

void OutputVerifier::checkAll()
{
    m_checkAll = true;
    if (m_scansRunning == 0)
        flush();
    checkIdle();
}

bool OutputVerifier::idle() const
{
    return m_scansRunning == 0 && m_finishing == 0 && m_queued.isEmpty() && m_sent.isEmpty();
}

void OutputVerifier::checkIdle()
{
    if (!m_checkAll || !idle())
        return;
    m_checkAll = false;
    QTimer::singleShot(0, this, &OutputVerifier::allChecked);
}

void OutputVerifier::close()
{
    if (m_process && m_process->isRunning())
        m_process->end(); // its finished() says closed()
    else
        QTimer::singleShot(0, this, &OutputVerifier::closed);
}

void OutputVerifier::applyVerdict(int key, FileOutcome &o) const
{
    if (!has(key))
        return;
    const Verdict v = verdict(key);
    o.status = v.status;
    o.residue = v.residue;
    if (!v.message.isEmpty())
        o.message = v.message;
    else if (v.status == FileStatus::Unchanged)
        o.message = tr("The image was copied without removing anything.");
}
