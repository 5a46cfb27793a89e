#pragma once
#include <QString>

namespace form {

// The program folder (the folder of the executable) and the paths below it. A relative
// path is written as the game writes it ("\Talk\TalkIx.dat"); each of its components
// is matched without regard to case, so "\Sys\RomaKana" and "\sys\Picture" meet in one
// folder.
class ProgramFolder {
public:
    static QString path();
    // Test hook: another folder plays the program folder.
    static void setPath(const QString& folder);

    // The file or folder below the program folder; components that do not exist yet are
    // kept as written.
    static QString resolve(const QString& relative);
    // The same below any folder.
    static QString resolveIn(const QString& folder, const QString& relative);
};

} // namespace form
