#pragma once
#include "model/CastRecord.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The number at the start of the first comma-separated field, rounded half to even; the
// field is cut off the line. An empty field reads 0.
int GetCsvNumber(QString& line);

// The line of a cast in a decoded cast table: the first line that begins with the name.
std::optional<QString> findCastLine(const QStringList& lines, const QString& name);

// Reads a cast's fields from its table line into the record, zero intervals made 1.
void readCastFields(QString line, CastRecord& cast);
