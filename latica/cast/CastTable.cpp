#include "CastTable.h"

#include "playfile/CrossFile.h"

#include <QStringList>
#include <cmath>

namespace {

// The decimal number at the start of a text after leading blanks: sign, digits, a
// fraction and an exponent; reading stops where the number cannot go on.
double leadingValue(const QString& text)
{
    int i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const int start = i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    int digits = 0;
    while (i < text.size() && text[i].isDigit() && text[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        while (i < text.size() && text[i].unicode() < 128 && text[i].isDigit()) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    int end = i;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        int j = i + 1;
        if (j < text.size() && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        int expDigits = 0;
        while (j < text.size() && text[j].unicode() < 128 && text[j].isDigit()) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            end = j;
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    return ok ? value : 0;
}

} // namespace

int GetCsvNumber(QString& line)
{
    const double value = std::nearbyint(leadingValue(CutField(line))); // ties to even
    if (!(value > -2147483648.0 && value < 2147483648.0))
        return 0;
    return static_cast<int>(value);
}

std::optional<QString> findCastLine(const QStringList& lines, const QString& name)
{
    for (const QString& line : lines) {
        if (line.startsWith(name))
            return line;
    }
    return std::nullopt;
}

void readCastFields(QString line, CastRecord& c)
{
    const auto atLeastOne = [](int v) { return v == 0 ? 1 : v; };
    GetCsvNumber(line); // the name
    c.Width = GetCsvNumber(line);
    c.Height = GetCsvNumber(line);
    c.X = GetCsvNumber(line);
    c.Y = GetCsvNumber(line);
    c.Active = GetCsvNumber(line);
    c.Spare1 = GetCsvNumber(line);
    c.Frame = GetCsvNumber(line);
    c.LoopFirst = GetCsvNumber(line);
    c.LoopLast = GetCsvNumber(line);
    c.FrameInterval = atLeastOne(GetCsvNumber(line));
    c.DriftKind = GetCsvNumber(line);
    c.DriftInterval = atLeastOne(GetCsvNumber(line));
    c.DriftAmount = GetCsvNumber(line);
    c.MoveMode = GetCsvNumber(line);
    c.MoveDirection = GetCsvNumber(line);
    c.MoveInterval = atLeastOne(GetCsvNumber(line));
    c.MoveStep = GetCsvNumber(line);
    c.WrapDelay = atLeastOne(GetCsvNumber(line));
    c.TalkState = GetCsvNumber(line);
    c.IdleInterval = atLeastOne(GetCsvNumber(line));
    c.TalkInterval = atLeastOne(GetCsvNumber(line));
}
