#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

/// One row of a photo's tag table: a tag with its value, or a section title (in `value`).
struct PhotoTagRow
{
    QString tag;
    QString value;
    bool isSection = false;

    bool operator==(const PhotoTagRow &other) const
    {
        return tag == other.tag && value == other.value && isSection == other.isSection;
    }
};

/**
 * The rows the photo viewer shows for one photo: its file properties, then every EXIF and XMP
 * datum and, when the photo has any, its IPTC data, each group under a section row. A few EXIF
 * fractions are turned into plain numbers. The photo is only read.
 */
class PhotoTagTable
{
    Q_DECLARE_TR_FUNCTIONS(PhotoTagTable)

public:
    /**
     * Rows for the photo at @p entry (a path or a file URL). When the metadata cannot be read
     * the rows end after the file properties with one row telling why, the failure is logged
     * in the "Critical" category and @p errorText (when given) receives it.
     */
    static QList<PhotoTagRow> build(const QString &entry, QString *errorText = nullptr);

    /**
     * The text shown for the EXIF datum @p tag (its key without "Exif.") whose value reads
     * @p text: exposure time, F-number and GPS altitude fractions as decimals, GPS latitude
     * and longitude from degrees, minutes and seconds to decimal degrees; otherwise @p text.
     */
    static QString exifValueText(const QString &tag, const QString &text);
};
