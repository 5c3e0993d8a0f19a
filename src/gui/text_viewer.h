#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace tavo::gui {

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
