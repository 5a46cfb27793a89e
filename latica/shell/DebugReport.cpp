#include "DebugReport.h"

#include "form/Cp932.h"
#include "form/MessageBox.h"
#include "form/ProgramFolder.h"
#include "model/Game.h"
#include "window/MainForm.h"

#include <QFile>
#include <cstdio>

QStringList debugReportLines(const QuesData& w)
{
    return {QStringLiteral("答え：") + w.AnswerText + QStringLiteral("  ヨミ：") + w.Reading,
            QStringLiteral("SN：") + w.SN,
            QStringLiteral("ID：") + w.ID,
            QStringLiteral("CN：") + w.CN,
            QStringLiteral("BN：") + w.BN,
            QStringLiteral("QN：") + w.QN,
            QStringLiteral("AN：") + w.AN,
            QStringLiteral("[OK]でこの情報をセーブ化します。")};
}

QStringList debugReportBlock(const QuesData& w)
{
    return QStringList{QString(), QStringLiteral("問題：") + w.QuesText} + debugReportLines(w);
}

void ShowDebugReport(Game& game)
{
    const int q = game.play.CurQues;
    if (q < 1 || q > game.cross.QuesNmbMax)
        return;
    const QuesData& word = game.cross.Ques[q];
    form::Timer& kumi = game.frmMain->tmrKumi;
    kumi.setEnabled(false);
    const int answer = form::messageBox(debugReportLines(word).join(QStringLiteral("\r\n")),
                                        QStringLiteral("■デバッグ用■"), form::Buttons::OkCancel,
                                        form::Icon::Information, form::DefaultButton::Second);
    kumi.setEnabled(true);
    // The box promises that OK saves; Cancel leaves the file alone.
    if (answer != form::Answer::Ok)
        return;
    const QString path = form::ProgramFolder::resolve(QStringLiteral("\\Report.txt"));
    QFile file(path);
    QByteArray bytes;
    for (const QString& line : debugReportBlock(word))
        bytes += form::toCp932(line) + "\r\n";
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append) || file.write(bytes) != bytes.size())
        std::fprintf(stderr, "latica: cannot append to %s\n", path.toLocal8Bit().constData());
}
