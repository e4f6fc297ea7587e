// Command-line wrapper of the synthetic-flight generator, for demos and shell tests.
#include "geo/geocalc.h"
#include "syntheticflight.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace {

// "3,17" as shot numbers; false for anything else.
bool shotList(const QString &text, QList<int> *out)
{
    if (text.isEmpty())
        return true;
    for (const QString &part : text.split(QLatin1Char(','))) {
        bool ok = false;
        const int shot = part.trimmed().toInt(&ok);
        if (!ok || shot < 0)
            return false;
        *out << shot;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Writes a synthetic drone flight: photos with attitude tags and a timemark file.\n"
        "Any timing option writes a timed flight with its truth (truth.json: which shots lost\n"
        "their photo or row, and where they are missing in the lists); shots count from 0.");
    parser.addHelpOption();
    const QCommandLineOption outOption("out", "Folder to write into.", "DIR");
    const QCommandLineOption countOption("count", "Number of photos (default 10).", "N", "10");
    const QCommandLineOption formatOption(
        "format", "Timemark file form: semicolon, comma, tab, pos (default semicolon).", "FORM",
        "semicolon");
    const QCommandLineOption sizeOption("size", "Photo size WxH (default 64x48).", "WxH", "64x48");
    const QCommandLineOption qualityOption("quality", "JPEG quality 1-100 (default 85).", "Q",
                                           "85");
    const QCommandLineOption noiseOption(
        "noise", "Fill the photos with sensor-like grain, so they are as large as real ones.");
    const QCommandLineOption intervalOption("interval", "Seconds between shots (default 2).", "S");
    const QCommandLineOption jitterOption("jitter", "Each interval off by up to S seconds.", "S");
    const QCommandLineOption turnEveryOption("turn-every", "A turn after every N shots.", "N");
    const QCommandLineOption turnGapOption("turn-gap", "Seconds a turn takes (default 12).", "S");
    const QCommandLineOption subSecondsOption(
        "subseconds", "Photo times with milliseconds (SubSecTimeOriginal).");
    const QCommandLineOption offsetOption(
        "clock-offset", "Seconds the camera clock reads ahead of the receiver.", "S");
    const QCommandLineOption dropPhotosOption("drop-photos", "Shots whose photo is missing.",
                                              "N,N...");
    const QCommandLineOption dropEventsOption("drop-events", "Shots whose row is missing.",
                                              "N,N...");
    const QCommandLineOption randomPhotosOption(
        "random-photo-drops", "Further shots, drawn at random, whose photo is missing.", "N");
    const QCommandLineOption randomEventsOption(
        "random-event-drops", "Further shots, drawn at random, whose row is missing.", "N");
    const QCommandLineOption extraOption(
        "extra-events", "Rows for no shot, each between two shots drawn at random.", "N");
    const QCommandLineOption seedOption("seed", "Seed of the random draws (default 1).", "N");
    const QCommandLineOption degreesOption(
        "degrees", "Rows in WGS 84 degrees (latitude, longitude): the metric positions taken in "
                   "UTM zone 33 north. Not with timing options.");
    const QCommandLineOption cleanOption(
        "clean", "Leave the shots that lost their photo or row out of both lists.");
    parser.addOptions({outOption,        countOption,      formatOption,       sizeOption,
                       qualityOption,    noiseOption,      intervalOption,     jitterOption,
                       turnEveryOption,  turnGapOption,    subSecondsOption,   offsetOption,
                       dropPhotosOption, dropEventsOption, randomPhotosOption, randomEventsOption,
                       extraOption,      seedOption,       cleanOption,        degreesOption});
    parser.process(app);
    QTextStream err(stderr);
    if (!parser.isSet(outOption)) {
        err << "--out is required\n";
        return 2;
    }
    const QString out = parser.value(outOption);
    const QStringList wh = parser.value(sizeOption).split('x');
    const QSize size(wh.value(0).toInt(), wh.value(1).toInt());
    bool qualityOk = false;
    const int quality = parser.value(qualityOption).toInt(&qualityOk);
    if (!qualityOk || quality < 1 || quality > 100) {
        err << "--quality must be a number from 1 to 100\n";
        return 2;
    }
    PhotoSpec look;
    look.size = size.isValid() ? size : QSize(64, 48);
    look.quality = quality;
    look.noise = parser.isSet(noiseOption);
    const QString form = parser.value(formatOption);
    const auto format = form == "comma" ? SyntheticFlight::Format::Comma
                        : form == "tab" ? SyntheticFlight::Format::Tab
                        : form == "pos" ? SyntheticFlight::Format::RtklibPos
                                        : SyntheticFlight::Format::Semicolon;
    const QString timemarks = QDir(out).absoluteFilePath(SyntheticFlight::timemarkFileName(format));

    bool timed = false;
    for (const auto *option :
         {&intervalOption, &jitterOption, &turnEveryOption, &turnGapOption, &subSecondsOption,
          &offsetOption, &dropPhotosOption, &dropEventsOption, &randomPhotosOption,
          &randomEventsOption, &extraOption, &seedOption, &cleanOption})
        timed = timed || parser.isSet(*option);
    if (timed && parser.isSet(degreesOption)) {
        err << "--degrees is for flights without timing options\n";
        return 2;
    }
    if (timed) {
        FlightTiming timing;
        bool ok = true;
        auto number = [&](const QCommandLineOption &option, double fallback) {
            if (!parser.isSet(option))
                return fallback;
            bool good = false;
            const double value = parser.value(option).toDouble(&good);
            ok = ok && good;
            return value;
        };
        timing.shots = int(number(countOption, 10));
        timing.interval = number(intervalOption, timing.interval);
        timing.jitter = number(jitterOption, 0.0);
        timing.turnEvery = int(number(turnEveryOption, 0));
        timing.turnGap = number(turnGapOption, timing.turnGap);
        timing.subSeconds = parser.isSet(subSecondsOption);
        timing.clockOffset = number(offsetOption, 0.0);
        timing.randomPhotoDrops = int(number(randomPhotosOption, 0));
        timing.randomEventDrops = int(number(randomEventsOption, 0));
        timing.extraEvents = int(number(extraOption, 0));
        timing.seed = quint32(number(seedOption, 1));
        ok = ok && shotList(parser.value(dropPhotosOption), &timing.droppedPhotos) &&
             shotList(parser.value(dropEventsOption), &timing.droppedEvents);
        if (!ok) {
            err << "a timing option has a value that is not a number\n";
            return 2;
        }
        TimedFlight flight;
        const QStringList photos = SyntheticFlight::writeTimedFlight(
            out, timing, format, parser.isSet(cleanOption), look, &flight);
        if (photos.size() != flight.photoShots.size() ||
            !QFileInfo::exists(QDir(out).absoluteFilePath("truth.json"))) {
            err << "could not write the flight into " << out << "\n";
            return 1;
        }
        QTextStream(stdout) << photos.size() << " photos in "
                            << QDir(out).absoluteFilePath("photos") << ", "
                            << flight.rowShots.size() << " rows in " << timemarks << ", truth in "
                            << QDir(out).absoluteFilePath("truth.json") << "\n";
        return 0;
    }

    QList<TimemarkRow> rows;
    const QStringList photos = SyntheticFlight::writeFlight(
        out + "/photos", parser.value(countOption).toInt(), &rows, look);
    if (photos.isEmpty()) {
        err << "could not write photos into " << out << "\n";
        return 1;
    }
    if (parser.isSet(degreesOption)) {
        GeoCalc geo;
        for (TimemarkRow &row : rows) {
            const GeoPoint point = geo.utmToGeo(row.east, row.north, 33, row.height);
            if (!geo.isReady() || point.lat == 0.0) {
                err << "cannot convert the positions into degrees: " << geo.errorText() << "\n";
                return 1;
            }
            row.north = point.lat;
            row.east = point.lon;
        }
    }
    if (!SyntheticFlight::writeTimemarks(timemarks, rows, format)) {
        err << "could not write the timemark file\n";
        return 1;
    }
    QTextStream(stdout) << photos.size() << " photos in " << QDir(out).absoluteFilePath("photos")
                        << ", timemarks in " << timemarks << "\n";
    return 0;
}
