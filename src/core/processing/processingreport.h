#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

/// What a processing run did, beyond its one summary line.
struct ProcessingReport
{
    int handled = 0;         //!< photos that used a name (the counter)
    int copied = 0;          //!< copies under their final names
    int skipped = 0;         //!< photos not copied (name taken, unreadable, changed, write failed)
    int metadataFailed = 0;  //!< photos whose metadata Exiv2 could not read or write
    int notGeotagged = 0;    //!< copies whose latitude/longitude could not be written
    int withoutPosition = 0; //!< photos that got no position (no timemark row, none usable)
    int withoutLine = 0;     //!< photos handled that have no line in the coordinate file
    int notReached = 0;      //!< photos never handled because the run broke off
    int seconds = 0;
    QString outputDir; //!< the run's folder, automatic subdirectory included
    QStringList coordinateFiles;
    QStringList notCopied;              //!< source paths of the skipped photos
    QStringList notCopiedReasons;       //!< why, one entry per entry of notCopied
    QStringList metadataProblems;       //!< "source: Exiv2's reason", one per metadataFailed photo
    QStringList withoutPositionPhotos;  //!< source paths of the photos without a position
    QStringList withoutPositionReasons; //!< why, one per entry of withoutPositionPhotos
    QStringList withoutLinePhotos;      //!< source paths of the photos without a line
    QStringList withoutLineReasons;     //!< why, one per entry of withoutLinePhotos
    QStringList notGeotaggedPhotos;     //!< source paths of the notGeotagged copies
    /// Coordinate files that an earlier run, which did not end, left unfinished in the folder.
    QStringList unfinishedFiles;
};

Q_DECLARE_METATYPE(ProcessingReport)
