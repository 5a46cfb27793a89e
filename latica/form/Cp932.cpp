#include "Cp932.h"

#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <iconv.h>

namespace form {

namespace {

const iconv_t NoConverter = reinterpret_cast<iconv_t>(-1);

iconv_t handle(void* p) { return static_cast<iconv_t>(p); }

// What to do at a sequence that does not convert: write `replacement` and pass over
// `skip` bytes. Without one, the conversion fails there.
struct Replacement {
    QByteArray text;
    size_t skip = 1;
};

// Runs iconv over the whole input, from the converter's initial state.
std::optional<QByteArray> convert(iconv_t cd, const char* data, size_t size, const Replacement* replace,
                                  bool* replaced)
{
    if (cd == NoConverter)
        return std::nullopt;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QByteArray out;
    out.reserve(qsizetype(size) * 2 + 16);
    char* src = const_cast<char*>(data);
    size_t srcLeft = size;
    char buffer[4096];
    for (;;) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        // With the input used up, a last call flushes the state (and finds a cut-off end).
        const size_t r = srcLeft > 0 ? iconv(cd, &src, &srcLeft, &dst, &dstLeft)
                                     : iconv(cd, nullptr, nullptr, &dst, &dstLeft);
        const int error = errno;
        out.append(buffer, qsizetype(dst - buffer));
        if (r != size_t(-1)) {
            if (srcLeft == 0 && dst == buffer)
                break;
            continue;
        }
        if (error == E2BIG)
            continue;
        // EILSEQ, or EINVAL for a sequence cut off at the end.
        if (!replace)
            return std::nullopt;
        if (replaced)
            *replaced = true;
        out.append(replace->text);
        const size_t n = std::min(srcLeft, replace->skip);
        src += n;
        srcLeft -= n;
    }
    return out;
}

// The same with a converter opened for this one call; lenient, with `replace`.
QByteArray convertOnce(const char* to, const char* from, const QByteArray& in, const Replacement& replace, bool* ok)
{
    bool replaced = false;
    const iconv_t cd = iconv_open(to, from);
    std::optional<QByteArray> out = convert(cd, in.constData(), size_t(in.size()), &replace, &replaced);
    if (cd != NoConverter)
        iconv_close(cd);
    if (ok)
        *ok = out.has_value() && !replaced;
    return out.value_or(QByteArray());
}

} // namespace

QString fromCp932(const QByteArray& bytes, bool* ok)
{
    const QByteArray utf8 = convertOnce("UTF-8", "CP932", bytes, {QByteArray("\xEF\xBF\xBD"), 1}, ok);
    return QString::fromUtf8(utf8);
}

QByteArray toCp932(const QString& text, bool* ok)
{
    // UTF-32 input keeps each character one unit long, so a bad one is skipped whole.
    QByteArray utf32;
    const QList<uint> ucs4 = text.toUcs4();
    utf32.resize(ucs4.size() * 4);
    for (qsizetype i = 0; i < ucs4.size(); ++i) {
        const uint c = ucs4[i];
        utf32[i * 4] = char(c & 0xFF);
        utf32[i * 4 + 1] = char((c >> 8) & 0xFF);
        utf32[i * 4 + 2] = char((c >> 16) & 0xFF);
        utf32[i * 4 + 3] = char((c >> 24) & 0xFF);
    }
    return convertOnce("CP932", "UTF-32LE", utf32, {QByteArray("?"), 4}, ok);
}

Cp932Codec::Cp932Codec()
    : m_decoder(iconv_open("UTF-16LE", "CP932"))
    , m_encoder(iconv_open("CP932", "UTF-16LE"))
{
}

Cp932Codec::~Cp932Codec()
{
    if (handle(m_decoder) != NoConverter)
        iconv_close(handle(m_decoder));
    if (handle(m_encoder) != NoConverter)
        iconv_close(handle(m_encoder));
}

std::optional<QString> Cp932Codec::decode(const QByteArray& bytes)
{
    std::optional<QByteArray> utf16 =
        convert(handle(m_decoder), bytes.constData(), size_t(bytes.size()), nullptr, nullptr);
    if (!utf16)
        return std::nullopt;
    return QString(reinterpret_cast<const QChar*>(utf16->constData()), utf16->size() / 2);
}

std::optional<QByteArray> Cp932Codec::encode(const QString& text)
{
    return convert(handle(m_encoder), reinterpret_cast<const char*>(text.utf16()), size_t(text.size()) * 2,
                   nullptr, nullptr);
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);  // decoding happens here; hasError() reports it
    return !decoder.hasError();
}

bool isUtf8Text(const QByteArray& bytes)
{
    const bool wide = std::any_of(bytes.begin(), bytes.end(), [](char b) { return static_cast<unsigned char>(b) >= 0x80; });
    if (!wide)
        return false;
    // A sequence cut off at the end still counts: a line of a UTF-8 file may end inside one.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes);
    return !utf8.hasError() && !decoded.isEmpty();
}

QStringList splitLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    return lines;
}

} // namespace form
