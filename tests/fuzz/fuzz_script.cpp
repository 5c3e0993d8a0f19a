// `tavo script`: the input's lines played on a fresh program over a small
// ordine.txt. Only the errors that end `tavo script` may escape a line.
#include <QTextStream>

#include "cli/script_session.h"
#include "fuzz_support.h"

using namespace tavo;
using namespace tavo::cli;

namespace {

// An order with a registration number, a deposit slip, one with a commitment.
const char* const kOrders =
    "1,45,1500.00,ALFA SRL,13548146,STR. MARE 1 BRASOV,RO46RNCB0089000000000001,BCR BRASOV,"
    "BUGETUL DE STAT,4221306,RO21TREZ13120A010101XXXX,TREZ BRASOV,,IMPOZIT PROFIT,15/01/2023,"
    ",,,,OP\r\n"
    "2,46,200,BETA SRL,4221306,STR. MICA 2,,,DGFP BRASOV,4221306,RO21TREZ13120A010101XXXX,,,"
    "TAXA,16/01/2023,,,,,FV\r\n"
    "3,47,75.50,GAMA SRL,14818116,STR. LUNGA 3,RO29TREZ1315069XXX000001,SUC. BRASOV,ADS,"
    "14818116,RO40TREZ1315502XXXXXXXXX,,20230131000000000000017,REDEVENTA,17/01/2023,20/01/2023,"
    "ABC12345678,001,1234567890,OP\r\n";

void playScript(QByteArrayView bytes) {
    const QDir folder = fuzz::emptyFolder(QStringLiteral("work"));
    fuzz::writeFile(folder.filePath(QStringLiteral("ordine.txt")), kOrders);
    const Options options{folder, QDir(folder.filePath(QStringLiteral("listari")))};
    QString shown;
    QString errors;
    QTextStream out(&shown);
    QTextStream err(&errors);
    ScriptSession session(options, Output{out, err});
    try {
        for (QString line : QString::fromUtf8(bytes).split(QLatin1Char('\n'))) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            FUZZ_CHECK(session.started() || session.start());
            if (!session.play(line))
                break;
        }
    } catch (const ScriptError&) {
    } catch (const NoAnswer&) {
    } catch (const BadAnswer&) {
    }
}

}  // namespace

TAVO_FUZZ_TARGET(true, playScript)
