#include "printing/form_layout.h"

#include <QFontMetrics>
#include <array>
#include <map>
#include <mutex>
#include <tuple>

namespace tavo::printing {
namespace {

// The rows of a copy, top to bottom (the top edge of the row's boxes). A
// one-line box is 260 high, a two-line one 500; the rows beside the barcode
// keep to the left of it.
constexpr int kLine = 260;
constexpr int kTwoLines = 500;
constexpr int kRowTop = 150;            // number, amount
constexpr int kRowWords = 450;          // the amount in words
constexpr int kRowPayer = 800;          // payer's name
constexpr int kRowPayerCode = 1340;     // payer's fiscal code
constexpr int kRowAddress = 1640;       // payer's address
constexpr int kRowPayerIban = 2180;     // payer's IBAN and BIC
constexpr int kRowPayerBank = 2480;     // payer's branch
constexpr int kRowPayerBank2 = 2780;    // payer's branch and bank, as printed
constexpr int kRowCommitment = 3180;    // commitment code, indicator, programme (under the barcode)
constexpr int kRowBenef = 3530;         // beneficiary's name and fiscal code
constexpr int kRowBenefIban = 4070;     // beneficiary's IBAN and BIC
constexpr int kRowBenefBank = 4370;     // beneficiary's branch and bank
constexpr int kRowRegistration = 4850;  // registration number of the payment
constexpr int kRowObject = 5180;        // what the payment is for
constexpr int kRowDates = 5790;         // issue and debit dates

const std::array<QRect, kD1Count> kD1 = {{
    {3700, kRowTop, 1150, kLine},           // nr_OP: number
    {5700, kRowTop, 2200, kLine},           // suma: amount
    {1500, kRowPayer, 4550, kTwoLines},     // platitor: payer
    {2400, kRowPayerCode, 1400, kLine},     // CIF_platitor: payer's fiscal code
    {1500, kRowAddress, 4550, kTwoLines},   // adresa_platitor: payer's address
    {1680, kRowPayerIban, 2500, kLine},     // IBAN_platitor: payer's IBAN
    {750, kRowPayerBank, 5300, kLine},      // sucursala_platitor: payer's branch
    {1500, kRowBenef, 3500, kTwoLines},     // beneficiar: beneficiary
    {7300, kRowBenef, 1400, kLine},         // CIF_beneficiar: beneficiary's fiscal code
    {1900, kRowBenefIban, 2800, kLine},     // IBAN_beneficiar: beneficiary's IBAN
    {550, kRowBenefBank, 6850, kLine},      // sucursala_beneficiar: beneficiary's branch
    {4850, kRowRegistration, 2500, kLine},  // nr_evidenta: registration number
    {1550, kRowObject, 4500, kTwoLines},    // reprezentand: object
    {1400, kRowDates, 1150, kLine},         // data_emiterii: issue date
    {1800, kRowCommitment, 1350, kLine},    // cod_angajament: commitment code
    {4060, kRowCommitment, 500, kLine},     // indicator_angajament: commitment indicator
    {4850, kRowDates, 1150, kLine},         // data_debitarii: debit date
    {5800, kRowCommitment, 1250, kLine},    // cod_program: programme code
}};

// The boxes of the fields and of the labels that have a place of their own,
// in the order of D1 and B1; the other labels share a field's box.
const std::array<QRect, B1::marcaj_ordine + 1> kB1 = {{
    kD1[D1::suma],                             // suma_afisata: grouped amount
    {layout::kLeft, kRowWords, 10920, kLine},  // suma_litere: amount in words
    {5080, kRowPayerIban, 1070, kLine},        // BIC_platitor: payer's BIC
    {1100, kRowPayerBank2, 4950, kLine},       // banca_platitor: payer's branch and bank
    {5650, kRowBenefIban, 1150, kLine},        // BIC_beneficiar: beneficiary's BIC
    {7500, kRowBenefBank, 3660, kLine},        // banca_beneficiar: beneficiary's bank
    {layout::kLeft, 6660, 1000, 220},          // marcaj_ordine: order mark
}};

// When a caption is shown.
enum Need : unsigned { kAlways = 0, kOrder = 1, kHint = 2, kDebit = 4 };

struct CaptionPlace {
    QString text;
    int x;
    int centreY;
    layout::Style style;
    unsigned need;
};

// The centre of a caption beside a row's (first) line, and of a hint under
// that line, clear of the boxes that start close to their caption.
constexpr int beside(int row) {
    return row + kLine / 2;
}
constexpr int under(int row) {
    return row + kLine + 80;
}

using layout::Style;
constexpr int kL = layout::kLeft;

const std::vector<CaptionPlace>& captionPlaces() {
    static const std::vector<CaptionPlace> places = {
        {QStringLiteral("Nr."), 3400, beside(kRowTop), Style::Caption, kAlways},
        {QStringLiteral("PLATITI"), 5020, beside(kRowTop), Style::Caption, kAlways},
        {QStringLiteral("LEI , adică"), 8000, beside(kRowTop), Style::Caption, kAlways},
        {QStringLiteral("PLATITOR"), kL, beside(kRowPayer), Style::Heading, kAlways},
        {QStringLiteral("Cod de identificare fiscală"), kL, beside(kRowPayerCode), Style::Caption,
         kAlways},
        {QStringLiteral("Adresa"), kL, beside(kRowAddress), Style::Caption, kAlways},
        {QStringLiteral("(Localitate....)"), kL, under(kRowAddress), Style::Hint, kHint},
        {QStringLiteral("Cod IBAN plătitor"), kL, beside(kRowPayerIban), Style::Caption, kOrder},
        {QStringLiteral("Codul BIC"), 4250, beside(kRowPayerIban), Style::Caption, kOrder},
        {QStringLiteral("De la"), kL, beside(kRowPayerBank), Style::Caption, kOrder},
        {QStringLiteral("(Sucursala)"), kL, under(kRowPayerBank), Style::Hint, kOrder | kHint},
        {QStringLiteral("Angajament :  Cod"), kL, beside(kRowCommitment), Style::Caption, kAlways},
        {QStringLiteral("Indicator"), 3280, beside(kRowCommitment), Style::Caption, kAlways},
        {QStringLiteral("Cod program"), 4680, beside(kRowCommitment), Style::Caption, kAlways},
        {QStringLiteral("BENEFICIAR"), kL, beside(kRowBenef), Style::Heading, kAlways},
        {QStringLiteral("Cod de identificare fiscală"), 5150, beside(kRowBenef), Style::Caption,
         kAlways},
        {QStringLiteral("Cod IBAN beneficiar"), kL, beside(kRowBenefIban), Style::Caption, kAlways},
        {QStringLiteral("Codul BIC"), 4800, beside(kRowBenefIban), Style::Caption, kOrder},
        {QStringLiteral("La"), kL, beside(kRowBenefBank), Style::Caption, kAlways},
        {QStringLiteral("(Sucursala)"), kL, under(kRowBenefBank), Style::Hint, kHint},
        {QStringLiteral("Nr.de evidentă a plătii          pt. Decizie de impunere/ PV"), kL,
         beside(kRowRegistration), Style::Caption, kAlways},
        {QStringLiteral("Reprezentând :"), kL, beside(kRowObject), Style::Caption, kAlways},
        {QStringLiteral("Data emiterii"), kL, beside(kRowDates), Style::Caption, kAlways},
        {QStringLiteral("zz/ll/aaaa"), kD1[D1::data_emiterii].x(), under(kRowDates), Style::Hint,
         kHint},
        {QStringLiteral("Data debitării"), 3650, beside(kRowDates), Style::Caption, kDebit},
        {QStringLiteral("Semnătura plătitorului si Stampila"), kL, 6330, Style::Caption, kOrder},
        {QStringLiteral("L.S."), 1460, 6560, Style::Caption, kOrder},
        {QStringLiteral("Primirea/ Acceptarea"), 7250, 5870, Style::Caption, kOrder},
        {QStringLiteral("Semnătura"), 7250, 6250, Style::Caption, kOrder},
        {QStringLiteral("L.S."), 7900, 6640, Style::Caption, kOrder},
        {QStringLiteral("Tipul transferului"), 9320, 5870, Style::Caption, kOrder},
        {QStringLiteral("NORMAL"), 9600, 6180, Style::Caption, kOrder},
        {QStringLiteral("URGENT"), 9600, 6430, Style::Caption, kOrder},
        {QStringLiteral("EXP."), 9600, 6680, Style::Caption, kOrder},
    };
    return places;
}

bool needed(unsigned need, const FormLook& look) {
    return (!(need & kOrder) || look.type == FormType::OP) && (!(need & kHint) || look.hints) &&
           (!(need & kDebit) || look.debitDate);
}

QRect placeOf(const QString& text, int x, int centreY, Style style) {
    const QFontMetrics metrics(layout::font(style));
    const int height = metrics.height();
    return {x, centreY - height / 2, metrics.horizontalAdvance(text), height};
}

}  // namespace

QRect d1Box(int index) {
    return index >= 0 && index < int(kD1.size()) ? kD1[size_t(index)] : QRect();
}

QRect b1Box(int index) {
    switch (index) {
        case B1::cod_angajament:
            return kD1[D1::cod_angajament];
        case B1::indicator_angajament:
            return kD1[D1::indicator_angajament];
        case B1::cod_program:
            return kD1[D1::cod_program];
        default:
            return index >= 0 && index < int(kB1.size()) ? kB1[size_t(index)] : QRect();
    }
}

bool d1TwoLines(int index) {
    return index == D1::platitor || index == D1::adresa_platitor || index == D1::beneficiar ||
           index == D1::reprezentand;
}

QRect valDeclBox() {
    return {6150, kRowObject, 2750, kLine};
}

QRect calendarButtonBox(int which) {
    return {which == 0 ? 2600 : 6050, kRowDates, 900, kLine};
}

QRect beneficiaryButtonsBox() {
    return {9100, 4760, 2000, 900};
}

QRect warningBox() {
    return {6280, 1140, 4400, 450};
}

QRect infoBox() {
    return {6280, 1650, 4400, 1420};
}

QString formFontFamily() {
    return QStringLiteral("DejaVu Sans");
}

namespace layout {

QFont font(Style style, int pixelSize) {
    QFont font(formFontFamily());
    font.setHintingPreference(QFont::PreferNoHinting);
    int size = 160;
    switch (style) {
        case Style::Title:
            size = 260;
            font.setBold(true);
            break;
        case Style::Heading:
            font.setBold(true);
            break;
        case Style::Hint:
            size = 130;
            font.setItalic(true);
            break;
        case Style::Value:
            size = 165;
            font.setWeight(QFont::DemiBold);
            break;
        case Style::Caption:
            break;
    }
    font.setPixelSize(pixelSize > 0 ? pixelSize : size);
    return font;
}

namespace {

std::vector<Caption> measuredCaptions(const FormLook& look) {
    const QString title = look.type == FormType::OP ? kTitleOP : kTitleFV;
    std::vector<Caption> shown{
        {title, placeOf(title, kLeft, beside(kRowTop), Style::Title), Style::Title}};
    for (const CaptionPlace& caption : captionPlaces()) {
        if (needed(caption.need, look))
            shown.push_back({caption.text,
                             placeOf(caption.text, caption.x, caption.centreY, caption.style),
                             caption.style});
    }
    return shown;
}

}  // namespace

std::vector<Caption> captions(const FormLook& look) {
    // Where a caption stands depends only on the look and the fonts, which
    // stay the same while the program runs: each look is measured once, not
    // at every page printed.
    static std::mutex mutex;
    static std::map<std::tuple<FormType, bool, bool>, std::vector<Caption>> measured;
    const std::tuple key(look.type, look.hints, look.debitDate);
    const std::lock_guard lock(mutex);
    auto found = measured.find(key);
    if (found == measured.end())
        found = measured.emplace(key, measuredCaptions(look)).first;
    return found->second;
}

bool d1Shown(int index, const FormLook& look) {
    if (index == D1::IBAN_platitor || index == D1::sucursala_platitor)
        return look.type == FormType::OP;
    if (index == D1::data_debitarii)
        return look.debitDate;
    return true;
}

std::vector<QRect> transferSquares() {
    return {{9360, 6100, 160, 160}, {9360, 6350, 160, 160}, {9360, 6600, 160, 160}};
}

}  // namespace layout
}  // namespace tavo::printing
