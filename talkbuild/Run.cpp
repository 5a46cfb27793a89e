#include "Run.h"

#include "Messages.h"
#include "Reporter.h"
#include "Sifter.h"

#include <QDir>
#include <QTime>

namespace tb {

namespace {
QString timeOfDay() { return QTime::currentTime().toString(QStringLiteral("HH:mm:ss")); }

// A start number field: its value, or a printed refusal when it is empty or out of range.
bool startNumber(const QString& field, int low, int high, QStringView emptyText,
                 QStringView rangeText, Reporter& reporter, int* value)
{
    const QString text = field.trimmed();
    if (text.isEmpty()) {
        reporter.print(emptyText.toString());
        return false;
    }
    bool ok = false;
    *value = text.toInt(&ok);
    if (!ok || *value < low || *value > high) {
        reporter.print(rangeText.toString() + text);
        return false;
    }
    return true;
}
} // namespace

bool runConversion(const RunSettings& settings, Reporter& reporter)
{
    QDir folder(settings.folder);
    const QStringList earlier = folder.entryList({QStringLiteral("Talk??.Dat")}, QDir::Files);
    for (const QString& name : earlier)
        folder.remove(name);

    int talkStart = 0;
    int refStart = 0;
    if (!startNumber(settings.talkStart, 1000, 5999, msg::kEmptyTalkStart, msg::kBadTalkStart,
                     reporter, &talkStart))
        return false;
    if (!startNumber(settings.refStart, 100, 599, msg::kEmptyRefStart, msg::kBadRefStart,
                     reporter, &refStart))
        return false;

    reporter.startTime(timeOfDay());
    Sifter sifter(reporter);
    sifter.setPaths(settings.folder, settings.source);

    reporter.progress(msg::kMarking.toString());
    if (!sifter.GetBuffFromFile())
        return false;
    reporter.progress(msg::kMarking.toString());
    if (!sifter.SetMarkOfMultiLine())
        return false;
    reporter.progress(msg::kCheckRef.toString());
    if (!sifter.CheckRefNmb())
        return false;
    reporter.progress(msg::kFindNumbers.toString());
    sifter.GetTalkNmb();
    reporter.progress(msg::kTalkNumbers.toString());
    if (!sifter.SetTalkNmbString(talkStart, settings.round))
        return false;
    reporter.progress(msg::kRefNumbers.toString());
    if (!sifter.SetRefNmbString(refStart))
        return false;
    reporter.progress(msg::kReplaceNumbers.toString());
    if (!sifter.SetTalkNmb())
        return false;
    reporter.progress(msg::kWriteText.toString());
    if (!sifter.SaveNewText())
        return false;
    reporter.progress(msg::kWriteData.toString());
    if (!sifter.SetObjFileName1())
        return false;

    reporter.endTime(timeOfDay());
    reporter.allEnd();
    return true;
}

} // namespace tb
