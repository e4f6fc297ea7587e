#include "app/appinfo.h"
#include "photos/exivsetup.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    AppInfo::apply();
    ExivSetup::initialize();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Kestrix: corrects drone photo positions for the GNSS antenna offset, "
                       "renames and geotags the photos and writes a coordinate file."));
    parser.addHelpOption();
    const QCommandLineOption version(QStringLiteral("version"),
                                     QStringLiteral("Print the program name and version."));
    parser.addOption(version);
    parser.process(app);

    if (parser.isSet(version)) {
        QTextStream(stdout) << AppInfo::titleWithVersion() << '\n';
        return 0;
    }
    parser.showHelp(1);
}
