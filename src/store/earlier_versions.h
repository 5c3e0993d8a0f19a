#pragma once

#include <QByteArrayView>
#include <QDir>
#include <QString>
#include <QStringList>

namespace tavo::store {

// The earlier versions of ordine.txt, in the folder versiuni/ of the working
// folder. Before a rewrite replaces ordine.txt, the old file is kept there
// under the local time it was replaced: ordine-YYYYMMDD-HHMMSS-mmm.txt. The
// names sort by time, and a new name always comes after every name already
// there (two rewrites in one millisecond, or a clock set back, take the next
// free millisecond). A version is the old file itself under a second name (a
// hard link: nothing is copied) where the file system allows it, otherwise a
// copy written to versiune.tmp, synced and then renamed, so that a version's
// name never shows a half file. The newest `kept` versions are kept.
class EarlierVersions {
  public:
    static constexpr const char* folderName = "versiuni";
    static constexpr const char* tempName = "versiune.tmp";
    static constexpr int kept = 30;

    explicit EarlierVersions(const QDir& workingFolder) : working_(workingFolder) {}

    QString folder() const { return working_.filePath(QLatin1String(folderName)); }
    // The file names of the versions kept, oldest first.
    QStringList names() const;

    struct Kept {
        QString path;     // the version made; empty when none was made
        QString failure;  // why the old file could not be kept ("versiuni: reason")
    };
    // Keeps `file`, whose bytes are `bytes`, as the newest version; nothing is
    // made when the newest version holds the same bytes already. Room is made
    // first (the oldest removed until kept - 1 are left), so that there are
    // never more than `kept`, wherever the program is stopped.
    Kept keep(const QString& file, QByteArrayView bytes) const;

    // Removes the version just made when the rewrite it was made for failed:
    // the file it holds is still ordine.txt.
    void drop(const Kept& version) const;

  private:
    bool isNewest(const QStringList& names, const QString& file, QByteArrayView bytes) const;
    QString relative(const QString& reason) const;

    QDir working_;
};

// What the user is told when the old ordine.txt could not be kept as an
// earlier version (the rewrite itself went through), `failure` saying why.
QString keepFailureMessage(const QString& failure);

}  // namespace tavo::store
