#include "app/appinfo.h"
#include "app/clioptions.h"
#include "app/logger.h"
#include "app/translationloader.h"
#include "cli/clirunner.h"
#include "photos/exivsetup.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AppInfo::apply();
    ExivSetup::initialize();
    TranslationLoader english;
    english.installEnglish();

    QString error;
    const auto options = CliOptions::parse(app.arguments().mid(1), &error);
    if (!options) {
        QTextStream(stderr) << "kestrix-cli: " << error << "\n\n" << CliOptions::usage();
        return CliRunner::Usage;
    }
    switch (options->command) {
    case CliOptions::Command::Version:
        QTextStream(stdout) << AppInfo::titleWithVersion() << '\n';
        return 0;
    case CliOptions::Command::Help:
        QTextStream(stdout) << CliOptions::usage();
        return 0;
    case CliOptions::Command::Process:
    case CliOptions::Command::Check:
        break;
    }
    Logger::setEchoToStandardError(false);
    Logger::setUp();
    CliRunner runner(*options);
    const int code = runner.run();
    Logger::shutDown();
    return code;
}
