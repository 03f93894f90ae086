#include "core/JobCommands.h"

#include "core/TagOptions.h"

using namespace Qt::StringLiterals;

CommandNeeds commandNeeds(const JobOptions &options)
{
    const QStringList tagLines = BuildTagArguments(options.tags);
    CommandNeeds needs;
    needs.keepValues = tagLines.contains(u"-tagsfromfile"_s);
    needs.jpeg = JpegTagArguments(tagLines, options.tags) != tagLines;
    needs.raw = !RawDeleteArguments(options.tags).isEmpty() || removesWhatRawFilesNeed(options.tags);
    return needs;
}

BatchCommands buildBatchCommands(const JobOptions &options, const QList<CommandImage> &images, const QString &pattern)
{
    QStringList common;
    if (options.ignoreMinorWarnings)
        common << u"-m"_s;
    common << u"-P"_s;

    // Raw and Photoshop files get the named deletions too, and camera raw files keep what
    // raw converters need, in commands of their own, so the other images do not pay for them.
    const QStringList tagLines = BuildTagArguments(options.tags);
    const QStringList rawLines = RawDeleteArguments(options.tags);
    const bool copiesBack = tagLines.contains(u"-tagsfromfile"_s);
    const bool jpegsDiffer = JpegTagArguments(tagLines, options.tags) != tagLines;

    BatchCommands out;
    out.lookExif.resize(images.size());
    const auto linesFor = [&](qsizetype k) {
        const CommandImage &image = images.at(k);
        QStringList lines = tagLines;
        if (copiesBack && image.keepValues) {
            // The placeholder only where "-all=" removes the comments anyway; where
            // single groups go, the image's own comment stays, and the values are
            // written by ExifTool.
            const bool commentGoes = options.tags.all || options.tags.other;
            if (!commentGoes) {
                lines = tagArgumentsWithValues(options.tags, *image.keepValues);
            } else {
                lines = tagArgumentsWithValues(options.tags, JpegKeepValues {});
                if (hasValuesToKeep(options.tags, *image.keepValues)) {
                    out.lookExif[k] = buildLookExif(options.tags, *image.keepValues);
                    lines << exifPlaceholderArgument(out.lookExif.at(k));
                }
            }
        }
        if (jpegsDiffer && (image.jpeg || (copiesBack && image.keepValues)))
            lines = JpegTagArguments(lines, options.tags);
        if (image.raw) {
            lines = RawKeepArguments(options.tags, image.etInput) + lines;
            lines += rawLines;
        }
        if (image.video && options.tags.gps && !options.tags.all)
            lines << u"-location:all="_s;
        return lines + common;
    };

    // The grouped images, by their tag lines, in the order each first came.
    QList<QStringList> groupLines;
    QList<QStringList> groups;
    QList<QList<int>> groupMembers;
    const auto closeGroups = [&] {
        for (qsizetype g = 0; g < groups.size(); ++g) {
            out.commands << groupLines.at(g) + QStringList {u"-o"_s, pattern} + groups.at(g);
            out.members << groupMembers.at(g);
        }
        groupLines.clear();
        groups.clear();
        groupMembers.clear();
    };
    for (qsizetype k = 0; k < images.size(); ++k) {
        const CommandImage &image = images.at(k);
        const QStringList lines = linesFor(k);
        if (image.grouped) {
            qsizetype g = groupLines.indexOf(lines);
            if (g < 0) {
                g = groupLines.size();
                groupLines << lines;
                groups << QStringList();
                groupMembers << QList<int>();
            }
            groups[g] << image.etInput;
            groupMembers[g] << int(k);
            continue;
        }
        closeGroups();
        out.commands << lines + QStringList {image.etInput, u"-o"_s, image.etOutFolder};
        out.members << QList<int> {int(k)};
    }
    closeGroups();
    return out;
}
