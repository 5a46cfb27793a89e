// PLACEHOLDER, not part of the game: stands in for the .puz reader, which is written
// elsewhere, so that this clone links. Every .puz file is refused with this reason. Drop
// this file and its line in latica/CMakeLists.txt when the reader is merged.
#include "OpenCrossword.h"

OpenCrosswordRead readPuz(const QByteArray&)
{
    OpenCrosswordRead result;
    result.error = QStringLiteral(".puz files are not read in this build");
    return result;
}
