#include "store/reference_texts.h"

#include <QFile>
#include <QFileInfo>

#include "text/text_file.h"

namespace tavo {
namespace reference_texts {
namespace {

// Whether anything (file, folder, link, even a broken one) stands at `path`.
bool occupied(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// Writes a file that is not there yet, through a temporary file, so that a
// failed write leaves nothing half written under the real name.
bool writeNew(const QDir& folder, const QString& name, const QByteArray& bytes, QString* error) {
    return text::replaceFile(folder.filePath(name), folder.filePath(name + QLatin1String(".tmp")),
                             bytes, error);
}

}  // namespace

const QStringList& nume() {
    static const QStringList names = {
        QLatin1String(kInstr),     QLatin1String(kVersiuni), QLatin1String(kLegi),
        QLatin1String(kStructuri), QLatin1String(kInfUtile), QLatin1String(kSugestiiModel),
        QLatin1String(kInfo),
    };
    return names;
}

QByteArray continut(const QString& name) {
    // The texts are kept in the sources as UTF-8 with LF line ends; the
    // working folder holds them as every other file of it.
    QFile file(QStringLiteral(":/texts/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return text::joinLines(text::splitLines(QString::fromUtf8(file.readAll())));
}

QString nameInFolder(const QDir& folder, const QString& name) {
    // Name filters ignore case unless asked otherwise; the names hold no
    // wildcard. A file system that ignores case itself (Windows) finds
    // INSTR.TXT under the name instr.txt too: the name listed is the one the
    // file has.
    const QStringList found = folder.entryList(
        {name}, QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    return found.isEmpty() || found.contains(name) ? name : found.front();
}

QStringList copyReferenceTexts(const QDir& folder) {
    QStringList failed;
    for (const QString& name : nume()) {
        if (occupied(folder.filePath(nameInFolder(folder, name))))
            continue;
        const QByteArray bytes = continut(name);
        if (bytes.isEmpty() || !writeNew(folder, name, bytes, nullptr))
            failed.append(name);
    }
    return failed;
}

QString prepareSuggestions(const QDir& folder, QString* error) {
    const QString existing = nameInFolder(folder, QLatin1String(kSugestii));
    if (occupied(folder.filePath(existing)))
        return existing;
    QByteArray bytes;
    QFile model(folder.filePath(nameInFolder(folder, QLatin1String(kSugestiiModel))));
    if (model.open(QIODevice::ReadOnly))
        bytes = model.readAll();
    else
        bytes = continut(QLatin1String(kSugestiiModel));
    if (!writeNew(folder, QLatin1String(kSugestii), bytes, error))
        return {};
    return QLatin1String(kSugestii);
}

QString viewerPath(const QDir& folder, const char* name) {
    return nameInFolder(folder, QLatin1String(name));
}

}  // namespace reference_texts
}  // namespace tavo
