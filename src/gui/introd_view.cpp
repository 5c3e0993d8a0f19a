#include "gui/introd_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>
#include <tuple>

#include "main_window/introd_captions.h"

namespace tavo::gui {

namespace captions = introd_captions;

IntrodView::IntrodView(Introd& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      NrO_(new QLineEdit(this)),
      Option1_(new QRadioButton(captions::Option1, this)),
      Option2_(new QRadioButton(captions::Option2, this)),
      B_start_(new QPushButton(captions::B_start, this)),
      Command1_(new QPushButton(captions::Command1, this)),
      Ordine_(new QComboBox(this)),
      Label3_(new QLabel(this)),
      B_sterg_(new QPushButton(captions::B_sterg, this)),
      Command4_(new QPushButton(captions::Command4, this)) {
    setWindowTitle(captions::window);
    NrO_->setObjectName(QStringLiteral("NrO"));
    Ordine_->setObjectName(QStringLiteral("Ordine"));
    Label3_->setObjectName(QStringLiteral("Label3"));
    B_start_->setObjectName(QStringLiteral("B_start"));
    B_sterg_->setObjectName(QStringLiteral("B_sterg"));
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command4_->setObjectName(QStringLiteral("Command4"));
    Option1_->setObjectName(QStringLiteral("Option1"));
    Option2_->setObjectName(QStringLiteral("Option2"));

    auto* title = new QLabel(captions::title, this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* subtitle = new QLabel(captions::subtitle, this);
    auto* Label5 = new QLabel(captions::Label5, this);
    Label5->setWordWrap(true);
    Label5->setStyleSheet(QStringLiteral("color: #8b0000"));

    NrO_->setToolTip(captions::NrO_tip);
    NrO_->setMaximumWidth(120);
    NrO_->installEventFilter(this);
    B_start_->setToolTip(captions::B_start_tip);
    // Enter in NrO moves to "Incărcare"; a second Enter opens the document.
    B_start_->setAutoDefault(true);
    B_sterg_->setToolTip(captions::B_sterg_tip);
    Command4_->setToolTip(captions::Command4_tip);
    Command1_->setMaximumWidth(40);
    // The list's numbers are right-aligned in a column: a fixed-width font keeps it straight.
    Ordine_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Ordine_->setMinimumWidth(260);
    Ordine_->setMaxVisibleItems(20);

    auto* Frame1 = new QGroupBox(this);
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(Option1_);
    frameLayout->addWidget(Option2_);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(captions::Label2, this), 0, 0);
    grid->addWidget(NrO_, 0, 1);
    grid->addWidget(Frame1, 0, 2);
    grid->addWidget(B_start_, 0, 3);
    grid->addWidget(Command1_, 0, 4);
    grid->addWidget(new QLabel(captions::Label4, this), 1, 0, 1, 2);
    grid->addWidget(Ordine_, 2, 0, 1, 3);
    grid->addWidget(Label3_, 3, 0, 1, 3);

    auto* commands = new QHBoxLayout;
    commands->addWidget(B_sterg_);
    commands->addWidget(Command4_);
    commands->addStretch();
    // The print commands: a stored document with or without its barcode, blank forms.
    auto* listings = new QHBoxLayout;
    for (auto [name, caption, tip, handler] :
         {std::tuple{"B_list_CB", captions::B_list_CB, captions::B_list_CB_tip,
                     &Introd::B_list_CB_Click},
          std::tuple{"B_list", captions::B_list, captions::B_list_tip, &Introd::B_list_Click},
          std::tuple{"Command2", captions::Command2, captions::Command2_tip,
                     &Introd::Command2_Click}}) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QLatin1String(name));
        button->setToolTip(tip);
        connect(button, &QPushButton::clicked, this, [this, handler] {
            (model_.*handler)();
            afterEvent();
            if (windowsChanged)
                windowsChanged();
        });
        listings->addWidget(button);
    }
    listings->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(subtitle, 0, Qt::AlignHCenter);
    layout->addSpacing(12);
    layout->addLayout(grid);
    layout->addSpacing(12);
    layout->addLayout(commands);
    layout->addLayout(listings);
    layout->addStretch();
    layout->addWidget(Label5);

    focusConnection_ = connect(qApp, &QApplication::focusChanged, this,
                               [this](QWidget*, QWidget* now) { onFocusChanged(now); });
    connect(NrO_, &QLineEdit::textEdited, this, [this](const QString& text) { model_.NrO = text; });
    connect(NrO_, &QLineEdit::returnPressed, this, [this] {
        model_.NrO_Enter();
        afterEvent();
    });
    connect(Ordine_, &QComboBox::activated, this, [this](int index) {
        model_.Ordine_Click(index);
        afterEvent();
    });
    connect(B_start_, &QPushButton::clicked, this, [this] {
        model_.B_start_Click();
        afterEvent();
        if (windowsChanged)
            windowsChanged();
    });
    connect(Option1_, &QRadioButton::clicked, this, [this] { model_.Option_Click(true); });
    connect(Option2_, &QRadioButton::clicked, this, [this] { model_.Option_Click(false); });
    connect(B_sterg_, &QPushButton::clicked, this, [this] {
        model_.B_sterg_Click();
        afterEvent();
    });
    connect(Command1_, &QPushButton::clicked, this, [this] { model_.Command1_Click(); });
    connect(Command4_, &QPushButton::clicked, this, [this] { model_.Command4_Click(); });
    refresh();
}

// The focus moves while the window is being destroyed: by then it is no
// longer this view that hears of it.
IntrodView::~IntrodView() {
    disconnect(focusConnection_);
}

void IntrodView::refresh() {
    const QSignalBlocker blockOrdine(Ordine_);
    if (NrO_->text() != model_.NrO)
        NrO_->setText(model_.NrO);
    Option1_->setChecked(model_.Option1);
    Option2_->setChecked(model_.Option2);
    QStringList shown;
    for (int i = 0; i < Ordine_->count(); ++i) shown.append(Ordine_->itemText(i));
    if (shown != model_.Ordine) {
        Ordine_->clear();
        Ordine_->addItems(model_.Ordine);
    }
    Ordine_->setCurrentIndex(model_.OrdineSelectie);
    Label3_->setText(model_.Label3);
}

// After an event that may have moved the focus in the model: show the state,
// then put the keyboard focus where the model has it.
void IntrodView::afterEvent() {
    refresh();
    QWidget* target = widgetFor(model_.focus);
    if (target && target->isEnabled()) {
        target->setFocus();
    } else if (QWidget* current = focusWidget(); current && current->hasFocus()) {
        // The model's focus is on a control that cannot take it (a disabled
        // button): the keyboard focus leaves the control that had it.
        current->clearFocus();
    }
}

void IntrodView::onFocusChanged(QWidget* now) {
    if (now && now->window() != this)
        return;
    const QString control = controlFor(now);
    if (control == model_.focus)
        return;
    model_.setFocus(control);
    refresh();
}

QWidget* IntrodView::widgetFor(const QString& control) const {
    return control.isEmpty() ? nullptr : findChild<QWidget*>(control);
}

QString IntrodView::controlFor(QWidget* widget) const {
    for (QWidget* w = widget; w && w != this; w = w->parentWidget()) {
        if (!w->objectName().isEmpty())
            return w->objectName();
    }
    return QString();
}

bool IntrodView::eventFilter(QObject* watched, QEvent* event) {
    // NrO selects its whole text when it gets the focus, so that typing replaces it.
    if (watched == NrO_ && event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, NrO_, &QLineEdit::selectAll);
    }
    return QWidget::eventFilter(watched, event);
}

void IntrodView::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the program, with every other window.
    event->accept();
    QApplication::closeAllWindows();
    QApplication::quit();
}

}  // namespace tavo::gui
