#pragma once

#include "gui/model_view.h"
#include "main_window/introd.h"

class QLineEdit;
class QComboBox;
class QHBoxLayout;
class QLabel;
class QRadioButton;
class QPushButton;
class QStringListModel;

namespace tavo::gui {

// The main window on the desktop: shows the Introd model and forwards the
// user's events to it. No behaviour of its own.
class IntrodView : public ModelView {
    Q_OBJECT
  public:
    explicit IntrodView(Introd& model, QWidget* parent = nullptr);

    void refresh() override;
    // The layout's minimum, with the note at the bottom wrapped as it is at
    // the narrowest width (the layout counts it as one line).
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // The list of stored documents with the search field beside it.
    QHBoxLayout* listWithSearch();
    // The documents: the one to open, the list of those stored, and their printing.
    QWidget* makeDocuments();
    // A command button; its click is the model's.
    QPushButton* command(const char* name, const QString& caption, const QString& tip);

    Introd& model_;
    QLineEdit* NrO_;
    QRadioButton* Option1_;
    QRadioButton* Option2_;
    QPushButton* B_start_;
    QPushButton* Command1_;
    QComboBox* Ordine_;
    QStringListModel* OrdineItems_;  // the items Ordine_ shows, shared with the model's list
    QLineEdit* Cauta_;
    QLabel* CautaNumar_;
    QLabel* Label3_;
    QPushButton* B_sterg_;
};

}  // namespace tavo::gui
