#pragma once
#include <QStringView>

// The texts the tool shows: progress texts in lblNowCommand and error lines printed on
// the window's surface (standard error in batch mode).
namespace tb::msg {

// Progress, one before each stage.
inline constexpr QStringView kMarking = u"Talk文継続行に「^」マークを付加中";
inline constexpr QStringView kCheckRef = u"＃％の整合性のチェック中";
inline constexpr QStringView kFindNumbers = u"プログラム中のTalk番号の検索中";
inline constexpr QStringView kTalkNumbers = u"Talk番号の整形中";
inline constexpr QStringView kRefNumbers = u"＃％の整形中";
inline constexpr QStringView kReplaceNumbers = u"プログラム中のTalk番号の置換中";
inline constexpr QStringView kWriteText = u"テキストの書き出し中";
inline constexpr QStringView kWriteData = u"データの書き出し中";
inline constexpr QStringView kAllEnd = u"All End --- O K !";

// Start numbers.
inline constexpr QStringView kBadTalkStart = u"err このTalk開始番号では不安です >";
inline constexpr QStringView kBadRefStart = u"err この＃％開始番号では不安です >";
inline constexpr QStringView kEmptyTalkStart = u"err Talk開始番号が空です";
inline constexpr QStringView kEmptyRefStart = u"err ＃％開始番号が空です";

// Talk lines.
inline constexpr QStringView kNoEndMark = u"err: 終了記号「∴」がない";
// A talk's last line whose end mark stands in the head (columns 1-12), before the text.
inline constexpr QStringView kEndMarkInHead = u"err: 終了記号「∴」が本文（13桁目から）の前にある";
// Second line when a talk without end mark runs into the first line of the next talk.
inline constexpr QStringView kNextTalkStarts = u" 次のTalk文の先頭:";
inline constexpr QStringView kRefTwice = u" # Err すでに登録済みの番号:";
inline constexpr QStringView kRefUnknown = u" # Err 未登録の番号:";
inline constexpr QStringView kRefDiffers = u" # Err ＃％の内容が同一でない:";
inline constexpr QStringView kRefDiffersSharp = u" ＃=";
inline constexpr QStringView kRefDiffersPercent = u" ％=";
inline constexpr QStringView kBadRefNumber = u" # Err ＃％の番号が読めない:";
inline constexpr QStringView kBadTalkNumber = u"err Talk番号が読めない:";
inline constexpr QStringView kUndefinedTalk = u"err Talk文のないTalk番号:";
// A statement's talk number that several talk lines carry; their line numbers follow.
inline constexpr QStringView kTalkNumberTwice = u"err 二つ以上のTalk文にあるTalk番号:";

// Limits of the tables.
inline constexpr QStringView kTooManyLines = u"err 行数が上限の15000行を超えている >";
inline constexpr QStringView kTalkOverLimit = u"err Talk番号が上限の9999を超える >";
inline constexpr QStringView kRefOverLimit = u"err ＃％番号が上限の999を超える >";

// Files and encoding.
inline constexpr QStringView kCannotRead = u"err ファイルが開けない >";
inline constexpr QStringView kCannotWrite = u"err ファイルに書き込めない >";
inline constexpr QStringView kBadEncoding = u"err CP932でもUTF-8でもない行:";
inline constexpr QStringView kNotCp932 = u"err CP932で書けない文字がある:";
inline constexpr QStringView kLineTooLong = u"err テキストが長すぎる(65535バイトまで):";

} // namespace tb::msg
