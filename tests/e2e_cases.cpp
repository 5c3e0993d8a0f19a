#include "e2e_cases.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <map>

#include "test_files.h"

namespace e2e {
namespace {

// The lines of a case or block file.
QStringList readLines(const QString& path) {
    QStringList lines = QString::fromUtf8(tavo::readBytes(path)).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// The sections of those lines; lines before the first one are comments. A
// section "=== runs NAME" goes on, "=== " lines and all, up to "=== end".
std::vector<Section> parseSections(const QStringList& lines) {
    std::vector<Section> sections;
    for (const QString& line : lines) {
        const bool inRuns = !sections.empty() && sections.back().kind == QLatin1String("runs");
        if (inRuns && line == QLatin1String("=== end")) {
            sections.push_back({QStringLiteral("end"), {}, {}});
        } else if (line.startsWith(QLatin1String("=== ")) && !inRuns) {
            const QString header = line.mid(4);
            sections.push_back(
                {header.section(QLatin1Char(' '), 0, 0), header.section(QLatin1Char(' '), 1), {}});
        } else if (!sections.empty()) {
            sections.back().lines.append(line);
        }
    }
    return sections;
}

using Blocks = std::map<QString, QStringList>;

}  // namespace

QStringList blockWords(const QString& text) {
    static const QRegularExpression word(QStringLiteral(R"re("([^"]*)"|([^ ]+))re"));
    QStringList words;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.append(m.capturedStart(1) >= 0 ? m.captured(1) : m.captured(2));
    }
    return words;
}

namespace {

// A line of a block with the words of its use put in.
QString fillBlockLine(QString line, const QStringList& words) {
    static const QRegularExpression padded(QStringLiteral(R"(\$\{(\d+):(>?)(\d+)\})"));
    for (QRegularExpressionMatch m = padded.match(line); m.hasMatch(); m = padded.match(line)) {
        const QString word = words.value(m.captured(1).toInt());
        const int width = m.captured(3).toInt();
        line.replace(
            m.capturedStart(), m.capturedLength(),
            m.captured(2).isEmpty() ? word.leftJustified(width) : word.rightJustified(width));
    }
    for (qsizetype i = 1; i < words.size(); ++i)
        line.replace(QLatin1Char('$') + QString::number(i), words[i]);
    return line;
}

// The words of a block's use, once for each number of its ranges "A..B"
// (the ranges of one use run side by side; a leading 0 keeps the width of A).
std::vector<QStringList> unrollRanges(const QStringList& words) {
    static const QRegularExpression range(QStringLiteral(R"((\d+)\.\.(\d+))"));
    int count = 1;
    for (const QString& word : words) {
        const QRegularExpressionMatch m = range.match(word);
        if (m.hasMatch())
            count = m.captured(2).toInt() - m.captured(1).toInt() + 1;
    }
    std::vector<QStringList> uses(size_t(count), words);
    for (int step = 0; step < count; ++step) {
        for (QString& word : uses[size_t(step)]) {
            const QRegularExpressionMatch m = range.match(word);
            if (!m.hasMatch())
                continue;
            const bool zeros = m.captured(1).startsWith(QLatin1Char('0'));
            word.replace(m.capturedStart(), m.capturedLength(),
                         QStringLiteral("%1").arg(m.captured(1).toInt() + step,
                                                  zeros ? int(m.capturedLength(1)) : 0, 10,
                                                  QLatin1Char('0')));
        }
    }
    return uses;
}

// Each line "{NAME A B ...}" naming a block replaced by the block's lines.
QStringList expandBlocks(const QStringList& lines, const Blocks& blocks) {
    QStringList out;
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1String("> {"))) {  // a block of expected output
            for (const QString& shown : expandBlocks({line.mid(2)}, blocks))
                out.append(QLatin1String("> ") + shown);
            continue;
        }
        if (line.startsWith(QLatin1Char('{')) && line.endsWith(QLatin1Char('}'))) {
            const QStringList words = blockWords(line.mid(1, line.size() - 2));
            const auto block = words.isEmpty() ? blocks.end() : blocks.find(words.front());
            if (block != blocks.end()) {
                for (const QStringList& use : unrollRanges(words)) {
                    QStringList blockLines = block->second;
                    for (QString& blockLine : blockLines) blockLine = fillBlockLine(blockLine, use);
                    out += expandBlocks(blockLines, blocks);
                }
                continue;
            }
        }
        out.append(line);
    }
    return out;
}

void addBlocks(const std::vector<Section>& sections, Blocks& blocks) {
    for (const Section& s : sections) {
        if (s.kind == QLatin1String("block") || s.kind == QLatin1String("runs"))
            blocks[s.argument.section(QLatin1Char(' '), 0, 0).remove(QLatin1Char(':'))] = s.lines;
    }
}

// The sections of a case written out again, their blocks put in; not in its
// notes or block definitions.
QStringList expandCase(const std::vector<Section>& sections, const Blocks& blocks) {
    QStringList out;
    for (const Section& s : sections) {
        out.append(QLatin1String("=== ") + s.kind +
                   (s.argument.isEmpty() ? QString() : QLatin1Char(' ') + s.argument));
        const bool kept = QStringList{"block", "note", "runs"}.contains(s.kind);
        out += kept ? s.lines : expandBlocks(s.lines, blocks);
    }
    return out;
}

}  // namespace

std::vector<Case> loadCases(const QDir& dir) {
    Blocks blocks;
    addBlocks(parseSections(readLines(dir.filePath(QStringLiteral("blocks.txt")))), blocks);
    std::vector<Case> cases;
    for (const QString& fileName :
         dir.entryList({QStringLiteral("*.case")}, QDir::Files, QDir::Name)) {
        const std::vector<Section> sections = parseSections(readLines(dir.filePath(fileName)));
        Blocks caseBlocks = blocks;
        addBlocks(sections, caseBlocks);
        cases.push_back({QFileInfo(fileName).completeBaseName(),
                         parseSections(expandCase(sections, caseBlocks))});
    }
    return cases;
}

}  // namespace e2e
