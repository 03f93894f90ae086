// Keyboard and accessibility: names and descriptions for assistive tools, help on F1,
// Alt letters, the focus on a group of options, the viewer from the keyboard and the
// context menu, the summary of the ready page, and what the finished page's links do
// where the desktop cannot open them.

#include "core/CleanJob.h"
#include "core/ConsoleRunner.h"
#include "core/SystemFolders.h"
#include "gui/BalloonTip.h"
#include "gui/CleanWizard.h"
#include "gui/FileListView.h"
#include "gui/MetadataViewer.h"
#include "gui/Mnemonics.h"
#include "gui/PathListModel.h"
#include "gui/Prompts.h"
#include "gui/WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeView>
#include <QUrl>
#include <QWhatsThis>

using namespace Qt::StringLiterals;

namespace {

// The largest log the text window reads; ExifTool's messages of a very long run can be more.
constexpr qint64 maxLogBytes = 8 * 1024 * 1024;

QString escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(u"\r\n"_s, u"<br>"_s).replace(u'\n', u"<br>"_s);
}

} // namespace

// --- names, descriptions and help -----------------------------------------------------

QList<std::pair<QWidget *, QWidget *>> CleanWizard::helpAnchors() const
{
    // Each control with the balloon that explains it (its "i" picture, or itself).
    return {
        {chkCleanExif, picTooltip[0]},
        {chkCleanExifGPS, picTooltip[1]},
        {chkCleanThumbnail, picTooltip[2]},
        {chkCleanICC, picTooltip[3]},
        {chkCleanXMP, picTooltip[4]},
        {chkCleanIPTC, picTooltip[5]},
        {chkCleanOther, picTooltip[6]},
        {txtPrefix, picTooltip[7]},
        {optOutputMode[2], picTooltip[7]},
        {txtSuffix, picTooltip[8]},
        {optOutputMode[3], picTooltip[8]},
        {chkCleanPhotoshop, picTooltip[9]},
        {chkCleanAll, picTooltip[10]},
        {chkCleanTiffIdf0, picTooltip[11]},
        {chkResetFileDates, picTooltip[12]},
        {optDate[0], picTooltip[12]},
        {optDate[1], picTooltip[12]},
        {chkDeleteFileOnFail, picTooltip[13]},
        {optProcessingFail[0], picTooltip[13]},
        {optProcessingFail[1], picTooltip[13]},
        {txtProcessingFailFolder, picTooltip[13]},
        {chkCleanGeoTiff, picTooltip[15]},
        {chkCleanAdobeApp14, picTooltip[16]},
        {cmdInput, cmdInput},
        {cmdAddFolder, cmdAddFolder},
    };
}

void CleanWizard::setupAccessibility()
{
    const auto name = [](QWidget *w, const QString &text) {
        if (w)
            w->setAccessibleName(text);
    };
    // Controls without a caption of their own. Buttons, check boxes, options and labels
    // are read by their captions, which change with the page.
    name(txtOutput, tr("Output folder"));
    name(txtPrefix, tr("Prefix"));
    name(txtSuffix, tr("Suffix"));
    name(txtProcessingFailFolder, tr("Folder for files that fail"));
    name(lwFiles, tr("Images to clean"));
    name(lwFilesCleaned, tr("Cleaned files"));
    name(ProgressBar, tr("Progress"));
    name(txtErrorLog, tr("Error details"));
    name(picSplash, tr("Quillmark"));
    name(picSplashTop, tr("Quillmark"));
    name(imgDisclaimer, tr("Warning"));
    name(imgReadyToStart, tr("Ready"));
    name(imgProcessing, tr("Working"));
    name(Image2, tr("Folder"));
    name(imgOverwriteWarning, tr("Warning"));
    name(lblResetDateTo, tr("New file date"));
    for (QPushButton *button : {cmdRemoveSelected, cmdRemoveAll, cmdOutputBrowse, cmdProcessingFailBrowse}) {
        name(button, button->toolTip());
        button->setAccessibleDescription(button->toolTip());
        button->setWhatsThis(escaped(button->toolTip()));
    }
    for (QLabel *anchor : picTooltip) {
        const BalloonTip *tip = tooltipOf(anchor);
        if (!anchor || !tip)
            continue;
        name(anchor, tip->Title().isEmpty() ? tr("Help") : tr("Help: %1").arg(tip->Title()));
        anchor->setAccessibleDescription(tip->TipText());
    }
    for (const auto &[control, anchor] : helpAnchors()) {
        const BalloonTip *tip = tooltipOf(anchor);
        if (!tip || tip->TipText().isEmpty())
            continue;
        control->setAccessibleDescription(tip->Title() + u". "_s + tip->TipText());
        control->setWhatsThis(u"<b>"_s + escaped(tip->Title()) + u"</b><br>"_s + escaped(tip->TipText()));
    }
    lwFiles->setWhatsThis(escaped(lblShowMetadataTip->text() + u". "_s
        + tr("Ctrl+I shows the metadata of the current image; Delete removes the "
             "selected images.")));
    lwFilesCleaned->setWhatsThis(escaped(tr("Ctrl+I, a double click or the context menu shows what cleaning "
                                            "removed from the current file and what is left.")));
}

QString CleanWizard::helpTextFor(const QWidget *control) const
{
    for (const QWidget *w = control; w && w != this; w = w->parentWidget()) {
        if (!w->whatsThis().isEmpty())
            return w->whatsThis();
        if (!w->toolTip().isEmpty())
            return escaped(w->toolTip());
    }
    // Without help of its own, a control is explained by its page.
    if (picFrameTop->isVisible())
        return u"<b>"_s + escaped(lblTopTitle->text()) + u"</b><br>"_s + escaped(lblTopText->text());
    return escaped(Label7->isVisible() ? Label7->text() : lblExecuteInfo->text());
}

void CleanWizard::showHelpFor(QWidget *control)
{
    if (!control || control->window() != this)
        control = cmdNext;
    m_lastHelpShown = helpTextFor(control);
    QWhatsThis::showText(
        control->mapToGlobal(QPoint(control->width() / 2, control->height())), m_lastHelpShown, control);
}

// --- Alt letters and the focus on options ---------------------------------------------

void CleanWizard::assignMnemonics()
{
    if (m_iPage < 1 || m_iPage > 8)
        return;
    QList<QAbstractButton *> buttons = {cmdBack, cmdNext, cmdCancel};
    for (QAbstractButton *button : pages.at(m_iPage - 1)->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(pages.at(m_iPage - 1)))
            buttons << button;
    }
    Mnemonics::assign(buttons);
}

void CleanWizard::optionFocused(QRadioButton *option, Qt::FocusReason reason)
{
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason)
        return;
    QButtonGroup *group = option->group();
    if (!group)
        return;
    const QList<QAbstractButton *> members = group->buttons();
    const bool fromInside = members.contains(qobject_cast<QAbstractButton *>(m_focusNow.data()));
    const bool backwards = reason == Qt::BacktabFocusReason;
    if (fromInside) {
        // Tab leaves a group of options at once; the arrow keys move inside it.
        QTimer::singleShot(0, this, [this, option, members, backwards, reason] {
            QWidget *next = option;
            for (int i = 0; i < 200 && next; ++i) {
                next = backwards ? next->previousInFocusChain() : next->nextInFocusChain();
                if (!next || next == option)
                    return;
                if (members.contains(qobject_cast<QAbstractButton *>(next)) || next->window() != this)
                    continue;
                if (next->isVisible() && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)) {
                    next->setFocus(reason);
                    return;
                }
            }
        });
        return;
    }
    QAbstractButton *checked = group->checkedButton();
    if (checked && checked != option && checked->isEnabled() && checked->isVisible())
        QTimer::singleShot(0, checked, [checked, reason] { checked->setFocus(reason); });
}

// --- the viewer from the keyboard and the context menu --------------------------------

void CleanWizard::setupKeyboard()
{
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { m_focusNow = now; });
    for (const auto &group : {m_outputModeGroup, m_dateGroup, m_processingFailGroup}) {
        for (QAbstractButton *option : group->buttons())
            option->installEventFilter(this);
    }
    for (QTreeView *view : {lwFiles, lwFilesCleaned}) {
        const bool cleaned = view == lwFilesCleaned;
        auto *show = new QAction(tr("Show Metadata"), view);
        show->setObjectName(cleaned ? u"actShowMetadataCleaned"_s : u"actShowMetadata"_s);
        show->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
        show->setShortcutContext(Qt::WidgetShortcut);
        show->setShortcutVisibleInContextMenu(true);
        connect(show, &QAction::triggered, this, [this, cleaned] { showMetadataOfCurrent(cleaned); });
        view->addAction(show);
        view->setContextMenuPolicy(Qt::ActionsContextMenu);
        view->installEventFilter(this);
    }
    static_cast<FileListView *>(lwFiles)->setEmptyText(tr("No images yet. Add them with the buttons on the "
                                                          "left, or drop them here."));
}

bool CleanWizard::keyboardEvent(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *option = qobject_cast<QRadioButton *>(watched))
            optionFocused(option, static_cast<QFocusEvent *>(event)->reason());
        return false;
    }
    if (event->type() != QEvent::KeyPress || (watched != lwFiles && watched != lwFilesCleaned))
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() == Qt::Key_I && key->modifiers() == Qt::ControlModifier) {
        showMetadataOfCurrent(watched == lwFilesCleaned);
        return true;
    }
    return false;
}

void CleanWizard::showMetadataOfCurrent(bool cleaned)
{
    const QTreeView *view = cleaned ? lwFilesCleaned : lwFiles;
    QModelIndex current = view->currentIndex();
    if (!current.isValid() && !view->selectionModel()->selectedIndexes().isEmpty())
        current = view->selectionModel()->selectedIndexes().constFirst();
    if (current.isValid())
        showMetadata(cleaned, current.row());
}

void CleanWizard::rememberOriginals(const JobResult &result)
{
    m_outcomeByOutput.clear();
    for (const FileOutcome &outcome : result.outcomes) {
        if (!outcome.output.isEmpty())
            m_outcomeByOutput.insert(outcome.output, outcome);
    }
    // A run without outcomes still pairs each output with its original.
    for (const CleanedFile &file : result.cleanedFiles) {
        if (!m_outcomeByOutput.contains(file.path))
            m_outcomeByOutput.insert(file.path, FileOutcome {file.input, file.path, FileStatus::Cleaned, {}, {}});
    }
}

bool CleanWizard::compareWithOriginal(int row)
{
    if (row < 0 || row >= m_lstCleaned.ListCount())
        return false;
    const QString cleaned = m_lstCleaned.List(row);
    const FileOutcome outcome = m_outcomeByOutput.value(cleaned);
    const QString original = outcome.input;
    // Overwritten in place, the original is gone: only the cleaned file can be shown.
    if (cleaned.isEmpty() || original.isEmpty() || original == cleaned || !PathExists(original))
        return false;

    const auto listing = [this](const QString &path, QString *output) {
        ConsoleRunner runner;
        runner.setWorkingDirectory(m_programFolder);
        // "-u": what the run found left may be a maker-note tag ExifTool has no name for.
        const int result
            = runner.RunExifTool(m_exiftool, {u"-config"_s, QString(), u"-a"_s, u"-u"_s, u"-G1"_s, u"-s"_s, path});
        *output = runner.sConsoleOutput();
        return result == 0;
    };
    MetadataViewer::Comparison comparison;
    comparison.originalPath = original;
    comparison.cleanedPath = cleaned;
    comparison.residue = outcome.residue;
    bool ok = false;
    {
        WaitCursor hourglass;
        m_viewerBusy = true;
        ok = listing(original, &comparison.originalOutput) && listing(cleaned, &comparison.cleanedOutput);
        m_viewerBusy = false;
    }
    if (!ok) {
        Prompts::message(this, tr("There was an error reading the file..."), Prompts::Icon::Exclamation);
        return true;
    }
    MetadataViewer report(comparison, this);
    Prompts::execModal(report, report.txtReport->toPlainText());
    return true;
}

// --- the ready page -------------------------------------------------------------------

QString CleanWizard::readySummaryText() const
{
    const int count = m_lstFiles.ListCount();
    QString text = count == 1 ? tr("1 image will be cleaned") : tr("%1 images will be cleaned").arg(count);
    switch (selectedOutputMode()) {
    case 0:
        text += u' ' + tr("in place: the originals are overwritten.");
        break;
    case 1:
        text += u' ' + tr("into the folder %1.").arg(txtOutput->text().trimmed());
        break;
    case 2:
        text += u' ' + tr("as copies whose names begin with \"%1\".").arg(txtPrefix->text());
        break;
    default:
        text += u' ' + tr("as copies whose names end with \"%1\".").arg(txtSuffix->text());
        break;
    }
    QStringList removed;
    if (chkCleanAll->isChecked()) {
        removed << tr("all supported metadata");
        if (chkCleanAdobeApp14->isChecked())
            removed << Mnemonics::plain(chkCleanAdobeApp14->text());
    } else {
        for (const QCheckBox *box :
            {chkCleanExif, chkCleanExifGPS, chkCleanThumbnail, chkCleanXMP, chkCleanIPTC, chkCleanICC,
                chkCleanPhotoshop, chkCleanTiffIdf0, chkCleanGeoTiff, chkCleanAdobeApp14, chkCleanOther}) {
            if (box->isChecked())
                removed << Mnemonics::plain(box->text());
        }
    }
    text += u' ' + tr("Removed: %1.").arg(removed.join(u", "_s));
    if (chkResetFileDates->isChecked()) {
        text += u' '
            + (optDate[0]->isChecked() ? tr("File dates are set to %1.").arg(lblResetDateTo->text())
                                       : tr("File dates are set to random dates."));
    }
    if (chkDeleteFileOnFail->isChecked()) {
        text += u' '
            + (optProcessingFail[0]->isChecked()
                    ? tr("Originals that fail go to the trash.")
                    : tr("Originals that fail are moved to %1.").arg(txtProcessingFailFolder->text().trimmed()));
    }
    return text;
}

void CleanWizard::showReadySummary()
{
    lblReadySummary->setText(readySummaryText());
    const bool overwrite = selectedOutputMode() == 0;
    lblOverwriteWarning->setVisible(overwrite);
    imgOverwriteWarning->setVisible(overwrite);
}

// --- the finished page's links where the desktop cannot open them ---------------------

void CleanWizard::showLogWindow(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Prompts::message(this, tr("The problem log could not be read:\n%1").arg(path), Prompts::Icon::Exclamation);
        return;
    }
    QString text = QString::fromUtf8(file.read(maxLogBytes));
    if (!file.atEnd())
        text += u'\n' + tr("(The log goes on; this window shows its first 8 MB.)");
    std::unique_ptr<MetadataViewer> window(
        MetadataViewer::textWindow(tr("%1 - Problem Log").arg(QFileInfo(path).fileName()), text, this));
    window->txtReport->setAccessibleName(tr("Problem log"));
    Prompts::execModal(*window, text);
}

void CleanWizard::tellFolder(const QString &folder)
{
    Prompts::message(this,
        tr("No program is set up here to open folders. The cleaned images are in this folder:") + u"\n\n"_s
            + QDir::toNativeSeparators(folder),
        Prompts::Icon::Information);
}

void CleanWizard::tellAddress(const QString &address)
{
    Prompts::message(
        this, tr("No web browser is set up here. The home page is:") + u"\n\n"_s + address, Prompts::Icon::Information);
}
