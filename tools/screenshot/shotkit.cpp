#include "shotkit.h"

#include "app/guiresources.h"
#include "app/translationloader.h"
#include "blockfill.h"
#include "blocks/fly.h"
#include "blocks/flydata.h"
#include "settings/settingskeys.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSettings>

#include <cstdio>

namespace ShotKit {

std::unique_ptr<TranslationLoader> prepareWindows(const QString &language)
{
    auto translations = std::make_unique<TranslationLoader>();
    if (language.isEmpty()) {
        translations->installEnglish();
    } else {
        QSettings settings;
        Keys::Translation.write(settings, language);
        settings.sync();
        translations->install();
    }
    GuiResources::loadFonts();
    return translations;
}

QString surveyFolder()
{
    removeSurveyFolder();
    const QString folder = surveyFolderPath();
    QDir().mkpath(folder);
    return folder;
}

QString surveyFolderPath()
{
    return QDir::temp().filePath(QStringLiteral("kestrix-demo/Survey 2024-05-17"));
}

void removeSurveyFolder()
{
    QDir(QDir::temp().filePath(QStringLiteral("kestrix-demo"))).removeRecursively();
}

bool fillBlock(Fly *fly, const QString &dir, int photos, int rows, bool survey, QStringList *files)
{
    QList<TimemarkRow> marks;
    const QStringList written = SyntheticFlight::writeFlight(dir, photos, &marks, QSize(320, 240));
    const QString timemarks = QDir(dir).filePath(QStringLiteral("timemarks.csv"));
    if (written.size() != photos ||
        !SyntheticFlight::writeTimemarks(timemarks, marks, SyntheticFlight::Format::Semicolon)) {
        std::fprintf(stderr, "cannot write a flight into %s\n", qPrintable(dir));
        return false;
    }
    if (files)
        *files = written;
    if (!BlockFill::addPhotos(fly, written))
        return false;
    QList<Line> lines = SyntheticFlight::lines(marks).mid(0, rows);
    if (survey) {
        const QList<Line> strips = SyntheticFlight::surveyLines(lines.size(), 5);
        for (int i = 0; i < lines.size(); ++i) {
            Line line = strips.at(i);
            line.date = lines.at(i).date;
            line.sx = lines.at(i).sx;
            line.sy = lines.at(i).sy;
            line.sz = lines.at(i).sz;
            lines[i] = line;
        }
    }
    fly->data()->setTimemarkFileName(timemarks);
    fly->data()->addTimemarks(lines, false);
    return true;
}

bool save(const QImage &image, const QString &path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool grabScreen(const QRect &area, const QString &path)
{
    return save(QGuiApplication::primaryScreen()
                    ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                    .toImage(),
                path);
}

} // namespace ShotKit
