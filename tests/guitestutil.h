#pragma once

// Helpers for the tests that drive the real wizard window offscreen.

#include "app/frmMain.h"
#include "testutil.h"
#include "ui/Prompts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace guitest {

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// A private program folder in portable mode (so the user's own settings are never
// touched) and a private TEMP for the job's work files.
class Sandbox
{
public:
    Sandbox()
    {
        m_ok = m_dir.isValid() && QDir().mkpath(programFolder()) && QDir().mkpath(tempFolder())
            && writeFile(programFolder() + QStringLiteral("/PORTABLE"), {});
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
        const QString folder = m_dir.filePath(name);
        QDir().mkpath(folder);
        for (const QString &sample : samples)
            testutil::copySample(sample, folder + u'/' + sample);
        return folder;
    }

    frmMainSetup setup(const QStringList &arguments = {})
    {
        frmMainSetup s;
        s.programFolder = programFolder();
        s.arguments = arguments;
        s.pauses = false;
        s.autoWaitMs = 0;
        s.endProcess = [this](int code) { ended = code; };
        return s;
    }

    std::unique_ptr<frmMain> window(const QStringList &arguments = {})
    {
        ended = -1000;
        auto w = std::make_unique<frmMain>(setup(arguments));
        w->show();
        return w;
    }

    int ended = -1000; // the exit code an automatic run ended with

private:
    QTemporaryDir m_dir;
    bool m_ok = false;
};

// Tests open and close many windows; closing the last one must not end the test run.
inline void prepareApplication()
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    Prompts::clearAnswers();
    Prompts::takeRecords();
    Prompts::setUnattended(true);
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

} // namespace guitest
