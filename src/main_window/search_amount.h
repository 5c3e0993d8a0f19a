#pragma once

#include <QByteArrayView>
#include <QStringView>
#include <optional>

namespace tavo {

// Amounts as the search of the main window compares them: whole numbers of
// bani (hundredths of a leu), so that 12.500, 12.500,00 and 12500,00 all
// name the stored amount 12500.00.

// The amount a typed search text reads as: digits, plain or grouped in
// threes by "." ("12.500"), then optionally "," or "." and up to two
// decimals ("12.500,00", "12500,00", "1500.5"); blanks around it are
// ignored. None for any other text, and for more than 15 digits before the
// decimals (an amount holds no more).
std::optional<qint64> typedAmount(QStringView typed);

// The amount a stored document's field `suma` holds: digits, optionally "."
// and up to two decimals ("1500.00", "200", "12."). None for a field that
// holds anything else (an empty one too).
std::optional<qint64> storedAmount(QByteArrayView field);

}  // namespace tavo
