#include "SourceText.h"

#include "form/Cp932.h"

namespace tb {

namespace {
const QByteArray kBom("\xEF\xBB\xBF");
}

bool SourceText::parse(const QByteArray& bytes, Cp932Codec& codec, int* badLine)
{
    m_lines.clear();
    m_original.clear();
    m_raw.clear();
    m_ends.clear();
    // A source that is valid UTF-8 is UTF-8 (a byte order mark is kept aside); anything
    // else is read as CP932.
    m_encoding = form::isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Cp932;
    m_bom = m_encoding == Encoding::Utf8 && bytes.startsWith(kBom);
    QByteArrayView body(bytes);
    if (m_bom)
        body = body.sliced(kBom.size());

    // LF never occurs inside a CP932 character (trail bytes start at 0x40), so both
    // encodings split at the same bytes.
    qsizetype start = 0;
    while (start < body.size()) {
        qsizetype lf = body.indexOf('\n', start);
        qsizetype end = lf < 0 ? body.size() : lf;
        qsizetype textEnd = end;
        if (lf >= 0 && end > start && body[end - 1] == '\r')
            --textEnd;
        m_raw.append(body.sliced(start, textEnd - start).toByteArray());
        m_ends.append(lf < 0 ? QByteArray() : body.sliced(textEnd, end + 1 - textEnd).toByteArray());
        start = lf < 0 ? body.size() : lf + 1;
    }

    m_lines.reserve(m_raw.size());
    for (qsizetype i = 0; i < m_raw.size(); ++i) {
        if (m_encoding == Encoding::Utf8) {
            m_lines.append(QString::fromUtf8(m_raw[i]));
            continue;
        }
        std::optional<QString> text = codec.decode(m_raw[i]);
        if (!text) {
            if (badLine)
                *badLine = int(i + 1);
            m_lines.clear();
            m_raw.clear();
            m_ends.clear();
            return false;
        }
        m_lines.append(*text);
    }
    m_original = m_lines;
    return true;
}

bool SourceText::serialise(Cp932Codec& codec, QByteArray* out, int* badLine) const
{
    out->clear();
    if (m_encoding == Encoding::Utf8 && m_bom)
        out->append(kBom);
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const bool unchanged = i < m_original.size() && m_lines[i] == m_original[i];
        if (unchanged) {
            out->append(m_raw[i]);
        } else if (m_encoding == Encoding::Utf8) {
            out->append(m_lines[i].toUtf8());
        } else {
            std::optional<QByteArray> bytes = codec.encode(m_lines[i]);
            if (!bytes) {
                if (badLine)
                    *badLine = int(i + 1);
                return false;
            }
            out->append(*bytes);
        }
        if (m_encoding == Encoding::Cp932)
            out->append("\r\n");
        else if (i < m_ends.size())
            out->append(m_ends[i]);
    }
    return true;
}

} // namespace tb
