#pragma once
// The end-to-end cases of tests/e2e read as the runner plays them: each
// *.case file split into its sections ("=== KIND ARGUMENT" and the lines
// under it), with the blocks of blocks.txt and of the case put in. The
// format is described at the top of e2e_runner.cpp.
#include <QDir>
#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

namespace e2e {

struct Section {
    QString kind;
    QString argument;
    QStringList lines;
};

struct Case {
    QString name;  // the file's name without ".case"
    std::vector<Section> sections;
};

inline void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name.toStdString();
}

// The words of a block's use or a table row: split at blanks, or whole
// between double quotes.
QStringList blockWords(const QString& text);

// Every case of `dir`, by file name, its blocks expanded.
std::vector<Case> loadCases(const QDir& dir);

}  // namespace e2e
