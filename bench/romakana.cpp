// Converting a 1000-letter romaji text key by key: the conversion alone, and through the
// keypad window with its ten-position display (headless).
#include "keypad/RomaKana.h"
#include "keypad/frmKeypad.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Everyday words with doubled consonants, contracted sounds, N before consonants, long
// vowels and a few keys that fail, repeated to 1000 letters.
QString romajiText()
{
    const QString words = QStringLiteral(
        "KYOUHASHINBUNNWOYONNDEKARAKITTEWOKAINIIKIMASHITAKONPYU-TA-NOMAEDECHOKORE-TOWOTABETE"
        "MACCHAWONOMIMASHITAGYUUNYUUTOKOHI-MOSUKIDESUQXZTENPURATOSANPONOHIDENSHADEKAERU");
    QString text;
    while (text.size() < 1000)
        text += words;
    text.truncate(1000);
    return text;
}

keypad::RomaKanaTable installedTable()
{
    keypad::RomaKanaTable table;
    QString error;
    if (!keypad::LoadRomaKanaTable(keypad::RomaKanaTablePath(), &table, &error)) {
        std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
        std::exit(1);
    }
    return table;
}

void ConvertText(benchmark::State& state)
{
    const QString text = romajiText();
    keypad::RomaKana conv([](QChar, const QString& kana) { benchmark::DoNotOptimize(kana.size()); });
    conv.setTable(installedTable());
    qsizetype kana = 0;
    for (auto _ : state) {
        conv.clearKeyBuff();
        for (QChar c : text)
            kana += conv.RomaKanaConvWChr(c).size();
    }
    benchmark::DoNotOptimize(kana);
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(ConvertText)->Unit(benchmark::kMicrosecond);

void ConvertTextOnTheKeypad(benchmark::State& state)
{
    const QString text = romajiText();
    KeypadForm keypad([] {}, nullptr);
    keypad.SetKeypad();
    keypad.ShowKeypad();
    qsizetype kana = 0;
    for (auto _ : state) {
        keypad.ClearDispKeyBuff();
        for (QChar c : text)
            kana += keypad.RomaKanaConvWChr(c).size();
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(kana);
    state.SetItemsProcessed(state.iterations() * text.size());
}
BENCHMARK(ConvertTextOnTheKeypad)->Unit(benchmark::kMicrosecond);

} // namespace
