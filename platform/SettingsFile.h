#pragma once
// The player's settings: "key=value" lines under "[group]" headers, in a file
// of the player's configuration folder. It is read like any file that can
// arrive from anywhere, and written the way the score files are: whole or not
// at all, never through a link.

#include <QMap>
#include <QString>

namespace platform {

class SettingsFile {
public:
    // Reads `file`. What is not a plain file with one name of at most MaxSize
    // bytes (a link, a second hard link, a pipe, a folder, a device, a huge
    // file) is not used: nothing is read from it and nothing is written there.
    explicit SettingsFile(QString file);

    bool usable() const { return usable_; }
    // "group/key"; empty when not set.
    QString value(const QString &key) const { return values_.value(key); }
    void setValue(const QString &key, const QString &value);
    // Writes every setting to a new file beside it, syncs it and renames it
    // into place. False when the file is not to be used or the disk fails.
    bool save() const;

    static constexpr qint64 MaxSize = 64 * 1024;

private:
    QString file_;
    bool usable_ = false;
    QMap<QString, QString> values_;
};

} // namespace platform
