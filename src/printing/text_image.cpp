// The text image of a document (LKELM.txt): the paper form in fixed-width
// lines, to be read or printed with Courier New 8.
#include "printing/text_image.h"

#include <QFile>

#include "text/text_file.h"
#include "text/text_helpers.h"

namespace tavo::printing {
namespace {

const QString kDoubleRule(109, QLatin1Char('='));
const QString kSingleRule(109, QLatin1Char('-'));
// The bars of the lower block stand in column 55.
const QString kLeftOfBar(54, QLatin1Char(' '));
const QString kDateTail = QString(28, QLatin1Char(' ')) + QLatin1Char('|');

// The widths of the right-aligned values: the typed limits of their fields
// and the longest grouped amount. A wider value widens its column.
constexpr int kNrOpWidth = 10;
constexpr int kAmountWidth = 22;
constexpr int kIbanWidth = 24;
constexpr int kDateWidth = 10;
constexpr int kBankNameWidth = 100;

using text::alignRight;

}  // namespace

QString declarationNoteFor(const QString& nr_evidenta, bool twoCopies) {
    if (nr_evidenta.size() < 18 || nr_evidenta[17] != QLatin1Char('1'))
        return {};
    return twoCopies ? QStringLiteral("((1-OP cu valoare de declaratie))")
                     : QStringLiteral("(1-OP cu valoare de declaratie)");
}

QStringList copie_text(const TextImageValues& v, const QString& note, bool bicBeneficiar) {
    const auto& d1 = v.d1;
    const auto& b1 = v.b1;
    QStringList lines;
    lines.reserve(29);
    lines << (v.op ? QStringLiteral("ORDIN DE PLATA       Nr.")
                   : QStringLiteral("FOAIE DE VARSAMANT   Nr.")) +
                 alignRight(d1[D1::nr_OP], kNrOpWidth) +
                 QStringLiteral("                           PLATITI  ") +
                 alignRight(b1[B1::suma_afisata], kAmountWidth) + QStringLiteral("   LEI, Adica");
    lines << kSingleRule << b1[B1::suma_litere] << kSingleRule;
    lines << QStringLiteral("PLATITOR: ") + d1[D1::platitor];
    lines << QStringLiteral("Cod de identificare fiscala: ") + d1[D1::CIF_platitor];
    lines << QStringLiteral("Adresa: ") + d1[D1::adresa_platitor];
    if (v.op) {
        lines << QStringLiteral("Cod IBAN platitor: ") +
                     alignRight(d1[D1::IBAN_platitor], kIbanWidth) +
                     QStringLiteral("    Codul BIC: ") + b1[B1::BIC_platitor];
        lines << QStringLiteral("De la: ") + b1[B1::banca_platitor].left(kBankNameWidth);
    }
    lines << v.angajament + d1[D1::cod_angajament] + QStringLiteral(" / ") +
                 d1[D1::indicator_angajament];
    lines << QStringLiteral("Cod program: ") + d1[D1::cod_program];
    lines << kSingleRule;
    lines << QStringLiteral("BENEFICIAR: ") + d1[D1::beneficiar];
    lines << QStringLiteral("Cod de identificare fiscala: ") + d1[D1::CIF_beneficiar];
    QString iban =
        QStringLiteral("Cod IBAN beneficiar: ") + alignRight(d1[D1::IBAN_beneficiar], kIbanWidth);
    if (bicBeneficiar)
        iban += QStringLiteral("    Codul BIC: ") + b1[B1::BIC_beneficiar];
    lines << iban;
    lines << QStringLiteral("La: ") + b1[B1::banca_beneficiar].left(kBankNameWidth);
    lines << QStringLiteral("Nr.de evidenta a platii: ") + d1[D1::nr_evidenta];
    lines << QStringLiteral("Reprezentand:") + d1[D1::reprezentand];
    lines << QString(13, QLatin1Char(' ')) + note;
    lines << kSingleRule;
    lines << kLeftOfBar + QStringLiteral("| Primirea/ Acceptarea");
    lines << QStringLiteral("Data emiterii:  ") + alignRight(d1[D1::data_emiterii], kDateWidth) +
                 kDateTail;
    lines << QStringLiteral("Data debitarii: ") + alignRight(d1[D1::data_debitarii], kDateWidth) +
                 kDateTail;
    lines << kLeftOfBar + QStringLiteral("| Semnatura");
    lines << QStringLiteral("Semnatura platitorului si Stampila                    |");
    lines << kLeftOfBar + QStringLiteral("| Tipul transferului        NORMAL         URGENT");
    lines << kLeftOfBar + QLatin1Char('|');
    lines << kDoubleRule;
    lines << b1[B1::marcaj_ordine];
    return lines;
}

QStringList textImageLines(TextImageValues values) {
    const QString note = declarationNoteFor(values.d1[D1::nr_evidenta], true);
    QStringList lines{kDoubleRule};
    values.angajament = QStringLiteral("Angajament cod/ indicator.: ");
    lines << copie_text(values, note);
    for (int i = 0; i < 6; ++i) lines << QString();
    lines << kDoubleRule;
    values.angajament = QStringLiteral("Angajament cod/ indicator: ");
    lines << copie_text(values, note);
    return lines;
}

bool vizu_OP(const QDir& folder, const TextImageValues& values, QString* error) {
    // The old image goes first: after a failed write no stale image is left to be shown.
    const QString path = folder.filePath(kLKELM);
    QFile::remove(path);
    return text::writeLines(path, textImageLines(values), error);
}

void vizu_OP1(TextImageValues values, QStringList& lines) {
    values.angajament = QStringLiteral("Angajament cod/ indicator: ");
    lines << kDoubleRule;
    lines << copie_text(values, declarationNoteFor(values.d1[D1::nr_evidenta], false), values.op);
    lines << QString() << QString();
}

TextImageValues textImageValuesOf(const std::array<QString, kD1Count>& d1,
                                  const std::array<QString, kB1Count>& b1, bool op) {
    TextImageValues values;
    values.d1 = d1;
    std::copy_n(b1.begin(), values.b1.size(), values.b1.begin());
    values.op = op;
    return values;
}

}  // namespace tavo::printing
