#pragma once
#include <QString>
#include <QStringList>
#include <array>

// The parts of talk interpretation that need no window: placeholders, name lists, menu
// lists, the wait marks and the typed-number rule. Only QtCore.
namespace talk {

// TalkNames(0..10): the names that placeholders stand for; 10 is the player's name.
using NameList = std::array<QString, 11>;

// Marks of the talk text.
inline constexpr char16_t UtteranceOpen = u'〈';
inline constexpr char16_t UtteranceClose = u'〉';
inline constexpr char16_t AnimatedOpen = u'《';
inline constexpr char16_t AnimatedClose = u'》';
inline constexpr char16_t NamesOpen = u'【';
inline constexpr char16_t NamesClose = u'】';
inline constexpr char16_t MenuOpen = u'『';
inline constexpr char16_t MenuClose = u'』';
inline constexpr char16_t HideMenuMark = u'⊿';
inline constexpr char16_t CloseBoxMark = u'×';
inline constexpr char16_t CloseAllMark = u'※';
inline constexpr char16_t WaitFactorMark = u'¶';
inline constexpr char16_t LineBreak = u'　';
inline constexpr char16_t PauseMark = u'§';
inline constexpr char16_t NameSeparator = u'●';
inline constexpr char16_t MenuSeparator = u'／';

// The wait a mark starts: 1 click, 2 input, 3 menu, the negative forms end by themselves;
// 0 for any other character.
int waitKindOf(QChar c);

// Replaces each placeholder by its name: "㊥" by names(menuAnswer) (empty when the answer
// lies outside 0..10), "◎" by names(0), "①".."⑩" by names(1)..names(10), in that order,
// each at its first occurrence. A symbol that occurs twice in `text` is a data error:
// the result is false and `error` names the symbol.
bool expandPlaceholders(const QString& text, const NameList& names, int menuAnswer, QString& out,
                        QString& error);

// A name list "a●b●…": the k-th piece replaces names(k) unless it is empty. More than
// eleven pieces is a data error (false, nothing changed).
bool applyTalkNames(const QString& list, NameList& names, QString& error);

// The items of a menu list "a／b／…" (at least one, possibly empty).
QStringList splitMenu(const QString& list);

// The full-width form of a text: printable ASCII to the full-width forms, the space to
// "　", half-width katakana to katakana (a following voiced or semi-voiced mark joins it).
QString toFullWidth(const QString& text);

// The number of a typed (full-width) text: its value rounded half to even, when the text
// has 1 to 7 characters and is exactly the full-width decimal form of its own value;
// 0 otherwise.
int typedNumber(const QString& fullWidthText);

// Rounds half to even, as the game's number conversions do.
int roundHalfEven(double value);

} // namespace talk
