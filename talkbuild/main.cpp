// talkbuild: turns the story script source into the talk data files and renumbers its
// talks. Without arguments it opens its window on its own folder; with --batch it runs
// the same conversion at once and reports on standard error.
#include "Reporter.h"
#include "Run.h"
#include "frmSifter.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>

#include <cstdio>
#include <memory>

namespace {

class ErrorStreamReporter : public tb::Reporter {
public:
    void progress(const QString& text) override { line(text); }
    void print(const QString& text) override { line(text); }
    void startTime(const QString&) override {}
    void endTime(const QString&) override {}
    void allEnd() override { line(QStringLiteral("All End --- O K !")); }

private:
    static void line(const QString& text)
    {
        const QByteArray bytes = text.toUtf8() + '\n';
        std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    }
};

int usage()
{
    std::fputs("usage: talkbuild [--batch] [--folder DIR] [--source NAME] [--talk-start N]"
               " [--ref-start N] [--round]\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    bool batch = false;
    for (int i = 1; i < argc; ++i)
        batch = batch || QByteArray(argv[i]) == "--batch";
    std::unique_ptr<QCoreApplication> app(batch ? new QCoreApplication(argc, argv)
                                                : new QApplication(argc, argv));

    tb::RunSettings settings;
    settings.folder = QCoreApplication::applicationDirPath();
    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& arg = args[i];
        auto value = [&](QString* target) {
            if (i + 1 >= args.size())
                return false;
            *target = args[++i];
            return true;
        };
        bool ok = true;
        if (arg == QLatin1String("--batch"))
            continue;
        if (arg == QLatin1String("--round"))
            settings.round = true;
        else if (arg == QLatin1String("--folder"))
            ok = value(&settings.folder);
        else if (arg == QLatin1String("--source"))
            ok = value(&settings.source);
        else if (arg == QLatin1String("--talk-start"))
            ok = value(&settings.talkStart);
        else if (arg == QLatin1String("--ref-start"))
            ok = value(&settings.refStart);
        else
            ok = false;
        if (!ok)
            return usage();
    }
    settings.folder = QDir(settings.folder).absolutePath();

    if (batch) {
        ErrorStreamReporter reporter;
        return tb::runConversion(settings, reporter) ? 0 : 1;
    }

    frmSifter window(settings.folder);
    window.txtSrcFile()->setText(settings.source);
    window.txtTalkNumber()->setText(settings.talkStart);
    window.txtRefNumber()->setText(settings.refStart);
    window.Check1()->setChecked(settings.round);
    window.show();
    return app->exec();
}
