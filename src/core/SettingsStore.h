#pragma once

#include <QString>
#include <QStringList>

// Where the user's settings live: QSettings (organisation "Corvane") normally, or the
// file "settings.ini" in the program folder when a file "PORTABLE" lies there.
// Every read and write goes to the store afresh; nothing is cached.
class SettingsStore final {
public:
    // programFolder: where "PORTABLE" and "settings.ini" are looked for.
    explicit SettingsStore(const QString &programFolder);

    // Looks for the marker file once; a folder of that name does not count.
    void DetectPortableMode();
    bool bPortable() const { return m_portable; }
    void setPortable(bool portable) { m_portable = portable; }
    QString iniPath() const;

    // ok (optional) turns false when the store could not be read; the default comes back then
    // too, so the caller can tell "nothing stored" from "store unusable" and keep its state.
    QString GetSettingValue(const QString &application, const QString &section, const QString &key,
        const QString &defaultValue, bool *ok = nullptr) const;
    // False when the value could not be stored.
    bool SaveSettingValue(const QString &application, const QString &section, const QString &key, const QString &value);

    // Overrides the QSettings file location (tests); empty means the user's default.
    void setNativeSettingsPath(const QString &path) { m_nativePath = path; }

    // The file the settings are read from and written to: settings.ini in portable mode,
    // otherwise the QSettings file (~/.config/Corvane/Quillmark.conf or the override).
    QString settingsFilePath() const;
    // No settings the program writes come near this size. A larger file is never read or
    // written: every value read goes through the whole file, and a 100 MB one stalled a
    // start for minutes. Reads then give the defaults (*ok = false), saves return false.
    static constexpr qint64 maximumFileSize = 1024 * 1024;
    bool isOversized() const;

private:
    QString m_programFolder;
    QString m_nativePath;
    bool m_portable = false;
};

// The INI reader and writer behind portable mode. Section and key names match without
// regard to case; lines end in CR LF (a lone CR ends a line too, a lone LF does not); text
// is UTF-8. Both create the file when it is missing and make it readable and writable by its
// owner. Failures of the reader give the default (and *ok = false); failures of the writer
// return false and leave the file as it was.
QString ReadIniValue(const QString &fileName, const QString &section, const QString &key, const QString &defaultValue,
    bool *ok = nullptr);
bool WriteIniValue(const QString &fileName, const QString &section, const QString &key, const QString &value);

// The settings catalogue: every key the program stores, with its default.
namespace SettingsCatalogue {
inline constexpr auto application = u"Corvane";
inline constexpr auto section = u"Quillmark";
struct Key {
    const char16_t *name;
    const char16_t *defaultValue; // nullptr: computed by the caller (Left, Top, sLastDir, sLastAddDir)
};
// The 36 keys in the order the shutdown saves them (the last one, chkKeepLook, is new).
const QList<Key> &saveOrder();
// The same keys in the order start-up reads and applies them.
const QList<Key> &readOrder();
} // namespace SettingsCatalogue
