#pragma once

#include "app/translationloader.h"
#include "blocks/line.h"
#include "syntheticflight.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class Fly;
class QImage;
class QRect;

/// What the screenshot drivers share: the program's fonts, blocks filled with a synthetic
/// flight, and pictures written or grabbed from the screen.
namespace ShotKit {

/**
 * The window's resources and fonts, and the catalogue of @p language (stored as the chosen
 * one), or without it the English catalogue the program loads for its counts ("1 photo").
 * The catalogue stays installed while the returned loader lives.
 */
std::unique_ptr<TranslationLoader> prepareWindows(const QString &language = QString());
/**
 * A folder that is the same on every refresh, so that the paths shown in a picture do not
 * change: /tmp/kestrix-demo/Survey 2024-05-17, emptied. removeSurveyFolder() takes it away.
 */
QString surveyFolder();
/// The path of surveyFolder(), left as it is.
QString surveyFolderPath();
void removeSurveyFolder();
/**
 * Writes a straight flight of @p photos photos 320 x 240 and its timemark file into @p dir
 * and gives @p fly the photos and the first @p rows rows (fewer rows than photos: a receiver
 * that missed releases). With @p survey the rows lie on strips flown back and forth instead
 * of one line. The photo paths go to @p files when given.
 */
bool fillBlock(Fly *fly, const QString &dir, int photos, int rows, bool survey = false,
               QStringList *files = nullptr);
/// Writes @p image as a PNG; false, and a line on stderr, when it cannot.
bool save(const QImage &image, const QString &path);
/// The screen's @p area as a PNG (only a real, if virtual, display has a screen to grab).
bool grabScreen(const QRect &area, const QString &path);

} // namespace ShotKit
