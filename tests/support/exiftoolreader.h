#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

/**
 * Reads photos' metadata with exiftool, an independent reader, so that tests do not check
 * the program's writing with the library that wrote it. Values come back as the exact texts
 * exiftool prints with -n (numbers unformatted, "0.020" stays "0.020").
 */
class ExifToolReader
{
public:
    using Tags = QHash<QString, QString>; //!< "Group:Tag" (exiftool -G1 names) → text

    static bool isAvailable();
    /// One map per file, in the order given; empty on failure (see @p error).
    static QList<Tags> read(const QStringList &files, const QStringList &extraArgs = {},
                            QString *error = nullptr);
};
