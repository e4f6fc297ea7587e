#pragma once

// Filling a block as the window does, shared by the widget tests and the screenshot drivers.
// Header only: the support library has no widgets.

#include "blocks/fly.h"
#include "blocks/flydata.h"
#include "photos/photomodel.h"
#include "timemarks/timemarkimport.h"

#include <QSignalSpy>
#include <QString>
#include <QStringList>

namespace BlockFill {

/// Adds @p photos to @p fly and waits until the reader has taken them; false after 30 s.
inline bool addPhotos(Fly *fly, const QStringList &photos)
{
    QSignalSpy added(fly->data()->photos(), &PhotoModel::photosAdded);
    fly->addPhotoEntries(photos);
    if (added.wait(30000))
        return true;
    qWarning("the photos were not read in time");
    return false;
}

/// addPhotos(), then the timemark file @p timemarks imported as the window imports it.
inline bool fill(Fly *fly, const QStringList &photos, const QString &timemarks)
{
    if (!addPhotos(fly, photos))
        return false;
    QString error;
    if (TimemarkImport::intoBlock(fly->data(), timemarks, false, &error))
        return true;
    qWarning("cannot import %s: %s", qPrintable(timemarks), qPrintable(error));
    return false;
}

} // namespace BlockFill
