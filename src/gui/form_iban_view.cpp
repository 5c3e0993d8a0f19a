#include "gui/form_iban_view.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entry/form_iban_texts.h"
#include "gui/list_combo.h"
#include "gui/typed_field.h"

namespace tavo::gui {
namespace {

namespace texts = form_iban_texts;

QPushButton* button(const QString& name, const QString& caption, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(true);
    return b;
}

QLabel* note(const QString& text, QWidget* parent, const char* colour = nullptr) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    if (colour)
        label->setStyleSheet(QStringLiteral("color: %1").arg(QLatin1String(colour)));
    return label;
}

QLineEdit* codeField(const QString& name, int limit, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(limit);
    // IBANs and registration numbers are read character by character.
    edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(limit + 2, u'W')));
    return edit;
}

// Shows the model's text, only when it differs, so that the caret stays where the user has it.
void showText(QLineEdit* edit, const QString& text) {
    if (edit->text() != text)
        showProgramText(edit, text);
}

// One of two frames standing in the same place keeps its room while the other is shown.
void keepRoom(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

}  // namespace

FormIbanView::FormIbanView(Form_IBAN& model, QWidget* parent)
    : ModelView(model.controls(), parent),
      model_(model),
      Option1_(new QRadioButton(texts::Option1, this)),
      Option2_(new QRadioButton(texts::Option2, this)),
      Command5_(button(QStringLiteral("Command5"), texts::Command5, this)),
      Command9_(button(QStringLiteral("Command9"), texts::Command9, this)) {
    setWindowTitle(texts::fereastra);
    Option1_->setObjectName(QStringLiteral("Option1"));
    Option2_->setObjectName(QStringLiteral("Option2"));
    auto* Command8 = button(QStringLiteral("Command8"), texts::Command8, this);

    auto* options = new QGridLayout;
    options->addWidget(Option1_, 0, 0);
    options->addWidget(new QLabel(texts::pentruCalcul, this), 0, 1);
    options->addWidget(Option2_, 1, 0);
    options->addWidget(new QLabel(texts::pentruDecizii, this), 1, 1);
    options->setColumnStretch(2, 1);

    // The frames and the buttons of the two ways stand in the same place.
    auto* way1 = new QVBoxLayout;
    way1->addWidget(makeFrame3());
    way1->addWidget(Command5_, 0, Qt::AlignHCenter);
    auto* way2 = new QVBoxLayout;
    way2->addWidget(makeFrame2());
    way2->addWidget(Command9_, 0, Qt::AlignHCenter);
    way2->addStretch();
    auto* way = new QGridLayout;
    way->addLayout(way1, 0, 0);
    way->addLayout(way2, 0, 0);
    for (QWidget* w : {static_cast<QWidget*>(Frame3_), static_cast<QWidget*>(Frame2_),
                       static_cast<QWidget*>(Command5_), static_cast<QWidget*>(Command9_)})
        keepRoom(w);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(Command8);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(way);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connectControls();
    refresh();
}

QGroupBox* FormIbanView::makeFrame3() {
    Frame3_ = new QGroupBox(texts::Frame3, this);
    Frame3_->setObjectName(QStringLiteral("Frame3"));
    Benef1_ = new ListCombo(QStringLiteral("Benef1"), Frame3_);
    oblig1_ = new ListCombo(QStringLiteral("oblig1"), Frame3_);

    Benef1_->setAccessibleName(texts::Benef1);
    oblig1_->setAccessibleName(texts::oblig1);
    auto* lists = new QGridLayout;
    lists->addWidget(new QLabel(texts::Benef1, Frame3_), 0, 0);
    lists->addWidget(Benef1_, 0, 1);
    lists->addWidget(new QLabel(texts::oblig1, Frame3_), 1, 0);
    lists->addWidget(oblig1_, 1, 1);
    lists->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(Frame3_);
    layout->addLayout(lists);
    layout->addWidget(note(texts::atentieCoduri, Frame3_, "#8b0000"));
    layout->addWidget(note(texts::atentiePozitia49, Frame3_, "#8b0000"));
    layout->addSpacing(8);
    layout->addWidget(makeListButtons(Frame3_));
    return Frame3_;
}

QWidget* FormIbanView::makeListButtons(QWidget* parent) {
    const std::pair<const char*, const QString&> buttons[] = {
        {"Command2", texts::Command2},   {"Command7", texts::Command7},
        {"Command10", texts::Command10}, {"Command4", texts::Command4},
        {"Command6", texts::Command6},   {"Command1", texts::Command1},
        {"Command3", texts::Command3},   {"Command11", texts::Command11},
        {"Command12", texts::Command12},
    };
    auto* box = new QWidget(parent);
    std::vector<QPushButton*> made;
    for (const auto& [name, caption] : buttons)
        made.push_back(button(QLatin1String(name), caption, box));
    made[0]->setToolTip(texts::Command2_tip);

    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(texts::listaInformativa, box), 0, 0, 1, 7);
    grid->addWidget(made[0], 1, 0);
    grid->addWidget(new QLabel(texts::clasificareVeche, box), 2, 0, 1, 7);
    grid->addWidget(made[1], 3, 0);
    grid->addWidget(made[2], 3, 1);
    grid->addWidget(new QLabel(texts::clasificareNoua, box), 4, 0, 1, 7);
    for (size_t i = 3; i < made.size(); ++i) grid->addWidget(made[i], 5, int(i) - 3);
    grid->setColumnStretch(6, 1);
    return box;
}

QGroupBox* FormIbanView::makeFrame2() {
    Frame2_ = new QGroupBox(texts::Frame2, this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    codIBAN_ = codeField(QStringLiteral("codIBAN"), Form_IBAN::kCodIbanLimit, Frame2_);
    nrEVID_ = codeField(QStringLiteral("nrEVID"), Form_IBAN::kNrEvidLimit, Frame2_);
    // An IBAN pasted in groups loses its blanks before the limit applies.
    setTypingRule(
        codIBAN_,
        [](const QString& beforeCaret, const QString& afterCaret, int limit) {
            return Form_IBAN::typedText(QStringLiteral("codIBAN"), beforeCaret, afterCaret, limit);
        },
        Form_IBAN::kCodIbanLimit);
    codIBAN_->setAccessibleName(texts::codIBAN);
    nrEVID_->setAccessibleName(texts::nrEVID);
    auto* grid = new QGridLayout(Frame2_);
    auto* codIBAN = new QLabel(texts::codIBAN, Frame2_);
    QLabel* nrEVID = note(texts::nrEVID, Frame2_);
    nrEVID->setMinimumWidth(codIBAN->sizeHint().width());
    grid->addWidget(codIBAN, 0, 0);
    grid->addWidget(codIBAN_, 0, 1, Qt::AlignLeft);
    grid->addWidget(nrEVID, 1, 0);
    grid->addWidget(nrEVID_, 1, 1, Qt::AlignLeft);
    grid->addWidget(note(texts::atentieNrEvidenta, Frame2_, "#8b0000"), 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    return Frame2_;
}

void FormIbanView::refresh() {
    Option1_->setChecked(model_.Option1);
    Option2_->setChecked(model_.Option2);
    Frame3_->setVisible(model_.Frame3Visible);
    Command5_->setVisible(model_.Command5Visible);
    Frame2_->setVisible(model_.Frame2Visible);
    Command9_->setVisible(model_.Command9Visible);
    Benef1_->setRows(model_.Benef1.rows(), model_.Benef1.selected());
    oblig1_->setRows(model_.oblig1.rows(), model_.oblig1.selected());
    showText(codIBAN_, model_.codIBAN);
    showText(nrEVID_, model_.nrEVID);
}

}  // namespace tavo::gui
