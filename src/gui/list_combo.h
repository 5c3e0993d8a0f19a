#pragma once

#include <QComboBox>
#include <QElapsedTimer>
#include <QStringList>

namespace tavo::gui {

// What the user types in a list, letter by letter: the letters typed within the
// keyboard interval of each other make one text.
class TypedText {
  public:
    QString add(const QString& letters);
    // True while the letters typed make one text with the next.
    bool typing() const;

  private:
    QString text_;
    QElapsedTimer since_;
};

// A drop-down list of reference rows: up to a few hundred rows, some of them
// longer than a line. The open list is as wide as a row of about a hundred
// characters (longer rows end in "…" and their tool tip shows them whole) and
// shows 25 rows at a time; the closed box shortens the chosen row to its width
// and its tool tip shows it whole. Typing a few letters, in the closed box or
// in the open list, goes to the first row that contains them ("brasov").
class ListCombo : public QComboBox {
    Q_OBJECT
  public:
    ListCombo(const QString& name, QWidget* parent);

    // Shows `rows` with row `selected` chosen, none for -1. The items are
    // replaced only when the rows changed.
    void setRows(const QStringList& rows, int selected);

    // The first row from `from` on (going round) that contains the typed
    // text, letter case aside; -1 when none does.
    int findTyped(const QString& typed, int from) const;

    static constexpr int kRowChars = 100;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QStringList rows_;
    TypedText typed_;
};

}  // namespace tavo::gui
