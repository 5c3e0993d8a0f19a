#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

namespace tavo {

// Finds the listed documents whose stored line holds a typed text, case and
// diacritics ignored, or, for a text that reads as an amount (search_amount.h),
// whose stored amount is that amount. The lines are folded and the amounts
// read once, when the list is loaded; a keystroke then compares bytes and
// numbers only, and a text that extends the previous one is looked for in the
// lines only among the documents the previous one found there.
class DocumentSearch {
  public:
    // `foldedLines`: the line of every listed document, folded
    // (text::appendSearchFolded), each followed by '\n', in list order.
    void setLines(QByteArray foldedLines);

    // The list positions, in order, of the documents whose line holds `typed`
    // or whose amount it names (every position for an empty text).
    const std::vector<qsizetype>& find(const QString& typed);

  private:
    void scanAll(QByteArrayView needle);
    bool lineHolds(qsizetype line, QByteArrayView needle) const;
    void readAmounts();
    // found_: the documents the text found in the lines, and those of `amount`.
    void addAmount(qint64 amount);

    QByteArray lines_;
    std::vector<qsizetype> starts_;     // where each line begins, then the end of the last
    std::vector<qint64> amounts_;       // each document's amount in bani, kNoAmount for none
    QString previous_;                  // the text of the last search
    std::vector<qsizetype> textFound_;  // the documents whose line holds it
    std::vector<qsizetype> found_;      // those and the documents of its amount
};

}  // namespace tavo
