#include "Codec.h"

#include <QStringDecoder>

#include <cerrno>
#include <iconv.h>

namespace tb {

namespace {
iconv_t handle(void* p) { return static_cast<iconv_t>(p); }

// Converts the whole input or gives nothing at the first sequence that does not convert.
std::optional<QByteArray> run(void* cd, const char* data, qsizetype size)
{
    if (cd == reinterpret_cast<void*>(-1))
        return std::nullopt;
    iconv(handle(cd), nullptr, nullptr, nullptr, nullptr);
    QByteArray out;
    out.resize(size * 2 + 16);
    char* src = const_cast<char*>(data);
    size_t srcLeft = size_t(size);
    char* dst = out.data();
    size_t dstLeft = size_t(out.size());
    while (srcLeft > 0) {
        if (iconv(handle(cd), &src, &srcLeft, &dst, &dstLeft) != size_t(-1))
            continue;
        if (errno != E2BIG)
            return std::nullopt;
        qsizetype used = dst - out.data();
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dstLeft = size_t(out.size() - used);
    }
    // A character cut off at the end of the input leaves the converter mid-state.
    if (iconv(handle(cd), nullptr, nullptr, &dst, &dstLeft) == size_t(-1))
        return std::nullopt;
    out.resize(dst - out.data());
    return out;
}
} // namespace

Cp932Codec::Cp932Codec()
    : m_decoder(iconv_open("UTF-16LE", "CP932"))
    , m_encoder(iconv_open("CP932", "UTF-16LE"))
{
}

Cp932Codec::~Cp932Codec()
{
    if (m_decoder != reinterpret_cast<void*>(-1))
        iconv_close(handle(m_decoder));
    if (m_encoder != reinterpret_cast<void*>(-1))
        iconv_close(handle(m_encoder));
}

std::optional<QString> Cp932Codec::decode(const QByteArray& bytes)
{
    std::optional<QByteArray> utf16 = run(m_decoder, bytes.constData(), bytes.size());
    if (!utf16)
        return std::nullopt;
    return QString(reinterpret_cast<const QChar*>(utf16->constData()), utf16->size() / 2);
}

std::optional<QByteArray> Cp932Codec::encode(const QString& text)
{
    return run(m_encoder, reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
}

bool isValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace tb
