#pragma once

// The names of the entry window's indexed controls: the fields d1, the derived
// labels b1, the print labels e1 behind the fields and the print labels F1 of
// the second copy. Each enumeration is the one place that says which index is
// which control; everywhere else an index is written by its name.
//
// Each is a plain enumeration with int underlying type, so that it indexes an
// array directly (`d1[D1::suma]`) and mixes with the numbers the script's
// control names carry ("d1(3)"). Each stands in a namespace of its own so that
// the names the spaces share (`cod_angajament` is a field, a derived label and
// an F1 label) do not collide; only the enumeration's name is brought into
// `tavo`, and its values are always written with it (`B1::BIC_platitor`).

namespace tavo {

namespace d1_names {
// The 18 fields of the entry window, d1(0) to d1(17).
enum D1 : int {
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
    cod_angajament,
    indicator_angajament,
    data_debitarii,
    cod_program,
};
}  // namespace d1_names
using d1_names::D1;
inline constexpr int kD1Count = D1::cod_program + 1;

namespace b1_names {
// The 10 derived labels b1(0) to b1(9): worked out from the fields, not stored.
enum B1 : int {
    suma_afisata,      // the amount grouped by thousands, printed in the amount's box
    suma_litere,       // the amount in words
    BIC_platitor,      // payment order only
    banca_platitor,    // the payer's branch and bank; payment order only
    BIC_beneficiar,    // payment order only
    banca_beneficiar,  // the beneficiary's bank
    marcaj_ordine,     // the order number in parentheses, lower left on paper
    // The print layout's copies of the commitment fields.
    cod_angajament,
    indicator_angajament,
    cod_program,
};
}  // namespace b1_names
using b1_names::B1;
inline constexpr int kB1Count = B1::cod_program + 1;

namespace e1_names {
// The 12 print labels e1(0) to e1(11) behind the fields of the first copy,
// named by the field each carries.
enum E1 : int {
    nr_OP,
    platitor,
    CIF_platitor,
    adresa_platitor,
    IBAN_platitor,
    beneficiar,
    CIF_beneficiar,
    IBAN_beneficiar,
    nr_evidenta,
    reprezentand,
    data_emiterii,
    data_debitarii,
};
}  // namespace e1_names
using e1_names::E1;
inline constexpr int kE1Count = E1::data_debitarii + 1;

namespace f1_names {
// The 22 print labels F1(0) to F1(21) of the second copy, named by the field
// or derived label each carries (the branches reach paper through the bank
// labels and have none of their own).
enum F1 : int {
    nr_OP,
    suma_afisata,
    suma_litere,
    platitor,
    CIF_platitor,
    adresa_platitor,
    IBAN_platitor,
    BIC_platitor,
    banca_platitor,
    beneficiar,
    CIF_beneficiar,
    IBAN_beneficiar,
    BIC_beneficiar,
    banca_beneficiar,
    nr_evidenta,
    reprezentand,
    data_emiterii,
    marcaj_ordine,
    cod_angajament,
    indicator_angajament,
    data_debitarii,
    cod_program,
};
}  // namespace f1_names
using f1_names::F1;
inline constexpr int kF1Count = F1::cod_program + 1;

}  // namespace tavo
