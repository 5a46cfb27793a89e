#pragma once
#include <QString>

struct Game;

// The player's record of a play file: which puzzles are solved and the player's name. It
// lies beside the play file, or in the work folder when the play folder is not writable.

// The numbers the play file's header gives: its puzzles (0 when unreadable) and its
// keypad mode (1 kana, 0 for any other value).
int GetCrossCount(Game& game);
int GetKeypadMode(Game& game);
// The name part of the file at `path`, or empty when there is none.
QString FindFile(const QString& path);
// Writes a new record at `path` (kind 0 beside the play file, 1 in the work folder).
// 1 on success, 0 when it cannot be written.
int CreateRecordFile(Game& game, const QString& path, int kind);
// Decides where the record lies, creating it when needed, with the messages of the work
// folder cases. 1 when a record is ready, 0 when play cannot go on.
int SetRecordFile(Game& game);
// Reads the solved states. 0 when every puzzle is solved and the player declines to start
// again; 1 otherwise.
int LoadRecord(Game& game);
// Rewrite the solved states and the name. A rewrite that fails leaves the old record, is
// reported on stderr, and play goes on. The kept boards of solved puzzles go with the
// states; playing the file again from the start drops every kept board.
void SaveRecord(Game& game);
QString GetPlayerName(Game& game);
void SavePlayerName(Game& game);
// Whether the record lies in the work folder, where the player decides at the end whether
// it stays.
bool RecordInWorkFolder(const Game& game);
