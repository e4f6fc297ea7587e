// Command-line wrapper of the synthetic-flight generator, for demos and shell tests.
#include "syntheticflight.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes a synthetic drone flight: photos with attitude tags and a timemark file.");
    parser.addHelpOption();
    const QCommandLineOption outOption("out", "Folder to write into.", "DIR");
    const QCommandLineOption countOption("count", "Number of photos (default 10).", "N", "10");
    const QCommandLineOption formatOption(
        "format", "Timemark file form: semicolon, comma, tab (default semicolon).", "FORM",
        "semicolon");
    const QCommandLineOption sizeOption("size", "Photo size WxH (default 64x48).", "WxH", "64x48");
    const QCommandLineOption texturedOption("textured",
                                            "Noise pixels: photos as large as a camera's.");
    parser.addOptions({outOption, countOption, formatOption, sizeOption, texturedOption});
    parser.process(app);
    QTextStream err(stderr);
    if (!parser.isSet(outOption)) {
        err << "--out is required\n";
        return 2;
    }
    const QString out = parser.value(outOption);
    const QStringList wh = parser.value(sizeOption).split('x');
    const QSize size(wh.value(0).toInt(), wh.value(1).toInt());
    QList<TimemarkRow> rows;
    const QStringList photos = SyntheticFlight::writeFlight(
        out + "/photos", parser.value(countOption).toInt(), &rows,
        size.isValid() ? size : QSize(64, 48), parser.isSet(texturedOption));
    if (photos.isEmpty()) {
        err << "could not write photos into " << out << "\n";
        return 1;
    }
    const QString form = parser.value(formatOption);
    const auto format = form == "comma" ? SyntheticFlight::Format::Comma
                        : form == "tab" ? SyntheticFlight::Format::Tab
                                        : SyntheticFlight::Format::Semicolon;
    if (!SyntheticFlight::writeTimemarks(out + "/timemarks.csv", rows, format)) {
        err << "could not write the timemark file\n";
        return 1;
    }
    QTextStream(stdout) << photos.size() << " photos in " << QDir(out).absoluteFilePath("photos")
                        << ", timemarks in " << QDir(out).absoluteFilePath("timemarks.csv") << "\n";
    return 0;
}
