#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

namespace form {

// Code page 932 (Shift-JIS with its vendor extensions), the encoding of every text file
// the game reads or writes and of the talk data that talkbuild writes. Conversion goes
// through iconv. This file is its own small library (latica_cp932), linked by the game,
// norda, talkbuild and the data converter.

// Decodes; bytes that are not CP932 become U+FFFD and clear *ok.
QString fromCp932(const QByteArray& bytes, bool* ok = nullptr);
// Encodes; characters that CP932 lacks become "?" and clear *ok.
QByteArray toCp932(const QString& text, bool* ok = nullptr);

// Strict conversion for tools that refuse what does not convert. It keeps one converter
// per direction for its whole life, so that thousands of short lines convert without
// reopening iconv.
class Cp932Codec {
public:
    Cp932Codec();
    ~Cp932Codec();
    Cp932Codec(const Cp932Codec&) = delete;
    Cp932Codec& operator=(const Cp932Codec&) = delete;

    // Nothing when the bytes are not valid CP932.
    std::optional<QString> decode(const QByteArray& bytes);
    // Nothing when a character has no CP932 form.
    std::optional<QByteArray> encode(const QString& text);

private:
    void* m_decoder;
    void* m_encoder;
};

// True when the bytes are valid UTF-8 throughout (ASCII included).
bool isValidUtf8(const QByteArray& bytes);
// Whether bytes with characters beyond ASCII are valid UTF-8. Real Shift-JIS kana and
// kanji never form valid UTF-8 sequences, so such text is a file saved in the wrong code.
bool isUtf8Text(const QByteArray& bytes);

// Splits decoded file text into lines ended by CR LF or a bare LF. A last line without a
// line end counts; the empty rest after a final line end does not.
QStringList splitLines(const QString& text);

} // namespace form
