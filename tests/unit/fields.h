#pragma once
// The fields of a document written as one line, as they are stored in
// ordine.txt: "a,b,,c" gives {"a", "b", "", "c"} and empty ones up to N.
#include <QString>
#include <QStringList>
#include <array>

namespace tavo {

template <size_t N>
std::array<QString, N> fieldsOf(const QString& line) {
    std::array<QString, N> fields;
    const QStringList parts = line.split(QLatin1Char(','));
    for (size_t i = 0; i < N && i < size_t(parts.size()); ++i) fields[i] = parts[qsizetype(i)];
    return fields;
}

}  // namespace tavo
