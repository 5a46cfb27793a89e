#pragma once
#include <QString>
#include <vector>

namespace norda {

enum class Severity { Error, Warning };

// One problem of an input file: the line it is on (from 1; 0 for the file as a whole)
// and what is wrong, with what was expected.
struct Diagnostic {
    int line = 0;
    Severity severity = Severity::Error;
    QString message;
};

class Diagnostics {
public:
    void error(int line, const QString& message) { m_list.push_back({line, Severity::Error, message}); }
    void warning(int line, const QString& message) { m_list.push_back({line, Severity::Warning, message}); }

    const std::vector<Diagnostic>& list() const { return m_list; }
    int count(Severity severity) const;
    bool hasErrors() const { return count(Severity::Error) > 0; }

    // "FILE:LINE: error: message", one line each, in line order (the file as a whole first).
    QString format(const QString& fileName) const;

private:
    std::vector<Diagnostic> m_list;
};

} // namespace norda
