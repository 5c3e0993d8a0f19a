#pragma once

#include <QString>

namespace tavo::checks {

// The personal numeric code (CNP) of a natural person: 13 digits, a plausible
// birth date in positions 2 to 7 (not checked when the first digit is 9) and a
// control digit. The text is taken as typed: blanks or letters make it fail.
bool verif_CNP(const QString& code);

// The fiscal identification code (CIF) of a legal person: at most 10 digits,
// the last of which is the control digit. An empty text passes.
bool verif_CIF(const QString& code);

// A fiscal code the form accepts: a person's CNP or a legal person's CIF.
inline bool validFiscalCode(const QString& code) {
    return verif_CNP(code) || verif_CIF(code);
}

}  // namespace tavo::checks
