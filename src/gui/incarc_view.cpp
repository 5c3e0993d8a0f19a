#include "gui/incarc_view.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

#include "entry/form2_texts.h"
#include "entry/form_iban_texts.h"
#include "entry/form_nrevid_texts.h"
#include "entry/incarc_texts.h"
#include "gui/incarc_form_widget.h"
#include "gui/typed_field.h"

namespace tavo::gui {
namespace {

namespace texts = incarc_texts;

// Fields at rest are light yellow, the one being typed in is white.
const QString kFieldStyle = QStringLiteral(
    "QLineEdit, QPlainTextEdit { background-color: rgb(255, 255, 192);"
    " color: palette(window-text); border: none; }"
    "QLineEdit:focus, QPlainTextEdit:focus { background-color: white; }");

// The most a user can type into a one-line field: its limit, or all of a
// longer text that the program put there (never cut by the field itself).
int typedLimit(int k, const QString& text) {
    return std::max(Incarc::typingLimit(k), int(text.size()));
}

// The largest font whose lines fit a box of `height` pixels.
int pixelSizeFor(int height, int lines) {
    return std::clamp(int((height - 2) / (lines * 1.3)), 8, 13);
}

// The font of a one-line field: as large as its box allows, and small enough
// that a code typed to the field's limit (an IBAN, a fiscal code) shows whole.
int fieldPixelSize(int k, const QRect& box) {
    int size = pixelSizeFor(box.height(), 1);
    const int limit = Incarc::typingLimit(k);
    if (limit > 30)
        return size;
    // A capital as wide as the average of an IBAN's letters and digits.
    const QString widest(limit, QLatin1Char('B'));
    while (size > 10 && QFontMetrics(formFont(size)).horizontalAdvance(widest) + 8 > box.width())
        --size;
    return size;
}

}  // namespace

IncarcView::IncarcView(Incarc& model, QWidget* parent)
    : ModelView(model.controls(), parent),
      model_(model),
      area_(new QWidget(this)),
      Frame8_(new FormPicture(area_)) {
    setWindowTitle(texts::fereastra);
    Frame8_->setStyleSheet(kFieldStyle);
    makeFields();
    makeLabels();
    makeFormButtons();
    makeScrollBars();

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(area_, 0, 0);
    layout->addWidget(VScroll1_, 0, 1);
    layout->addWidget(HScroll1_, 1, 0);
    layout->addWidget(makeButtonBar(), 2, 0, 1, 2);
    layout->addWidget(makeHintLine(), 3, 0, 1, 2);
    layout->setRowStretch(0, 1);
    layout->setColumnStretch(0, 1);
    area_->setMinimumSize(320, 200);
    // Room for the whole form beside the scroll bars, where the screen has it.
    resize(Frame8_->width() + 40, Frame8_->height() + 70);
    makeZoomKeys();
    setZoom(savedZoom());

    connectControls(shownOtherwise);
    refresh();
}

bool IncarcView::shownOtherwise(const QString& control) {
    // The title and the hints under the fields are part of the drawn form.
    static const QRegularExpression drawn(QStringLiteral(R"(^(titlu|lab1\(\d+\))$)"));
    // The labels behind the fields of both copies and the declaration note.
    static const QRegularExpression printed(QStringLiteral(R"(^(e1|F1|val_decl)\(\d+\)$)"));
    if (drawn.match(control).hasMatch() || printed.match(control).hasMatch())
        return true;
    // The derived labels the window has no widget for: the printed page's.
    for (int k = 0; k < kB1Count; ++k) {
        if ((k < kFirstLabel || k > kLastLabel) && control == QStringLiteral("b1(%1)").arg(k))
            return true;
    }
    return false;
}

void IncarcView::makeFields() {
    for (int k = 0; k < Incarc::kFields; ++k) {
        // The box's outline stays visible around the field, as on paper.
        const QRect box = toPixels(printing::d1Box(k)).adjusted(1, 1, -1, -1);
        QWidget* field = nullptr;
        if (Incarc::isTwoLineField(k)) {
            auto* edit = new TwoLineField(Incarc::typingLimit(k), Frame8_);
            edit->setFont(formFont(pixelSizeFor(box.height(), 2)));
            // Ctrl with the wheel over it zooms the form, not its text alone.
            edit->viewport()->installEventFilter(this);
            field = edit;
        } else {
            auto* edit = new QLineEdit(Frame8_);
            if (k == D1::IBAN_platitor || k == D1::IBAN_beneficiar) {
                // An IBAN pasted in groups loses its blanks before the limit applies.
                setTypingRule(
                    edit,
                    [k](const QString& beforeCaret, const QString& afterCaret, int limit) {
                        return Incarc::typedText(k, beforeCaret, afterCaret, limit);
                    },
                    Incarc::typingLimit(k));
            } else {
                edit->setMaxLength(Incarc::typingLimit(k));
            }
            edit->setTextMargins(1, 0, 1, 0);
            edit->setFont(formFont(fieldPixelSize(k, box)));
            field = edit;
        }
        field->setObjectName(Incarc::fieldName(k));
        place(field, printing::d1Box(k), field->font().pixelSize(), 1);
        field->setToolTip(Incarc::tooltip(k));
        field->setAccessibleName(Incarc::printedCaption(k));
        field->setAccessibleDescription(Incarc::tooltip(k));
        field->installEventFilter(this);
        d1_[size_t(k)] = field;
    }
    // A click into the payer's code or the beneficiary's IBAN empties fields
    // before the focus moves there: the view gives these two the focus itself.
    d1_[D1::CIF_platitor]->setFocusPolicy(Qt::TabFocus);
    d1_[D1::IBAN_beneficiar]->setFocusPolicy(Qt::TabFocus);

    std::array<QWidget*, Incarc::kFields> byTab = d1_;
    std::sort(byTab.begin(), byTab.end(), [](QWidget* a, QWidget* b) {
        return Incarc::ordineTab(Incarc::fieldIndex(a->objectName())) <
               Incarc::ordineTab(Incarc::fieldIndex(b->objectName()));
    });
    for (size_t i = 1; i < byTab.size(); ++i) setTabOrder(byTab[i - 1], byTab[i]);
    firstField_ = byTab.front();
}

void IncarcView::makeLabels() {
    for (int k = kFirstLabel; k <= kLastLabel; ++k) {
        const QRect box = toPixels(printing::b1Box(k));
        auto* label = new QLabel(Frame8_);
        label->setObjectName(QStringLiteral("b1(%1)").arg(k));
        label->setFont(formFont(pixelSizeFor(box.height(), 1)));
        b1PixelSize_[size_t(k)] = pixelSizeFor(box.height(), 1);
        place(label, printing::b1Box(k), b1PixelSize_[size_t(k)]);
        b1_[size_t(k)] = label;
    }

    auto* atentie = new QLabel(texts::atentie, Frame8_);
    atentie->setObjectName(QStringLiteral("atentie"));
    atentie->setWordWrap(true);
    atentie->setAlignment(Qt::AlignCenter);
    atentie->setFont(formFont(11, true));
    atentie->setStyleSheet(QStringLiteral("color: red"));
    place(atentie, printing::warningBox(), 11);

    auto* Frame4 = new QGroupBox(texts::Frame4, Frame8_);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    Frame4->setFont(formFont(10, true));
    place(Frame4, printing::infoBox(), 10);
    auto* informatii = new QLabel(texts::informatii, Frame4);
    informatii->setWordWrap(true);
    informatii->setFont(formFont(10));
    place(informatii, QRect(), 10);
    auto* frameLayout = new QVBoxLayout(Frame4);
    frameLayout->setContentsMargins(4, 2, 4, 2);
    frameLayout->addWidget(informatii);
}

void IncarcView::makeFormButtons() {
    // The beneficiary section's buttons, one under the other: the assistant,
    // the registration-number builder and the environment fund, in one font
    // small enough for the longest caption.
    const QRect box = toPixels(printing::beneficiaryButtonsBox());
    const std::array<FormButton, 3> beneficiary{{
        {"Command1", form_iban_texts::deschidere, form_iban_texts::deschidere_tip},
        {"Command6", form_nrevid_texts::deschidere, form_nrevid_texts::deschidere_tip},
        {"Command8", texts::Command8, texts::Command8_tip},
    }};
    int size = 11;
    for (const FormButton& b : beneficiary) {
        while (size > 8 &&
               QFontMetrics(formFont(size)).horizontalAdvance(b.caption) + 10 > box.width())
            --size;
    }
    const QRect twips = printing::beneficiaryButtonsBox();
    const int height = twips.height() / 3;
    for (int i = 0; i < 3; ++i) {
        place(formButton(beneficiary[size_t(i)], size),
              QRect(twips.left(), twips.top() + i * height, twips.width(), height), size);
    }
    // The calendars of the issue date and of the debit date.
    QPushButton* B_cal = formButton({"B_cal", form2_texts::deschidere, {}}, 11);
    B_cal->setAccessibleDescription(texts::B_cal_descriere);
    place(B_cal, printing::calendarButtonBox(0), 11);
    B_cal1_ = formButton({"B_cal1", form2_texts::deschidere, {}}, 11);
    B_cal1_->setAccessibleDescription(texts::B_cal1_descriere);
    place(B_cal1_, printing::calendarButtonBox(1), 11);
}

QPushButton* IncarcView::formButton(const FormButton& b, int pixelSize) {
    const QString name = QLatin1String(b.name);
    auto* button = new QPushButton(b.caption, Frame8_);
    button->setObjectName(name);
    button->setToolTip(b.tip);
    button->setAccessibleName(b.caption);
    button->setAccessibleDescription(b.tip);
    button->setFont(formFont(pixelSize));
    button->setAutoDefault(true);
    return button;
}

void IncarcView::makeScrollBars() {
    HScroll1_ = new QScrollBar(Qt::Horizontal, this);
    HScroll1_->setObjectName(QStringLiteral("HScroll1"));
    HScroll1_->setRange(0, 3000);
    HScroll1_->setSingleStep(500);
    VScroll1_ = new QScrollBar(Qt::Vertical, this);
    VScroll1_->setObjectName(QStringLiteral("VScroll1"));
    VScroll1_->setRange(-3000, 14000);
    VScroll1_->setSingleStep(300);
    for (QScrollBar* bar : {HScroll1_, VScroll1_}) bar->setFocusPolicy(Qt::NoFocus);
    connect(HScroll1_, &QScrollBar::valueChanged, this, [this](int value) {
        model_.HScroll1_Change(value);
        placeDrawing();
    });
    connect(VScroll1_, &QScrollBar::valueChanged, this, [this](int value) {
        model_.VScroll1_Change(value);
        placeDrawing();
    });
}

QWidget* IncarcView::makeButtonBar() {
    auto* Frame12 = new QWidget(this);
    Frame12->setObjectName(QStringLiteral("Frame12"));
    // The document's commands on the left, the texts to read on the right.
    const std::array<FormButton, 4> commands{{
        {"but_exit", texts::but_exit, texts::but_exit_tip},
        {"Command7", texts::Command7, texts::Command7_tip},
        {"Command4", texts::Command4, texts::Command4_tip},
        {"Command3", texts::Command3, texts::Command3_tip},
    }};
    const std::array<FormButton, 4> reading{{
        {"Command2", texts::Command2, texts::Command2_tip},
        {"Command5", texts::Command5, {}},
        {"B_legi", texts::B_legi, texts::B_legi_tip},
        {"But_explic", texts::But_explic, texts::But_explic_tip},
    }};
    auto* layout = new QHBoxLayout(Frame12);
    layout->setContentsMargins(6, 4, 6, 4);
    QWidget* previous = d1_[D1::cod_program];
    const auto add = [&](const FormButton& b) {
        const QString name = QLatin1String(b.name);
        auto* button = new QPushButton(b.caption, Frame12);
        button->setObjectName(name);
        button->setToolTip(b.tip);
        button->setAccessibleName(b.caption);
        button->setAccessibleDescription(b.tip);
        button->setMinimumWidth(button->sizeHint().width() + 12);
        // Enter on a button that has the focus presses it: Enter in the issue
        // date goes to "Iesire", and a second Enter leaves.
        button->setAutoDefault(true);
        layout->addWidget(button);
        setTabOrder(previous, button);
        previous = button;
    };
    std::ranges::for_each(commands, add);
    layout->addStretch();
    std::ranges::for_each(reading, add);
    return Frame12;
}

void IncarcView::refresh() {
    for (int k = 0; k < Incarc::kFields; ++k) showField(k);
    showLabels();
    printing::FormLook look;
    look.type = model_.orderPartsShown ? printing::FormType::OP : printing::FormType::FV;
    look.hints = true;
    look.debitDate = model_.d1Visible[D1::data_debitarii];
    Frame8_->setLook(look);
    B_cal1_->setVisible(model_.B_cal1Visible);
    hint_->setText(model_.hint.text);
    {
        const QSignalBlocker blockH(HScroll1_);
        const QSignalBlocker blockV(VScroll1_);
        HScroll1_->setValue(model_.HScroll1);
        VScroll1_->setValue(model_.VScroll1);
    }
    placeDrawing();
}

// The text is set only when it differs, so that the caret stays where the
// user has it. The typed limit is the user's: the program's text may pass it.
void IncarcView::showField(int k) {
    const QString& value = model_.d1[size_t(k)];
    QWidget* field = d1_[size_t(k)];
    if (auto* edit = qobject_cast<QLineEdit*>(field); edit && edit->text() != value) {
        setTypedLimit(edit, typedLimit(k, value));
        showProgramText(edit, value);
    } else if (auto* twoLines = qobject_cast<TwoLineField*>(field);
               twoLines && twoLines->text() != value) {
        const QSignalBlocker block(twoLines);
        twoLines->setProgramText(value);
    }
    field->setVisible(model_.d1Visible[size_t(k)]);
}

void IncarcView::showLabels() {
    for (int k = kFirstLabel; k <= kLastLabel; ++k) {
        QLabel* label = b1_[size_t(k)];
        const QString& value = model_.b1[size_t(k)];
        if (label->text() != value) {
            label->setText(value);
            fitFont(*label, atZoom(b1PixelSize_[size_t(k)]));
        }
    }
    // The payer's bank and both BICs are not on a deposit slip.
    for (B1 k : {B1::BIC_platitor, B1::banca_platitor, B1::BIC_beneficiar})
        b1_[k]->setVisible(model_.orderPartsShown);
}

// The status line under the buttons: a field's hint, until the user types in
// that field again. It keeps its height when empty and never widens the
// window, so that the form does not move.
QLabel* IncarcView::makeHintLine() {
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("hint"));
    hint_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    hint_->setContentsMargins(8, 2, 8, 4);
    hint_->setStyleSheet(QStringLiteral("color: #8b0000; font-weight: bold"));
    hint_->setMinimumHeight(hint_->fontMetrics().height() + 8);
    return hint_;
}

bool IncarcView::restoreTyped(QLineEdit* edit, int k) {
    const std::optional<FieldSelection> selection = model_.restoreTyped(k);
    if (!selection)
        return false;
    afterEvent();
    edit->setSelection(selection->start, selection->length);
    return true;
}

// The field's own menu, whose "Anulare" brings back what the checks took.
void IncarcView::showFieldMenu(QLineEdit* edit, int k, const QPoint& at) {
    QMenu* menu = edit->createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    // The menu of an editable field begins with its undo.
    if (QAction* undo = menu->actions().value(0)) {
        disconnect(undo, nullptr, edit, nullptr);
        undo->setEnabled(true);
        connect(undo, &QAction::triggered, this, [this, edit, k] { restoreTyped(edit, k); });
    }
    menu->popup(at);
}

void IncarcView::placeDrawing() {
    const QRect at = toPixels(QRect(model_.Frame8Left, model_.Frame8Top, 0, 0), zoom_ / 100.0);
    Frame8_->move(at.topLeft());
}

bool IncarcView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel &&
        (static_cast<QWheelEvent*>(event)->modifiers() & Qt::ControlModifier)) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    const int k = Incarc::fieldIndex(watched->objectName());
    if (k < 0)
        return QWidget::eventFilter(watched, event);
    auto* field = static_cast<QWidget*>(watched);
    auto* line = qobject_cast<QLineEdit*>(field);
    if (line && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Undo) && restoreTyped(line, k))
        return true;
    if (line && event->type() == QEvent::ContextMenu && model_.canRestoreTyped(k)) {
        showFieldMenu(line, k, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        // The limit again from the text as it is now. Setting it moves the
        // caret to the end: the caret is kept where it was.
        auto* edit = qobject_cast<QLineEdit*>(field);
        if (edit && typedLimitOf(edit) != typedLimit(k, edit->text())) {
            const int caret = edit->cursorPosition();
            setTypedLimit(edit, typedLimit(k, edit->text()));
            edit->setCursorPosition(caret);
        }
        // Moving to a field with Tab or Enter puts the caret at the end of its
        // text (not for the issue date), after the field's own handling, which
        // selects it all on Tab. A click, or coming back to the window, leaves
        // the caret where it is.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool moved = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                           reason == Qt::OtherFocusReason;
        if (k != D1::data_emiterii && moved) {
            QTimer::singleShot(0, field, [field] {
                if (auto* edit = qobject_cast<QLineEdit*>(field))
                    edit->end(false);
                else if (auto* twoLines = qobject_cast<TwoLineField*>(field))
                    twoLines->moveCursor(QTextCursor::End);
            });
        }
    } else if (event->type() == QEvent::MouseButtonPress &&
               (k == D1::CIF_platitor || k == D1::IBAN_beneficiar) &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        model_.click_d1(k);
        refresh();
        field->setFocus(Qt::MouseFocusReason);
        afterEvent();
    }
    return QWidget::eventFilter(watched, event);
}

void IncarcView::closeEvent(QCloseEvent* event) {
    if (!model_.visible) {
        event->accept();
        return;
    }
    model_.closeBoxClicked();
    if (model_.visible) {
        // The user stays: the field that still has the keyboard focus is the
        // model's again, so that leaving it later runs its checks.
        event->ignore();
        if (QWidget* current = focusWidget())
            model_.setFocus(controlFor(current));
    } else {
        event->accept();
    }
    afterEvent();
}

void IncarcView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitScrollBars();
    // The first resize comes before the window is shown: showEvent handles it.
    if (isVisible()) {
        model_.Form_Resize();
        refresh();
    }
}

void IncarcView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        model_.Form_Resize();
        refresh();
        // A document just opened starts at the first field of the tab order.
        if (model_.focus.isEmpty())
            firstField_->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace tavo::gui
