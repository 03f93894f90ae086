#include "gui/BrowseForFolder.h"

#include "gui/Prompts.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// A folder that has gone away still tells where the user was; its nearest existing
// parent is the best place to start.
QString existingStart(const QString &initial)
{
    if (initial.isEmpty())
        return QDir::homePath();
    QFileInfo info(QDir::cleanPath(QDir::current().absoluteFilePath(initial)));
    while (!info.isDir()) {
        const QString parent = info.absolutePath();
        if (parent == info.absoluteFilePath())
            return QDir::homePath();
        info = QFileInfo(parent);
    }
    return info.absoluteFilePath();
}

QString withoutTrailingSlash(QString folder)
{
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

} // namespace

QString BrowseForFolder(
    QWidget *owner, const QString &title, const QString &initialSelection, bool newFolderButton, const QString &okText)
{
    const QString caption
        = title.isEmpty() ? QCoreApplication::translate("BrowseForFolder", "Select A Directory") : title;
    const QString start = existingStart(initialSelection);

    if (const auto scripted = Prompts::takeScriptedAnswer({Prompts::Kind::Folder, caption, {}, start}))
        return withoutTrailingSlash(scripted->toString());

    QFileDialog dialog(owner, caption, start);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    // Qt's own dialog offers no new-folder button on a read-only view.
    if (!newFolderButton)
        dialog.setOption(QFileDialog::ReadOnly, true);
    if (!okText.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, okText);

    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int result = dialog.exec();
    if (busy)
        QApplication::restoreOverrideCursor();

    if (result != QDialog::Accepted)
        return QString();
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : withoutTrailingSlash(chosen.constFirst());
}
