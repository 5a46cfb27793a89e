#include "KeypadTables.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace keypadtest {

QByteArray realTableBytes()
{
    return testsupport::readFile(keypad::RomaKanaTablePath());
}

keypad::RomaKanaTable realTable()
{
    keypad::RomaKanaTable table;
    QString error;
    EXPECT_TRUE(keypad::LoadRomaKanaTable(keypad::RomaKanaTablePath(), &table, &error)) << error.toStdString();
    return table;
}

keypad::RomaKanaTable smallTable(const QStringList& doubling, const QStringList& keys)
{
    keypad::RomaKanaTable table;
    table.doubling = doubling;
    for (const QString& item : keys) {
        const QString key = item.section(QLatin1Char('='), 0, 0);
        const QString kana = item.section(QLatin1Char('='), 1);
        const keypad::RomaKanaEntry entry{key, kana.section(QLatin1Char('/'), 0, 0), kana.section(QLatin1Char('/'), 1)};
        (key.size() == 1 ? table.one : key.size() == 2 ? table.two : table.three).append(entry);
    }
    return table;
}

QString typeInto(keypad::RomaKana& conv, const QString& letters)
{
    return typeEach(conv, letters).join(QString());
}

QStringList typeEach(keypad::RomaKana& conv, const QString& letters)
{
    QStringList out;
    for (QChar c : letters)
        out << conv.RomaKanaConvWChr(c);
    return out;
}

} // namespace keypadtest
