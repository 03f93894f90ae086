#pragma once

#include <QList>
#include <QString>

// What a run did with one input. Every input of a run ends with exactly one of these,
// in the order of the images, so the window, quillmark-cli and the JSON report all
// tell the same story.
enum class FileStatus {
    Cleaned, // output written and complete, nothing identifying left
    Residue, // output written and complete, but identifying metadata remains
    Unchanged, // ExifTool wrote the output but could not remove anything (a problem)
    Failed, // no complete output (a problem)
    Skipped, // not cleaned on purpose: unsupported type named, earlier output, declined, ...
};

// Kinds of identifying metadata that can be left in an output.
// Other: metadata the check cannot tell the meaning of (an unknown block, a maker note,
// camera settings); it is left, so it is residue too.
enum class ResidueCategory { Location, Device, Person, Time, Software, Identifier, Other };

struct ResidueItem {
    ResidueCategory category = ResidueCategory::Identifier;
    QString tag; // "Group:Name" as ExifTool names it (-G1), or the block the check found
    QString value;
};

struct FileOutcome {
    QString input; // absolute path of the image
    QString output; // absolute path of the output; empty when none was written
    FileStatus status = FileStatus::Failed;
    QList<ResidueItem> residue; // with Residue (and Unchanged, where known)
    QString message; // why, for a person; empty when there is nothing to say
    bool notRun = false; // a stop came before the run reached the image
    QString writer; // who wrote the output: "native" (Quillmark's own writer), "ffmpeg" (a remuxed video) or
                    // "exiftool"; empty when none
    bool planned = false; // quillmark-cli --dry-run: what a run would do, nothing written
};

// Lower-case names used by quillmark-cli's report.
inline QString statusName(FileStatus status)
{
    switch (status) {
    case FileStatus::Cleaned:
        return QStringLiteral("cleaned");
    case FileStatus::Residue:
        return QStringLiteral("residue");
    case FileStatus::Unchanged:
        return QStringLiteral("unchanged");
    case FileStatus::Failed:
        return QStringLiteral("failed");
    case FileStatus::Skipped:
        return QStringLiteral("skipped");
    }
    return {};
}

inline QString categoryName(ResidueCategory category)
{
    switch (category) {
    case ResidueCategory::Location:
        return QStringLiteral("location");
    case ResidueCategory::Device:
        return QStringLiteral("device");
    case ResidueCategory::Person:
        return QStringLiteral("person");
    case ResidueCategory::Time:
        return QStringLiteral("time");
    case ResidueCategory::Software:
        return QStringLiteral("software");
    case ResidueCategory::Identifier:
        return QStringLiteral("identifier");
    case ResidueCategory::Other:
        return QStringLiteral("other");
    }
    return {};
}
