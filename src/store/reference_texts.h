#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QStringList>

namespace tavo::reference_texts {

// The texts that ship with the program and live in the working folder, where
// the user reads (and may change) them.
inline constexpr const char* kInstr = "instr.txt";
inline constexpr const char* kVersiuni = "Versiuni.txt";
inline constexpr const char* kLegi = "legi.txt";
inline constexpr const char* kStructuri = "Structuri.txt";
inline constexpr const char* kInfUtile = "InfUtile.txt";
inline constexpr const char* kSugestiiModel = "Sugestii1.txt";
inline constexpr const char* kInfo = "info.txt";
// Made from Sugestii1.txt the first time it is asked for; the user writes in it.
inline constexpr const char* kSugestii = "Sugestii.txt";

// The names of the shipped texts, as they are named in the working folder.
const QStringList& nume();

// The shipped text NAME as its file holds it (CP1250, CR LF lines); empty
// when the program ships no such text.
QByteArray continut(const QString& name);

// The name under which the working folder holds NAME: the file itself, or one
// whose name differs only in case (a folder carried from Windows, where names
// ignore case); NAME when there is none.
QString nameInFolder(const QDir& folder, const QString& name);

// Writes into `folder` each shipped text it does not hold yet. A file the user
// already has is never touched. Returns the names that could not be written.
QStringList copyReferenceTexts(const QDir& folder);

// Makes Sugestii.txt from Sugestii1.txt (the working folder's, or the shipped
// one when the user has none) unless it exists. Returns the name to open, or
// an empty text (with `error`) when it could not be made.
QString prepareSuggestions(const QDir& folder, QString* error = nullptr);

// The text NAME of the working folder as the viewer opens it: under the name
// the folder holds it by.
QString viewerPath(const QDir& folder, const char* name);

}  // namespace tavo::reference_texts
