#include "Messages.h"

#include "model/Game.h"
#include "MainForm.h"

#include <QStringList>

namespace {

const QString Rule = QString(33, u'-');

QString joined(QStringList lines)
{
    return lines.join(QStringLiteral("\r\n"));
}

MessageSpec yesNo(const QString& title, const QStringList& lines)
{
    return {title, joined(lines), form::Buttons::YesNo, form::Icon::Exclamation};
}

MessageSpec ok(const QString& title, const QStringList& lines, form::Icon icon = form::Icon::Exclamation)
{
    return {title, joined(lines), form::Buttons::Ok, icon};
}

} // namespace

MessageSpec messageSpec(int code, const QString& recordFolder)
{
    switch (code) {
    case 1:
        return ok(QStringLiteral("ヘルプ"),
                  {QStringLiteral("Latica　バージョン３．０４"), QString(), QStringLiteral("●キーボードの操作●"),
                   QStringLiteral("　スペースキー：画面右の丸形コントローラーの中央ボタンと同じ機能"),
                   QStringLiteral("　カーソル移動キー：画面右の丸形コントローラーの上下左右ボタンと同じ機能"),
                   QStringLiteral("　Ｄｅｌｅｔｅキー：画面右の「文字消去」ボタンと同じ機能"),
                   QStringLiteral("　Ｅｓｃキー：画面右の「取り消し」ボタンと同じ機能"), QString(), Rule},
                  form::Icon::Information);
    case 11:
        return ok(QStringLiteral("Laticaの終了"), {QStringLiteral("Laticaを終了します。")});
    case 101:
        return yesNo(QStringLiteral("報告：ファイルを指定してください"),
                     {QStringLiteral("クロスワード用プレイファイルを指定してください。"), QString(),
                      QStringLiteral("Kumi ﾌｧｲﾙ (例：標準日本語クロス.kmi) を指定してください。"),
                      QStringLiteral("指定しないとゲームを開始できません。"), QString(),
                      QStringLiteral("［はい］で、もういちど指定画面になります。"),
                      QStringLiteral("［いいえ］でプログラムを終了します。"), Rule});
    case 102:
        return yesNo(QStringLiteral("報告：ファイルが見つかりません"),
                     {QStringLiteral("クロスワード用プレイファイルが見つかりません。"), QString(),
                      QStringLiteral("Kumi ﾌｧｲﾙ (例：標準日本語クロス.kmi) を指定してください。"),
                      QStringLiteral("それともプログラムを終了しますか？"), QString(),
                      QStringLiteral("［はい］で指定画面になります。"),
                      QStringLiteral("［いいえ］でプログラムを終了します。"), Rule});
    case 103:
        return yesNo(QStringLiteral("報告：ファイルが読めません"),
                     {QStringLiteral("このクロスワード用プレイファイルのデータを読めません。"),
                      QStringLiteral("こわれている可能性もあります。"), QString(),
                      QStringLiteral("別のクロスワード用プレイファイルを指定してください。"),
                      QStringLiteral("それともプログラムを終了しますか？"), QString(),
                      QStringLiteral("［はい］で指定画面になります。"),
                      QStringLiteral("［いいえ］でプログラムを終了します。"), Rule});
    case 1001:
        return yesNo(QStringLiteral("報告：クロスワードはすべて解き終えています"),
                     {QStringLiteral("このファイルのクロスワードはすべて解き終えています。"), QString(),
                      QStringLiteral("Nordaで新しいプレイファイルを作ってください。"),
                      QStringLiteral("それともこのファイルで再挑戦しますか？"), QString(),
                      QStringLiteral("［はい］で再挑戦になります。"),
                      QStringLiteral("［いいえ］でプログラムを終了します。"), Rule});
    case 10001:
        return ok(QStringLiteral("報告：作業用フォルダがわかりません"),
                  {QStringLiteral("一時作業用フォルダ（TEMP,Temp,TMP,Tmpのいずれか）"),
                   QStringLiteral("が環境変数で指定されていません。"), QString(),
                   QStringLiteral("このため作業用フォルダを使ったプレイはできません。"),
                   QStringLiteral("Laticaの全ファイルをディレクトリごと"),
                   QStringLiteral("ハードディスクにコピーしてから起動してください。"), QString(), Rule});
    case 10002:
        return ok(QStringLiteral("報告：作業用フォルダに書き込みできません"),
                  {QStringLiteral("一時作業用フォルダ（TEMP,Temp,TMP,Tmpのいずれか）"),
                   QStringLiteral("にプレーヤーの成績データファイルを作成できません。"), QString(),
                   QStringLiteral("このため作業用フォルダを使ったプレイはできません。"),
                   QStringLiteral("Laticaの全ファイルをディレクトリごと"),
                   QStringLiteral("ハードディスクにコピーしてから起動してください。"), QString(), Rule});
    case 10003:
        return ok(QStringLiteral("確認：個人成績ファイルを別フォルダに作成しました"),
                  {QStringLiteral("プレイファイルのフォルダに書き込めないので"),
                   QStringLiteral("個人成績ファイルをこのフォルダ内に作れません。"), QString(),
                   QStringLiteral("作業用フォルダ内"), QStringLiteral("　") + recordFolder,
                   QStringLiteral("に作りました。"), QString(),
                   QStringLiteral("ゲーム終了時に、このファイルを残すか選択できます。"), Rule});
    case 10004:
        return yesNo(QStringLiteral("選択：個人成績ファイルの処理"),
                     {QStringLiteral("プレイファイルのフォルダに書き込めないので"),
                      QStringLiteral("個人成績ファイルは、作業用フォルダ内"),
                      QStringLiteral("　") + recordFolder, QStringLiteral("にあります。"), QString(),
                      QStringLiteral("このファイルを残して、次回も使えるようにしますか。"),
                      QStringLiteral("それとも削除しますか。"), QString(), QStringLiteral("［はい］で残します。"),
                      QStringLiteral("［いいえ］で削除します。"), Rule});
    default:
        return {};
    }
}

int ShowMessage(Game& game, int code)
{
    return ShowMessage(game, messageSpec(code, game.RecordFolder));
}

int ShowMessage(Game& game, const MessageSpec& message)
{
    form::Timer* kumi = game.frmMain ? &game.frmMain->tmrKumi : nullptr;
    const bool wasEnabled = kumi && kumi->isEnabled();
    if (kumi)
        kumi->setEnabled(false);
    const int answer = form::messageBox(message.body, message.title, message.buttons, message.icon);
    if (wasEnabled)
        kumi->setEnabled(true);
    return answer;
}

void ShowHelp(Game& game)
{
    ShowMessage(game, 1);
}
