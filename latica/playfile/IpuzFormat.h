#pragma once

// The names of the .ipuz format that the reader and norda's writer share.
namespace ipuz {

inline constexpr char VersionPrefix[] = "http://ipuz.org/v";
inline constexpr char Version2[] = "http://ipuz.org/v2";
inline constexpr char CrosswordKindPrefix[] = "http://ipuz.org/crossword";
inline constexpr char CrosswordKind[] = "http://ipuz.org/crossword#1";
// The game's own answer text and reading of each word, which no ipuz field holds: an
// extension field under a namespaced URL, as ipuz leaves room for. Its value is
// {"Across": [[number, answer, reading], ...], "Down": [...]}.
inline constexpr char WordsExtension[] = "https://latica.invalid/ipuz/words";

} // namespace ipuz
