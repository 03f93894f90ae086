#pragma once

// What the stages of the cleaning job share: one image of a run and a few file helpers.
// Included only by the job's own sources (CleanJob.cpp, JobPlan.cpp, JobBatch.cpp,
// JobResults.cpp, JobProgress.cpp).

#include "core/CleanJob.h"
#include "core/FileDate.h"
#include "core/Staging.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QLocale>
#include <QSet>
#include <QString>
#include <optional>

namespace JobDetail {

inline const QString crlf = QStringLiteral("\r\n");

QString joinPath(const QString &folder, const QString &name);
// Shortest decimal form, without group separators.
QString formatNumber(double value, const QLocale &locale);
qint64 fileSize(const QString &path);
// An output an earlier run did not finish: empty or cut short (a power loss before the
// disk had it), or with the placeholder of the kept values still unfilled (an older
// version killed between ExifTool's write and the fill).
bool isUnfinishedOutput(const QString &path);
bool isRegularFile(const QString &path);

} // namespace JobDetail

// One image of the run.
struct CleanJob::Item {
    enum class State {
        Waiting, // not written yet
        Declined, // its existing output is kept: ExifTool is not asked
        NotRun, // never cleaned because the run was stopped
        Failed, // no complete output: a problem
        InUse, // another program or run changed the image meanwhile; left to it
        Done, // the complete output is in place
    };

    QString input; // the path as listed
    QString output; // where the cleaned file goes (overwrite: the file behind the listed path)
    QString etInput; // what ExifTool is told to read
    QString etOutFolder; // "-o" folder of a command of its own; empty when grouped
    QString etResult; // where ExifTool leaves the output
    QString staged; // where it is completed, in a staging folder beside `output`
    State state = State::Waiting;
    bool grouped = false; // shares one command with its neighbours (an "-o" pattern)
    bool replaceExisting = false; // an output that exists is replaced once the new one is complete
    bool refused = false; // ExifTool itself named the image in an error line
    bool native = false; // written by the native writer or remuxed by ffmpeg: ExifTool is not asked
    bool video = false; // a video, remuxed by ffmpeg ahead of ExifTool
    int order = 0; // place in the image list
    qint64 inputSize = 0; // before the run
    FileIdentity before; // the input before the run (overwrite: the file that is replaced)
    QString reason; // why it failed, for a person
    QString note; // what the report says besides its status (a renamed output)
    QByteArray lookExif; // kept orientation and colour space, put back after ExifTool (JPEG)
    std::optional<QDateTime> newDate; // the output's new file date

    bool open() const { return state == State::Waiting; }
};

// The plan's state between its slices (see CleanJob::planStep()).
struct CleanJob::Plan {
    enum class Step {
        Identities, // of every input and output; which inputs are earlier outputs
        Staging, // staging folders a killed run left behind
        Items, // one item per image, the overwrite question
    };
    Step step = Step::Identities;
    int i = 0; // the next image of the step
    bool answer = false; // the overwrite question's answer
    bool asked = false;
    QRandomGenerator *random = nullptr;
    std::optional<QDateTime> fixedDate;
    QList<FileIdentity> inputIds;
    QList<QString> outputs;
    QList<QString> existingOutputIds;
    QHash<QString, int> outputNames;
    QHash<QString, int> outputIds;
    QSet<QString> plannedOutputs; // folder mode: names already given to an image
    QList<bool> renamed;
    QSet<QString> inputIdentities;
    QList<bool> earlier;
    QSet<QString> folders;
};
