// The settings store: portable detection, the settings.ini reader and writer (byte for
// byte), the QSettings store of normal mode, and the options read from and written to it.

#include "core/SettingsStore.h"
#include "core/StoredOptions.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<QByteArray>)

namespace {

const QString kApplication = QString::fromUtf16(SettingsCatalogue::application);
const QString kSection = QString::fromUtf16(SettingsCatalogue::section);

} // namespace

class tst_Settings final : public QObject {
    Q_OBJECT

    QTemporaryDir m_configHome;
    std::unique_ptr<QTemporaryDir> m_dir; // a fresh folder for each test

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void initTestCase()
    {
        QVERIFY(m_configHome.isValid());
        // Before the first QSettings object: its default file then lies in this folder, never
        // in the real home of whoever runs the tests.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_configHome.path()));
    }

    void detectPortableMode_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("portable");

        QTest::newRow("no marker") << u"other.txt"_s << u"file"_s << false;
        QTest::newRow("marker file") << u"PORTABLE"_s << u"file"_s << true;
        QTest::newRow("marker without read permission") << u"PORTABLE"_s << u"unreadable"_s << true;
        QTest::newRow("folder of that name") << u"PORTABLE"_s << u"dir"_s << false;
    }

    void detectPortableMode()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, portable);

        const QString path = m_dir->filePath(name);
        if (kind == u"dir") {
            QVERIFY(QDir(m_dir->path()).mkdir(name));
        } else {
            QVERIFY(testutil::writeFile(path, "\xff\xfe not a settings file")); // never read
            if (kind == u"unreadable")
                QVERIFY(QFile::setPermissions(path, {}));
        }

        SettingsStore store(m_dir->path());
        store.DetectPortableMode();
        QCOMPARE(store.bPortable(), portable);
        QCOMPARE(store.iniPath(), m_dir->filePath(u"settings.ini"_s));
    }

    // One row per rule: what a read of the file finds, and the exact bytes a save then leaves.
    void iniFile_data()
    {
        QTest::addColumn<std::optional<QByteArray>>("before"); // nullopt: no file yet
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("read"); // what a read finds before the save
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("readOnly"); // a read leaves the file so, a save makes it writable

        const QString none = u"<default>"_s;
        const auto row
            = [](const char *name, const std::optional<QByteArray> &before, const QString &key, const QString &read,
                  const QString &value, const QByteArray &after, bool readOnly = false) {
                  QTest::newRow(name) << before << key << read << value << after << readOnly;
              };
        row("no file yet", std::nullopt, u"txtPrefix"_s, none, u"p_"_s, "[Quillmark]\r\ntxtPrefix=p_\r\n");
        row("new key goes first; a longer key is another key", "[Quillmark]\r\ntxtPrefixOld=1\r\n", u"txtPrefix"_s,
            none, u"2"_s, "[Quillmark]\r\ntxtPrefix=2\r\ntxtPrefixOld=1\r\n");
        row("replace in place", "[Quillmark]\r\na=1\r\nb=2\r\nc=3\r\n", u"b"_s, u"2"_s, u"22"_s,
            "[Quillmark]\r\na=1\r\nb=22\r\nc=3\r\n");
        row("blank before = gets a correct line on top", "[Quillmark]\r\na=1\r\ntxtPrefix =x\r\n", u"txtPrefix"_s, none,
            u"y"_s, "[Quillmark]\r\ntxtPrefix=y\r\na=1\r\ntxtPrefix =x\r\n");
        row("= and [ in value", "[Quillmark]\r\ntxtOutput=a=b[c]=\r\n", u"txtOutput"_s, u"a=b[c]="_s, u"[a]=b=[c"_s,
            "[Quillmark]\r\ntxtOutput=[a]=b=[c\r\n");
        row("blanks at both ends kept, also on the last line", "[Quillmark]\r\ntxtSuffix=  x y \t\r\n", u"txtSuffix"_s,
            u"  x y \t"_s, u"  x  "_s, "[Quillmark]\r\ntxtSuffix=  x  \r\n");
        row("empty value is no default", "[Quillmark]\r\ntxtOutput=/x/\r\n", u"txtOutput"_s, u"/x/"_s, QString(),
            "[Quillmark]\r\ntxtOutput=\r\n");
        row("key before any section; section appended", "txtPrefix=abc\r\n", u"txtPrefix"_s, none, u"y"_s,
            "txtPrefix=abc\r\n\r\n[Quillmark]\r\ntxtPrefix=y\r\n");
        row("section line with trailing blanks: second section", "[Quillmark] \r\ntxtPrefix=x\r\n", u"txtPrefix"_s,
            none, u"y"_s, "[Quillmark] \r\ntxtPrefix=x\r\n\r\n[Quillmark]\r\ntxtPrefix=y\r\n");
        row("section twice: first key line wins", "[Quillmark]\r\nx=1\r\n[Other]\r\na=0\r\n[quillmark]\r\na=1\r\n",
            u"a"_s, u"1"_s, u"2"_s, "[Quillmark]\r\na=2\r\nx=1\r\n[Other]\r\na=0\r\n[quillmark]\r\na=1\r\n");
        row("LF line ends are read, written back with CR LF", "[Quillmark]\na=1\ntxtPrefix=x\n", u"txtPrefix"_s, u"x"_s,
            u"y"_s, "[Quillmark]\r\na=1\r\ntxtPrefix=y\r\n");
        row("last key line without break", "[Quillmark]\r\na=1\r\ntxtPrefix=x", u"txtPrefix"_s, u"x"_s, u"longer"_s,
            "[Quillmark]\r\na=1\r\ntxtPrefix=longer\r\n");
        row("breaks collapse, control characters at both ends vanish",
            "\r\n\r\n\r\n[Other]\r\nx=1\r\n\r\n\r\n\r\n[Quillmark]\r\na=1\r\n\r\n\x01\t\n\r\n", u"a"_s, u"1"_s, u"5"_s,
            "[Other]\r\nx=1\r\n\r\n[Quillmark]\r\na=5\r\n");
        row("UTF-8", "[Quillmark]\r\nsLastDir=/home/j\xc3\xbcrgen/\r\n", u"sLastDir"_s, u"/home/jürgen/"_s,
            u"/home/jürgen/Ürlaub/"_s, "[Quillmark]\r\nsLastDir=/home/j\xc3\xbcrgen/\xc3\x9crlaub/\r\n");
        row("read-only", "[Quillmark]\r\ntxtPrefix=ro_\r\n", u"txtPrefix"_s, u"ro_"_s, u"rw_"_s,
            "[Quillmark]\r\ntxtPrefix=rw_\r\n", true);
        // Far beyond the 32,767 characters that once made every save of such a file fail.
        QByteArray content = "[Quillmark]\r\n";
        for (int i = 0; i < 1200; ++i)
            content += "key" + QByteArray::number(i) + "=" + QByteArray(30, 'a') + "\r\n";
        const QByteArray oldLine = "key1199=" + QByteArray(30, 'a') + "\r\n";
        QByteArray changed = content;
        changed.replace(content.indexOf(oldLine), oldLine.size(), "KEY1199=changed\r\n");
        const QByteArray other = "[Other]\r\nkey1199=other\r\n";
        row("a long file", content + other, u"KEY1199"_s, QString(30, u'a'), u"changed"_s, changed + other);
    }

    void iniFile()
    {
        QFETCH(std::optional<QByteArray>, before);
        QFETCH(QString, key);
        QFETCH(QString, read);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        QFETCH(bool, readOnly);

        const QString path = m_dir->filePath(u"settings.ini"_s);
        if (before)
            QVERIFY(testutil::writeFile(path, *before));
        QVERIFY(!readOnly || ::chmod(QFile::encodeName(path).constData(), 0444) == 0);

        bool ok = false;
        QCOMPARE(ReadIniValue(path, kSection, key, u"<default>"_s, &ok), read);
        QVERIFY(ok);
        QCOMPARE(testutil::readFile(path), before.value_or(QByteArray())); // a read never changes
        QCOMPARE(QFile::exists(path), before.has_value()); // nor creates
        struct stat st { };
        QVERIFY(!readOnly || (::stat(QFile::encodeName(path).constData(), &st) == 0 && (st.st_mode & 07777) == 0444));

        QVERIFY(WriteIniValue(path, kSection, key, value));
        QCOMPARE(testutil::readFile(path), after);
        // Whatever the writer did, the reader must find the value there, or the save is lost.
        QCOMPARE(ReadIniValue(path, kSection, key, u"<default>"_s), value);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList {u"settings.ini"_s}); // no temporary left
    }

    void withoutMarkerIniIsIgnored()
    {
        SettingsStore store(m_dir->path());
        store.setNativeSettingsPath(m_dir->filePath(u"config/Quillmark.conf"_s));
        store.DetectPortableMode();
        QVERIFY(!store.bPortable());
        QVERIFY(store.SaveSettingValue(kApplication, kSection, u"txtPrefix"_s, u"n_"_s));
        QVERIFY(!QFile::exists(store.iniPath()));

        // An existing settings.ini is neither read nor written.
        const QByteArray iniContent = "[Quillmark]\r\ntxtSuffix=_from_ini\r\n";
        QVERIFY(testutil::writeFile(store.iniPath(), iniContent));
        QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtSuffix"_s, u"d"_s), u"d"_s);
        QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s), u"n_"_s);
        QVERIFY(store.SaveSettingValue(kApplication, kSection, u"txtSuffix"_s, u"_n"_s));
        QCOMPARE(testutil::readFile(store.iniPath()), iniContent);
    }

    void unusableFileFails()
    {
        QVERIFY(QDir(m_dir->path()).mkdir(u"settings.ini"_s)); // a folder where the file belongs
        QVERIFY(testutil::writeFile(m_dir->filePath(u"PORTABLE"_s), {}));
        SettingsStore store(m_dir->path());
        store.DetectPortableMode();

        bool ok = true;
        QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s, &ok), u"d"_s);
        QVERIFY(!ok);
        QVERIFY(!store.SaveSettingValue(kApplication, kSection, u"txtPrefix"_s, u"x"_s));
    }

    // Where the folder cannot be written, a save fails and leaves the file as it was, with
    // nothing pending that a later read or save could pick up.
    void unwritableFolder_data() { testutil::boolRows("portable", "native", "portable"); }
    void unwritableFolder()
    {
        QFETCH(bool, portable);
        const QString file = m_dir->filePath(portable ? u"settings.ini"_s : u"Quillmark.conf"_s);
        const QByteArray content = portable ? "[Quillmark]\r\ntxtPrefix=kept_\r\n" : "[Quillmark]\ntxtPrefix=kept_\n";
        QVERIFY(testutil::writeFile(file, content));
        QVERIFY(!portable || testutil::writeFile(m_dir->filePath(u"PORTABLE"_s), {}));
        SettingsStore store(m_dir->path());
        store.setNativeSettingsPath(m_dir->filePath(u"Quillmark.conf"_s));
        store.DetectPortableMode();
        {
            testutil::Unwritable guard(m_dir->path());
            if (!guard.ok())
                QSKIP("cannot make a folder unwritable here");
            QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s), u"kept_"_s);
            QVERIFY(!store.SaveSettingValue(kApplication, kSection, u"txtPrefix"_s, u"lost_"_s));
            QVERIFY(!store.SaveSettingValue(kApplication, kSection, u"txtSuffix"_s, u"_lost"_s));
        }
        QCOMPARE(testutil::readFile(file), content);
        QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtSuffix"_s, u"d"_s), u"d"_s);
        QVERIFY(store.SaveSettingValue(kApplication, kSection, u"txtOutput"_s, u"/out/"_s));
        QCOMPARE(testutil::readFile(file),
            portable ? QByteArray("[Quillmark]\r\ntxtOutput=/out/\r\ntxtPrefix=kept_\r\n")
                     : QByteArray("[Quillmark]\ntxtOutput=/out/\ntxtPrefix=kept_\n"));
    }

    // Every setting the options model knows, written and read back: a store written from
    // what was read is the same file, and each value is stored as the program always did.
    void optionsRoundTrip()
    {
        // (The values the window's controls set: tst_gui_settings' roundTrip.)
        const QString folder = m_dir->filePath(u"Pictures"_s);
        QVERIFY(QDir().mkpath(folder));
        StoredOptions o;
        o.job.outputMode = OutputMode::Folder;
        o.job.outputFolder = u" /out, \"q\" = ; 日本"_s;
        o.job.suffix = QString();
        o.job.tags.keepOrientation = o.job.tags.keepColourProfile = false;
        o.job.ignoreMinorWarnings = false;
        o.lastDir = folder;
        o.lastAddDir = QString();
        o.fontSizeWarningShown = true;
        o.left = -300.4;
        o.top = 1500;
        o.resizableWindow = 2;

        QFile(m_dir->filePath(u"PORTABLE"_s)).open(QIODevice::WriteOnly);
        SettingsStore store(m_dir->path());
        store.DetectPortableMode();
        QVERIFY(writeStoredOptions(store, o));
        const QByteArray written = testutil::readFile(store.iniPath());
        for (const char *line : {"optOutputMode=1\r\n", "chkKeepLook=0\r\n", "bFontSizeWarningShown=True\r\n",
                 "Left=-300\r\n", "chkIgnoreMinorWarnings2=0\r\n", "resizableWindow=2\r\n", "txtSuffix=\r\n"})
            QVERIFY2(written.contains(line), line);

        const StoredOptions back = readStoredOptions(store);
        QCOMPARE(back.job.outputFolder, o.job.outputFolder);
        QCOMPARE(back.lastDir, o.lastDir);
        QCOMPARE(back.left, std::optional<double>(-300));
        QVERIFY(QFile::rename(store.iniPath(), m_dir->filePath(u"first.ini"_s)));
        QVERIFY(writeStoredOptions(store, back));
        QCOMPARE(testutil::readFile(store.iniPath()), written);
    }

    // The defaults live in the settings catalogue: an empty store reads as a default
    // options model, and a value that does not convert or is out of range keeps its default
    // without disturbing its neighbours.
    void optionsDefaultsAndSkippedValues_data()
    {
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("nothing stored") << QByteArray("unknownKey") << QByteArray("1");
        QTest::newRow("option out of range") << QByteArray("optProcessingFail") << QByteArray("-1");
        QTest::newRow("output mode not a number") << QByteArray("optOutputMode") << QByteArray("two");
        QTest::newRow("check box 2") << QByteArray("chkCleanAdobeApp14") << QByteArray("2");
        QTest::newRow("neither True nor False") << QByteArray("bFontSizeWarningShown") << QByteArray("maybe");
        QTest::newRow("position not a number") << QByteArray("Left") << QByteArray("1e400");
        QTest::newRow("folder gone") << QByteArray("sLastDir") << QByteArray("/nonexistent/folder/");
    }

    void optionsDefaultsAndSkippedValues()
    {
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFile(m_dir->filePath(u"PORTABLE"_s)).open(QIODevice::WriteOnly);
        QVERIFY(testutil::writeFile(m_dir->filePath(u"settings.ini"_s),
            "[Quillmark]\r\ntxtPrefix=before_\r\n" + key + '=' + value + "\r\ntxtSuffix=_after\r\n"));
        SettingsStore store(m_dir->path());
        store.DetectPortableMode();
        const StoredOptions read = readStoredOptions(store, {m_dir->path(), 75, 90});
        QCOMPARE(read.job.prefix, u"before_"_s);
        QCOMPARE(read.job.suffix, u"_after"_s);

        StoredOptions expected;
        expected.job.prefix = u"before_"_s;
        expected.job.suffix = u"_after"_s;
        expected.lastDir = key == "sLastDir" ? QString() : m_dir->path();
        expected.lastAddDir = m_dir->path();
        expected.left = key == "Left" ? std::nullopt : std::optional<double>(75);
        expected.top = 90;
        // Both models written out must be the same file.
        const QString a = m_dir->filePath(u"a"_s);
        const QString b = m_dir->filePath(u"b"_s);
        QVERIFY(QDir().mkpath(a) && QDir().mkpath(b));
        for (const auto &[folder, options] : {std::pair(a, read), std::pair(b, expected)}) {
            QFile(folder + u"/PORTABLE"_s).open(QIODevice::WriteOnly);
            SettingsStore out(folder);
            out.DetectPortableMode();
            QVERIFY(writeStoredOptions(out, options));
        }
        QCOMPARE(testutil::readFile(a + u"/settings.ini"_s), testutil::readFile(b + u"/settings.ini"_s));
    }

    void nativeRoundTrip()
    {
        const QString native = m_dir->filePath(u"Quillmark.conf"_s);
        // Empty must not read as absent; the others mean something to QSettings' own file format.
        for (const QString &value : {QString(), u"@ByteArray(x) = ; # [ ]"_s, u"  /My Pics, \"q\" \\ 日本  "_s}) {
            {
                SettingsStore store(m_dir->path());
                store.setNativeSettingsPath(native);
                QVERIFY(store.SaveSettingValue(kApplication, kSection, u"txtOutput"_s, value));
            }
            SettingsStore store(m_dir->path());
            store.setNativeSettingsPath(native);
            QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtOutput"_s, u"d"_s), value);
            QCOMPARE(store.GetSettingValue(kApplication, u"Other"_s, u"txtOutput"_s, u"d"_s), u"d"_s);
        }
        // Only the user's own file counts, not an organisation-wide one.
        QVERIFY(testutil::writeFile(m_configHome.filePath(u"Corvane.conf"_s), "[Quillmark]\ntxtSuffix=_org\n"));
        QCOMPARE(SettingsStore(u"/nonexistent-program-folder"_s)
                     .GetSettingValue(kApplication, kSection, u"txtSuffix"_s, u"d"_s),
            u"d"_s);
    }

    // A settings file over 1 MB is neither read nor written, wherever it lies; one of exactly
    // 1 MB still is. The file the store names is the one QSettings itself opens.
    void oversizedFile_data()
    {
        QTest::addColumn<QString>("where"); // portable or home
        QTest::addColumn<qint64>("size");
        QTest::addColumn<bool>("refused");
        for (const QString &where : {u"portable"_s, u"home"_s}) {
            QTest::addRow("%s, 1 MB", qPrintable(where)) << where << SettingsStore::maximumFileSize << false;
            QTest::addRow("%s, 1 MB and a byte", qPrintable(where))
                << where << SettingsStore::maximumFileSize + 1 << true;
        }
    }
    void oversizedFile()
    {
        QFETCH(QString, where);
        QFETCH(qint64, size);
        QFETCH(bool, refused);
        SettingsStore store(m_dir->path());
        QString file;
        if (where == u"portable") {
            QVERIFY(testutil::writeFile(m_dir->filePath(u"PORTABLE"_s), {}));
            store.DetectPortableMode();
            file = store.iniPath();
        } else {
            QSettings settings(QSettings::NativeFormat, QSettings::UserScope, kApplication, u"Quillmark"_s);
            file = settings.fileName();
            QVERIFY(QDir().mkpath(QFileInfo(file).absolutePath()));
        }
        QCOMPARE(store.settingsFilePath(), file);
        const auto removeFile = qScopeGuard([&file] { QFile::remove(file); });

        // A real section first, then comment lines up to the size.
        QByteArray bytes = "[Quillmark]\r\ntxtPrefix=stored_\r\n";
        while (bytes.size() < size)
            bytes += ';' + QByteArray(std::min<qint64>(998, size - bytes.size() - 2), 'x') + "\r\n";
        bytes.truncate(size);
        QVERIFY(testutil::writeFile(file, bytes));
        QCOMPARE(QFileInfo(file).size(), size);

        QCOMPARE(store.isOversized(), refused);
        bool ok = false;
        QCOMPARE(store.GetSettingValue(kApplication, kSection, u"txtPrefix"_s, u"d"_s, &ok),
            refused ? u"d"_s : u"stored_"_s);
        QCOMPARE(ok, !refused);
        QCOMPARE(store.SaveSettingValue(kApplication, kSection, u"txtSuffix"_s, u"_new"_s), !refused);
        if (refused)
            QCOMPARE(testutil::readFile(file), bytes);
    }
};

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
