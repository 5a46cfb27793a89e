#pragma once
#include <QByteArray>
#include <QString>

#include <optional>

namespace tb {

// Code page 932 (Shift-JIS with its vendor extensions) through iconv. The tool keeps one
// converter per direction for the whole run, so that thousands of short lines convert
// without reopening iconv.
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

// True when the bytes are valid UTF-8 throughout.
bool isValidUtf8(const QByteArray& bytes);

} // namespace tb
