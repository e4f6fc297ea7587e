#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class GeoCalc;

/**
 * The three roads that untrusted bytes take into the program, each driven from one buffer,
 * shared by the libFuzzer targets under fuzz/ and by the regression test that replays what
 * they found. Each road writes only inside @p scratchDir (which must exist) and returns the
 * broken promises it saw: an empty list means the code behaved, whatever the bytes were.
 * @p summary receives one line saying what became of the input.
 *
 * Settings are read and written through the process's store, so the caller isolates it first.
 */
class FuzzPaths
{
public:
    /**
     * The bytes as a timemark file: delimiter detection, loading with each delimiter, the
     * stored and an accuracy-column layout, joining columns, and toLines() in the metric
     * and the degree coordinate system. @p geoCalc may be null or not ready.
     */
    static QStringList timemarks(const QByteArray &bytes, const QString &scratchDir,
                                 GeoCalc *geoCalc, QString *summary = nullptr);
    /**
     * The bytes as a photo file added to the photo list: the reader's attitude and date
     * reading, the gimbal and exposure filter, and the single-tag reads of the list.
     */
    static QStringList photo(const QByteArray &bytes, const QString &scratchDir,
                             QString *summary = nullptr);
    /**
     * The bytes as a photo to be copied: the JPEG head scan, the geotag in both coordinate
     * systems on an image opened from memory, and the copier's load, geotag and placement
     * as the processing run does them. @p geoCalc must be ready for the metric system.
     */
    static QStringList geotag(const QByteArray &bytes, const QString &scratchDir,
                              const GeoCalc *geoCalc, QString *summary = nullptr);
};
