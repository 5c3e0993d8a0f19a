#pragma once

#include <QWidget>
#include <functional>

class QPlainTextEdit;
class QPrinter;

namespace tavo::gui {

// Prints `report` as a fixed-width text (a summary, text images): each line
// whole on its own printed line, in a monospace font no larger than 9 points
// and small enough for the widest line to fit across the page.
void printFixedWidth(QPrinter& printer, const QString& report);

// Draws what is printed on the printer it is given.
using PrinterDrawing = std::function<void(QPrinter&)>;
// Prints a drawing the way the desktop prints everything; messages stand over `over`.
using Printing = std::function<void(const PrinterDrawing& draw, QWidget* over)>;

// Shows a text file of the working folder (CP1250) in a monospace font, with
// a Print button that prints through `printing`. Read-only unless `editable`,
// in which case Save writes the text back in the same code page.
class TextViewer : public QWidget {
    Q_OBJECT
  public:
    TextViewer(const QString& path, bool editable, Printing printing, QWidget* parent = nullptr);

    // False when the file could not be read; the viewer then says so.
    bool loaded() const { return loaded_; }
    QString text() const;

  private:
    void print();
    void save();

    QString path_;
    Printing printing_;
    QPlainTextEdit* edit_;
    bool loaded_ = false;
};

}  // namespace tavo::gui
