#include "fuzzpaths.h"

#include "geo/geocalc.h"
#include "photos/fileworker.h"
#include "photos/filterphotoworker.h"
#include "photos/photodate.h"
#include "photos/photofile.h"
#include "processing/geotagvalues.h"
#include "processing/geotagwriter.h"
#include "processing/photocopier.h"
#include "settings/settingskeys.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/timemarkfile.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <exiv2/exiv2.hpp>

#include <cmath>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size() && file.flush();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool finite(const Line &line)
{
    const double values[] = {line.x, line.y, line.lon, line.lat, line.z, line.sx, line.sy, line.sz};
    for (const double v : values) {
        if (!std::isfinite(v))
            return false;
    }
    return true;
}

// toLines() in both coordinate systems: one record per row from the first data row on, and a
// report that agrees with them.
void checkLines(const OpentTimeMarkTableModel &model, const GeoCalc *geoCalc, const QString &layout,
                QStringList *broken)
{
    QSettings settings;
    for (const int type : {0, Keys::CoordinateTypeWgs84}) {
        Keys::CoordinateType.write(settings, type);
        const QString where = QStringLiteral("%1, coordinate type %2").arg(layout).arg(type);
        LineConversionReport report;
        const QList<Line> lines = model.toLines(&report);
        const int expected = qMax(0, model.rowCount() - (model.firstRow() - 1));
        if (lines.size() != expected)
            *broken << QStringLiteral("%1: %2 lines from %3 data rows")
                           .arg(where)
                           .arg(lines.size())
                           .arg(expected);
        if (report.convertedRows != lines.size())
            *broken << where + QStringLiteral(": the report counts other rows than it gave");
        if (report.invalidRows < 0 || report.invalidRows > lines.size())
            *broken << where + QStringLiteral(": impossible count of invalid rows");
        if (report.hasProblems() == report.warningText().isEmpty())
            *broken << where + QStringLiteral(": warning text disagrees with the report");
        if (report.hasProblems() && (report.firstInvalidRow < model.firstRow() ||
                                     report.firstInvalidRow > model.rowCount() ||
                                     report.firstInvalidColumn < 0 || report.firstReason.isEmpty()))
            *broken << where + QStringLiteral(": the first invalid row lies outside the data");
        for (const Line &line : lines) {
            if (!finite(line)) {
                *broken << where + QStringLiteral(": a line holds a value that is no number");
                break;
            }
            if (type == Keys::CoordinateTypeWgs84 && geoCalc && geoCalc->isReady() &&
                (line.zone < -60 || line.zone > 60)) {
                *broken << where + QStringLiteral(": zone %1 out of range").arg(line.zone);
                break;
            }
        }
    }
}

// Joins the cells start..end of every row and compares with the same join done here.
void checkJoin(OpentTimeMarkTableModel &model, int start, int end, QStringList *broken)
{
    QList<QVector<QString>> before;
    for (int r = 0; r < model.rowCount(); ++r)
        before << model.rowCells(r);
    model.joinCols(start, end);
    const int from = qMax(0, qMin(start, end));
    const int to = qMax(start, end);
    for (int r = 0; r < before.size(); ++r) {
        QVector<QString> expected = before.at(r);
        if (from < expected.size()) {
            const int last = qMin(to, expected.size() - 1);
            QString joined;
            for (int c = from; c <= last; ++c)
                joined += expected.at(c) + QLatin1Char(' ');
            expected[from] = joined;
            expected.remove(from + 1, last - from);
        }
        if (model.rowCells(r) != expected) {
            *broken << QStringLiteral("joining columns %1..%2 changed row %3 wrongly")
                           .arg(start)
                           .arg(end)
                           .arg(r + 1);
            return;
        }
    }
    if (model.rowCount() > 0 && model.columnCount() != model.rowCells(model.rowCount() - 1).size())
        *broken << QStringLiteral("after a join the column count is not the last row's");
}

void checkTable(const TimemarkFile &file, const OpentTimeMarkTableModel &model, int separator,
                QStringList *broken)
{
    const QString where = QStringLiteral("delimiter %1").arg(separator);
    for (int r = 0; r < model.rowCount(); ++r) {
        if (model.rowCells(r).size() < 3) {
            *broken << where + QStringLiteral(": row %1 has fewer than three cells").arg(r + 1);
            return;
        }
    }
    const int last = model.rowCells(model.rowCount() - 1).size();
    if (file.lastCellCount() != last || model.columnCount() != last)
        *broken << where + QStringLiteral(": column count is not the last row's");
}

} // namespace

QStringList FuzzPaths::timemarks(const QByteArray &bytes, const QString &scratchDir,
                                 GeoCalc *geoCalc, QString *summary)
{
    const QString path = scratchDir + QStringLiteral("/timemarks.txt");
    if (!writeFile(path, bytes))
        return {QStringLiteral("cannot write %1").arg(path)};
    QSettings settings;
    const int storedType = Keys::CoordinateType.read(settings);

    QStringList broken;
    QStringList result;
    OpentTimeMarkTableModel model(geoCalc);
    // The tester walks every cell on every reset; on long files that costs the fuzzer
    // thousands of runs, and the contract it checks does not depend on the length.
    std::unique_ptr<QAbstractItemModelTester> tester;
    if (bytes.size() <= 4096)
        tester = std::make_unique<QAbstractItemModelTester>(
            &model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    TimemarkFile file(&model);
    // The command line's way: the choices of a fuzz run are nobody's to remember.
    file.setRemembersChoices(false);
    if (file.detectSeparator(path)) {
        if (file.separatorIndex() < 0 || file.separatorIndex() > 3)
            broken << QStringLiteral("detection chose delimiter %1").arg(file.separatorIndex());
        result << QStringLiteral("detected delimiter %1").arg(file.separatorIndex());
    } else {
        if (file.errorText().isEmpty())
            broken << QStringLiteral("detection failed without saying why");
        result << QStringLiteral("not detected (%1)").arg(file.errorText());
    }

    // Join ranges as an operator might choose them, from the last bytes of the input.
    const int n = bytes.size();
    const int joinA = n >= 2 ? quint8(bytes.at(n - 2)) % 12 - 1 : 0;
    const int joinB = n >= 1 ? quint8(bytes.at(n - 1)) % 12 : 1;
    for (int separator = 0; separator < 4; ++separator) {
        file.setSeparatorIndex(separator);
        if (!file.loadTable()) {
            if (file.errorText().isEmpty())
                broken << QStringLiteral("delimiter %1: loading failed without saying why")
                              .arg(separator);
            if (model.rowCount() != 0)
                broken << QStringLiteral("delimiter %1: a refused file left rows").arg(separator);
            result << QStringLiteral("%1: refused").arg(separator);
            continue;
        }
        result << QStringLiteral("%1: %2 rows").arg(separator).arg(model.rowCount());
        checkTable(file, model, separator, &broken);
        file.applyStoredColumns();
        checkLines(model, geoCalc, QStringLiteral("stored columns"), &broken);
        model.setFirstRow(1);
        model.setAccN(6);
        model.setAccE(7);
        model.setAccZ(8);
        checkLines(model, geoCalc, QStringLiteral("accuracy columns"), &broken);
        // What the dialog does with an RTKLIB date and time, then an arbitrary range.
        checkJoin(model, 0, 1, &broken);
        checkLines(model, geoCalc, QStringLiteral("date and time joined"), &broken);
        checkJoin(model, joinA, joinB, &broken);
        checkLines(model, geoCalc, QStringLiteral("arbitrary join"), &broken);
    }
    Keys::CoordinateType.write(settings, storedType);
    QFile::remove(path);
    if (summary)
        *summary = result.join(QStringLiteral("; "));
    return broken;
}

QStringList FuzzPaths::photo(const QByteArray &bytes, const QString &scratchDir, QString *summary)
{
    const QString path = scratchDir + QStringLiteral("/DJI_0001.JPG");
    if (!writeFile(path, bytes))
        return {QStringLiteral("cannot write %1").arg(path)};
    QStringList broken;

    // The photo list's reader, driven in this thread as its own thread would.
    FileWorker reader;
    reader.setFileList({path});
    int finished = 0;
    int failed = 0;
    bool accepted = false;
    QObject::connect(&reader, &FileWorker::addFinished,
                     [&](const QStringList &newList, const QStringList &noFiles,
                         const QList<Adj> &adjs, const QList<QDateTime> &dates) {
                         ++finished;
                         accepted = true;
                         if (newList != QStringList{path} || !noFiles.isEmpty() ||
                             adjs.size() != 1 || dates.size() != 1) {
                             broken << QStringLiteral("the reader's lists do not match");
                             return;
                         }
                         const Adj &adj = adjs.first();
                         if (!std::isfinite(adj.pitch) || !std::isfinite(adj.yaw) ||
                             !std::isfinite(adj.roll))
                             broken << QStringLiteral("an accepted attitude is no number");
                     });
    QObject::connect(&reader, &FileWorker::addFinishedFail, [&] { ++failed; });
    reader.addWork();
    if (finished + failed != 1)
        broken << QStringLiteral("the reader answered %1 times").arg(finished + failed);

    // The gimbal and exposure filter over the same file.
    FilterPhotoWorker filter;
    filter.setData({path});
    filter.setFilterType(FilterTypes(GimbalPitchDegree) | ExposureTime);
    filter.setValSS(-90);
    int filterAnswers = 0;
    bool filteredOut = false;
    QObject::connect(&filter, &FilterPhotoWorker::workFinished, [&](const QList<int> &rows) {
        ++filterAnswers;
        filteredOut = rows == QList<int>{0};
        if (!rows.isEmpty() && !filteredOut)
            broken << QStringLiteral("the filter named rows that do not exist");
    });
    filter.doWork();
    if (filterAnswers != 1)
        broken << QStringLiteral("the filter answered %1 times").arg(filterAnswers);

    // The single reads of the list and the date, as each of them opens the photo anew.
    QString result = accepted ? QStringLiteral("accepted") : QStringLiteral("refused");
    try {
        const Exiv2::Image::AutoPtr image = PhotoFile::openMetadata(path);
        const Exiv2::XmpData &xmp = image->xmpData();
        const Exiv2::ExifData &exif = image->exifData();
        const auto pitch =
            PhotoFile::xmpNumber(xmp, Exiv2::XmpKey("Xmp.drone-dji.FlightPitchDegree"));
        const auto yaw = PhotoFile::xmpNumber(xmp, Exiv2::XmpKey("Xmp.drone-dji.FlightYawDegree"));
        const auto roll =
            PhotoFile::xmpNumber(xmp, Exiv2::XmpKey("Xmp.drone-dji.FlightRollDegree"));
        const bool attitude =
            pitch && yaw && roll && PhotoFile::attitudeProblem(*pitch, *yaw, *roll).isEmpty();
        if (attitude != accepted)
            broken << QStringLiteral("the reader and a second reading disagree on the attitude");
        const auto gimbal =
            PhotoFile::xmpNumber(xmp, Exiv2::XmpKey("Xmp.drone-dji.GimbalPitchDegree"));
        const auto exposure =
            PhotoFile::exifNumber(exif, Exiv2::ExifKey("Exif.Photo.ExposureTime"));
        if ((gimbal && !std::isfinite(*gimbal)) || (exposure && !std::isfinite(*exposure)))
            broken << QStringLiteral("a tag read as a number that is no number");
        const QString dateText = PhotoDate::dateTimeText(exif);
        const QDateTime date = PhotoDate::parse(dateText);
        if (date.isValid() &&
            PhotoDate::parse(date.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss"))) != date)
            broken << QStringLiteral("the date \"%1\" does not survive its own form").arg(dateText);
        if (PhotoDate::resolve(QString(), date) != date)
            broken << QStringLiteral("an empty date does not take the previous one");
        result += QStringLiteral(", date %1, gimbal %2, exposure %3%4")
                      .arg(date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("none"))
                      .arg(gimbal ? QString::number(*gimbal) : QStringLiteral("none"))
                      .arg(exposure ? QString::number(*exposure) : QStringLiteral("none"))
                      .arg(filteredOut ? QStringLiteral(", filtered out") : QString());
    } catch (const Exiv2::AnyError &e) {
        if (accepted)
            broken << QStringLiteral("the reader accepted a photo that cannot be opened");
        result += QStringLiteral(", unreadable: %1").arg(PhotoFile::errorText(e));
    } catch (const std::exception &e) {
        // The list guards its own reads the same way: a damaged file is one unreadable photo.
        if (accepted)
            broken << QStringLiteral("the reader accepted a photo that cannot be opened");
        result += QStringLiteral(", unreadable: %1").arg(QString::fromLocal8Bit(e.what()));
    }
    QFile::remove(path);
    if (summary)
        *summary = result;
    return broken;
}

namespace {

QString exifText(const Exiv2::ExifData &exif, const char *key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() ? QString() : QString::fromStdString(it->toString());
}

QString xmpText(const Exiv2::XmpData &xmp, const char *key)
{
    const auto it = xmp.findKey(Exiv2::XmpKey(key));
    return it == xmp.end() ? QString() : QString::fromStdString(it->toString());
}

// The geotag as a reader of the written bytes sees it.
void checkWritten(const QByteArray &written, const GeotagValues &values, bool withPosition,
                  const QString &where, QStringList *broken)
{
    Exiv2::Image::AutoPtr image;
    try {
        image = Exiv2::ImageFactory::open(
            reinterpret_cast<const Exiv2::byte *>(written.constData()), long(written.size()));
        image->readMetadata();
    } catch (const Exiv2::AnyError &e) {
        *broken << where + QStringLiteral(": the geotagged bytes cannot be read back (%1)")
                               .arg(PhotoFile::errorText(e));
        return;
    }
    const Exiv2::ExifData &exif = image->exifData();
    const QString lat = exifText(exif, "Exif.GPSInfo.GPSLatitude");
    if (withPosition && lat != GeotagWriter::encodeDmsRational(values.north))
        *broken << where + QStringLiteral(": latitude %1 read back").arg(lat);
    if (exifText(exif, "Exif.GPSInfo.GPSAltitude") != GeotagWriter::encodeAltitude(values.height))
        *broken << where + QStringLiteral(": the altitude was not written");
    if (xmpText(image->xmpData(), "Xmp.drone-dji.AbsoluteAltitude") != values.heightText)
        *broken << where + QStringLiteral(": the XMP altitude was not written");
}

QByteArray ioBytes(Exiv2::Image &image)
{
    Exiv2::BasicIo &io = image.io();
    QByteArray bytes(int(io.size()), Qt::Uninitialized);
    io.open();
    io.seek(0, Exiv2::BasicIo::beg);
    const long got = io.read(reinterpret_cast<Exiv2::byte *>(bytes.data()), bytes.size());
    io.close();
    bytes.resize(int(qMax(0L, got)));
    return bytes;
}

bool hasLeftovers(const QString &dir)
{
    return !QDir(dir)
                .entryList({PhotoCopier::temporaryPrefix() + QLatin1Char('*')},
                           QDir::Files | QDir::Hidden | QDir::System)
                .isEmpty();
}

} // namespace

QStringList FuzzPaths::geotag(const QByteArray &bytes, const QString &scratchDir,
                              const GeoCalc *geoCalc, QString *summary)
{
    const QString source = scratchDir + QStringLiteral("/source.jpg");
    const QString target = scratchDir + QStringLiteral("/KES_1_00001.JPG");
    QFile::remove(target);
    if (!writeFile(source, bytes))
        return {QStringLiteral("cannot write %1").arg(source)};
    QStringList broken;
    QStringList result;

    // The head scan on its own: a start of scan inside the file, on its marker.
    qint64 scan = -1;
    {
        const int fd = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return {QStringLiteral("cannot open %1").arg(source)};
        qint64 headerEnd = -1;
        scan = PhotoCopier::findStartOfScan(fd, bytes.size(), &headerEnd);
        ::close(fd);
        if (scan >= 0 &&
            (scan < 2 || headerEnd <= scan + 2 || headerEnd > bytes.size() ||
             quint8(bytes.at(int(scan))) != 0xFF || quint8(bytes.at(int(scan) + 1)) != 0xDA))
            broken << QStringLiteral("start of scan %1 with header end %2 in %3 bytes")
                          .arg(scan)
                          .arg(headerEnd)
                          .arg(bytes.size());
        result << (scan >= 0 ? QStringLiteral("scan at %1").arg(scan) : QStringLiteral("no scan"));
    }

    const GeotagValues wgs84 =
        GeotagValues::wgs84(55.7512345, 37.6184567, 156.789, 0.012, 0.013, 0.0);
    const GeotagValues utm =
        GeotagValues::utm(6178693.123, 413105.456, 156.789, 37, 0.012, 0.013, 0.025);
    GeotagValues utmAsDegrees = utm;
    if (geoCalc && geoCalc->isReady()) {
        const GeoPoint geo = geoCalc->utmToGeo(utm.east, utm.north, utm.zone, utm.height);
        utmAsDegrees.north = geo.lat;
    }

    // Whole bytes opened from memory, geotagged in one system and then the other; the
    // processing run guards each photo against Exiv2's own errors only.
    try {
        // Exiv2 rewrites a TIFF in place inside the buffer it opened, const or not: it gets
        // bytes of its own, as in the copier, never the caller's.
        QByteArray memory(bytes.constData(), bytes.size());
        Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(
            reinterpret_cast<const Exiv2::byte *>(memory.data()), long(memory.size()));
        image->readMetadata();
        const auto first = GeotagWriter::writeGeotag(*image, wgs84, geoCalc);
        if (first != GeotagWriter::Outcome::Geotagged)
            broken << QStringLiteral("valid degrees were not written");
        checkWritten(ioBytes(*image), wgs84, true, QStringLiteral("degrees in memory"), &broken);
        const bool metric =
            GeotagWriter::writeGeotag(*image, utm, geoCalc) == GeotagWriter::Outcome::Geotagged;
        if (geoCalc && geoCalc->isReady() && !metric)
            broken << QStringLiteral("a metric position with its zone was not written");
        checkWritten(ioBytes(*image), metric ? utmAsDegrees : wgs84, true,
                     QStringLiteral("metric in memory"), &broken);
        result << QStringLiteral("geotagged in memory");
    } catch (const Exiv2::AnyError &e) {
        result << QStringLiteral("memory: %1").arg(PhotoFile::errorText(e));
    }

    // The processing run's road: head only, geotag, placement beside the source.
    PhotoCopier copier;
    QString error;
    const PhotoCopier::LoadResult loaded = copier.load(source, &error);
    bool rewritten = false;
    bool withPosition = false;
    const bool metric = bytes.size() % 2 == 1;
    const GeotagValues &values = metric ? utm : wgs84;
    if (loaded == PhotoCopier::LoadResult::ReadFailed)
        broken << QStringLiteral("a readable source was not read: %1").arg(error);
    if (loaded == PhotoCopier::LoadResult::Loaded) {
        try {
            withPosition = GeotagWriter::writeGeotag(copier.image(), values, geoCalc) ==
                           GeotagWriter::Outcome::Geotagged;
            rewritten = true;
        } catch (const Exiv2::AnyError &e) {
            result << QStringLiteral("kept metadata: %1").arg(PhotoFile::errorText(e));
        }
    } else if (loaded == PhotoCopier::LoadResult::MetadataFailed && error.isEmpty()) {
        broken << QStringLiteral("the metadata failed without saying why");
    }
    const PhotoCopier::Placement placed = copier.place(target, rewritten, &error);
    if (readFile(source) != bytes)
        broken << QStringLiteral("the source photo changed");
    if (hasLeftovers(scratchDir))
        broken << QStringLiteral("a temporary file remained");
    if (placed == PhotoCopier::Placement::Placed) {
        const QByteArray copy = readFile(target);
        if (!rewritten && copy != bytes)
            broken << QStringLiteral("an unchanged copy differs from its source");
        if (rewritten && scan >= 0 && !copy.endsWith(bytes.mid(int(scan))))
            broken << QStringLiteral("the copy's image data differs from the source's");
        if (rewritten)
            checkWritten(copy, metric ? utmAsDegrees : wgs84, withPosition,
                         QStringLiteral("placed copy"), &broken);
        result << (rewritten ? QStringLiteral("placed geotagged") : QStringLiteral("placed as is"));
    } else {
        if (QFile::exists(target))
            broken << QStringLiteral("a failed placement left a file under the final name");
        if (error.isEmpty())
            broken << QStringLiteral("a placement failed without saying why");
        result << QStringLiteral("not placed: %1").arg(error);
    }
    QFile::remove(target);
    QFile::remove(source);
    if (summary)
        *summary = result.join(QStringLiteral("; "));
    return broken;
}
