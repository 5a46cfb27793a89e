// textconv: converts a UTF-8 text file into CP932 with CR LF line ends.
// Usage: textconv <utf8-source> <cp932-destination>
#include "form/Cp932.h"

#include <QFile>
#include <QSaveFile>
#include <QString>

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: textconv <utf8-source> <cp932-destination>\n";
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::cerr << "textconv: cannot read " << argv[1] << "\n";
        return 1;
    }
    QByteArray text = in.readAll();
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);

    // Every line ends in CR LF, whatever the repository copy uses.
    const QList<QByteArray> lines = text.replace("\r", "").split('\n');
    form::Cp932Codec codec;
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const bool last = i + 1 == lines.size();
        if (last && lines[i].isEmpty())
            break;
        std::optional<QByteArray> bytes;
        if (form::isValidUtf8(lines[i]))
            bytes = codec.encode(QString::fromUtf8(lines[i]));
        if (!bytes) {
            std::cerr << argv[1] << ":" << i + 1 << ": character not in CP932 or not UTF-8\n";
            return 1;
        }
        out += *bytes;
        if (!last)
            out += "\r\n";
    }

    QSaveFile dest(QString::fromLocal8Bit(argv[2]));
    if (!dest.open(QIODevice::WriteOnly) || dest.write(out) != out.size() || !dest.commit()) {
        std::cerr << "textconv: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
