#pragma once

#include <QString>
#include <QStringView>
#include <array>

#include "store/field_names.h"
#include "store/line_shape.h"

namespace tavo::store {

// Positions of the 20 fields of a stored document, as they stand in a line of
// ordine.txt (the first field of a line is position 1).
enum Camp : int {
    nr_ordine = 1,
    nr_OP,
    suma,
    platitor,
    CIF_platitor,
    adresa_platitor,
    IBAN_platitor,
    sucursala_platitor,
    beneficiar,
    CIF_beneficiar,
    IBAN_beneficiar,
    sucursala_beneficiar,
    nr_evidenta,
    reprezentand,
    data_emiterii,
    data_debitarii,
    cod_angajament,
    indicator_angajament,
    cod_program,
    tip_doc,
};

constexpr int numar_campuri = currentCommas + 1;
constexpr int d1FieldCount = kD1Count;

// The entry field (a D1) that holds the field at `position` (2 to 19): each
// field is stored under its own name, though not in the window's order (the
// debit date is stored before the commitment fields, see Camp). Returns -1
// for positions that have no entry field (1 and 20).
int fieldIndexAt(int position);

// The stored position of the entry field `index` (a D1); -1 for none.
int positionOfField(int index);

// Field k of a line: the text between comma k-1 and comma k; field 1 is the
// text before the first comma, field 20 everything after the nineteenth. A
// field beyond the line's commas is empty. The same on the line as stored.
inline QStringView camp(QStringView line, int k) {
    return fieldAt(line, k);
}
inline QByteArrayView camp(QByteArrayView line, int k) {
    return fieldAt(line, k);
}

// The payment document record: 20 texts in stored order.
struct ordin {
    std::array<QString, numar_campuri> fields;

    QString& operator[](int position) { return fields[size_t(position - 1)]; }
    const QString& operator[](int position) const { return fields[size_t(position - 1)]; }

    // Reads a line of the current shape (19 commas) field by field.
    static ordin fromLine(QStringView line);

    // The line of ordine.txt: the 20 fields joined by commas.
    QString linie() const;
};

}  // namespace tavo::store
