#pragma once
#include <QString>

namespace tb {

class Reporter;

// What the window's fields (or the batch arguments) give a run.
struct RunSettings {
    QString folder;                       // the tool's folder: source and outputs
    QString source = QStringLiteral("Story");
    QString talkStart = QStringLiteral("1100");
    QString refStart = QStringLiteral("200");
    bool round = false;
};

// One run of the tool, as a click on Start does it: removes earlier Talk??.Dat files,
// checks the start numbers, then runs the nine stages in order. Returns false at the
// first error that stops the tool (it has been printed through the reporter).
bool runConversion(const RunSettings& settings, Reporter& reporter);

} // namespace tb
