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
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringListModel>
#include <QTimer>
#include <QVBoxLayout>

#include "main_window/introd_captions.h"
#include "main_window/introd_texts.h"

namespace tavo::gui {
namespace {

namespace captions = introd_captions;

// The titles of the groups of commands.
const QString kDocumente = QStringLiteral("Documente");
const QString kRapoarte = QStringLiteral("Rapoarte");
const QString kTexte = QStringLiteral("Texte");
const QString kImport = QStringLiteral("Tabele (Excel, CSV)");

// A group's buttons side by side, sharing its width, each with room around its caption.
QHBoxLayout* row(std::initializer_list<QPushButton*> buttons) {
    auto* layout = new QHBoxLayout;
    for (QPushButton* button : buttons) {
        button->setMinimumWidth(button->sizeHint().width() + 16);
        layout->addWidget(button, 1);
    }
    return layout;
}

}  // namespace

IntrodView::IntrodView(Introd& model, QWidget* parent)
    : ModelView(model.controls(), parent),
      model_(model),
      NrO_(new QLineEdit(this)),
      Option1_(new QRadioButton(captions::Option1, this)),
      Option2_(new QRadioButton(captions::Option2, this)),
      B_start_(new QPushButton(captions::B_start, this)),
      Command1_(new QPushButton(captions::Command1, this)),
      Ordine_(new QComboBox(this)),
      OrdineItems_(new QStringListModel(this)),
      Cauta_(new QLineEdit(this)),
      CautaNumar_(new QLabel(this)),
      Label3_(new QLabel(this)),
      B_sterg_(new QPushButton(captions::B_sterg, this)) {
    setWindowTitle(captions::window);
    releasesFocus = true;
    // The controls are the model's by their names.
    const std::pair<QWidget*, const char*> named[] = {
        {NrO_, "NrO"},         {Option1_, "Option1"},       {Option2_, "Option2"},
        {B_start_, "B_start"}, {Command1_, "Command1"},     {Ordine_, "Ordine"},
        {Cauta_, "Cauta"},     {CautaNumar_, "CautaNumar"}, {Label3_, "Label3"},
        {B_sterg_, "B_sterg"}};
    for (const auto& [widget, name] : named) widget->setObjectName(QLatin1String(name));

    auto* title = new QLabel(captions::title, this);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    titleFont.setBold(true);
    title->setFont(titleFont);
    auto* subtitle = new QLabel(captions::subtitle, this);
    // The note on the date format; none on a system whose format is in order.
    auto* Label5 = new QLabel(model_.Label5, this);
    Label5->setObjectName(QStringLiteral("Label5"));
    Label5->setWordWrap(true);
    Label5->setStyleSheet(QStringLiteral("color: #8b0000"));
    Label5->setVisible(!model_.Label5.isEmpty());

    // Made first, so that Tab goes through the documents' controls before the reports'.
    QWidget* documents = makeDocuments();

    // What the program makes of the stored documents.
    auto* reports = new QGroupBox(kRapoarte, this);
    reports->setLayout(row({command("Command6", captions::Command6, captions::Command6_tip),
                            command("Command10", captions::Command10, captions::Command10_tip),
                            command("Command4", captions::Command4, captions::Command4_tip),
                            command("B_agentii", captions::B_agentii, captions::B_agentii_tip)}));

    // Payments typed in a spreadsheet, brought in as documents, and the stored
    // documents taken out to one.
    auto* imports = new QGroupBox(kImport, this);
    imports->setLayout(row({command("B_import", captions::B_import, captions::B_import_tip),
                            command("B_model", captions::B_model, captions::B_model_tip),
                            command("B_export", captions::B_export, captions::B_export_tip)}));

    // The texts that ship with the program.
    auto* texts = new QGroupBox(kTexte, this);
    texts->setLayout(row({command("Command3", captions::Command3, QString()),
                          command("Command5", captions::Command5, QString()),
                          command("Command7", captions::Command7, QString()),
                          command("Command9", captions::Command9, QString()),
                          command("Command8", captions::Command8, captions::Command8_tip)}));

    // Deleting every stored document stands apart from the everyday commands.
    B_sterg_->setToolTip(captions::B_sterg_tip);
    B_sterg_->setMinimumWidth(B_sterg_->sizeHint().width() + 16);
    setTabOrder(findChild<QPushButton*>(QStringLiteral("Command8")), B_sterg_);
    auto* danger = new QHBoxLayout;
    danger->addStretch();
    danger->addWidget(B_sterg_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(subtitle, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(documents);
    layout->addWidget(reports);
    layout->addWidget(imports);
    layout->addWidget(texts);
    layout->addSpacing(8);
    layout->addLayout(danger);
    layout->addStretch();
    layout->addWidget(Label5);
    connectControls();
    refresh();
}

QWidget* IntrodView::makeDocuments() {
    NrO_->setToolTip(captions::NrO_tip);
    NrO_->setMaximumWidth(120);
    NrO_->installEventFilter(this);
    B_start_->setToolTip(captions::B_start_tip);
    // Enter in NrO moves to "Incărcare"; a second Enter opens the document.
    B_start_->setAutoDefault(true);
    Command1_->setMaximumWidth(40);
    // The list's numbers are right-aligned in a column: a fixed-width font keeps it straight.
    Ordine_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Ordine_->setMinimumWidth(260);
    Ordine_->setMaxVisibleItems(20);

    auto* Frame1 = new QGroupBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* frameLayout = new QHBoxLayout(Frame1);
    frameLayout->addWidget(Option1_);
    frameLayout->addWidget(Option2_);

    auto* documents = new QGroupBox(kDocumente, this);
    auto* grid = new QGridLayout(documents);
    NrO_->setAccessibleName(captions::Label2.trimmed());
    Ordine_->setAccessibleName(captions::Label4);
    auto* Label2 = new QLabel(captions::Label2, this);
    Label2->setObjectName(QStringLiteral("Label2"));
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(NrO_, 0, 1);
    grid->addWidget(Frame1, 0, 2);
    grid->addWidget(B_start_, 0, 3);
    grid->addWidget(Command1_, 0, 4);
    grid->setColumnStretch(5, 1);
    auto* Label4 = new QLabel(captions::Label4, this);
    Label4->setObjectName(QStringLiteral("Label4"));
    grid->addWidget(Label4, 1, 0, 1, 2);
    grid->addLayout(listWithSearch(), 2, 0, 1, 6);
    grid->addWidget(Label3_, 3, 0, 1, 3);
    grid->addLayout(row({command("B_list_CB", captions::B_list_CB, captions::B_list_CB_tip),
                         command("B_list", captions::B_list, captions::B_list_tip),
                         command("B_OPuri", captions::B_OPuri, captions::B_OPuri_tip),
                         command("Command2", captions::Command2, captions::Command2_tip)}),
                    4, 0, 1, 6);
    return documents;
}

QHBoxLayout* IntrodView::listWithSearch() {
    // The list may hold a hundred thousand documents: its items are the model's
    // own texts (no copy per item), its width does not depend on them, and the
    // open list takes every row as high as the first.
    Ordine_->setModel(OrdineItems_);
    Ordine_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* rows = qobject_cast<QListView*>(Ordine_->view()))
        rows->setUniformItemSizes(true);

    // The search beside the list narrows it at every keystroke.
    Cauta_->setToolTip(captions::Cauta_tip);
    Cauta_->setClearButtonEnabled(true);
    auto* label = new QLabel(captions::Cauta, this);
    label->setBuddy(Cauta_);
    Cauta_->setAccessibleName(captions::Cauta);
    // Enter or Down opens the list the search narrowed.
    Cauta_->installEventFilter(this);

    auto* layout = new QHBoxLayout;
    layout->addWidget(Ordine_);
    layout->addSpacing(12);
    layout->addWidget(label);
    layout->addWidget(Cauta_, 1);
    layout->addWidget(CautaNumar_);
    return layout;
}

QPushButton* IntrodView::command(const char* name, const QString& caption, const QString& tip) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QLatin1String(name));
    button->setToolTip(tip);
    return button;
}

QSize IntrodView::minimumSizeHint() const {
    QSize size = ModelView::minimumSizeHint();
    if (layout() && layout()->hasHeightForWidth())
        size.setHeight(std::max(size.height(), layout()->totalHeightForWidth(size.width())));
    return size;
}

bool IntrodView::event(QEvent* event) {
    const bool handled = ModelView::event(event);
    // Before the first showing, and whenever the layout changes (another
    // font): the window may not be made smaller than all it holds.
    if (event->type() == QEvent::Polish || event->type() == QEvent::LayoutRequest) {
        const QSize minimum = minimumSizeHint();
        if (minimumSize() != minimum)
            setMinimumSize(minimum);
    }
    return handled;
}

void IntrodView::refresh() {
    const QSignalBlocker blockList(Ordine_);
    if (NrO_->text() != model_.NrO)
        NrO_->setText(model_.NrO);
    if (Cauta_->text() != model_.Cauta)
        Cauta_->setText(model_.Cauta);
    Option1_->setChecked(model_.Option1);
    Option2_->setChecked(model_.Option2);
    if (OrdineItems_->stringList() != model_.Ordine)
        OrdineItems_->setStringList(model_.Ordine);
    Ordine_->setCurrentIndex(model_.OrdineSelectie);
    Label3_->setText(model_.Label3);
    CautaNumar_->setText(model_.CautaNumar);
    // Room for the longest count of these documents, so that the search
    // field keeps its width while the user types.
    const QFontMetrics metrics = CautaNumar_->fontMetrics();
    const qsizetype documents = model_.documentCount();
    CautaNumar_->setMinimumWidth(
        std::max(metrics.horizontalAdvance(introd_texts::foundCount.arg(documents).arg(documents)),
                 metrics.horizontalAdvance(introd_texts::noneFound)));
}

bool IntrodView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Cauta_ && event->type() == QEvent::KeyPress && Ordine_->count() > 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            Ordine_->showPopup();
            return true;
        }
    }
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
