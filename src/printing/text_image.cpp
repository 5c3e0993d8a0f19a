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

QString nota_declaratie(const QString& nr_evidenta, bool douaExemplare) {
    if (nr_evidenta.size() < 18 || nr_evidenta[17] != QLatin1Char('1'))
        return {};
    return douaExemplare ? QStringLiteral("((1-OP cu valoare de declaratie))")
                         : QStringLiteral("(1-OP cu valoare de declaratie)");
}

QStringList copie_text(const ImagineText& v, const QString& note, bool bicBeneficiar) {
    const auto& d1 = v.d1;
    const auto& b1 = v.b1;
    QStringList lines;
    lines.reserve(29);
    lines << (v.op ? QStringLiteral("ORDIN DE PLATA       Nr.")
                   : QStringLiteral("FOAIE DE VARSAMANT   Nr.")) +
                 alignRight(d1[0], kNrOpWidth) +
                 QStringLiteral("                           PLATITI  ") +
                 alignRight(b1[0], kAmountWidth) + QStringLiteral("   LEI, Adica");
    lines << kSingleRule << b1[1] << kSingleRule;
    lines << QStringLiteral("PLATITOR: ") + d1[2];
    lines << QStringLiteral("Cod de identificare fiscala: ") + d1[3];
    lines << QStringLiteral("Adresa: ") + d1[4];
    if (v.op) {
        lines << QStringLiteral("Cod IBAN platitor: ") + alignRight(d1[5], kIbanWidth) +
                     QStringLiteral("    Codul BIC: ") + b1[2];
        lines << QStringLiteral("De la: ") + b1[3].left(kBankNameWidth);
    }
    lines << v.angajament + d1[14] + QStringLiteral(" / ") + d1[15];
    lines << QStringLiteral("Cod program: ") + d1[17];
    lines << kSingleRule;
    lines << QStringLiteral("BENEFICIAR: ") + d1[7];
    lines << QStringLiteral("Cod de identificare fiscala: ") + d1[8];
    QString iban = QStringLiteral("Cod IBAN beneficiar: ") + alignRight(d1[9], kIbanWidth);
    if (bicBeneficiar)
        iban += QStringLiteral("    Codul BIC: ") + b1[4];
    lines << iban;
    lines << QStringLiteral("La: ") + b1[5].left(kBankNameWidth);
    lines << QStringLiteral("Nr.de evidenta a platii: ") + d1[11];
    lines << QStringLiteral("Reprezentand:") + d1[12];
    lines << QString(13, QLatin1Char(' ')) + note;
    lines << kSingleRule;
    lines << kLeftOfBar + QStringLiteral("| Primirea/ Acceptarea");
    lines << QStringLiteral("Data emiterii:  ") + alignRight(d1[13], kDateWidth) + kDateTail;
    lines << QStringLiteral("Data debitarii: ") + alignRight(d1[16], kDateWidth) + kDateTail;
    lines << kLeftOfBar + QStringLiteral("| Semnatura");
    lines << QStringLiteral("Semnatura platitorului si Stampila                    |");
    lines << kLeftOfBar + QStringLiteral("| Tipul transferului        NORMAL         URGENT");
    lines << kLeftOfBar + QLatin1Char('|');
    lines << kDoubleRule;
    lines << b1[6];
    return lines;
}

QStringList vizu_OP_linii(ImagineText values) {
    const QString note = nota_declaratie(values.d1[11], true);
    QStringList lines{kDoubleRule};
    values.angajament = QStringLiteral("Angajament cod/ indicator.: ");
    lines << copie_text(values, note);
    for (int i = 0; i < 6; ++i) lines << QString();
    lines << kDoubleRule;
    values.angajament = QStringLiteral("Angajament cod/ indicator: ");
    lines << copie_text(values, note);
    return lines;
}

bool vizu_OP(const QDir& folder, const ImagineText& values, QString* error) {
    // The old image goes first: after a failed write no stale image is left to be shown.
    const QString path = folder.filePath(kLKELM);
    QFile::remove(path);
    return text::writeLines(path, vizu_OP_linii(values), error);
}

void vizu_OP1(ImagineText values, QStringList& lines) {
    values.angajament = QStringLiteral("Angajament cod/ indicator: ");
    lines << kDoubleRule;
    lines << copie_text(values, nota_declaratie(values.d1[11], false), values.op);
    lines << QString() << QString();
}

}  // namespace tavo::printing
