#pragma once
// Tables and a display recorder shared by the keypad tests.
#include "keypad/RomaKana.h"

#include <QPair>
#include <QVector>

namespace keypadtest {

// The table that the build installs in the program folder.
keypad::RomaKanaTable realTable();
// The table file's bytes as the build installs them (CP932, CR LF).
QByteArray realTableBytes();

// A small table: doubling letters and keys given as "KEY=display/grid".
keypad::RomaKanaTable smallTable(const QStringList& doubling, const QStringList& keys);

// Every display step, in order.
struct RecordingDisplay {
    keypad::ShowStep recorder()
    {
        return [this](QChar c, const QString& kana) { steps.append({QString(c), kana}); };
    }
    QVector<QPair<QString, QString>> steps;
};

// Types the letters one by one and joins what reaches the grid.
QString typeInto(keypad::RomaKana& conv, const QString& letters);
// The same, keeping each key's result apart.
QStringList typeEach(keypad::RomaKana& conv, const QString& letters);

} // namespace keypadtest
