// textconv: converts a UTF-8 text file into CP932 with CR LF line ends.
// Usage: textconv <utf8-source> <cp932-destination>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iconv.h>
#include <iostream>
#include <sstream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: textconv <utf8-source> <cp932-destination>\n";
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        std::cerr << "textconv: cannot read " << argv[1] << "\n";
        return 1;
    }
    std::stringstream buffer;
    buffer << in.rdbuf();
    std::string text = buffer.str();
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);

    // Every line ends in CR LF, whatever the repository copy uses.
    std::string crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r')
            continue;
        if (text[i] == '\n')
            crlf += '\r';
        crlf += text[i];
    }

    iconv_t cd = iconv_open("CP932", "UTF-8");
    if (cd == (iconv_t)-1) {
        std::cerr << "textconv: iconv has no CP932\n";
        return 1;
    }
    std::string out(crlf.size() * 2 + 16, '\0');
    char* inPtr = crlf.data();
    size_t inLeft = crlf.size();
    char* outPtr = out.data();
    size_t outLeft = out.size();
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == (size_t)-1) {
        size_t offset = crlf.size() - inLeft;
        size_t line = 1;
        for (size_t i = 0; i < offset; ++i)
            line += crlf[i] == '\n';
        std::cerr << argv[1] << ":" << line << ": "
                  << (errno == EILSEQ ? "character not in CP932 or not UTF-8" : "incomplete UTF-8")
                  << "\n";
        iconv_close(cd);
        return 1;
    }
    iconv_close(cd);
    out.resize(out.size() - outLeft);

    std::ofstream dest(argv[2], std::ios::binary | std::ios::trunc);
    dest.write(out.data(), static_cast<std::streamsize>(out.size()));
    if (!dest) {
        std::cerr << "textconv: cannot write " << argv[2] << "\n";
        return 1;
    }
    return 0;
}
