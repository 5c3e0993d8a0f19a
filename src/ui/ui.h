#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "ui/notice.h"

class QPainter;

namespace tavo {

enum class Buttons { YesNo, YesNoCancel };
enum class Answer { Yes, No, Cancel };

// Pages to print as one print-image operation. Each page is drawn in twips
// (1/1440 inch) from the top left of an A4 sheet.
struct PrintJob {
    int pageCount = 0;
    std::function<void(QPainter&, int page)> drawPage;
};

// How the models talk to the user. The desktop implements it with Qt dialogs;
// tests and `tavo script` with a scripted fake. Models never open a dialog
// themselves.
class Ui {
  public:
    virtual ~Ui() = default;

    // A message box with only an OK button.
    virtual void message(const QString& text, Icon icon = Icon::None,
                         const QString& title = QString()) = 0;

    // A question with Yes/No or Yes/No/Cancel buttons.
    virtual Answer ask(const QString& text, Buttons buttons = Buttons::YesNo,
                       const QString& title = QString()) = 0;

    // A one-line input box; nothing when the user pressed Cancel.
    virtual std::optional<QString> input(const QString& prompt, const QString& defaultAnswer,
                                         const QString& title = QString()) = 0;

    // The file dialog for opening a file, in `folder` (the working folder):
    // the path chosen, nothing when the user pressed Cancel. Where there is no
    // dialog it is an input box for the file's name.
    virtual std::optional<QString> chooseFile(const QString& prompt, const QString& folder,
                                              const QString& title = QString()) {
        Q_UNUSED(folder);
        return input(prompt, QString(), title);
    }

    // The file dialog for saving a file, in `folder` (the working folder),
    // `suggested` its name to start from: the path chosen, nothing when the
    // user pressed Cancel. Where there is no dialog it is an input box.
    virtual std::optional<QString> chooseSaveFile(const QString& prompt, const QString& folder,
                                                  const QString& suggested,
                                                  const QString& title = QString()) {
        Q_UNUSED(folder);
        return input(prompt, suggested, title);
    }

    // Shows a text file of the working folder in the viewer, without waiting.
    // `relativePath` is relative to the working folder ("dosar.txt").
    virtual void openText(const QString& relativePath) = 0;

    // One print-image operation.
    virtual void print(const PrintJob& job) = 0;

    // The progress of a long run (a package of documents): `done` of `total`
    // steps, `text` saying what is being done. False when the user asked to
    // stop; the run then ends as if it had come to its last step.
    virtual bool progress(int done, int total, const QString& text) {
        Q_UNUSED(done);
        Q_UNUSED(total);
        Q_UNUSED(text);
        return true;
    }
};

// Shows the notices in order, each in a message box of its own.
inline void showNotices(Ui& ui, const Notices& notices) {
    for (const Notice& notice : notices) ui.message(notice.text, notice.icon);
}

}  // namespace tavo
