// gensound: writes the game's sound effects, talker voices and music pieces.
// Usage: gensound <sound-folder>   (creates <sound-folder>/wave and <sound-folder>/midi)
#include <filesystem>
#include <iostream>

#include "Effects.h"
#include "Music.h"

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: gensound <sound-folder>\n";
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    std::error_code error;
    std::filesystem::create_directories(root / "wave", error);
    std::filesystem::create_directories(root / "midi", error);

    using namespace gensound;
    std::vector<NamedSound> sounds = makeEffects();
    for (NamedSound& voice : makeVoices())
        sounds.push_back(std::move(voice));
    sounds.push_back(makeDummy());
    for (const NamedSound& sound : sounds) {
        const std::string path = (root / "wave" / (sound.name + ".wav")).string();
        if (!writeWav(path, sound.samples)) {
            std::cerr << "gensound: cannot write " << path << "\n";
            return 1;
        }
    }
    const std::pair<const char*, Song> music[] = {{"BGMテーマ曲", themeSong()}, {"BGM挿入曲1", insertSong()}};
    for (const auto& [name, song] : music) {
        const std::string path = (root / "midi" / (std::string(name) + ".mid")).string();
        if (!writeMidi(path, song)) {
            std::cerr << "gensound: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
