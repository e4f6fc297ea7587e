#include "app/translationloader.h"

#include "settings/settingskeys.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

TranslationLoader::TranslationLoader() = default;

TranslationLoader::~TranslationLoader()
{
    removeAll();
}

QString TranslationLoader::translationName(const QString &stored, const QString &localeName)
{
    if (stored.isEmpty() || stored == QLatin1String("sys"))
        return localeName;
    // The translator appends ".qm" itself; a name that already ends in it would first be
    // looked up as "de.qm.qm" and, worse, be cut at the "." by the fallback search.
    return stored;
}

QStringList TranslationLoader::catalogueNames(const QString &translationName)
{
    return {QStringLiteral("qt_") + translationName, QStringLiteral("qtbase_") + translationName,
            translationName};
}

QString TranslationLoader::translationsDirectory()
{
    const QString appDir = QCoreApplication::applicationDirPath();
    const QStringList candidates{
        appDir + QDir::separator() + QStringLiteral("translations"),
        // Relative to the binary first, so an installation moved to another prefix still works.
        QDir::cleanPath(appDir + QLatin1Char('/') + QStringLiteral(KESTRIX_TRANSLATIONS_RELATIVE)),
        QStringLiteral(KESTRIX_TRANSLATIONS_FALLBACK)};
    for (const QString &dir : candidates) {
        if (QDir(dir).exists())
            return dir;
    }
    return candidates.first();
}

QString TranslationLoader::systemQtTranslationsDirectory()
{
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
}

void TranslationLoader::install()
{
    install(translationsDirectory(), QLocale::system().name(), systemQtTranslationsDirectory());
}

void TranslationLoader::install(const QString &directory, const QString &localeName,
                                const QString &qtDirectory)
{
    removeAll();
    const QSettings settings;
    const QString stored = Keys::Translation.read(settings);
    qDebug("Locale \"%s\", translation \"%s\"", qUtf8Printable(localeName), qUtf8Printable(stored));

    const QStringList names = catalogueNames(translationName(stored, localeName));
    const char *const logLines[] = {"Loading Qt translation: %s", "Loading Qt Base translation: %s",
                                    "Loading translation: %s"};
    for (int i = 0; i < names.size(); ++i) {
        auto translator = std::make_unique<QTranslator>();
        // Catalogues beside the program win, so a build can ship newer Qt texts than the system.
        const bool qtCatalogue = i < 2;
        const bool ok =
            translator->load(names.at(i), directory) ||
            (qtCatalogue && !qtDirectory.isEmpty() && translator->load(names.at(i), qtDirectory));
        qDebug(logLines[i], ok ? "ok" : "failed");
        if (ok)
            m_loaded << names.at(i);
        m_translators.push_back(std::move(translator));
    }
    // The sources are English, but their counts read "1 photos" without the English forms.
    if (!m_loaded.contains(names.last()))
        loadEnglish(directory);
    for (const auto &translator : m_translators) {
        if (!translator->isEmpty())
            QCoreApplication::installTranslator(translator.get());
    }
}

void TranslationLoader::installEnglish()
{
    removeAll();
    loadEnglish(translationsDirectory());
    for (const auto &translator : m_translators)
        QCoreApplication::installTranslator(translator.get());
}

bool TranslationLoader::loadEnglish(const QString &directory)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("en"), directory))
        return false;
    m_loaded << QStringLiteral("en");
    m_translators.push_back(std::move(translator));
    return true;
}

void TranslationLoader::removeAll()
{
    for (const auto &translator : m_translators)
        QCoreApplication::removeTranslator(translator.get());
    m_translators.clear();
    m_loaded.clear();
}
