#pragma once
#include "SourceText.h"
#include "form/Cp932.h"

#include <QList>
#include <QString>
#include <optional>
#include <vector>

namespace tb {

class Reporter;

// The conversion of one story script source: its lines and the tables the stages fill,
// and the nine stages in the order a run calls them. A stage that meets an error that
// stops the tool prints it through the reporter and returns false.
class Sifter {
public:
    static constexpr int MaxLines = 15000;
    static constexpr int MaxTalkNmb = 9999;
    static constexpr int MaxRefNmb = 999;

    explicit Sifter(Reporter& reporter);

    // Paths of the source (folder/name), the new source (folder/"new"name) and the data files.
    void setPaths(const QString& folder, const QString& sourceName);

    bool GetBuffFromFile();
    bool SetMarkOfMultiLine();
    bool CheckRefNmb();
    void GetTalkNmb();
    bool SetTalkNmbString(int start, bool round);
    bool SetRefNmbString(int start);
    bool SetTalkNmb();
    bool SaveNewText();
    bool SetObjFileName1();

    // The reading and writing of GetBuffFromFile, SaveNewText and SetObjFileName1 on
    // bytes in memory: the source as read, the new source and the two data files.
    bool loadSource(const QByteArray& bytes);
    bool newSourceBytes(QByteArray* bytes);
    bool buildData(QByteArray* data, QByteArray* index);

private:
    // Lines are numbered from 1, as in every message.
    int lineCount() const { return int(m_source.lines().size()); }
    const QString& line(int i) const { return m_source.lines()[i - 1]; }
    QString& lineRef(int i) { return m_source.lines()[i - 1]; }
    bool isTalkLine(int i) const { return m_lineKind[i] == 1; }
    // A talk line whose head only the first line of a talk carries.
    bool startsTalk(int i) const;
    // The part of statement line i that the number search reads, or nothing when the
    // line is not searched at all.
    std::optional<QString> statementPart(int i) const;
    QString gatherTalk(int first) const;
    void print(const QString& line);

    Reporter& m_reporter;
    Cp932Codec m_codec;
    SourceText m_source;
    QString m_sourcePath, m_newSourcePath, m_dataPath, m_indexPath;
    // A C++ source: only "//" starts a comment on a statement line. Otherwise (the CP932
    // script of the original form) an apostrophe does too.
    bool m_cppSource = false;
    int m_firstTalkLine = 0;
    int m_lastTalkLine = 0;

    // Per line (index = line number).
    std::vector<int> m_lineKind;
    std::vector<int> m_lineTalkNmb;
    std::vector<int> m_lineTalkCol;
    // Per old reference number 1..999: -1 undefined, 1 defined, then the new number.
    std::vector<int> m_refNew;
    std::vector<QString> m_refTalk;
    std::vector<QString> m_refText;
    // Per old talk number 1..9999: its new number as text, and the talk lines that
    // carry it (more than one makes a statement with that number ambiguous).
    std::vector<QString> m_newTalkStr;
    std::vector<std::vector<int>> m_talkLines;
};

} // namespace tb
