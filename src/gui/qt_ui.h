#pragma once

#include <QDir>
#include <QPointer>
#include <QWidget>

#include "gui/text_viewer.h"
#include "ui/ui.h"

class QProgressDialog;

namespace tavo::gui {

// The Ui port on the desktop: Qt message boxes and input boxes, the text
// viewer, the default printer (or a PDF file in listari/ without one), and
// a progress dialog for long runs.
class QtUi : public Ui {
  public:
    explicit QtUi(QDir folder) : folder_(std::move(folder)) {}

    // The window that dialogs belong to.
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text, Icon icon, const QString& title) override;
    // A Yes/No question is answered only by its buttons; Escape and the close
    // box of a Yes/No/Cancel question are Cancel.
    Answer ask(const QString& text, Buttons buttons, const QString& title) override;
    std::optional<QString> input(const QString& prompt, const QString& defaultAnswer,
                                 const QString& title) override;
    std::optional<QString> chooseFile(const QString& prompt, const QString& folder,
                                      const QString& title) override;
    std::optional<QString> chooseSaveFile(const QString& prompt, const QString& folder,
                                          const QString& suggested,
                                          const QString& title = QString()) override;
    void openText(const QString& relativePath) override;
    void print(const PrintJob& job) override;
    // A dialog with the steps done and an "Oprire" button, over the window
    // the user is in; it comes up only for a run that lasts.
    bool progress(int done, int total, const QString& text) override;

    // Every printing of the desktop: `draw` prints on the default printer,
    // or, when there is none, into a new PDF file in listari/, and a message
    // over `over` (or the window the user is in) says where.
    void printOnPrinter(const PrinterDrawing& draw, QWidget* over = nullptr);

  private:
    void showMessage(QWidget* over, const QString& text, Icon icon, const QString& title);

    QDir folder_;
    QPointer<QWidget> parent_;
    int pdfCount_ = 0;
    QPointer<QProgressDialog> progress_;
};

}  // namespace tavo::gui
