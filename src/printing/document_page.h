#pragma once

#include <array>
#include <memory>

#include "document/document.h"
#include "printing/printed_page.h"

namespace tavo::printing {

// The field whose text each print label e1(0)..e1(11) of the upper copy carries.
inline constexpr std::array<D1, kE1Count> kE1Fields{
    D1::nr_OP,         D1::platitor,     D1::CIF_platitor,   D1::adresa_platitor,
    D1::IBAN_platitor, D1::beneficiar,   D1::CIF_beneficiar, D1::IBAN_beneficiar,
    D1::nr_evidenta,   D1::reprezentand, D1::data_emiterii,  D1::data_debitarii};

// The field, or else the derived label, that each print label F1(0)..F1(21) of
// the lower copy carries (-1: none of that kind).
struct F1Source {
    int field;
    int label;
};
inline constexpr std::array<F1Source, kF1Count> kF1Sources{{
    {D1::nr_OP, -1},          {-1, B1::suma_afisata},         {-1, B1::suma_litere},
    {D1::platitor, -1},       {D1::CIF_platitor, -1},         {D1::adresa_platitor, -1},
    {D1::IBAN_platitor, -1},  {-1, B1::BIC_platitor},         {-1, B1::banca_platitor},
    {D1::beneficiar, -1},     {D1::CIF_beneficiar, -1},       {D1::IBAN_beneficiar, -1},
    {-1, B1::BIC_beneficiar}, {-1, B1::banca_beneficiar},     {D1::nr_evidenta, -1},
    {D1::reprezentand, -1},   {D1::data_emiterii, -1},        {-1, B1::marcaj_ordine},
    {D1::cod_angajament, -1}, {D1::indicator_angajament, -1}, {D1::data_debitarii, -1},
    {D1::cod_program, -1},
}};

// The declaration note of a registration number whose 18th character is "1".
QString declarationNote(const QString& nr_evidenta);

// The printed page of a checked document: its fields and labels on the form
// of its type (`op`), once (`copii` 1) or twice on the page (`copii` 0), with
// `barcode` on each copy (none when null).
PrintedPage documentPage(const document::Fields& d1, const document::Labels& b1, bool op, int copii,
                         std::shared_ptr<const Pdf417> barcode);

}  // namespace tavo::printing
