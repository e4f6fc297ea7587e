#pragma once

#include <QMetaType>
#include <QString>
#include <QStringList>

/// What a finished processing run did, beyond its one summary line.
struct ProcessingReport
{
    int handled = 0;         //!< photos that used a name (the counter)
    int copied = 0;          //!< copies under their final names
    int skipped = 0;         //!< photos not copied (name taken, unreadable, write failed)
    int metadataFailed = 0;  //!< copies left with the camera's metadata (Exiv2 failed)
    int notGeotagged = 0;    //!< copies whose latitude/longitude could not be written
    int withoutPosition = 0; //!< photos paired with no timemark row
    int seconds = 0;
    QString outputDir; //!< the run's folder, automatic subdirectory included
    QStringList coordinateFiles;
    QStringList notCopied; //!< source paths of the skipped photos
};

Q_DECLARE_METATYPE(ProcessingReport)
