#pragma once
#include <QString>

// The name a play file goes by: the title caption, the record and the board file are named
// from it. A play file's is its name up to the first dot ("標準日本語クロス.kmi" ->
// "標準日本語クロス"); an open crossword's (.ipuz, .puz) is its name without the extension,
// since such names often hold dots ("daily.2026-12-08.puz" -> "daily.2026-12-08").
QString playFileBaseName(const QString& fileName);

// The title the game keeps for a chosen file: a play file's base name with ".kmi" (any
// extension it was chosen with is read as that), an open crossword's whole name.
QString playFileTitleFor(const QString& fileName);
