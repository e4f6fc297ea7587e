#pragma once

#include "blocks/line.h"

#include <QList>
#include <QSize>
#include <QString>

#include <optional>

/// What one generated photo carries; every tag is optional.
struct PhotoSpec
{
    QSize size{64, 48};
    std::optional<double> pitch = 0.0;   //!< Xmp.drone-dji.FlightPitchDegree
    std::optional<double> yaw = 0.0;     //!< Xmp.drone-dji.FlightYawDegree
    std::optional<double> roll = 0.0;    //!< Xmp.drone-dji.FlightRollDegree
    std::optional<double> gimbalPitch;   //!< Xmp.drone-dji.GimbalPitchDegree
    std::optional<QString> dateTime;     //!< Exif.Image.DateTime, e.g. "2024:05:17 10:22:33"
    std::optional<QString> exposureTime; //!< Exif.Photo.ExposureTime as a rational, "1/2000"
    int seed = 0;                        //!< varies the pixels so photos differ
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
 * Writes synthetic flights: JPEG photos with drone attitude tags and timemark files in the
 * forms real receivers produce. Tests use it instead of binary fixtures, and the program's
 * demo gives a newcomer a flight to process without drone data.
 */
class SyntheticFlight
{
public:
    enum class Format
    {
        Semicolon, //!< "Date;North;East;H;sdN;sdE;sdH" header, then rows
        Comma,     //!< the same with ","
        Tab,       //!< the same with a tab
        RtklibPos  //!< "%" header lines, then "date time lat lon h Q ns sdn sde sdu ..."
    };

    static bool writePhoto(const QString &path, const PhotoSpec &spec, QString *error = nullptr);
    static bool writeTimemarks(const QString &path, const QList<TimemarkRow> &rows, Format format,
                               QString *error = nullptr);
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

    /// A survey flight as timemark rows: strips of @p perStrip marks 10 m apart, flown back
    /// and forth 40 m apart, from (500000, 6000000) in UTM zone 35 north. lat/lon follow the
    /// metres by a local approximation (good to a few metres here), enough for degree labels.
    static QList<Line> surveyLines(int count, int perStrip = 25);
};
