#include "app/syntheticflight.h"

#include "photos/exivsetup.h"
#include "settings/settingskeys.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSet>
#include <QSettings>
#include <QTextStream>

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

QString signedText(double value)
{
    return QString::asprintf("%+.2f", value);
}

void fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

QJsonArray jsonList(const QList<int> &values)
{
    QJsonArray array;
    for (const int v : values)
        array.append(v);
    return array;
}

// The attitude a shot is taken with, the same for a shot in every flight written.
void attitudeOfShot(PhotoSpec &spec, int shot)
{
    spec.seed = shot;
    spec.pitch = -1.0 + 0.1 * (shot % 7);
    spec.yaw = 10.0 * (shot % 36);
    spec.roll = 0.5 * (shot % 3);
    spec.gimbalPitch = -90.0;
}

// Grain amplitude (a power of two less one): sets how large the noisy JPEGs get.
constexpr int NoiseMask = 0x3F;

int clampByte(int v)
{
    return v < 0 ? 0 : v > 255 ? 255 : v;
}

// A soft gradient with sensor-like grain. JPEG cannot squeeze grain, so the file gets the
// size of a real photo; xorshift keeps a 20-megapixel frame well under a second.
void fillWithNoise(QImage &image, int seed)
{
    const int w = image.width();
    const int h = image.height();
    const QRgb base = QColor::fromHsv((seed * 37) % 360, 120, 150).rgb();
    const int red = qRed(base);
    const int green = qGreen(base);
    const int blue = qBlue(base);
    quint32 state = 0x9E3779B9u ^ (quint32(seed) * 2654435761u);
    if (state == 0)
        state = 1;
    for (int y = 0; y < h; ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        const int shade = (y * 64) / qMax(1, h) - 32;
        for (int x = 0; x < w; ++x) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            const int grain = int(state & NoiseMask) - NoiseMask / 2;
            const int tint = int((state >> 8) & 0x0F) - 8;
            const int level = (x * 48) / qMax(1, w) + shade + grain;
            line[x] = qRgb(clampByte(red + level + tint), clampByte(green + level),
                           clampByte(blue + level - tint));
        }
    }
}

// Farmland seen from above, shifted along the strip by the photo's number, so that a picture of
// the viewer or the graph shows something like a survey photo rather than a coloured plate.
void paintFields(QImage &image, int seed)
{
    const int w = image.width();
    const int h = image.height();
    const int shift = (seed * h) / 7;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor crops[] = {QColor(122, 150, 70), QColor(190, 170, 100), QColor(96, 128, 60),
                            QColor(150, 120, 80), QColor(140, 165, 85)};
    const int strip = qMax(8, h / 5);
    for (int y = -strip - (shift % strip); y < h + strip; y += strip) {
        const int index = ((y + shift) / strip) % 5;
        painter.fillRect(QRect(0, y, w, strip), crops[(index + 5) % 5]);
        painter.setPen(QPen(QColor(0, 0, 0, 30), qMax(1, w / 320)));
        for (int x = index % 2; x < w; x += qMax(3, w / 16))
            painter.drawLine(x, y, x, y + strip);
    }
    // A farm track across the fields, with a yard and two roofs beside it.
    const int road = w / 3;
    painter.fillRect(QRect(road, 0, qMax(3, w / 40), h), QColor(170, 165, 155));
    const int yard = ((seed / 4) * h / 3) % (h + h / 2) - h / 4;
    painter.fillRect(QRect(road + w / 20, yard, w / 4, h / 4), QColor(150, 150, 145));
    painter.fillRect(QRect(road + w / 16, yard + h / 40, w / 9, h / 9), QColor(160, 60, 45));
    painter.fillRect(QRect(road + w / 5, yard + h / 10, w / 14, h / 8), QColor(90, 95, 105));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(45, 80, 40));
    for (int i = 0; i < 6; ++i) {
        const int treeY = (yard + h / 3 + i * h / 14) % (h + h / 4);
        painter.drawEllipse(QPoint(road - w / 25, treeY), w / 45, w / 45);
    }
}

} // namespace

void SyntheticFlight::storeColumns(QSettings &settings)
{
    Keys::MetaPosDate.write(settings, 1);
    Keys::MetaPosX.write(settings, 3);
    Keys::MetaPosY.write(settings, 4);
    Keys::MetaPosZ.write(settings, 5);
    Keys::MetaPosSx.write(settings, 6);
    Keys::MetaPosSy.write(settings, 7);
    Keys::MetaPosSz.write(settings, 8);
    Keys::MetaPosFirst.write(settings, 2);
}

QString SyntheticFlight::number(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

bool SyntheticFlight::writePhoto(const QString &path, const PhotoSpec &spec, QString *error)
{
    ExivSetup::initialize();
    QImage image(spec.size, QImage::Format_RGB32);
    if (spec.noise)
        fillWithNoise(image, spec.seed);
    else if (spec.size.width() >= 320)
        paintFields(image, spec.seed);
    else
        image.fill(QColor::fromHsv((spec.seed * 37) % 360, 160, 200));
    if (spec.noise || spec.size.width() < 320) {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        painter.drawLine(0, spec.seed % qMax(1, spec.size.height()), spec.size.width(),
                         spec.size.height() / 2);
    }
    if (!image.save(path, "JPEG", spec.quality)) {
        fail(error, QStringLiteral("cannot write %1").arg(path));
        return false;
    }
    try {
        auto exiv = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        exiv->readMetadata();
        Exiv2::XmpData &xmp = exiv->xmpData();
        Exiv2::ExifData &exif = exiv->exifData();
        if (spec.pitch)
            xmp["Xmp.drone-dji.FlightPitchDegree"] = signedText(*spec.pitch).toStdString();
        if (spec.yaw)
            xmp["Xmp.drone-dji.FlightYawDegree"] = signedText(*spec.yaw).toStdString();
        if (spec.roll)
            xmp["Xmp.drone-dji.FlightRollDegree"] = signedText(*spec.roll).toStdString();
        if (spec.gimbalPitch)
            xmp["Xmp.drone-dji.GimbalPitchDegree"] = signedText(*spec.gimbalPitch).toStdString();
        if (spec.dateTime)
            exif["Exif.Image.DateTime"] = spec.dateTime->toStdString();
        if (spec.dateTimeOriginal)
            exif["Exif.Photo.DateTimeOriginal"] = spec.dateTimeOriginal->toStdString();
        if (spec.subSecTimeOriginal)
            exif["Exif.Photo.SubSecTimeOriginal"] = spec.subSecTimeOriginal->toStdString();
        if (spec.exposureTime)
            exif["Exif.Photo.ExposureTime"] = spec.exposureTime->toStdString();
        exiv->writeMetadata();
    } catch (const Exiv2::AnyError &e) {
        fail(error, QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

bool SyntheticFlight::writeTimemarks(const QString &path, const QList<TimemarkRow> &rows,
                                     Format format, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        fail(error, file.errorString());
        return false;
    }
    QTextStream out(&file);
    if (format == Format::RtklibPos) {
        out << "% program   : RTKPOST ver.2.4.3 b34\n"
            << "% inp file  : rover.obs\n"
            << "% elev mask : 15.0 deg\n"
            << "%\n"
            << "%  GPST                  latitude(deg) longitude(deg)  height(m)   Q  ns   "
               "sdn(m)   sde(m)   sdu(m)  sdne(m)  sdeu(m)  sdun(m) age(s)  ratio\n";
        for (const TimemarkRow &row : rows) {
            out << row.date << "   " << number(row.north, 9) << "   " << number(row.east, 9)
                << "   " << number(row.height, 4) << "   1  12   " << number(row.sdN, 4) << "   "
                << number(row.sdE, 4) << "   " << number(row.sdH, 4)
                << "   0.0000   0.0000   0.0000   0.00    0.0\n";
        }
        return out.status() == QTextStream::Ok && file.flush();
    }
    const QString sep = format == Format::Semicolon ? QStringLiteral(";")
                        : format == Format::Comma   ? QStringLiteral(",")
                                                    : QStringLiteral("\t");
    const QStringList header{"Date", "Point", "North", "East", "H", "sdN", "sdE", "sdH"};
    out << header.join(sep) << "\n";
    int n = 1;
    for (const TimemarkRow &row : rows) {
        const QStringList cells{row.date,
                                QStringLiteral("P%1").arg(n++),
                                number(row.north, 9),
                                number(row.east, 9),
                                number(row.height, 4),
                                number(row.sdN, 4),
                                number(row.sdE, 4),
                                number(row.sdH, 4)};
        out << cells.join(sep) << "\n";
    }
    return out.status() == QTextStream::Ok && file.flush();
}

QStringList SyntheticFlight::writeFlight(const QString &dir, int count, QList<TimemarkRow> *rows,
                                         const QSize &size)
{
    PhotoSpec look;
    look.size = size;
    return writeFlight(dir, count, rows, look);
}

QStringList SyntheticFlight::writeFlight(const QString &dir, int count, QList<TimemarkRow> *rows,
                                         const PhotoSpec &look)
{
    QDir().mkpath(dir);
    QStringList paths;
    const QDateTime start(QDate(2024, 5, 17), QTime(10, 0, 0));
    for (int i = 0; i < count; ++i) {
        PhotoSpec spec = look;
        attitudeOfShot(spec, i);
        const QDateTime shot = start.addSecs(2 * i);
        spec.dateTime = shot.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss"));
        const QString path = QStringLiteral("%1/DJI_%2.JPG").arg(dir).arg(i + 1, 4, 10, QChar('0'));
        if (!writePhoto(path, spec))
            return {};
        paths << path;
        if (rows) {
            TimemarkRow row;
            row.date = shot.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss.zzz"));
            row.north = 6000000.0 + 10.0 * i;
            row.east = 500000.0;
            row.height = 100.0;
            row.sdN = 0.01;
            row.sdE = 0.012;
            row.sdH = 0.025;
            rows->append(row);
        }
    }
    return paths;
}

QStringList SyntheticFlight::writeFlightFolder(const QString &dir, int count,
                                               QList<TimemarkRow> *rows, const PhotoSpec &look)
{
    QList<TimemarkRow> written;
    const QStringList photos = writeFlight(dir + QStringLiteral("/photos"), count, &written, look);
    if (photos.size() != count ||
        !writeTimemarks(dir + QStringLiteral("/timemarks.csv"), written, Format::Semicolon))
        return {};
    if (rows)
        *rows = written;
    return photos;
}

QByteArray TimedFlight::truthJson() const
{
    QJsonObject truth;
    truth.insert(QStringLiteral("shots"), shotTimes.size());
    truth.insert(QStringLiteral("droppedPhotos"), jsonList(droppedPhotos));
    truth.insert(QStringLiteral("droppedEvents"), jsonList(droppedEvents));
    truth.insert(QStringLiteral("rowsWithoutPhoto"), jsonList(rowsWithoutPhoto));
    truth.insert(QStringLiteral("photosWithoutRow"), jsonList(photosWithoutRow));
    truth.insert(QStringLiteral("photoShots"), jsonList(photoShots));
    truth.insert(QStringLiteral("rowShots"), jsonList(rowShots));
    return QJsonDocument(truth).toJson();
}

TimedFlight SyntheticFlight::timing(const FlightTiming &t)
{
    TimedFlight f;
    std::mt19937 rng(t.seed);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    double at = 0.0;
    for (int k = 0; k < t.shots; ++k) {
        if (k > 0) {
            const bool turn = t.turnEvery > 0 && k % t.turnEvery == 0;
            at += (turn ? t.turnGap : t.interval) + t.jitter * unit(rng);
        }
        f.shotTimes << t.start.addMSecs(qRound64(at * 1000.0));
    }

    QSet<int> photos;
    QSet<int> events;
    for (const int s : t.droppedPhotos) {
        if (s >= 0 && s < t.shots)
            photos.insert(s);
    }
    for (const int s : t.droppedEvents) {
        if (s >= 0 && s < t.shots && !photos.contains(s))
            events.insert(s);
    }
    // A shot that lost both its photo and its row leaves no trace to find.
    std::uniform_int_distribution<int> pick(0, qMax(0, t.shots - 1));
    auto draw = [&](QSet<int> &into, int count) {
        for (int tries = 0; count > 0 && tries < 100 * t.shots; ++tries) {
            const int s = pick(rng);
            if (!photos.contains(s) && !events.contains(s)) {
                into.insert(s);
                --count;
            }
        }
    };
    draw(photos, t.randomPhotoDrops);
    draw(events, t.randomEventDrops);
    // Extra rows: after which shot each comes, and how far into the interval to the next.
    QList<QPair<int, double>> extras;
    std::uniform_int_distribution<int> gap(0, qMax(0, t.shots - 2));
    std::uniform_real_distribution<double> into(0.3, 0.7);
    for (int e = 0; e < t.extraEvents && t.shots > 1; ++e)
        extras << qMakePair(gap(rng), into(rng));
    std::sort(extras.begin(), extras.end());
    f.droppedPhotos = photos.values();
    f.droppedEvents = events.values();
    std::sort(f.droppedPhotos.begin(), f.droppedPhotos.end());
    std::sort(f.droppedEvents.begin(), f.droppedEvents.end());

    for (int k = 0; k < t.shots; ++k) {
        // The camera stamps its photo a few milliseconds off the receiver's event.
        const double latency = t.subSeconds ? 0.015 * unit(rng) : 0.0;
        if (!photos.contains(k)) {
            if (events.contains(k))
                f.photosWithoutRow << f.photoShots.size();
            f.photoShots << k;
            qint64 ms = f.shotTimes.at(k).toMSecsSinceEpoch() +
                        qRound64((t.clockOffset + latency) * 1000.0);
            CaptureTime c;
            if (!t.subSeconds)
                ms -= ((ms % 1000) + 1000) % 1000; // cameras cut the fraction off
            c.time = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
            c.resolutionMs = t.subSeconds ? 1 : 1000;
            f.photoTimes << c;
        }
        if (!events.contains(k)) {
            if (photos.contains(k))
                f.rowsWithoutPhoto << f.rowShots.size();
            f.rowShots << k;
            f.rowDates << f.shotTimes.at(k).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss.zzz"));
        }
        for (const auto &extra : qAsConst(extras)) {
            if (extra.first != k)
                continue;
            const qint64 from = f.shotTimes.at(k).toMSecsSinceEpoch();
            const qint64 to = f.shotTimes.at(k + 1).toMSecsSinceEpoch();
            const QDateTime at = QDateTime::fromMSecsSinceEpoch(
                from + qRound64((to - from) * extra.second), Qt::UTC);
            f.rowsWithoutPhoto << f.rowShots.size();
            f.rowShots << -1;
            f.rowDates << at.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss.zzz"));
        }
    }
    return f;
}

QString SyntheticFlight::timemarkFileName(Format format)
{
    return format == Format::RtklibPos ? QStringLiteral("timemarks.pos")
                                       : QStringLiteral("timemarks.csv");
}

QStringList SyntheticFlight::writeTimedFlight(const QString &dir, const FlightTiming &timing,
                                              Format format, bool withoutDropped,
                                              const PhotoSpec &look, TimedFlight *written)
{
    TimedFlight f = SyntheticFlight::timing(timing);
    if (withoutDropped) {
        TimedFlight clean;
        clean.shotTimes = f.shotTimes;
        for (int i = 0; i < f.photoShots.size(); ++i) {
            if (!f.droppedEvents.contains(f.photoShots.at(i))) {
                clean.photoShots << f.photoShots.at(i);
                clean.photoTimes << f.photoTimes.at(i);
            }
        }
        for (int r = 0; r < f.rowShots.size(); ++r) {
            if (f.rowShots.at(r) >= 0 && !f.droppedPhotos.contains(f.rowShots.at(r))) {
                clean.rowShots << f.rowShots.at(r);
                clean.rowDates << f.rowDates.at(r);
            }
        }
        f = clean;
    }
    if (written)
        *written = f;
    QDir().mkpath(dir + QStringLiteral("/photos"));
    QStringList paths;
    for (int i = 0; i < f.photoShots.size(); ++i) {
        PhotoSpec spec = look;
        attitudeOfShot(spec, f.photoShots.at(i));
        const CaptureTime &c = f.photoTimes.at(i);
        spec.dateTime = c.time.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss"));
        spec.dateTimeOriginal = spec.dateTime;
        if (c.resolutionMs < 1000)
            spec.subSecTimeOriginal = c.time.toString(QStringLiteral("zzz"));
        const QString path =
            QStringLiteral("%1/photos/DJI_%2.JPG").arg(dir).arg(i + 1, 4, 10, QChar('0'));
        if (!writePhoto(path, spec))
            return {};
        paths << path;
    }
    QList<TimemarkRow> rows;
    double north = 6000000.0;
    for (int r = 0; r < f.rowShots.size(); ++r) {
        TimemarkRow row;
        row.date = f.rowDates.at(r);
        // An extra row lies halfway to the next shot, as a release between two would.
        north = f.rowShots.at(r) >= 0 ? 6000000.0 + 10.0 * f.rowShots.at(r) : north + 5.0;
        row.north = north;
        row.east = 500000.0;
        row.height = 100.0;
        row.sdN = 0.01;
        row.sdE = 0.012;
        row.sdH = 0.025;
        rows << row;
    }
    if (!writeTimemarks(dir + QLatin1Char('/') + timemarkFileName(format), rows, format))
        return {};
    QFile truth(dir + QStringLiteral("/truth.json"));
    if (!truth.open(QIODevice::WriteOnly | QIODevice::Truncate) || truth.write(f.truthJson()) < 0 ||
        !truth.flush())
        return {};
    return paths;
}

QList<Line> SyntheticFlight::lines(const QList<TimemarkRow> &rows)
{
    QList<Line> lines;
    lines.reserve(rows.size());
    for (const TimemarkRow &row : rows) {
        Line line;
        line.date = row.date;
        line.y = row.north;
        line.x = row.east;
        line.z = row.height;
        line.sy = row.sdN;
        line.sx = row.sdE;
        line.sz = row.sdH;
        lines.append(line);
    }
    return lines;
}

QList<Line> SyntheticFlight::surveyLines(int count, int perStrip)
{
    constexpr double Spacing = 10.0;
    constexpr double StripGap = 40.0;
    constexpr double MetresPerDegree = 111320.0;
    const double lat0 = 54.1;
    const double lon0 = 27.0;
    const double cosLat = std::cos(lat0 * M_PI / 180.0);
    perStrip = std::max(1, perStrip);
    const QDateTime start(QDate(2024, 5, 17), QTime(10, 0, 0));
    QList<Line> lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        const int strip = i / perStrip;
        const int along = strip % 2 == 0 ? i % perStrip : perStrip - 1 - i % perStrip;
        Line line;
        line.date = start.addSecs(2 * i).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss.zzz"));
        line.x = 500000.0 + StripGap * strip;
        line.y = 6000000.0 + Spacing * along;
        line.lat = lat0 + (line.y - 6000000.0) / MetresPerDegree;
        line.lon = lon0 + (line.x - 500000.0) / (MetresPerDegree * cosLat);
        line.z = 120.0 + 0.1 * (i % 10);
        line.sx = 0.012;
        line.sy = 0.011;
        line.sz = 0.025;
        line.zone = 35;
        lines.append(line);
    }
    return lines;
}
