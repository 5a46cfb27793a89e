#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace form {

// Code page 932 (Shift-JIS with its vendor extensions), the encoding of every text file
// the game reads or writes. Conversion goes through iconv.

// Decodes; bytes that are not CP932 become U+FFFD and clear *ok.
QString fromCp932(const QByteArray& bytes, bool* ok = nullptr);
// Encodes; characters that CP932 lacks become "?" and clear *ok.
QByteArray toCp932(const QString& text, bool* ok = nullptr);

// Whether bytes with characters beyond ASCII are valid UTF-8. Real Shift-JIS kana and
// kanji never form valid UTF-8 sequences, so such text is a file saved in the wrong code.
bool isUtf8Text(const QByteArray& bytes);

// Splits decoded file text into lines ended by CR LF or a bare LF. A last line without a
// line end counts; the empty rest after a final line end does not.
QStringList splitLines(const QString& text);

} // namespace form
