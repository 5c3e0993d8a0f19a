#include "gui/form_nrevid_view.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "entry/form_nrevid_texts.h"
#include "gui/list_combo.h"

namespace tavo::gui {
namespace {

namespace texts = form_nrevid_texts;

// The controls that the document type shows or hides keep their room, so that
// the window does not change as the user picks a type.
void keepRoom(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

QLabel* valueLabel(const QString& name, QWidget* parent, bool code) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setWordWrap(!code);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    if (code) {
        QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

}  // namespace

FormNrevidView::FormNrevidView(Form_NREVID& model, QWidget* parent)
    : ModelView(model.controls(), parent),
      model_(model),
      Benef1_(new ListCombo(QStringLiteral("Benef1"), this)),
      et1_(new QLabel(texts::et1, this)),
      oblig1_(new ListCombo(QStringLiteral("oblig1"), this)),
      oblig2_(new ListCombo(QStringLiteral("oblig2"), this)),
      categ_fisc_(new ListCombo(QStringLiteral("categ_fisc"), this)),
      data_decizie_(field(QStringLiteral("data_decizie"), Form_NREVID::kDataLimit)),
      et_serie_sasiu_(new QLabel(texts::et_serie_sasiu, this)),
      serie_sasiu_(field(QStringLiteral("serie_sasiu"), Form_NREVID::kSerieLimit)),
      denL_(valueLabel(QStringLiteral("denL"), this, false)),
      denS_(valueLabel(QStringLiteral("denS"), this, false)),
      codIBAN_(valueLabel(QStringLiteral("codIBAN"), this, true)),
      nrev_(valueLabel(QStringLiteral("nrev"), this, true)) {
    setWindowTitle(texts::fereastra);
    et1_->setObjectName(QStringLiteral("et1"));
    et_serie_sasiu_->setObjectName(QStringLiteral("et_serie_sasiu"));
    for (QWidget* w :
         std::initializer_list<QWidget*>{et1_, oblig1_, oblig2_, et_serie_sasiu_, serie_sasiu_})
        keepRoom(w);
    auto* Command5 = new QPushButton(texts::Command5, this);
    Command5->setObjectName(QStringLiteral("Command5"));
    Command5->setAutoDefault(true);

    auto* organ = new QGroupBox(texts::organFiscal, this);
    auto* organLayout = new QHBoxLayout(organ);
    organLayout->addWidget(new QLabel(texts::Benef1, organ));
    organLayout->addWidget(Benef1_, 1);

    auto* types = new QVBoxLayout;
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(texts::Option[size_t(i)], this);
        option->setObjectName(QStringLiteral("Option%1").arg(i + 1));
        Option_[size_t(i)] = option;
        types->addWidget(option);
    }

    // A screen reader names the lists and fields by the captions beside them.
    Benef1_->setAccessibleName(texts::Benef1);
    for (ListCombo* obligations : {oblig1_, oblig2_}) obligations->setAccessibleName(texts::et1);
    categ_fisc_->setAccessibleName(texts::et2);
    data_decizie_->setAccessibleName(texts::data_decizie);
    serie_sasiu_->setAccessibleName(texts::et_serie_sasiu);

    // The two obligation lists stand in the same place: the type shows one.
    auto* choices = new QGridLayout;
    choices->addWidget(et1_, 0, 0, 1, 4);
    choices->addWidget(oblig1_, 1, 0, 1, 4);
    choices->addWidget(oblig2_, 1, 0, 1, 4);
    choices->addWidget(new QLabel(texts::et2, this), 2, 0);
    choices->addWidget(categ_fisc_, 2, 1, 1, 3);
    choices->addWidget(new QLabel(texts::data_decizie, this), 3, 0);
    choices->addWidget(data_decizie_, 3, 1, Qt::AlignLeft);
    choices->addWidget(et_serie_sasiu_, 3, 2, Qt::AlignRight);
    choices->addWidget(serie_sasiu_, 3, 3, Qt::AlignLeft);
    choices->setColumnStretch(1, 1);

    auto* frame = new QGroupBox(texts::cadru, this);
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(organ);
    frameLayout->addLayout(types);
    frameLayout->addLayout(choices);
    frameLayout->addSpacing(6);
    frameLayout->addWidget(new QLabel(texts::formareIban, this));
    frameLayout->addWidget(Command5, 0, Qt::AlignHCenter);
    frameLayout->addLayout(makeResult());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(new QLabel(texts::actualizat, this), 0, Qt::AlignRight);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connectControls();
    refresh();
}

QGridLayout* FormNrevidView::makeResult() {
    auto* result = new QGridLayout;
    const std::pair<const QString&, QLabel*> values[] = {{texts::denL, denL_},
                                                         {texts::denS, denS_},
                                                         {texts::codIBAN, codIBAN_},
                                                         {texts::nrev, nrev_}};
    int row = 0;
    for (const auto& [caption, value] : values) {
        result->addWidget(new QLabel(caption, this), row, 0, Qt::AlignTop);
        result->addWidget(value, row++, 1);
    }
    result->setColumnStretch(1, 1);
    return result;
}

QLineEdit* FormNrevidView::field(const QString& name, int limit) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(limit);
    edit->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QString(limit + 3, u'0')));
    return edit;
}

void FormNrevidView::refresh() {
    for (int i = 0; i < 4; ++i)
        Option_[size_t(i)]->setChecked(model_.tip == Form_NREVID::optionType(i + 1));
    Benef1_->setRows(model_.Benef1.rows(), model_.Benef1.selected());
    oblig1_->setRows(model_.oblig1.rows(), model_.oblig1.selected());
    oblig2_->setRows(model_.oblig2.rows(), model_.oblig2.selected());
    categ_fisc_->setRows(model_.categ_fisc.rows(), model_.categ_fisc.selected());
    for (ListCombo* obligations : {oblig1_, oblig2_}) obligations->setToolTip(model_.oblig1Tip);
    et1_->setVisible(model_.et1Visible());
    oblig1_->setVisible(model_.oblig1Visible());
    oblig2_->setVisible(model_.oblig2Visible());
    et_serie_sasiu_->setVisible(model_.serieVisible());
    serie_sasiu_->setVisible(model_.serieVisible());
    for (auto [edit, text] : {std::pair{data_decizie_, model_.data_decizie},
                              std::pair{serie_sasiu_, model_.serie_sasiu}}) {
        if (edit->text() != text) {
            const QSignalBlocker block(edit);
            edit->setText(text);
        }
    }
    denL_->setText(model_.denL);
    denS_->setText(model_.denS);
    codIBAN_->setText(model_.codIBAN);
    nrev_->setText(model_.nrev);
}

}  // namespace tavo::gui
