// Filling and emptying the image list: the add dialogs, folders, drops, removal and the
// command line.

#include "app/frmMain.h"

#include "app/PathListModel.h"
#include "fs/BrowseForFolder.h"
#include "imagelist/ImageFiles.h"
#include "ui/Prompts.h"
#include "ui/WaitCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTreeView>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// The window is given a chance to repaint after this many rows.
constexpr int rowsPerYield = 49;

} // namespace

bool frmMain::AddFile(const QString &path)
{
    if (ImageFiles::isSupportedImageFile(path))
        m_filesModel->append(path);
    lblNumFileAdded->setText(tr("%1 images").arg(m_lstFiles.ListCount()));
    if (m_lstFiles.ListCount() % rowsPerYield == 0)
        yieldToEvents();
    return true;
}

void frmMain::AddFolder(const QString &folder)
{
    clsListEmu found;
    ImageFiles::RecursiveGetFolderContent(folder, found, true, false, true, [this] { yieldToEvents(); });
    const ImageFiles::DuplicateSet listed(m_lstFiles);
    for (int i = 0; i < found.ListCount(); ++i) {
        const QString path = found.List(i);
        if (!listed.contains(path))
            AddFile(path);
    }
}

void frmMain::addFolderWithCaption(const QString &folder)
{
    WaitCursor hourglass;
    lblNumFileAdded->setText(tr("Adding files..."));
    yieldToEvents();
    yieldToEvents();
    AddFolder(folder);
    UpdateControls();
}

void frmMain::cmdInput_Click()
{
    const QString start = sLastDir.isEmpty() ? m_systemFolders.sMyPictures : sLastDir;
    const QStringList chosen = Prompts::openFiles(this, tr("Add Images"), start, ImageFiles::dialogNameFilters());
    if (chosen.isEmpty())
        return;

    WaitCursor hourglass;
    if (chosen.size() == 1) {
        // One file is added as chosen, listed already or not.
        AddFile(chosen.constFirst());
        sLastDir = GetFolderFromPath(chosen.constFirst());
    } else {
        sLastDir = GetFolderFromPath(chosen.constFirst());
        const ImageFiles::DuplicateSet listed(m_lstFiles);
        for (const QString &path : chosen) {
            if (!listed.contains(path))
                AddFile(path);
        }
    }
    UpdateControls();
}

void frmMain::cmdAddFolder_Click()
{
    if (sLastAddDir.size() > 1 && sLastAddDir.endsWith(u'/'))
        sLastAddDir.chop(1);
    const QString initial = sLastAddDir.isEmpty() ? m_systemFolders.sMyPictures : sLastAddDir;
    const QString folder = BrowseForFolder(this, tr("Select a folder with images to add:"), initial, false);
    if (!folder.isEmpty()) {
        sLastAddDir = folder;
        addFolderWithCaption(folder);
    }
    UpdateControls();
}

QList<int> frmMain::selectedRows() const
{
    QList<int> rows;
    const QModelIndexList selected = lwFiles->selectionModel()->selectedIndexes();
    rows.reserve(selected.size());
    for (const QModelIndex &index : selected)
        rows << index.row();
    return rows;
}

void frmMain::cmdRemoveSelected_Click()
{
    const QList<int> rows = selectedRows();
    if (!rows.isEmpty()) {
        WaitCursor hourglass;
        m_filesModel->removeRowSet(rows);
    }
    UpdateControls();
}

void frmMain::cmdRemoveAll_Click()
{
    m_filesModel->clear();
    UpdateControls();
}

void frmMain::dropFiles(const QStringList &paths, bool onFileList)
{
    {
        WaitCursor hourglass;
        if (!paths.isEmpty()) {
            const ImageFiles::DuplicateSet listed(m_lstFiles);
            clsListEmu sorted;
            for (const QString &path : paths)
                sorted.AddItem(path);
            sorted.ShellSort();
            for (int i = 0; i < sorted.ListCount(); ++i) {
                const QString path = sorted.List(i);
                if (QFileInfo(path).isDir()) {
                    AddFolder(path);
                } else if (!listed.contains(path)) {
                    if (!AddFile(path))
                        break;
                }
            }
        }
        UpdateControls();
    }
    if (onFileList)
        return;
    // Files dropped on the finished page are there to be cleaned next: the file list
    // shows them, as Back would.
    if (m_iPage == 8) {
        m_iPage = 2;
        ShowPage();
    } else if (cmdNext->isEnabled()) {
        cmdNext_Click();
    }
}

// --- the command line -----------------------------------------------------------------

void frmMain::runCommandLine()
{
    if (m_commandLineDone)
        return;
    m_commandLineDone = true;

    QString line = m_setup.arguments.join(u' ').trimmed();
    line.remove(u'"');
    if (line.isEmpty())
        return;

    // A relative folder is taken as the shell that started the program means it.
    const auto absolute = [](const QString &folder) { return QDir::current().absoluteFilePath(folder); };

    if (line.startsWith(u"-auto "_s)) {
        QString folder = line.mid(6);
        if (!folder.endsWith(u'/'))
            folder += u'/';
        folder = absolute(folder);
        if (!FolderExists(folder))
            return;
        runAutomatic(folder);
        return;
    }

    const QString folder = absolute(line);
    if (!FolderExists(folder))
        return;
    cmdNext_Click();
    yieldToEvents();
    addFolderWithCaption(folder);
}

void frmMain::runAutomatic(const QString &folder)
{
    bAutoRun = true;
    cmdNext_Click();
    yieldToEvents();
    addFolderWithCaption(folder);

    if (!cmdNext->isEnabled()) {
        lblNumFileAdded->setText(tr("No files to process..."));
        yieldToEvents();
        wait(m_setup.autoWaitMs);
        endProcessAtOnce(1);
        return;
    }

    while (m_iPage != 8) {
        if (!isVisible() || !cmdNext->isEnabled()) {
            // A page that keeps Next disabled (an output folder missing from the stored
            // options), or the window closed meanwhile.
            endProcessAtOnce(1);
            return;
        }
        cmdNext_Click();
        yieldToEvents();
        wait(m_setup.pauses ? 250 : 0);
    }
    wait(m_setup.autoWaitMs);
    endProcessAtOnce(0);
}
