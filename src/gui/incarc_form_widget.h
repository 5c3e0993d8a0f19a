#pragma once

#include <QPlainTextEdit>
#include <QRect>
#include <QWidget>
#include <array>

#include "printing/form_drawing.h"

class QLabel;

namespace tavo::gui {

// The entry window shows the paper form at 12 twips a pixel: one copy, 11400
// twips wide, is 950 pixels on the screen.
inline constexpr int kTwipsPerPixel = 12;

// A place on the form (twips) as a place on the screen (pixels), at a zoom
// (1.0 is 12 twips a pixel).
QRect toPixels(const QRect& twips, double zoom = 1.0);

// The zoom steps of the entry form, in percent, from the smallest.
inline constexpr std::array<int, 8> kZoomSteps{75, 90, 100, 110, 125, 150, 175, 200};
// The step `steps` away from `percent` (+1 larger, -1 smaller), kept within
// the steps; a percent between two steps goes to the nearest one that way.
int nextZoom(int percent, int steps);
// The zoom the user last chose for the entry form (100 when none was kept),
// and keeping it for the next time.
int savedZoom();
void saveZoom(int percent);

// Frame8: the drawing of the paper form that the entry window's fields and
// labels lie on. It paints the form's captions, lines and boxes only.
class FormPicture : public QWidget {
  public:
    explicit FormPicture(QWidget* parent);

    // Repaints only when the look changes (the type, the debit date).
    void setLook(const printing::FormLook& look);
    const printing::FormLook& look() const { return look_; }
    // Draws the form larger or smaller (1.0 at 12 twips a pixel), with
    // vectors, so that it stays sharp at every zoom.
    void setZoom(double zoom);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    printing::FormLook look_;
    double zoom_ = 1.0;
};

// A field of two lines whose text wraps, with no scroll bars. Enter does not
// break the line: it is the window's "next field" key. What the user types or
// pastes stops at the typed limit; the program's own text is shown whole.
class TwoLineField : public QPlainTextEdit {
    Q_OBJECT
  public:
    TwoLineField(int limit, QWidget* parent);

    QString text() const { return toPlainText(); }
    // Shows `text` as the program has it, past the limit too.
    void setProgramText(const QString& text);

  signals:
    void enterPressed();
    // The user changed the text (typing, pasting, dropping, undo).
    void edited(const QString& text);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void keepToLimit(int position, int added);

    int limit_;
    bool programText_ = false;
};

// Sets the largest font size, from `pixelSize` down, at which the label's one
// line of text fits its width.
void fitFont(QLabel& label, int pixelSize);

// The font of the entry window's texts: the form's own family, at a pixel size.
QFont formFont(int pixelSize, bool bold = false);

}  // namespace tavo::gui
