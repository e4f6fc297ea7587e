#pragma once

#include <QCoreApplication>
#include <QString>

#include <exiv2/exiv2.hpp>

#include <exception>
#include <optional>
#include <string>

struct Adj;

/**
 * Access to one photo's file by its entry (a path or a file URL), always through
 * nativePhotoPath. Opening only reads: nothing here ever writes to a photo.
 */
class PhotoFile
{
    Q_DECLARE_TR_FUNCTIONS(PhotoFile)
public:
    /// Opens the photo and reads its metadata; throws Exiv2::AnyError like the library, also
    /// when the entry is no regular file (a FIFO in its place would block the reader).
    static Exiv2::Image::AutoPtr openMetadata(const QString &entry);
    /// The photo's file with links and "." / ".." resolved: two entries naming one photo give
    /// the same path. The plain absolute path when the file cannot be resolved.
    static QString realPath(const QString &entry);
    /// Bytes of the photo's file; 0 when it cannot be read.
    static qint64 size(const QString &entry);
    static bool exists(const QString &entry);

    /// First component of an XMP key as a number; empty when absent or not a finite number.
    static std::optional<double> xmpNumber(const Exiv2::XmpData &xmp, const Exiv2::XmpKey &key);
    /// First component of an EXIF key as a number; empty when absent or not a finite number.
    static std::optional<double> exifNumber(const Exiv2::ExifData &exif, const Exiv2::ExifKey &key);

    /// Widest attitudes a drone can report, in degrees: pitch and roll turn half a circle
    /// either way, yaw up to a full one.
    static constexpr double MaxPitchRoll = 180.0;
    static constexpr double MaxYaw = 360.0;
    /// Why pitch, yaw and roll cannot be a drone's attitude; empty when they can.
    static QString attitudeProblem(double pitch, double yaw, double roll);

    /// How a photo's drone attitude read from its XMP.
    enum class AttitudeStatus
    {
        Read,
        Missing,   //!< one of the three keys is absent
        NotNumber, //!< all present, one is no finite number
        OutOfRange //!< numbers, but no drone's attitude (see attitudeProblem)
    };
    /**
     * Reads pitch, yaw and roll from the drone-dji XMP keys into @p adj. A value that is present
     * but no number would silently become a level attitude, one out of range would turn the
     * lever arm any which way: both are told apart from a good read. @p missingKey gets the
     * first absent key.
     */
    static AttitudeStatus readAttitude(const Exiv2::XmpData &xmp, Adj *adj,
                                       std::string *missingKey = nullptr);

    /// "Exiv2 ERROR: <code> - <message>", the form every Exiv2 failure is logged in.
    static QString errorText(const Exiv2::AnyError &error);
    /// The same for a failure outside the library's own error type, with the code -1.
    static QString errorText(const std::exception &error);
    /// "<code> - <message>": errorText() without its "Exiv2 ERROR: ".
    static QString errorDetail(const Exiv2::AnyError &error);
    static QString errorDetail(const std::exception &error);
};
