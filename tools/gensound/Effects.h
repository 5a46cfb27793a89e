#pragma once
// The game's sound vocabulary: the seven effects, the six talker voices and the placeholder.
#include <string>
#include <vector>

#include "Wave.h"

namespace gensound {

struct NamedSound {
    std::string name; // the file's base name (UTF-8)
    Samples samples;
};

// "ピポポン", "ビィヨン", "ザッ", "ピイイン", "ビュ", "不正解", "正解".
std::vector<NamedSound> makeEffects();
// "声ナレーション", "声ナビゲータ", "姉声", "兄声", "母声", "父声".
std::vector<NamedSound> makeVoices();
// "dummy": a very short silence.
NamedSound makeDummy();

} // namespace gensound
