#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace tavo {

// Finds the listed documents whose stored line holds a typed text, case and
// diacritics ignored. The lines are folded once, when the list is loaded; a
// keystroke then compares bytes only, and a text that extends the previous
// one is looked for only among the documents the previous one found.
class DocumentSearch {
  public:
    // `foldedLines`: the line of every listed document, folded
    // (text::appendSearchFolded), each followed by '\n', in list order.
    void setLines(QByteArray foldedLines);

    // The list positions, in order, of the documents whose line holds `typed`
    // (every position for an empty text).
    const std::vector<qsizetype>& find(const QString& typed);

  private:
    void scanAll(QByteArrayView needle);
    bool lineHolds(qsizetype line, QByteArrayView needle) const;

    QByteArray lines_;
    std::vector<qsizetype> starts_;  // where each line begins, then the end of the last
    QString previous_;               // the text of the last search
    std::vector<qsizetype> found_;   // what it found
};

}  // namespace tavo
