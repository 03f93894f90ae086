#include "gui/QuickCleanDialog.h"

#include "core/ConsoleRunner.h"
#include "core/ImageFiles.h"
#include "core/NativePath.h"
#include "core/RunCheck.h"
#include "core/RunReport.h"
#include "core/SettingsStore.h"
#include "core/StoredOptions.h"
#include "core/SystemFolders.h"
#include "gui/Artwork.h"
#include "gui/Mnemonics.h"
#include "gui/ProblemView.h"
#include "gui/Prompts.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

// The images the paths name, as the wizard takes a file manager's selection: folders are
// walked like "Add from Folder", files that are no image are left out with their reason,
// what names nothing is passed over. Runs off the window's thread; keepGoing ends a walk.
QuickCleanDialog::Selection collect(const QStringList &paths, const std::function<bool()> &keepGoing)
{
    QuickCleanDialog::Selection selection;
    QSet<QString> listed;
    QSet<QString> leftOut;
    const auto leaveOut = [&](const FileOutcome &outcome) {
        if (!leftOut.contains(outcome.input)) {
            leftOut.insert(outcome.input);
            selection.leftOut << outcome;
        }
    };
    for (const QString &path : paths) {
        if (!keepGoing()) {
            selection.stopped = true;
            break;
        }
        if (ImageFiles::isPathTooLong(path)) {
            leaveOut(ImageFiles::leftOutOutcome(path, ImageFiles::LeftOutKind::PathTooLong));
        } else if (FolderExists(path)) {
            const ImageFiles::FolderImages found = ImageFiles::imagesInFolder(path, keepGoing);
            for (const QString &image : found.images) {
                if (!listed.contains(image)) {
                    listed.insert(image);
                    selection.images << image;
                }
            }
            for (const FileOutcome &o : found.leftOut)
                leaveOut(o);
            selection.stopped = found.stopped;
        } else if (ImageFiles::isSupportedImageFile(path)) {
            if (!listed.contains(path)) {
                listed.insert(path);
                selection.images << path;
            }
        } else if (PathExists(path)) {
            leaveOut(ImageFiles::leftOutOutcome(
                path, ImageFiles::mediaLeftOut(path).value_or(ImageFiles::LeftOutKind::NotAnImage)));
        }
    }
    return selection;
}

QLabel *wrappedLabel(const QString &name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

QuickCleanDialog::QuickCleanDialog(const QuickCleanSetup &setup, QWidget *parent)
    : QDialog(parent)
    , m_setup(setup)
{
    m_programFolder = m_setup.programFolder.isEmpty() ? programFolder() : m_setup.programFolder;
    buildUi();
    // Once the event loop runs, so the window is on screen before the first file is looked at.
    QTimer::singleShot(0, this, &QuickCleanDialog::begin);
}

QuickCleanDialog::~QuickCleanDialog()
{
    // The walk only reads; it ends within a few directory entries.
    m_stopLooking = true;
    if (m_looking)
        m_looking->wait();
}

void QuickCleanDialog::buildUi()
{
    setObjectName(u"frmQuickClean"_s);
    setWindowTitle(tr("Remove metadata"));
    m_headline = wrappedLabel(u"lblQuickHeadline"_s, this);
    QFont bold = m_headline->font();
    bold.setBold(true);
    m_headline->setFont(bold);
    m_note = wrappedLabel(u"lblQuickNote"_s, this);
    m_current = new QLabel(this);
    m_current->setObjectName(u"lblQuickCurrent"_s);
    m_current->setTextFormat(Qt::PlainText);
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(u"pbQuickProgress"_s);
    m_progress->setRange(0, 0); // busy until the run knows its size
    m_counts = wrappedLabel(u"lblQuickCounts"_s, this);

    m_stop = new QPushButton(tr("Stop"), this);
    m_stop->setObjectName(u"cmdQuickStop"_s);
    m_problems = new QPushButton(tr("Show problems"), this);
    m_problems->setObjectName(u"cmdQuickProblems"_s);
    m_openFolder = new QPushButton(tr("Open folder"), this);
    m_openFolder->setObjectName(u"cmdQuickOpenFolder"_s);
    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(u"cmdQuickClose"_s);
    for (QPushButton *b : {m_stop, m_problems, m_openFolder, m_close})
        b->setAutoDefault(false);
    Mnemonics::assign({m_close, m_stop, m_problems, m_openFolder});
    connect(m_stop, &QPushButton::clicked, this, &QuickCleanDialog::stop);
    connect(m_problems, &QPushButton::clicked, this, &QuickCleanDialog::showProblems);
    connect(m_openFolder, &QPushButton::clicked, this, &QuickCleanDialog::openFolder);
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton *b : {m_stop, m_problems, m_openFolder, m_close})
        buttons->addWidget(b);
    m_picture = new QLabel(this);
    m_picture->setObjectName(u"imgQuickOutcome"_s);
    m_picture->setAlignment(Qt::AlignTop);
    setPicture(u"processing"_s);
    auto *text = new QVBoxLayout;
    text->addWidget(m_headline);
    text->addWidget(m_note);
    text->addWidget(m_current);
    text->addWidget(m_progress);
    text->addWidget(m_counts);
    text->addStretch(1);
    auto *top = new QHBoxLayout;
    top->setSpacing(12);
    top->addWidget(m_picture, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);

    m_headline->setText(tr("Looking for images..."));
    m_note->hide();
    m_counts->hide();
    m_problems->hide();
    m_openFolder->hide();
    m_close->hide();
    setMinimumWidth(fontMetrics().averageCharWidth() * 72);
}

void QuickCleanDialog::begin()
{
    if (!isVisible()) // closed before it began
        return;
    SettingsStore store(m_programFolder);
    store.setNativeSettingsPath(m_setup.nativeSettingsPath);
    store.DetectPortableMode();
    // Cleaning with other options than the stored ones would surprise: nothing is done.
    if (store.isOversized()) {
        endWithout(tr("Nothing was cleaned"),
            tr("The settings file %1 is larger than 1 MB and was not read.")
                .arg(printablePath(store.settingsFilePath())),
            2);
        return;
    }
    // What the wizard's pages would hand to its run; nothing is written back.
    m_options = readStoredOptions(store).job;
    if (!QFileInfo::exists(store.settingsFilePath())) {
        m_note->setText(tr("No options are stored yet, so the defaults are used: cleaned copies named with "
                           "\"%1\" beside the originals.")
                            .arg(m_options.suffix));
        m_note->show();
    }
    if (m_options.outputMode == OutputMode::Folder && !m_options.outputFolder.isEmpty())
        m_options.outputFolder = QDir(m_programFolder).absoluteFilePath(m_options.outputFolder);

    QStringList paths;
    for (const QString &path : std::as_const(m_setup.paths)) {
        if (!path.isEmpty())
            paths << QDir::current().absoluteFilePath(path);
    }
    m_stage = Stage::Looking;
    m_looking.reset(
        QThread::create([this, paths] { m_selection = collect(paths, [this] { return !m_stopLooking.load(); }); }));
    connect(m_looking.get(), &QThread::finished, this, [this] { selectionFound(m_selection); });
    m_looking->start();
}

void QuickCleanDialog::selectionFound(const Selection &selection)
{
    if (selection.stopped || m_stopLooking) {
        endWithout(tr("Nothing was cleaned; the run was stopped"), QString(), 1);
        return;
    }
    m_rows = selection.leftOut;
    if (selection.images.isEmpty()) {
        const QStringList &given = m_setup.paths;
        const QString first = given.isEmpty() ? QString() : printablePath(given.constFirst());
        // A file manager may run the action with nothing selected: say so rather than vanish.
        endWithout(given.isEmpty() ? tr("No image to clean: nothing was selected.")
                : given.size() == 1
                ? tr("No image to clean in %1.").arg(first)
                : tr("No image to clean in %1 and %n other items.", nullptr, int(given.size() - 1)).arg(first),
            leftOutLine(selection.leftOut), 2);
        return;
    }
    if (const QString problem = RunCheck::problem(m_options, selection.images, m_programFolder); !problem.isEmpty()) {
        endWithout(tr("Nothing was cleaned"), problem, 2);
        return;
    }
    // A click in a context menu must never overwrite originals unasked.
    if (m_options.outputMode == OutputMode::Overwrite
        && !Prompts::question(this,
            tr("Overwrite the originals of %n images?", nullptr, int(selection.images.size())) + u"\n\n"_s
                + tr("The originals will be overwritten. This cannot be undone."))) {
        endWithout(tr("Nothing was cleaned; the originals are as they were"), QString(), 2);
        return;
    }
    startJob(selection.images);
}

void QuickCleanDialog::startJob(const QStringList &images)
{
    m_stage = Stage::Cleaning;
    m_headline->setText(tr("Cleaning %n images...", nullptr, int(images.size())));

    JobEnvironment environment;
    environment.exiftool = m_setup.exiftool.isEmpty() ? findExifTool() : m_setup.exiftool;
    environment.programFolder = m_programFolder;
    environment.tempFolder = GetSystemFolders().sTemp;
    environment.pauses = m_setup.pauses;
    environment.jobs = QThread::idealThreadCount();
    environment.locale = QLocale();

    auto *job = new CleanJob(m_options, environment, this);
    job->setOverwriteQuestion([this] {
        return Prompts::question(
            this, tr("One or more output file already exist! Do you want to overwrite existing file(s)?"));
    });
    connect(job, &CleanJob::progressed, this, [this](int done, int total, qint64, const QString &current) {
        m_progress->setRange(0, std::max(total, 1));
        m_progress->setValue(std::clamp(done, 0, std::max(total, 1)));
        m_current->setText(printablePath(QFileInfo(current).fileName()));
    });
    connect(job, &CleanJob::finished, this, &QuickCleanDialog::jobEnded);
    m_job = job;
    job->start(images);
}

void QuickCleanDialog::jobEnded(const JobResult &result)
{
    if (m_job)
        m_job->deleteLater();
    m_job = nullptr;

    // The finished page's words: the headline, and one line per status.
    const QList<FileOutcome> leftOut = m_rows; // what the folder walk left out
    const RunDescription run = describeRun(result, leftOut, QLocale());
    const QList<FileOutcome> &rows = run.rows;
    const RunCounts &counts = run.counts;
    m_rows = rows;
    m_exifToolText = result.problemTexts;
    m_errorDetail = result.errorDetail;

    m_headline->setText(run.headline);
    QStringList lines = run.countLines;
    if (result.internalError)
        lines << result.errorDetail;
    m_counts->setText(lines.join(u' '));
    m_counts->setVisible(!m_counts->text().isEmpty());

    const bool problems = result.internalError || result.problemCount > 0 || counts.failed + counts.residue > 0;
    m_problems->setVisible(problems);
    if (m_options.outputMode == OutputMode::Folder) {
        m_outputFolder = m_options.outputFolder;
    } else {
        for (const FileOutcome &o : std::as_const(rows)) {
            if (!o.output.isEmpty()) {
                m_outputFolder = QDir::cleanPath(GetFolderFromPath(o.output));
                break;
            }
        }
    }
    m_openFolder->setVisible(!m_outputFolder.isEmpty() && FolderExists(m_outputFolder));

    const bool everything = !problems && !result.stopped && leftOut.isEmpty() && counts.cleaned == counts.images();
    end(result.internalError && counts.cleaned == 0 ? 2 : everything ? 0 : 1);
}

void QuickCleanDialog::stop()
{
    m_stop->setEnabled(false);
    if (m_stage == Stage::Looking)
        m_stopLooking = true;
    else if (m_job)
        m_job->stop();
}

void QuickCleanDialog::endWithout(const QString &headline, const QString &detail, int status)
{
    m_headline->setText(headline);
    m_counts->setText(detail);
    m_counts->setVisible(!detail.isEmpty());
    end(status);
}

void QuickCleanDialog::setPicture(const QString &name)
{
    m_picture->setPixmap(Artwork::pixmap(name, QSize(32, 32), devicePixelRatioF()));
}

void QuickCleanDialog::end(int status)
{
    m_stage = Stage::Ended;
    m_exitStatus = status;
    // All cleaned, some images not, or nothing could be done.
    setPicture(status == 0 ? u"status-cleaned"_s : status == 1 ? u"status-residue"_s : u"status-failed"_s);
    m_current->hide();
    m_progress->hide();
    m_stop->hide();
    m_close->show();
    m_close->setDefault(true);
    m_close->setFocus();
    if (m_closeWhenEnded)
        QTimer::singleShot(0, this, &QWidget::close);
    else if (m_setup.closeAfterMs)
        QTimer::singleShot(*m_setup.closeAfterMs, this, &QWidget::close);
}

void QuickCleanDialog::closeEvent(QCloseEvent *event)
{
    // Closed while it works: the run stops after the images being written, then the window goes.
    if (m_stage == Stage::Looking || m_stage == Stage::Cleaning) {
        m_closeWhenEnded = true;
        stop();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void QuickCleanDialog::reject()
{
    // Escape while it works is a close: the run stops first.
    if (m_stage == Stage::Looking || m_stage == Stage::Cleaning)
        close();
    else
        QDialog::reject();
}

void QuickCleanDialog::showProblems()
{
    ProblemView view(RunProblems {m_rows, m_exifToolText, m_errorDetail}, this);
    Prompts::execModal(view, view.plainText());
}

void QuickCleanDialog::openFolder()
{
    if (m_outputFolder.isEmpty() || Prompts::openUrl(QUrl::fromLocalFile(m_outputFolder)))
        return;
    Prompts::message(this,
        tr("No program is set up here to open folders. The cleaned images are in this folder:") + u"\n\n"_s
            + QDir::toNativeSeparators(m_outputFolder),
        Prompts::Icon::Information);
}
