// Filling and emptying the image list: the add dialogs, folders, drops, removal and the
// command line.

#include "core/ImageFiles.h"
#include "core/NativePath.h"
#include "core/RunReport.h"
#include "core/SystemFolders.h"
#include "core/WindowCommandLine.h"
#include "gui/BrowseForFolder.h"
#include "gui/CleanWizard.h"
#include "gui/ImagesPage.h"
#include "gui/PathListModel.h"
#include "gui/Prompts.h"
#include "gui/WaitCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSet>
#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The window is given a chance to repaint after this many rows, one at a time...
constexpr int rowsPerYield = 49;
// ...or, while many files are added at once, this often: rows then go to the list in
// chunks, since laying out and painting the list after every 49 rows would take most
// of the time of a large add.
constexpr int bulkYieldMs = 40;

} // namespace

// While it lives, added files are collected and shown in chunks, and the third button
// stops the adding.
class BulkAdding {
public:
    explicit BulkAdding(CleanWizard &window)
        : m_window(window)
        , m_outer(!window.m_bulkAdding)
    {
        m_window.m_bulkAdding = true;
        m_window.m_sinceYield.start();
        if (m_outer) {
            m_window.m_stopAdding = false;
            m_window.m_silentFolders.clear();
            m_cancelCaption = m_window.cmdCancel->text();
            m_window.cmdCancel->setText(CleanWizard::tr("Stop"));
        }
    }
    ~BulkAdding()
    {
        if (!m_outer)
            return;
        m_window.m_bulkAdding = false;
        m_window.m_stopAdding = false;
        m_window.cmdCancel->setText(m_cancelCaption);
        m_window.flushPendingRows();
        m_window.tellSilentFolders();
    }
    Q_DISABLE_COPY_MOVE(BulkAdding)

private:
    CleanWizard &m_window;
    bool m_outer;
    QString m_cancelCaption;
};

void CleanWizard::queueRow(const QString &path)
{
    m_pendingRows << path;
    if (!m_bulkAdding) {
        flushPendingRows();
        if (m_lstFiles.ListCount() % rowsPerYield == 0)
            yieldToEvents();
    } else if (m_sinceYield.elapsed() >= bulkYieldMs) {
        flushPendingRows();
        yieldToEvents();
        m_sinceYield.start();
    }
}

void CleanWizard::flushPendingRows()
{
    if (m_pendingRows.size() == 1)
        m_filesModel->append(m_pendingRows.constFirst());
    else
        m_filesModel->appendMany(m_pendingRows);
    m_pendingRows.clear();
    m_imagesPage->setCountCaption(tr("%1 images", nullptr, m_lstFiles.ListCount()).arg(m_lstFiles.ListCount()));
    m_imagesPage->setCountToolTip(leftOutLine(m_leftOut));
}

void CleanWizard::noteLeftOut(const FileOutcome &outcome)
{
    if (m_leftOutPaths.contains(outcome.input))
        return;
    m_leftOutPaths.insert(outcome.input);
    m_leftOut << outcome;
}

void CleanWizard::tellSilentFolders()
{
    QString note;
    if (m_silentFolders.size() == 1) {
        note = tr("No images to clean were found in %1.").arg(printablePath(m_silentFolders.constFirst()));
    } else if (!m_silentFolders.isEmpty()) {
        constexpr int shown = 3;
        QStringList names;
        for (const QString &folder : m_silentFolders.mid(0, shown))
            names << printablePath(folder);
        note = tr("No images to clean were found in %n folders: %1", nullptr, int(m_silentFolders.size()))
                   .arg(names.join(u", "_s) + (m_silentFolders.size() > shown ? u", …"_s : QString()));
    }
    m_imagesPage->setAddNote(note);
}

void CleanWizard::clearLeftOut()
{
    m_leftOut.clear();
    m_leftOutPaths.clear();
    m_imagesPage->setCountToolTip(QString());
}

bool CleanWizard::addFile(const QString &path)
{
    if (ImageFiles::isSupportedImageFile(path)) {
        queueRow(path);
        return true;
    }
    // A file named that is not cleaned is told about on the finished page; what names
    // nothing (gone meanwhile) and folders are not files.
    if (ImageFiles::isPathTooLong(path))
        noteLeftOut(ImageFiles::leftOutOutcome(path, ImageFiles::LeftOutKind::PathTooLong));
    else if (PathExists(path) && !FolderExists(path))
        noteLeftOut(ImageFiles::leftOutOutcome(
            path, ImageFiles::mediaLeftOut(path).value_or(ImageFiles::LeftOutKind::NotAnImage)));
    if (!m_bulkAdding)
        flushPendingRows(); // the count caption is written either way
    return true;
}

void CleanWizard::addFolder(const QString &folder)
{
    BulkAdding bulk(*this);
    const ImageFiles::FolderImages found = ImageFiles::imagesInFolder(folder, [this] {
        if (m_sinceYield.elapsed() >= bulkYieldMs) {
            yieldToEvents();
            m_sinceYield.start();
        }
        return !m_stopAdding;
    });
    for (const FileOutcome &o : found.leftOut)
        noteLeftOut(o);
    if (found.images.isEmpty() && !found.stopped && !m_stopAdding)
        m_silentFolders << folder;
    flushPendingRows(); // the duplicate set must see what this batch added so far
    const ImageFiles::DuplicateSet listed(m_lstFiles);
    for (const QString &path : found.images) {
        if (m_stopAdding)
            break;
        if (!listed.contains(path))
            queueRow(path);
    }
}

void CleanWizard::addFolderWithCaption(const QString &folder)
{
    WaitCursor hourglass;
    {
        BulkAdding bulk(*this); // Stop works from the first moment the caption shows
        m_imagesPage->setCountCaption(tr("Adding files..."));
        yieldToEvents();
        yieldToEvents();
        addFolder(folder);
    } // the rows are in the list now, for the rules of the page
    updateControls();
}

void CleanWizard::chooseImages()
{
    const QString start = sLastDir.isEmpty() ? m_systemFolders.sMyPictures : sLastDir;
    const QStringList chosen = Prompts::openFiles(this, tr("Add Images"), start, ImageFiles::dialogNameFilters());
    if (chosen.isEmpty())
        return;

    WaitCursor hourglass;
    if (chosen.size() == 1) {
        // One file is added as chosen, listed already or not.
        addFile(chosen.constFirst());
        sLastDir = GetFolderFromPath(chosen.constFirst());
    } else {
        sLastDir = GetFolderFromPath(chosen.constFirst());
        BulkAdding bulk(*this);
        const ImageFiles::DuplicateSet listed(m_lstFiles);
        for (const QString &path : chosen) {
            if (!listed.contains(path))
                addFile(path);
        }
    }
    // The file dialog spells a name that is not valid UTF-8 with other bytes, so such a
    // choice names no file. Folders and drops keep the bytes: say so rather than drop it.
    QStringList lost;
    for (const QString &path : chosen) {
        if (path.contains(QChar::ReplacementCharacter) && !PathExists(path))
            lost << path;
    }
    if (!lost.isEmpty()) {
        const QStringList shown = lost.mid(0, 10);
        Prompts::message(this,
            tr("These files could not be added: their names are not valid UTF-8, which the file "
               "dialog cannot pass on. Add them with \"Add from Folder\" or drop them on the list:")
                + u"\n\n"_s + shown.join(u'\n') + (lost.size() > shown.size() ? u"\n..."_s : QString()),
            Prompts::Icon::Exclamation);
    }
    updateControls();
}

void CleanWizard::chooseFolder()
{
    if (sLastAddDir.size() > 1 && sLastAddDir.endsWith(u'/'))
        sLastAddDir.chop(1);
    const QString initial = sLastAddDir.isEmpty() ? m_systemFolders.sMyPictures : sLastAddDir;
    const QString folder = BrowseForFolder(this, tr("Select a folder with images to add:"), initial, false);
    if (!folder.isEmpty()) {
        sLastAddDir = folder;
        addFolderWithCaption(folder);
    }
    updateControls();
}

void CleanWizard::removeSelectedImages()
{
    const QList<int> rows = m_imagesPage->selectedRows();
    if (!rows.isEmpty()) {
        WaitCursor hourglass;
        m_filesModel->removeRowSet(rows);
    }
    updateControls();
}

void CleanWizard::removeAllImages()
{
    clearLeftOut();
    m_imagesPage->setAddNote(QString());
    m_filesModel->clear();
    updateControls();
}

void CleanWizard::dropFiles(const QStringList &paths, bool onFileList)
{
    {
        WaitCursor hourglass;
        if (!paths.isEmpty()) {
            BulkAdding bulk(*this);
            const ImageFiles::DuplicateSet listed(m_lstFiles);
            PathList sorted;
            for (const QString &path : paths)
                sorted.AddItem(path);
            sorted.ShellSort();
            for (int i = 0; i < sorted.ListCount() && !m_stopAdding; ++i) {
                const QString path = sorted.List(i);
                if (FolderExists(path)) {
                    addFolder(path);
                } else if (!listed.contains(path)) {
                    if (!addFile(path))
                        break;
                }
            }
        }
        updateControls();
    }
    if (onFileList)
        return;
    // Files dropped on the finished page are there to be cleaned next: the file list
    // shows them, as Back would.
    if (m_page == Page::Finished) {
        m_page = Page::Images;
        showPage();
    } else if (m_lstFiles.ListCount() > 0) {
        // The quick way: the ready page sums up the stored options, and Start cleans.
        showReadyOrIncomplete();
    } else if (m_page == Page::Welcome) {
        goNext(); // the images page says what the drop held
    }
}

// --- the command line -----------------------------------------------------------------

void CleanWizard::runCommandLine()
{
    if (m_commandLineDone)
        return;
    m_commandLineDone = true;

    const WindowCommandLine line = WindowCommandLine::parse(m_setup.arguments);
    // main() has answered help, version and mistakes before the window was made.
    if (line.action != WindowCommandLine::Action::Start)
        return;

    // A relative folder is taken as the shell that started the program means it.
    const auto absolute = [](const QString &folder) { return QDir::current().absoluteFilePath(folder); };

    if (line.automatic) {
        QString folder = line.autoFolder;
        if (!folder.endsWith(u'/'))
            folder += u'/';
        folder = absolute(folder);
        // main() checked the folder; should it have gone since, the run still ends by
        // itself rather than leaving a window nobody waits for.
        if (!FolderExists(folder)) {
            endProcessAtOnce(2);
            return;
        }
        runAutomatic(folder);
        return;
    }

    if (line.paths.size() == 1 && !line.paths.constFirst().isEmpty()
        && FolderExists(absolute(line.paths.constFirst()))) {
        goNext();
        yieldToEvents();
        addFolderWithCaption(absolute(line.paths.constFirst()));
        if (m_lstFiles.ListCount() > 0)
            showReadyOrIncomplete();
        return;
    }

    // A file manager's "Open with" hands over every chosen file and folder as an argument
    // of its own; what names neither is passed over.
    struct Entry {
        QString path;
        bool folder;
    };
    QList<Entry> entries;
    for (const QString &argument : line.paths) {
        const QString path = argument.isEmpty() ? QString() : absolute(argument);
        if (!path.isEmpty() && FolderExists(path))
            entries.append({path, true});
        else if (!path.isEmpty() && PathExists(path))
            entries.append({path, false}); // a file that is no image is told about when cleaning
    }
    if (entries.isEmpty())
        return;

    goNext();
    yieldToEvents();
    {
        WaitCursor hourglass;
        BulkAdding bulk(*this);
        // The duplicate test: the list as it stood after the last folder, and the files
        // added since.
        std::optional<ImageFiles::DuplicateSet> listed;
        QSet<QString> addedSince;
        for (const Entry &entry : std::as_const(entries)) {
            if (m_stopAdding)
                break;
            if (entry.folder) {
                addFolderWithCaption(entry.path);
                listed.reset();
                addedSince.clear();
                continue;
            }
            if (!listed) {
                flushPendingRows();
                listed.emplace(m_lstFiles);
            }
            if (listed->contains(entry.path) || addedSince.contains(entry.path))
                continue;
            addFile(entry.path);
            addedSince.insert(entry.path);
        }
    }
    updateControls();
    if (m_lstFiles.ListCount() > 0)
        showReadyOrIncomplete();
}

void CleanWizard::runAutomatic(const QString &folder)
{
    bAutoRun = true;
    goNext();
    yieldToEvents();
    addFolderWithCaption(folder);

    if (!cmdNext->isEnabled()) {
        m_imagesPage->setCountCaption(tr("No files to process..."));
        yieldToEvents();
        wait(m_setup.autoWaitMs);
        endProcessAtOnce(1);
        return;
    }

    while (m_page != Page::Run && m_page != Page::Finished) {
        if (m_page == Page::Ready && !m_runProblem.isEmpty()) {
            // The check before the run failed: the reason stays on screen for a moment,
            // and the run ends as quillmark-cli's does.
            const QByteArray line = (tr("quillmark: -auto: cannot start: %1").arg(m_runProblem) + u'\n').toLocal8Bit();
            std::fputs(line.constData(), stderr);
            std::fflush(stderr);
            yieldToEvents();
            wait(m_setup.autoWaitMs);
            endProcessAtOnce(2);
            return;
        }
        if (!isVisible() || !cmdNext->isEnabled()) {
            // A page that keeps Next disabled (an output folder missing from the stored
            // options), or the window closed meanwhile.
            endProcessAtOnce(1);
            return;
        }
        goNext();
        yieldToEvents();
        wait(m_setup.pauses ? 250 : 0);
    }
    // The job runs on; its end (jobEnded) shows the result and ends the automatic run.
}
