#pragma once

#include <QWidget>
#include <functional>

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
class IntrodView : public QWidget {
    Q_OBJECT
  public:
    explicit IntrodView(Introd& model, QWidget* parent = nullptr);
    ~IntrodView() override;

    // Shows the model's state in the controls.
    void refresh();

    // Called after an event that may open another window ("Incărcare").
    std::function<void()> windowsChanged;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void onFocusChanged(QWidget* now);
    void afterEvent();
    QWidget* widgetFor(const QString& control) const;
    QString controlFor(QWidget* widget) const;
    // The list of stored documents with the search field beside it.
    QHBoxLayout* listWithSearch();
    // A command button that runs `handler` on the model, then shows what it changed.
    QPushButton* command(const char* name, const QString& caption, const QString& tip,
                         const std::function<void()>& handler);

    Introd& model_;
    QMetaObject::Connection focusConnection_;
    QLineEdit* NrO_;
    QRadioButton* Option1_;
    QRadioButton* Option2_;
    QPushButton* B_start_;
    QPushButton* Command1_;
    QComboBox* Ordine_;
    QStringListModel* OrdineItems_;  // the items Ordine_ shows, shared with the model's list
    QLineEdit* Cauta_;
    QLabel* Label3_;
    QPushButton* B_sterg_;
};

}  // namespace tavo::gui
