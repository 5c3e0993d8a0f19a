#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPrinter;

namespace tavo::gui {

// Prints `report` as a fixed-width text (a summary, text images): each line
// whole on its own printed line, in a monospace font no larger than 9 points
// and small enough for the widest line to fit across the page.
void printFixedWidth(QPrinter& printer, const QString& report);

// Shows a text file of the working folder (CP1250) in a monospace font, with
// a Print button. Read-only unless `editable`, in which case Save writes the
// text back in the same code page.
class TextViewer : public QWidget {
    Q_OBJECT
  public:
    TextViewer(const QString& path, bool editable, QWidget* parent = nullptr);

    // False when the file could not be read; the viewer then says so.
    bool loaded() const { return loaded_; }
    QString text() const;

  private:
    void print();
    void save();

    QString path_;
    QPlainTextEdit* edit_;
    bool loaded_ = false;
};

}  // namespace tavo::gui
