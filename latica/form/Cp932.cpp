#include "Cp932.h"

#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

namespace form {

namespace {
// Runs iconv over the whole input; an unconvertible sequence is skipped by `skip` bytes
// and `replacement` is written in its place.
QByteArray convert(const char* to, const char* from, const QByteArray& in,
                   const QByteArray& replacement, int skip, bool* ok)
{
    if (ok)
        *ok = true;
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) {
        if (ok)
            *ok = false;
        return {};
    }
    QByteArray out;
    out.reserve(in.size() * 2 + 16);
    char* src = const_cast<char*>(in.constData());
    size_t srcLeft = size_t(in.size());
    char buffer[4096];
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        size_t r = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, int(dst - buffer));
        if (r == size_t(-1)) {
            if (errno == E2BIG)
                continue;
            // EILSEQ or EINVAL (a sequence cut off at the end): replace and go on.
            if (ok)
                *ok = false;
            out.append(replacement);
            size_t n = std::min(srcLeft, size_t(skip));
            src += n;
            srcLeft -= n;
        }
    }
    iconv_close(cd);
    return out;
}
} // namespace

QString fromCp932(const QByteArray& bytes, bool* ok)
{
    QByteArray utf8 = convert("UTF-8", "CP932", bytes, QByteArray("\xEF\xBF\xBD"), 1, ok);
    return QString::fromUtf8(utf8);
}

QByteArray toCp932(const QString& text, bool* ok)
{
    // UTF-32 input keeps each character one unit long, so a bad one is skipped whole.
    QByteArray utf32;
    QList<uint> ucs4 = text.toUcs4();
    utf32.resize(ucs4.size() * 4);
    for (int i = 0; i < ucs4.size(); ++i) {
        uint c = ucs4[i];
        utf32[i * 4] = char(c & 0xFF);
        utf32[i * 4 + 1] = char((c >> 8) & 0xFF);
        utf32[i * 4 + 2] = char((c >> 16) & 0xFF);
        utf32[i * 4 + 3] = char((c >> 24) & 0xFF);
    }
    return convert("CP932", "UTF-32LE", utf32, QByteArray("?"), 4, ok);
}

bool isUtf8Text(const QByteArray& bytes)
{
    bool wide = false;
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80) {
            wide = true;
            break;
        }
    if (!wide)
        return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(bytes); // decoding happens here; hasError() reports it
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
