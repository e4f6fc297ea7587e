// Writes the seed corpora: small generated timemark files and photos, and the real samples,
// trimmed to what the roads read (the thermal raw segments and the image data of a real photo
// only slow the fuzzer down; a timemark file's first lines show its whole form).
//   fuzz_seeds CORPUS_DIR [TESTDATA_DIR]
#include "syntheticflight.h"
#include "testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <exiv2/exiv2.hpp>

#include <cstdio>

namespace {

constexpr int MaxTimemarkSeed = 16 * 1024;

bool save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

QByteArray load(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<TimemarkRow> rows(bool degrees)
{
    QList<TimemarkRow> list;
    for (int i = 0; i < 4; ++i) {
        TimemarkRow row;
        row.date = QStringLiteral("2024/05/17 10:00:%1.000").arg(2 * i, 2, 10, QLatin1Char('0'));
        row.north = degrees ? 55.7512345 + 0.0001 * i : 6178693.123 + 10 * i;
        row.east = degrees ? 37.6184567 : 413105.456;
        row.height = 156.789;
        row.sdN = 0.012;
        row.sdE = 0.013;
        row.sdH = i == 2 ? 0.0 : 0.025;
        list << row;
    }
    return list;
}

int writeTimemarkSeeds(const QString &dir, const QString &testdata)
{
    int count = 0;
    const QList<QPair<SyntheticFlight::Format, QString>> formats{
        {SyntheticFlight::Format::Semicolon, "semicolon"},
        {SyntheticFlight::Format::Comma, "comma"},
        {SyntheticFlight::Format::Tab, "tab"},
        {SyntheticFlight::Format::RtklibPos, "rtklib"}};
    for (const auto &format : formats) {
        for (const bool degrees : {false, true}) {
            const QString path =
                QStringLiteral("%1/seed-%2-%3.txt")
                    .arg(dir, format.second, degrees ? QStringLiteral("deg") : QStringLiteral("m"));
            count += SyntheticFlight::writeTimemarks(path, rows(degrees), format.first) ? 1 : 0;
        }
    }
    // Forms receivers and spreadsheets produce that the generator does not.
    const QByteArray semicolon = load(dir + "/seed-semicolon-m.txt");
    QByteArray crlf = semicolon;
    crlf.replace("\n", "\r\n");
    const QString text = QString::fromUtf8(semicolon);
    const QList<QPair<QString, QByteArray>> extra{
        {"crlf", crlf},
        {"utf16", QByteArray("\xff\xfe") +
                      QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2)},
        {"utf8bom", QByteArray("\xef\xbb\xbf") + semicolon},
        {"decimal-comma", "Date;N;E;H\n2024/05/17 10:00:00;6178693,123;413105,456;156,789\n"},
        {"grouped", "Date;N;E;H\n2024/05/17 10:00:00;6 178 693.123;413 105.456;156.789\n"},
        {"dms", "2020/12/24 05:47:41.000   55 45 04.444   37 37 06.444   156.7890   1  12\n"},
        {"comments", "# header\n@ more\n% rtklib\n\n 1;2;3\n1;2;3;4;5;6;7;8;9\n"}};
    for (const auto &seed : extra)
        count += save(QStringLiteral("%1/seed-%2.txt").arg(dir, seed.first), seed.second) ? 1 : 0;

    if (testdata.isEmpty())
        return count;
    for (const QString &sub : {QStringLiteral("pos"), QStringLiteral("csv")}) {
        QDirIterator it(testdata + QLatin1Char('/') + sub, QDir::Files);
        while (it.hasNext()) {
            const QString path = it.next();
            QByteArray bytes = load(path);
            if (bytes.size() > MaxTimemarkSeed) {
                bytes.truncate(MaxTimemarkSeed);
                bytes.truncate(bytes.lastIndexOf('\n') + 1);
            }
            count += save(QStringLiteral("%1/real-%2").arg(dir, it.fileName()), bytes) ? 1 : 0;
        }
    }
    return count;
}

// A real photo without what no metadata reader looks at: the big vendor segments (thermal
// raw data) and all but a little of the image data.
QByteArray trimmedPhoto(const QByteArray &jpeg)
{
    if (jpeg.size() < 4 || quint8(jpeg[0]) != 0xFF || quint8(jpeg[1]) != 0xD8)
        return jpeg.left(64 * 1024);
    QByteArray out = jpeg.left(2);
    int pos = 2;
    while (pos + 4 <= jpeg.size() && quint8(jpeg[pos]) == 0xFF) {
        const quint8 marker = quint8(jpeg[pos + 1]);
        const int length = (quint8(jpeg[pos + 2]) << 8) | quint8(jpeg[pos + 3]);
        const QByteArray segment = jpeg.mid(pos, 2 + length);
        if (marker == 0xDA) {
            out += jpeg.mid(pos, 2 + length + 512);
            out += QByteArray("\xff\xd9");
            return out;
        }
        const QByteArray payload = segment.mid(4);
        const bool metadata = marker == 0xE1 && (payload.startsWith(QByteArray("Exif\0\0", 6)) ||
                                                 payload.startsWith("http://ns.adobe.com/xap/"));
        if (metadata || length < 4096)
            out += segment;
        pos += 2 + length;
    }
    return out;
}

bool writePng(const QString &path)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    if (!image.save(path, "PNG"))
        return false;
    try {
        auto exiv = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        exiv->readMetadata();
        exiv->xmpData()["Xmp.drone-dji.FlightPitchDegree"] = "+1.20";
        exiv->xmpData()["Xmp.drone-dji.FlightYawDegree"] = "-86.00";
        exiv->xmpData()["Xmp.drone-dji.FlightRollDegree"] = "+0.50";
        exiv->exifData()["Exif.Image.DateTime"] = "2024:05:17 10:22:33";
        exiv->writeMetadata();
    } catch (const Exiv2::AnyError &) {
        return false;
    }
    return true;
}

int writePhotoSeeds(const QString &dir, const QString &testdata)
{
    int count = 0;
    QList<QPair<QString, PhotoSpec>> specs;
    PhotoSpec plain;
    plain.size = QSize(16, 16);
    plain.quality = 30;
    specs << qMakePair(QStringLiteral("attitude"), plain);
    PhotoSpec full = plain;
    full.pitch = -1.5;
    full.yaw = 181.25;
    full.roll = 0.75;
    full.gimbalPitch = -90.0;
    full.dateTime = QStringLiteral("2024:05:17 10:22:33");
    full.exposureTime = QStringLiteral("1/2000");
    specs << qMakePair(QStringLiteral("full"), full);
    PhotoSpec bare = plain;
    bare.pitch.reset();
    bare.yaw.reset();
    bare.roll.reset();
    specs << qMakePair(QStringLiteral("bare"), bare);
    PhotoSpec odd = full;
    odd.roll.reset();
    odd.dateTime = QStringLiteral("2024:02:30 25:61:00");
    odd.exposureTime = QStringLiteral("0/0");
    specs << qMakePair(QStringLiteral("odd"), odd);
    for (const auto &spec : specs)
        count += SyntheticFlight::writePhoto(QStringLiteral("%1/seed-%2.jpg").arg(dir, spec.first),
                                             spec.second)
                     ? 1
                     : 0;
    count += writePng(dir + "/seed-png.png") ? 1 : 0;

    if (testdata.isEmpty())
        return count;
    QDirIterator it(testdata + QStringLiteral("/photos"), QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.endsWith(QLatin1String(".md")))
            continue;
        count +=
            save(QStringLiteral("%1/real-%2").arg(dir, it.fileName()), trimmedPhoto(load(path)))
                ? 1
                : 0;
    }
    return count;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: fuzz_seeds CORPUS_DIR [TESTDATA_DIR]\n");
        return 2;
    }
    QTemporaryDir settings;
    TestEnv::isolate(settings);
    const QString corpus = args.at(1);
    const QString testdata = args.size() > 2 && QDir(args.at(2)).exists() ? args.at(2) : QString();
    for (const QString &road : {"timemarks", "photo", "geotag"})
        QDir().mkpath(corpus + QLatin1Char('/') + road);
    int count = writeTimemarkSeeds(corpus + "/timemarks", testdata);
    count += writePhotoSeeds(corpus + "/photo", testdata);
    count += writePhotoSeeds(corpus + "/geotag", testdata);
    std::printf("%d seeds written into %s%s\n", count, qPrintable(corpus),
                testdata.isEmpty() ? " (no real samples found)" : "");
    return 0;
}
