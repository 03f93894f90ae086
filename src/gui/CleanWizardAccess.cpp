// Keyboard and accessibility: names and descriptions for assistive tools, help on F1,
// Alt letters, the focus on a group of options, the viewer from the keyboard and the
// context menu, the summary of the ready page, and what the finished page's links do
// where the desktop cannot open them.

#include "core/CleanJob.h"
#include "core/ConsoleRunner.h"
#include "core/MetadataCompare.h"
#include "core/RunCheck.h"
#include "core/StoredOptions.h"
#include "core/SystemFolders.h"
#include "gui/BalloonTip.h"
#include "gui/CleanWizard.h"
#include "gui/DatePage.h"
#include "gui/FinishedPage.h"
#include "gui/ImagesPage.h"
#include "gui/MetadataViewer.h"
#include "gui/Mnemonics.h"
#include "gui/OutputPage.h"
#include "gui/PathListModel.h"
#include "gui/Prompts.h"
#include "gui/ReadyPage.h"
#include "gui/TagsPage.h"
#include "gui/WaitCursor.h"
#include "gui/WelcomePage.h"

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

using CleanWizardParts::escaped;

// --- names, descriptions and help -----------------------------------------------------

QList<std::pair<QWidget *, QWidget *>> CleanWizard::helpAnchors() const
{
    QList<std::pair<QWidget *, QWidget *>> anchors;
    for (const Page page : allPages)
        anchors += pageWidget(page)->helpAnchors();
    return anchors;
}

void CleanWizard::setupAccessibility()
{
    // Controls without a caption of their own; the pages name theirs. Buttons, check
    // boxes, options and labels are read by their captions, which change with the page.
    picSplash->setAccessibleName(tr("Quillmark"));
    picSplashTop->setAccessibleName(tr("Quillmark"));
    for (const Page page : allPages) {
        for (QLabel *anchor : pageWidget(page)->tooltipAnchors()) {
            const BalloonTip *tip = tooltipOf(anchor);
            if (!tip)
                continue;
            anchor->setAccessibleName(tip->Title().isEmpty() ? tr("Help") : tr("Help: %1").arg(tip->Title()));
            anchor->setAccessibleDescription(tip->TipText());
        }
    }
    for (const auto &[control, anchor] : helpAnchors()) {
        const BalloonTip *tip = tooltipOf(anchor);
        if (!tip || tip->TipText().isEmpty())
            continue;
        control->setAccessibleDescription(tip->Title() + u". "_s + tip->TipText());
        control->setWhatsThis(u"<b>"_s + escaped(tip->Title()) + u"</b><br>"_s + escaped(tip->TipText()));
    }
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
    return escaped(m_welcomePage->isVisible() ? m_welcomePage->introText() : m_finishedPage->summaryText());
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

void CleanWizard::assignMnemonics(Page page)
{
    QList<QAbstractButton *> buttons = {cmdBack, cmdNext, cmdCancel};
    const WizardPage *shown = pageWidget(page);
    for (QAbstractButton *button : shown->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(shown))
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
    for (QRadioButton *option : findChildren<QRadioButton *>())
        option->installEventFilter(this);
}

bool CleanWizard::keyboardEvent(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        if (auto *option = qobject_cast<QRadioButton *>(watched))
            optionFocused(option, static_cast<QFocusEvent *>(event)->reason());
    }
    return false;
}

void CleanWizard::showMetadataOfCurrent(bool cleaned)
{
    const int row = cleaned ? m_finishedPage->currentRow() : m_imagesPage->currentRow();
    if (row >= 0)
        showMetadata(cleaned, row);
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
            m_outcomeByOutput.insert(
                file.path, FileOutcome {file.input, file.path, FileStatus::Cleaned, {}, {}, false, QString()});
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
        const int result = runner.RunExifTool(m_exiftool,
            QStringList {u"-config"_s, QString()} + MetadataCompare::listingArguments() + QStringList {path});
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
    // Earlier outputs in the list are left out by the run, so they are not promised here.
    const int count = m_lstFiles.ListCount()
        - RunCheck::earlierOutputCount(m_lstFiles.toStringList(), storedOptions().job, m_programFolder);
    QString text
        = count == 1 ? tr("1 image will be cleaned") : tr("%1 images will be cleaned", nullptr, count).arg(count);
    switch (m_outputPage->outputMode()) {
    case 0:
        text += u' ' + tr("in place: the originals are overwritten.");
        break;
    case 1:
        text += u' ' + tr("into the folder %1.").arg(m_outputPage->outputFolder().trimmed());
        break;
    case 2:
        text += u' ' + tr("as copies whose names begin with \"%1\".").arg(m_outputPage->prefix());
        break;
    default:
        text += u' ' + tr("as copies whose names end with \"%1\".").arg(m_outputPage->suffix());
        break;
    }
    text += u' ' + tr("Removed: %1.").arg(m_tagsPage->removedNames().join(u", "_s));
    if (m_datePage->resetFileDates()) {
        text += u' '
            + (!m_datePage->randomDate()
                    ? tr("File dates are set to %1.").arg(FileDate::dateText(m_datePage->fixedDate()))
                    : tr("File dates are set to random dates."));
    }
    if (m_datePage->moveFailed()) {
        text += u' '
            + (m_datePage->failTarget() == 0
                    ? tr("Originals that fail go to the trash.")
                    : tr("Originals that fail are moved to %1.").arg(m_datePage->failFolder().trimmed()));
    }
    return text;
}

void CleanWizard::showReadySummary()
{
    // The quick way passes the images page by: a folder that held nothing is named here too.
    QString text = readySummaryText();
    if (const QString note = m_imagesPage->addNote(); !note.isEmpty())
        text += u"\n\n"_s + note;
    m_readyPage->showSummary(text, m_outputPage->outputMode() == 0);
}

// --- the finished page's links where the desktop cannot open them ---------------------

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
