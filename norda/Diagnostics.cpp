#include "Diagnostics.h"

#include <algorithm>

namespace norda {

int Diagnostics::count(Severity severity) const
{
    return int(std::count_if(m_list.begin(), m_list.end(),
                             [severity](const Diagnostic& d) { return d.severity == severity; }));
}

QString Diagnostics::format(const QString& fileName) const
{
    std::vector<Diagnostic> sorted = m_list;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Diagnostic& a, const Diagnostic& b) { return a.line < b.line; });
    QString text;
    for (const Diagnostic& d : sorted) {
        text += fileName;
        if (d.line > 0)
            text += QLatin1Char(':') + QString::number(d.line);
        text += d.severity == Severity::Error ? QStringLiteral(": error: ") : QStringLiteral(": warning: ");
        text += d.message + QLatin1Char('\n');
    }
    return text;
}

} // namespace norda
