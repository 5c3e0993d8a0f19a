#include "store/ordin.h"

namespace tavo::store {

namespace {

// Which stored position holds each entry field.
struct FieldPosition {
    D1 field;
    Camp position;
};

constexpr std::array<FieldPosition, kD1Count> kFieldPositions{{
    {D1::nr_OP, nr_OP},
    {D1::suma, suma},
    {D1::platitor, platitor},
    {D1::CIF_platitor, CIF_platitor},
    {D1::adresa_platitor, adresa_platitor},
    {D1::IBAN_platitor, IBAN_platitor},
    {D1::sucursala_platitor, sucursala_platitor},
    {D1::beneficiar, beneficiar},
    {D1::CIF_beneficiar, CIF_beneficiar},
    {D1::IBAN_beneficiar, IBAN_beneficiar},
    {D1::sucursala_beneficiar, sucursala_beneficiar},
    {D1::nr_evidenta, nr_evidenta},
    {D1::reprezentand, reprezentand},
    {D1::data_emiterii, data_emiterii},
    {D1::cod_angajament, cod_angajament},
    {D1::indicator_angajament, indicator_angajament},
    {D1::data_debitarii, data_debitarii},
    {D1::cod_program, cod_program},
}};

}  // namespace

int fieldIndexAt(int position) {
    for (const FieldPosition& entry : kFieldPositions) {
        if (entry.position == position)
            return entry.field;
    }
    return -1;
}

int positionOfField(int index) {
    for (const FieldPosition& entry : kFieldPositions) {
        if (entry.field == index)
            return entry.position;
    }
    return -1;
}

ordin ordin::fromLine(QStringView line) {
    ordin record;
    LineFields fields(line);
    for (int position = 1; position < numar_campuri; ++position)
        record[position] = fields.next().toString();
    record[numar_campuri] = fields.rest().toString();
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
