#pragma once

#include "core/FileOutcome.h"
#include "core/ResidueClassifier.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <memory>

struct ContainerScan;

class ExifToolProcess;
class QTemporaryDir;

// Checks every written output and says what is left in it.
//
// JPEG, PNG, WebP and GIF outputs are checked by walking their segments in C++
// (ContainerScan): exact and nearly free. Every other family, and a scanned file that
// still holds a container, is read back in full by one persistent ExifTool process
// ("-stay_open"), started only when the first such file turns up, so the read-back
// overlaps the cleaning of later batches. What is left is judged by default deny (see
// classifyResidue()). A read-back also reads the original: its identifying values are
// matched against the output's unnamed tags (a maker note ExifTool no longer decodes)
// and looked for in the output's bytes (a block nobody can decode). A camera raw output
// must decode in LibRaw (when installed) to the picture its original gave, or it fails.
class OutputVerifier final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OutputVerifier)

public:
    struct Verdict {
        FileStatus status = FileStatus::Cleaned; // Cleaned, Residue, Unchanged or Failed
        QList<ResidueItem> residue;
        QString message;
    };

    OutputVerifier(const QString &exiftool, const QString &workingFolder, QObject *parent = nullptr);
    ~OutputVerifier() override;

    // Queues the check of one complete output. `input` is the image it was made from,
    // still as it was (the job checks outputs before they take their place); its
    // identifying values are looked for in the output. When `input` is the output itself,
    // the comparison with the original is left out.
    void submit(int key, const QString &input, const QString &output);

    // Sends what is queued to ExifTool now (a caller that submits a batch at a time
    // calls this after each batch).
    void flush();

    // Sends what is left to ExifTool; allChecked() follows (always from the event loop)
    // once every submitted output is checked.
    void checkAll();
    bool idle() const;

    // Asks the read-back process to end; closed() follows (from the event loop) once it has.
    void close();

    bool has(int key) const { return m_verdicts.contains(key); }
    Verdict verdict(int key) const { return m_verdicts.value(key); }

    // Sets one outcome from the verdict of `key`, when there is one.
    void applyVerdict(int key, FileOutcome &outcome) const;

    // How many outputs went to ExifTool (the rest were settled by the scan).
    int readBackCount() const { return m_readBacks; }

Q_SIGNALS:
    void progressed(); // a scan or a read-back has finished
    void allChecked();
    void closed();

private:
    struct Pending;

    void scanned(int key, const QString &input, const QString &output, const ContainerScan &scan);
    void conclude(const Pending &p, Verdict v);
    static Verdict unchecked();
    void startProcess();
    void sendQueued();
    void onOutput();
    void settle(Pending &p, const QHash<QString, QList<ReadBackTag>> &outputs,
        const QHash<QString, QList<ReadBackTag>> &originals);
    QString literalPath(const QString &path);
    void checkIdle();

    QString m_exiftool;
    QString m_workingFolder;
    QString m_rawDecoder; // LibRaw's dcraw_emu, when installed
    std::unique_ptr<ExifToolProcess> m_process;
    std::unique_ptr<QTemporaryDir> m_links;
    int m_linkCount = 0;
    QList<Pending> m_queued; // waiting to be sent
    QList<QList<Pending>> m_sent; // one entry per command sequence sent, in order
    QByteArray m_stdout;
    QByteArray m_originalJson; // between the two commands of one group
    int m_sequence = 0;
    int m_readBacks = 0;
    bool m_processFailed = false;
    QHash<int, Verdict> m_verdicts;
    QThreadPool m_scanPool;
    int m_scansRunning = 0;
    int m_finishing = 0; // byte searches running
    bool m_checkAll = false; // checkAll() waits for allChecked()
};

// Whether two files hold the same bytes.
bool sameFileContents(const QString &a, const QString &b);
// A file's bytes (empty when it cannot be read).
QByteArray fileBytes(const QString &path);
