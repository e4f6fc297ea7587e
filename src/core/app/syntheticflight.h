#pragma once

#include "blocks/line.h"
#include "photos/capturetime.h"

#include <QDateTime>
#include <QList>
#include <QSize>
#include <QString>

#include <optional>

class QSettings;

/// What one generated photo carries; every tag is optional.
struct PhotoSpec
{
    QSize size{64, 48};
    std::optional<double> pitch = 0.0;         //!< Xmp.drone-dji.FlightPitchDegree
    std::optional<double> yaw = 0.0;           //!< Xmp.drone-dji.FlightYawDegree
    std::optional<double> roll = 0.0;          //!< Xmp.drone-dji.FlightRollDegree
    std::optional<double> gimbalPitch;         //!< Xmp.drone-dji.GimbalPitchDegree
    std::optional<QString> dateTime;           //!< Exif.Image.DateTime, e.g. "2024:05:17 10:22:33"
    std::optional<QString> dateTimeOriginal;   //!< Exif.Photo.DateTimeOriginal
    std::optional<QString> subSecTimeOriginal; //!< Exif.Photo.SubSecTimeOriginal, e.g. "047"
    std::optional<QString> exposureTime;       //!< Exif.Photo.ExposureTime as a rational, "1/2000"
    int seed = 0;                              //!< varies the pixels so photos differ
    int quality = 85;
    /// Pixel noise like a camera sensor's, so the JPEG is as large as a real photo of its
    /// size (5472 x 3648 at quality 90: about 10 MB) instead of a few hundred kB.
    bool noise = false;
};

/// One generated timemark row. north/east are metres or degrees as the caller wants.
struct TimemarkRow
{
    QString date;
    double north = 0.0;
    double east = 0.0;
    double height = 0.0;
    double sdN = 0.0;
    double sdE = 0.0;
    double sdH = 0.0;
};

/**
 * How the shots of a generated flight are timed, and which photos and rows the lists lose.
 * Shots are numbered from 0; a shot keeps its position, attitude and pixels whatever else is
 * dropped, so a flight with drops and the same flight without them differ only there.
 */
struct FlightTiming
{
    int shots = 10;
    double interval = 2.0;    //!< seconds between shots along a line
    double jitter = 0.0;      //!< each interval is off by up to this many seconds either way
    int turnEvery = 0;        //!< a turn after every this many shots; 0 for none
    double turnGap = 12.0;    //!< seconds from the last shot of a line to the first of the next
    bool subSeconds = false;  //!< photos carry SubSecTimeOriginal (milliseconds)
    double clockOffset = 0.0; //!< seconds the camera's clock reads ahead of the receiver's
    QList<int> droppedPhotos; //!< shots whose photo is missing (the camera saved none)
    QList<int> droppedEvents; //!< shots whose row is missing (the receiver logged none)
    int randomPhotoDrops = 0; //!< further shots drawn at random whose photo is missing
    int randomEventDrops = 0; //!< further shots drawn at random whose row is missing
    /// Rows for no shot at all, each between two shots drawn at random (a receiver that
    /// logged a release the camera never made).
    int extraEvents = 0;
    quint32 seed = 1;
    QDateTime start{QDate(2024, 5, 17), QTime(10, 0, 0), Qt::UTC}; //!< receiver clock
};

/// The times of a generated flight, and the truth about what its lists lost.
struct TimedFlight
{
    QList<QDateTime> shotTimes;    //!< receiver clock, one per shot
    QList<int> photoShots;         //!< the shot of each photo in the photo list
    QList<int> rowShots;           //!< the shot of each row in the timemark list; -1: extra
    QList<CaptureTime> photoTimes; //!< as the photos of photoShots tell them (camera clock)
    QStringList rowDates;          //!< as the rows of rowShots write them (receiver clock)
    QList<int> droppedPhotos;      //!< shots, ascending
    QList<int> droppedEvents;      //!< shots, ascending
    QList<int> rowsWithoutPhoto;   //!< indexes into the row list
    QList<int> photosWithoutRow;   //!< indexes into the photo list

    /// The truth as JSON: the lists above but the times.
    QByteArray truthJson() const;
};

/**
 * Writes synthetic flights: JPEG photos with drone attitude tags and timemark files in the
 * forms real receivers produce. Tests use it instead of binary fixtures, and the program's
 * demo gives a newcomer a flight to process without drone data.
 */
class SyntheticFlight
{
public:
    enum class Format
    {
        Semicolon, //!< "Date;Point;North;East;H;sdN;sdE;sdH" header, then rows
        Comma,     //!< the same with ","
        Tab,       //!< the same with a tab
        RtklibPos  //!< "%" header lines, then "date time lat lon h Q ns sdn sde sdu ..."
    };

    static bool writePhoto(const QString &path, const PhotoSpec &spec, QString *error = nullptr);
    static bool writeTimemarks(const QString &path, const QList<TimemarkRow> &rows, Format format,
                               QString *error = nullptr);
    /**
     * Stores the timemark columns that read a file written in a delimited form: date in
     * column 1, north, east and height in 3 to 5, their accuracies in 6 to 8, rows from line 2.
     */
    static void storeColumns(QSettings &settings);
    /// Decimal text of a number as written into files ("." and @p decimals places).
    static QString number(double value, int decimals);

    /// A straight flight: @p count photos DIR/DJI_0001.JPG... 2 s apart, and rows with
    /// metric positions along the northing from (500000, 6000000, 100), 10 m apart.
    static QStringList writeFlight(const QString &dir, int count, QList<TimemarkRow> *rows,
                                   const QSize &size = QSize(64, 48));
    /// The same flight with the size, quality and noise of @p look; its attitudes, date and
    /// seed are replaced per photo.
    static QStringList writeFlight(const QString &dir, int count, QList<TimemarkRow> *rows,
                                   const PhotoSpec &look);
    /**
     * The folder an operator brings home from that flight: the photos in DIR/photos and the
     * rows in DIR/timemarks.csv with semicolons; the rows also go to @p rows when given.
     * Returns the photo paths; empty when a file could not be written.
     */
    static QStringList writeFlightFolder(const QString &dir, int count,
                                         QList<TimemarkRow> *rows = nullptr,
                                         const PhotoSpec &look = PhotoSpec());

    /// @p rows as a block holds them: north in y, east in x, the accuracies beside them.
    static QList<Line> lines(const QList<TimemarkRow> &rows);

    /// The times of a flight timed by @p timing (no files written).
    static TimedFlight timing(const FlightTiming &timing);
    /**
     * Writes a timed flight: DIR/photos/DJI_0001.JPG... for the photos it keeps, the rows it
     * keeps into DIR/timemarks.csv (or .pos) and its truth into DIR/truth.json. With
     * @p withoutDropped the shots that lost their photo or row are left out of both lists,
     * which gives the same flight as it should have been recorded. Returns the photo paths.
     */
    static QStringList writeTimedFlight(const QString &dir, const FlightTiming &timing,
                                        Format format, bool withoutDropped = false,
                                        const PhotoSpec &look = PhotoSpec(),
                                        TimedFlight *written = nullptr);
    /// The file name writeTimedFlight() gives the timemarks in @p format.
    static QString timemarkFileName(Format format);
    /// A survey flight as timemark rows: strips of @p perStrip marks 10 m apart, flown back
    /// and forth 40 m apart, from (500000, 6000000) in UTM zone 35 north. lat/lon follow the
    /// metres by a local approximation (good to a few metres here), enough for degree labels.
    static QList<Line> surveyLines(int count, int perStrip = 25);
};
