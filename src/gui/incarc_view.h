#pragma once

#include <array>
#include <vector>

#include "entry/incarc.h"
#include "gui/model_view.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace tavo::gui {

class FormPicture;

// The entry window on the desktop: the drawing of the paper form with a text
// field on each box, the scroll bars and the button bar. It shows the Incarc
// model and forwards the user's events to it; no behaviour of its own.
class IncarcView : public ModelView {
    Q_OBJECT
  public:
    explicit IncarcView(Incarc& model, QWidget* parent = nullptr);

    void refresh() override;
    // The zoom of the form in percent (75 to 200): the drawing, the fields,
    // their fonts and the scroll room. Kept for the user's next time.
    int zoom() const { return zoom_; }
    void setZoom(int percent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    // The derived labels the entry window shows; b1(0), the grouped amount, is
    // the printed page's: here the amount field d1(1) stands in its box.
    static constexpr int kFirstLabel = B1::suma_litere;
    static constexpr int kLastLabel = B1::marcaj_ordine;
    // The controls shown without a widget of their own: drawn with the form,
    // or on the printed page only.
    static bool shownOtherwise(const QString& control);

    void makeFields();
    void makeLabels();
    void makeFormButtons();
    void makeScrollBars();
    QWidget* makeButtonBar();
    void makeZoomKeys();
    // A widget on the drawing: its box on the form (twips; none for one that
    // its frame lays out), drawn `inset` pixels inside it, and its font size
    // at 100 %.
    struct Placed {
        QWidget* widget;
        QRect box;
        int inset;
        int pixelSize;
    };
    void place(QWidget* widget, const QRect& box, int pixelSize, int inset = 0);
    void placeAtZoom(const Placed& placed);
    int atZoom(int pixels) const;
    void fitScrollBars();
    void showField(int k);
    void showLabels();
    QLabel* makeHintLine();
    // Ctrl+Z, or "Anulare" of the field's menu, in a field whose checks took
    // what was typed: that text back, all of it selected. False when they
    // took nothing: the field's own undo then.
    bool restoreTyped(QLineEdit* edit, int k);
    void showFieldMenu(QLineEdit* edit, int k, const QPoint& at);
    void placeDrawing();
    // A button on the drawing of the form.
    struct FormButton {
        const char* name;
        QString caption;
        QString tip;
    };
    QPushButton* formButton(const FormButton& button, int pixelSize);

    Incarc& model_;
    QWidget* area_;  // clips the drawing to the room between the scroll bars
    FormPicture* Frame8_;
    std::array<QWidget*, Incarc::kFields> d1_{};
    QWidget* firstField_ = nullptr;  // the first of the tab order
    std::array<QLabel*, 7> b1_{};
    QScrollBar* HScroll1_ = nullptr;
    QScrollBar* VScroll1_ = nullptr;
    QPushButton* B_cal1_ = nullptr;
    QLabel* hint_ = nullptr;  // the status line with a field's hint
    std::vector<Placed> placed_;
    std::array<int, 7> b1PixelSize_{};  // the derived labels' largest font at 100 %
    int zoom_ = 100;
};

}  // namespace tavo::gui
