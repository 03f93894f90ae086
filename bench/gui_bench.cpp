// Responsiveness of the wizard window with many images, measured offscreen:
//  - adding a folder tree of 100,000 files to the image list (seconds), and the longest
//    time the event loop went without running (a 5 ms timer probes it) and paints seen;
//  - resident memory with them listed; removing all of them;
//  - a cleaning run of real images: the longest event-loop gap while ExifTool works.
//   gui_bench [TREE_FILES] [RUN_IMAGES]

#include "gui/CleanWizard.h"
#include "gui/Prompts.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Records the longest gap between ticks of a fast timer: how long the window could
// not have repainted or reacted.
class LoopProbe final : public QObject {
public:
    LoopProbe()
    {
        m_timer.setInterval(5);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            const qint64 now = m_clock.elapsed();
            m_maxGap = std::max(m_maxGap, now - m_last);
            m_last = now;
        });
    }
    void start()
    {
        m_maxGap = 0;
        m_clock.start();
        m_last = 0;
        m_timer.start();
    }
    qint64 stop()
    {
        m_timer.stop();
        m_maxGap = std::max(m_maxGap, m_clock.elapsed() - m_last);
        return m_maxGap;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_maxGap = 0;
};

class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

long residentKb()
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

bool makeTree(const QString &root, int files)
{
    if (QDir(root).exists())
        return true;
    const QString building = root + u".part"_s;
    QDir(building).removeRecursively();
    for (int i = 0; i < files; ++i) {
        const QString folder = building + u"/d%1"_s.arg(i / 1000, 3, 10, QLatin1Char('0'));
        if (i % 1000 == 0 && !QDir().mkpath(folder))
            return false;
        QFile f(folder + u"/IMG_%1.jpg"_s.arg(i, 6, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly))
            return false;
    }
    return QDir().rename(building, root);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const int treeFiles = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runImages = argc > 2 ? std::atoi(argv[2]) : 2000;
    const QString work = qEnvironmentVariable("WORK", u"/tmp/quillmark-bench"_s);

    QTemporaryDir program;
    QFile marker(program.path() + u"/PORTABLE"_s);
    marker.open(QIODevice::WriteOnly);
    marker.close();
    qputenv("TEMP", QFile::encodeName(program.path()));
    Prompts::setUnattended(true);

    std::printf("| measure | value |\n|---|---|\n");
    const QString tree = work + u"/tree%1"_s.arg(treeFiles);
    if (!makeTree(tree, treeFiles)) {
        std::fprintf(stderr, "cannot build %s\n", qPrintable(tree));
        return 1;
    }

    CleanWizardSetup setup;
    setup.programFolder = program.path();
    setup.pauses = false;
    setup.endProcess = [](int) {};
    CleanWizard window(setup);
    window.show();
    QCoreApplication::processEvents();
    window.goNext(); // the file list page
    PaintCounter paints;
    window.installEventFilter(&paints);
    for (QWidget *w : window.findChildren<QWidget *>())
        w->installEventFilter(&paints);

    const long rssBefore = residentKb();
    LoopProbe probe;
    probe.start();
    QElapsedTimer clock;
    clock.start();
    window.addFolder(tree);
    window.updateControls();
    const qint64 addMs = clock.elapsed();
    const qint64 addGap = probe.stop();
    QCoreApplication::processEvents();
    std::printf("| files added | %d |\n", window.lstFiles().ListCount());
    std::printf("| adding %d files | %.2f s |\n", treeFiles, addMs / 1000.0);
    std::printf("| longest event-loop gap while adding | %lld ms |\n", addGap);
    std::printf("| paint events while adding | %d |\n", paints.paints);
    std::printf("| resident memory before / with the files listed | %.0f / %.0f MB |\n", rssBefore / 1024.0,
        residentKb() / 1024.0);

    clock.restart();
    window.removeAllImages();
    std::printf("| removing all | %lld ms |\n", clock.elapsed());

    if (runImages > 0) {
        const QString images = work + u"/small"_s;
        QDir dir(images);
        const QStringList names = dir.entryList({u"*.jpg"_s}, QDir::Files, QDir::Name).mid(0, runImages);
        const QString runFolder = work + u"/gui-run"_s;
        QDir(runFolder).removeRecursively();
        QDir().mkpath(runFolder);
        for (const QString &n : names)
            if (!n.endsWith(u"_cleaned.jpg"_s))
                QFile::copy(images + u'/' + n, runFolder + u'/' + n);
        window.addFolder(runFolder);
        window.updateControls();
        while (window.iPage() < 6)
            window.goNext();
        probe.start();
        clock.restart();
        window.goNext(); // Start: runs the whole job
        const qint64 runMs = clock.elapsed();
        const qint64 runGap = probe.stop();
        std::printf("| cleaning run of %lld images | %.2f s |\n", static_cast<long long>(names.size()), runMs / 1000.0);
        std::printf("| longest event-loop gap during the run | %lld ms |\n", runGap);
        QDir(runFolder).removeRecursively();
    }
    return 0;
}
