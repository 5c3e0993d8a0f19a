#pragma once

#include <QTranslator>

class QApplication;

namespace tavo::gui {

// The texts of Qt's own controls that the program shows (the buttons of
// message boxes, questions and input boxes, the context menus of the text
// fields) in Romanian, for a system where Qt has no Romanian file of its own.
class RomanianQtTexts : public QTranslator {
  public:
    using QTranslator::QTranslator;

    QString translate(const char* context, const char* sourceText,
                      const char* disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }
};

// Makes the windows Romanian whatever the system language: the default locale
// (month and day names of the calendar) and Qt's own texts, from Qt's
// Romanian file when the system has it, from RomanianQtTexts otherwise.
void installRomanian(QApplication& app);

}  // namespace tavo::gui
