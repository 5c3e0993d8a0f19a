#pragma once

// Realistic documents for ordine.txt: payment orders and deposit slips of a
// handful of payers to treasury accounts, with the field shapes the entry
// window leaves (upper-case names, 24-character IBANs, dd/mm/yyyy dates).
#include <QString>
#include <QStringList>
#include <random>

namespace tavo::bench {

inline QStringList generateOrders(int count, bool olderShapes = false, unsigned seed = 42) {
    std::mt19937 random(seed);
    const auto pick = [&](const QStringList& from) {
        return from[int(random() % unsigned(from.size()))];
    };
    const QStringList payers = {"SC ALFA CONSTRUCT SRL", "PRIMARIA COMUNEI VALEA MARE",
                                "POPESCU ION", "SC BETA DISTRIBUTIE SA", "SCOALA GIMNAZIALA NR 5"};
    const QStringList cifs = {"13548146", "4221306", "1800101220021", "14818116", "4266456"};
    const QStringList objects = {"IMPOZIT PE PROFIT TRIM IV", "CONTRIBUTII SOCIALE LUNA 12",
                                 "TVA DE PLATA DEC 2023", "IMPOZIT PE CLADIRI SEM I",
                                 "AMENDA PROCES VERBAL SERIA AB NR 123456"};
    const QStringList beneficiaries = {"BUGETUL DE STAT", "BUGETUL ASIG.SOC.DE SANATATE",
                                       "BUGETUL ASIG.DE SOMAJ", "BUGETUL LOCAL"};
    QStringList lines;
    lines.reserve(count);
    for (int n = 1; n <= count; ++n) {
        const bool op = random() % 4 != 0;
        const int payer = int(random() % unsigned(payers.size()));
        const QString date = QStringLiteral("%1/%2/20%3")
                                 .arg(int(random() % 28) + 1, 2, 10, QLatin1Char('0'))
                                 .arg(int(random() % 12) + 1, 2, 10, QLatin1Char('0'))
                                 .arg(int(random() % 4) + 22);
        const QString amount = QStringLiteral("%1.%2")
                                   .arg(random() % 5000000)
                                   .arg(int(random() % 100), 2, 10, QLatin1Char('0'));
        QStringList fields = {
            QString::number(n),
            QString::number(random() % 9999 + 1),
            amount,
            payers[payer],
            cifs[payer],
            QStringLiteral("STR. PRINCIPALA NR. %1 LOC. BRASOV JUD. BRASOV").arg(random() % 200),
            op ? QStringLiteral("RO49RNCB0089000000%1")
                     .arg(random() % 1000000, 6, 10, QLatin1Char('0'))
               : QString(),
            op ? QStringLiteral("BCR SUCURSALA BRASOV") : QString(),
            pick(beneficiaries),
            QStringLiteral("4221306"),
            QStringLiteral("RO%1TREZ13120A100101XXXX")
                .arg(int(random() % 97) + 2, 2, 10, QLatin1Char('0')),
            QStringLiteral("TREZORERIA BRASOV"),
            random() % 5 == 0 ? QStringLiteral("22910010000150323000029") : QString(),
            pick(objects),
            date,
            QString(),
            random() % 6 == 0 ? QStringLiteral("A2B3C4D5E6F") : QString(),
            random() % 6 == 0 ? QStringLiteral("101") : QString(),
            random() % 6 == 0 ? QStringLiteral("1234567890") : QString(),
            op ? QStringLiteral("OP") : QStringLiteral("FV"),
        };
        // Lines of an earlier version stop after the issue date.
        if (olderShapes && n % 2 == 0)
            fields = fields.mid(0, 15) << fields.back();
        lines.append(fields.join(QLatin1Char(',')));
    }
    return lines;
}

}  // namespace tavo::bench
