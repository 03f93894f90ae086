#pragma once

// Helpers for the tests that drive the real wizard window offscreen.

#include "core/Translations.h"
#include "gui/CleanWizard.h"
#include "gui/Mnemonics.h"
#include "gui/Palettes.h"
#include "gui/Prompts.h"
#include "jobfixtures.h"

#include <QAbstractButton>
#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTreeView>
#include <QUrl>
#include <QtTest>
#include <memory>

namespace guitest {

using testutil::readFile;
using testutil::writeFile;

// The one child of `root` of type T called `name`; a name missing or not unique ends the
// test run (QtTest cannot fail from a helper that returns a value).
template<class T> T *child(const QObject &root, QAnyStringView name)
{
    const QList<T *> found = root.findChildren<T *>(name.toString());
    if (found.size() != 1)
        qFatal("guitest::child: %lld children named \"%s\" of the wanted type", static_cast<long long>(found.size()),
            qPrintable(name.toString()));
    return found.constFirst();
}

// Several widgets by name, in the order given, and whether each is visible.
template<class T = QWidget> QList<T *> children(const QObject &root, std::initializer_list<const char *> names)
{
    QList<T *> found;
    for (const char *name : names)
        found << child<T>(root, name);
    return found;
}

inline QList<bool> visibility(const QObject &root, std::initializer_list<const char *> names)
{
    QList<bool> shown;
    for (QWidget *w : children(root, names))
        shown << w->isVisible();
    return shown;
}

// The panels of the pages, 1 to 8.
inline QList<QWidget *> pagePanels(const QObject &root)
{
    return children(root,
        {"picFrameWelcome", "picFrameInput", "picFrameOutput", "picFrameOptions", "picFrameDate", "picFrameBegin",
            "picFrameExecute", "picFrameFinished"});
}

// A private program folder in portable mode (so the user's own settings are never
// touched) and a private TEMP for the job's work files.
class Sandbox {
public:
    Sandbox()
    {
        m_ok = m_dir.isValid() && QDir().mkpath(programFolder()) && QDir().mkpath(tempFolder())
            && writeFile(programFolder() + QStringLiteral("/PORTABLE"), {});
        qputenv("TMPDIR", QFile::encodeName(tempFolder()));
        qputenv("TEMP", QFile::encodeName(tempFolder()));
    }
    bool isValid() const { return m_ok; }

    QString path(const QString &relative) const { return m_dir.filePath(relative); }
    QString programFolder() const { return m_dir.filePath(QStringLiteral("program")); }
    QString tempFolder() const { return m_dir.filePath(QStringLiteral("temp")); }
    QString iniPath() const { return programFolder() + QStringLiteral("/settings.ini"); }

    // A folder with copies of the named sample images; returns its path.
    QString imageFolder(const QString &name, const QStringList &samples) const
    {
        return testutil::folderWithSamples(m_dir.filePath(name), samples);
    }

    CleanWizardSetup setup(const QStringList &arguments = {})
    {
        CleanWizardSetup s;
        s.programFolder = programFolder();
        s.arguments = arguments;
        s.pauses = false;
        s.autoWaitMs = 0;
        s.endProcess = [this](int code) { ended = code; };
        return s;
    }

    std::unique_ptr<CleanWizard> window(const QStringList &arguments = {})
    {
        ended = -1000;
        auto w = std::make_unique<CleanWizard>(setup(arguments));
        w->show();
        return w;
    }

    // The window at `page` (up to 6); from page 2 on with `path` (an image, or a folder's
    // images) in the list.
    std::unique_ptr<CleanWizard> windowAt(int page, const QString &path = {})
    {
        auto w = window();
        if (page >= 2) {
            w->goNext();
            if (QFileInfo(path).isDir())
                w->addFolder(path);
            else if (!path.isEmpty())
                w->addFile(path);
            w->updateControls();
        }
        while (w->iPage() < page)
            w->goNext();
        return w;
    }

    int ended = -1000; // the exit code an automatic run ended with

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

// With QUILLMARK_SCREENSHOT_DIR set (tools/screenshots.sh), shows `w` and saves it there as
// name.png; false only when that fails.
inline bool shoot(QWidget &w, const QString &name)
{
    const QString dir = qEnvironmentVariable("QUILLMARK_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return true;
    w.show();
    return QTest::qWaitForWindowExposed(&w) && QDir().mkpath(dir)
        && w.grab().save(dir + u'/' + name + QStringLiteral(".png"));
}

// Before each test: no answer queued and no prompt recorded from the test before.
inline void forgetPrompts()
{
    Prompts::clearAnswers();
    Prompts::takeRecords();
}

// Tests open and close many windows; closing the last one must not end the test run.
inline void prepareApplication()
{
    // The user's language as the program loads it: the tests run in English unless ctest
    // runs one of them again with another locale.
    installTranslators(*QCoreApplication::instance());
    QGuiApplication::setQuitOnLastWindowClosed(false);
    // QUILLMARK_PALETTE=dark draws the windows (and screenshots) in the dark palette.
    Palettes::applyFromEnvironment();
    forgetPrompts();
    Prompts::setUnattended(true);
}

// For initTestCase: the application prepared as above, and a fresh sandbox.
inline std::unique_ptr<Sandbox> startSandbox()
{
    prepareApplication();
    return std::make_unique<Sandbox>();
}

// Waits until the run the last click started has ended and the finished page shows: the
// job goes on in the event loop after that click returns.
inline bool waitForFinishedPage(const CleanWizard &w, int timeoutMs = 300000)
{
    return QTest::qWaitFor([&w] { return w.iPage() >= 8; }, timeoutMs);
}

// Clicks Next through the pages and waits for the run to end on the finished page.
inline bool runToFinishedPage(CleanWizard &w)
{
    while (w.iPage() < 7)
        w.goNext();
    return waitForFinishedPage(w);
}

inline QStringList recordedTexts(Prompts::Kind kind)
{
    QStringList texts;
    for (const Prompts::Record &r : Prompts::takeRecords()) {
        if (r.kind == kind)
            texts << r.text;
    }
    return texts;
}

// What a person reads on a control (a button's Alt letter is not part of it).
inline QString caption(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return label->text();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return Mnemonics::plain(button->text());
    const auto *edit = qobject_cast<const QLineEdit *>(w);
    return edit ? edit->text() : QString();
}

inline QStringList rowTexts(const QTreeView *view, int column = 0)
{
    QStringList texts;
    for (int r = 0; r < view->model()->rowCount(); ++r)
        texts << view->model()->index(r, column).data().toString();
    return texts;
}

// The window becoming active, when it looks at its command line.
inline void activate(QWidget *w)
{
    QEvent event(QEvent::WindowActivate);
    QCoreApplication::sendEvent(w, &event);
}

// Double-clicks a row the way the window system delivers it (press, release, then the
// double-click press and release), and returns the one window or message that showed (an
// empty record if there was not exactly one).
inline Prompts::Record doubleClickRow(QTreeView *view, int row)
{
    Prompts::takeRecords();
    const QPoint where = view->visualRect(view->model()->index(row, 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, where, view->viewport()->mapToGlobal(where), Qt::LeftButton,
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(view->viewport(), &event);
    }
    const QList<Prompts::Record> records = Prompts::takeRecords();
    return records.size() == 1 ? records.first() : Prompts::Record {};
}

// The mouse coming onto and leaving a widget, as the window system reports it.
inline void enter(QWidget *w, QPoint at = QPoint(3, 3))
{
    QEnterEvent event(at, w->window()->mapFromGlobal(w->mapToGlobal(at)), w->mapToGlobal(at));
    QCoreApplication::sendEvent(w, &event);
}

inline void leave(QWidget *w)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(w, &event);
}

// What a file manager hands over: file URLs (or only text), dropped mid-widget.
inline bool dropUrls(QWidget *target, const QList<QUrl> &urls, bool withUrls = true)
{
    QMimeData data;
    if (withUrls)
        data.setUrls(urls);
    else
        data.setText(QStringLiteral("just text"));
    const QPointF where(target->width() / 2.0, target->height() / 2.0);
    QDragEnterEvent enterEvent(where.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enterEvent);
    QDropEvent dropEvent(where, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &dropEvent);
    return dropEvent.isAccepted();
}

inline bool drop(QWidget *target, const QStringList &paths, bool withUrls = true)
{
    QList<QUrl> urls;
    for (const QString &p : paths)
        urls << QUrl::fromLocalFile(p);
    return dropUrls(target, urls, withUrls);
}

} // namespace guitest
