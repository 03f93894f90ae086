#pragma once

#include "core/CleanJob.h"
#include "core/KeepValues.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The ExifTool commands of one batch, built from what is known of its images. Nothing
// here reads a file: the job reads each image's facts first (what commandNeeds() asks for).

// One image of a batch, as the command builder needs to know it.
struct CommandImage {
    QString etInput; // what ExifTool reads
    QString etOutFolder; // "-o" folder of a command of its own (ending in '/'); unused when grouped
    bool grouped = false; // shares one command with its neighbours (an "-o" pattern)
    bool jpeg = false; // a JPEG by its content (asked for when CommandNeeds::jpeg)
    bool raw = false; // keeps metadata under "-all=" (asked for when CommandNeeds::raw); its suffix says more
    bool video = false; // a movie: its position is in QuickTime tags that "-gps:all=" does not reach
    std::optional<JpegKeepValues> keepValues; // a JPEG's kept values (when CommandNeeds::keepValues)
};

// Which facts of each image the commands depend on under a set of options.
struct CommandNeeds {
    bool keepValues = false; // readJpegKeepValues(): the options copy orientation or colour space back
    bool jpeg = false; // isJpegFile(): JPEGs get tag lines of their own
    bool raw = false; // keepsMetadataUnderDeleteAll(): raw files get the named deletions and exclusions
};
CommandNeeds commandNeeds(const JobOptions &options);

struct BatchCommands {
    QList<QStringList> commands; // argument lines of each command, without "-execute"
    QList<QList<int>> members; // per command: its images, as positions in the image list
    QList<QByteArray> lookExif; // per image: kept values put into its output afterwards, or empty
};

// The commands of one batch: images with the same tag lines that are grouped share one
// command writing with "-o pattern"; every other image gets a command of its own with
// "-o" its folder. A JPEG's orientation and colour-space values are not copied by
// ExifTool ("-tagsfromfile @" reads every image a second time, and even plain values make
// it build a new Exif block at about 1.5 ms per tag and image): ExifTool writes a
// placeholder of their size, filled once the output is written (lookExif).
BatchCommands buildBatchCommands(const JobOptions &options, const QList<CommandImage> &images, const QString &pattern);
