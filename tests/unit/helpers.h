#pragma once
// Helpers the unit tests share.
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <array>

#include "../test_files.h"
#include "ui/scripted_ui.h"

namespace tavo {

// A scripted Ui on a scratch folder, printing into its listari/, that keeps
// the lines it shows.
struct RecordingUi {
    QTemporaryDir dir;
    QStringList shown;
    ScriptedUi ui{QDir(dir.path()), QDir(QDir(dir.path()).filePath("listari")),
                  [this](const QString& line) { shown.append(line); }};
};

// The fields of a document written as one line, as they are stored in
// ordine.txt: "a,b,,c" gives {"a", "b", "", "c"} and empty ones up to N.
template <size_t N>
std::array<QString, N> fieldsOf(const QString& line) {
    std::array<QString, N> fields;
    const QStringList parts = line.split(QLatin1Char(','));
    for (size_t i = 0; i < N && i < size_t(parts.size()); ++i) fields[i] = parts[qsizetype(i)];
    return fields;
}

}  // namespace tavo
