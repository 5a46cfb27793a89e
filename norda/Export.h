#pragma once
#include "Diagnostics.h"

#include <QByteArray>
#include <QString>
#include <vector>

namespace norda {

struct ExportedFile {
    QString name;  // "<base>-01.ipuz"
    QByteArray bytes;
};

struct ExportResult {
    Diagnostics diagnostics;  // lines of the play file
    std::vector<ExportedFile> files;  // empty when the play file has errors
};

// Writes each puzzle of a play file as an .ipuz crossword (version 2): the puzzle grid with
// the crossword numbers and "#" blocks, the solution (letters as A..Z, kana as katakana),
// the clues as [number, text] with &, < and > escaped, the title "<file title> [n]", the
// level as the difficulty, and each word's answer text and reading in an extension field,
// so that importing the file gives the puzzle back.
ExportResult exportIpuz(const QByteArray& playFile, const QString& baseName);

} // namespace norda
