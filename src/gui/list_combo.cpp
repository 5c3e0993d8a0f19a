#include "gui/list_combo.h"

#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QStylePainter>

namespace tavo::gui {
namespace {

// The open list: typing goes to the first row that contains the letters.
class RowsView : public QListView {
  public:
    explicit RowsView(ListCombo& combo) : combo_(combo) {
        setTextElideMode(Qt::ElideRight);
        setUniformItemSizes(true);
    }

    void keyboardSearch(const QString& search) override {
        const int row = combo_.findTyped(typed_.add(search), currentIndex().row());
        if (row >= 0)
            setCurrentIndex(model()->index(row, 0));
    }

  private:
    ListCombo& combo_;
    TypedText typed_;
};

}  // namespace

bool TypedText::typing() const {
    return since_.isValid() && since_.elapsed() <= QApplication::keyboardInputInterval();
}

QString TypedText::add(const QString& letters) {
    if (!typing())
        text_.clear();
    since_.start();
    text_ += letters;
    return text_;
}

ListCombo::ListCombo(const QString& name, QWidget* parent) : QComboBox(parent) {
    setObjectName(name);
    setEditable(false);
    setView(new RowsView(*this));
    setMaxVisibleItems(25);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(40);
}

void ListCombo::setRows(const QStringList& rows, int selected) {
    if (rows != rows_) {
        rows_ = rows;
        clear();
        const QFontMetrics metrics(font());
        const int wide = metrics.averageCharWidth() * kRowChars;
        for (const QString& row : rows) {
            // The open list is as wide as its widest item: a longer row is
            // shortened here, and shown whole in its tool tip.
            addItem(metrics.elidedText(row, Qt::ElideRight, wide));
            setItemData(count() - 1, row, Qt::ToolTipRole);
        }
    }
    setCurrentIndex(selected >= 0 && selected < count() ? selected : -1);
    setToolTip(selected >= 0 && selected < rows_.size() ? rows_[selected] : QString());
}

int ListCombo::findTyped(const QString& typed, int from) const {
    const int n = int(rows_.size());
    // The text typed so far may still match the row shown: the search starts there.
    for (int i = 0; i < n; ++i) {
        const int row = (std::max(from, 0) + i) % n;
        if (rows_[row].contains(typed, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

void ListCombo::keyPressEvent(QKeyEvent* event) {
    const QString letters = event->text();
    // A space opens the list, as in every list, unless it is part of a text being typed.
    const bool space = letters == QLatin1String(" ") && !typed_.typing();
    if (letters.isEmpty() || !letters.at(0).isPrint() || space ||
        event->modifiers() & Qt::ControlModifier) {
        QComboBox::keyPressEvent(event);
        return;
    }
    const int row = findTyped(typed_.add(letters), currentIndex());
    if (row >= 0 && row != currentIndex()) {
        setCurrentIndex(row);
        emit activated(row);
    }
}

void ListCombo::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect text =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    option.currentText = fontMetrics().elidedText(option.currentText, Qt::ElideRight, text.width());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace tavo::gui
