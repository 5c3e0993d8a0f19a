#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tavo::text {

// The Windows code page of the working-folder files. Every byte decodes to one
// character, so a file read and written back unchanged keeps its bytes.
QString fromCp1250(QByteArrayView bytes);
// Decodes `bytes` into the characters at `out` (room for bytes.size()
// characters) and returns the position after the last one written.
QChar* decodeCp1250Into(QByteArrayView bytes, QChar* out);

// Encodes for a working-folder file: the comma-below letters (ș ț Ș Ț) become
// the cedilla letters the code page holds (ş ţ Ş Ţ); any other character the
// code page cannot hold becomes "?".
QByteArray toCp1250(const QString& text);

// The character as it will be stored: the comma-below letters become cedilla
// letters and characters outside the code page become "?".
QChar storableChar(QChar c);

}  // namespace tavo::text
