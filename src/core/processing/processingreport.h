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
    int withoutPosition = 0; //!< photos paired with no timemark row
    int withoutLine = 0;     //!< photos handled that have no line in the coordinate file
    int notReached = 0;      //!< photos never handled because the run broke off
    int seconds = 0;
    /// Source paths of the copies whose latitude and longitude could not be written.
    QStringList notGeotaggedPhotos;
    QString outputDir; //!< the run's folder, automatic subdirectory included
    QStringList coordinateFiles;
    QStringList notCopied;        //!< source paths of the skipped photos
    QStringList notCopiedReasons; //!< why, one entry per entry of notCopied
    QStringList metadataProblems; //!< "source: Exiv2's reason", one per metadataFailed photo
};

Q_DECLARE_METATYPE(ProcessingReport)
