#pragma once
#include <QByteArray>
#include <QList>
#include <QString>

namespace form {
class Cp932Codec;
}

namespace tb {

using form::Cp932Codec;

// The story script source as lines of text, with what is needed to write it back: a
// CP932 source is written in CP932 with CR LF after every line; a UTF-8 source is written
// in UTF-8 with the byte order mark and the line ends it had. Lines that the run did not
// change are written back with their original bytes.
class SourceText {
public:
    enum class Encoding { Cp932, Utf8 };

    // Splits and decodes the file's bytes. On failure `badLine` names the first line (1-based)
    // that is neither UTF-8 nor CP932, and nothing is kept.
    bool parse(const QByteArray& bytes, Cp932Codec& codec, int* badLine);
    // The bytes of the rewritten source; fails when a changed line has no form in the
    // source's encoding (`badLine` says which).
    bool serialise(Cp932Codec& codec, QByteArray* out, int* badLine) const;

    Encoding encoding() const { return m_encoding; }
    QList<QString>& lines() { return m_lines; }
    const QList<QString>& lines() const { return m_lines; }

private:
    Encoding m_encoding = Encoding::Cp932;
    bool m_bom = false;
    QList<QString> m_lines;
    QList<QString> m_original;
    QList<QByteArray> m_raw;     // each line's bytes without its line end
    QList<QByteArray> m_ends;    // each line's end: "\r\n", "\n" or nothing (last line)
};

} // namespace tb
