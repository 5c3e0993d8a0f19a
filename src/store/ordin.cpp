#include "store/ordin.h"

namespace tavo::store {

int d1_pentru_pozitie(int position) {
    if (position >= 2 && position <= 15)
        return position - 2;
    switch (position) {
        case data_debitarii:
            return 16;
        case cod_angajament:
            return 14;
        case indicator_angajament:
            return 15;
        case cod_program:
            return 17;
        default:
            return -1;
    }
}

int pozitie_pentru_d1(int index) {
    for (int position = nr_OP; position <= cod_program; ++position) {
        if (d1_pentru_pozitie(position) == index)
            return position;
    }
    return -1;
}

QStringView camp(QStringView line, int k) {
    qsizetype start = 0;
    for (int field = 1; field < k; ++field) {
        const qsizetype comma = line.indexOf(QLatin1Char(','), start);
        if (comma < 0)
            return {};
        start = comma + 1;
    }
    if (k >= numar_campuri)
        return line.sliced(start);
    const qsizetype comma = line.indexOf(QLatin1Char(','), start);
    return comma < 0 ? line.sliced(start) : line.sliced(start, comma - start);
}

ordin ordin::din_linie(QStringView line) {
    ordin record;
    qsizetype start = 0;
    for (int position = 1; position <= numar_campuri; ++position) {
        const qsizetype comma =
            position == numar_campuri ? -1 : line.indexOf(QLatin1Char(','), start);
        if (comma < 0) {
            record[position] = line.sliced(start).toString();
            break;
        }
        record[position] = line.sliced(start, comma - start).toString();
        start = comma + 1;
    }
    return record;
}

QString ordin::linie() const {
    QString line;
    for (int position = 1; position <= numar_campuri; ++position) {
        if (position > 1)
            line += QLatin1Char(',');
        line += (*this)[position];
    }
    return line;
}

}  // namespace tavo::store
