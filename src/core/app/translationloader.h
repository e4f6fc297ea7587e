#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QTranslator;

/**
 * Loads and installs the three user-interface catalogues of a run: the Qt catalogue, the Qt
 * base catalogue and the program's own, in that order, so the program's own is searched first.
 *
 * The translators stay installed for the lifetime of this object.
 */
class TranslationLoader
{
public:
    TranslationLoader();
    ~TranslationLoader();
    TranslationLoader(const TranslationLoader &) = delete;
    TranslationLoader &operator=(const TranslationLoader &) = delete;

    /**
     * The catalogue name for a stored main/translation value: the locale name when it is
     * empty or "sys", otherwise the stored code itself ("de" gives de.qm, qt_de.qm, ...).
     */
    static QString translationName(const QString &stored, const QString &localeName);
    /// {"qt_" + name, "qtbase_" + name, name}, in installation order.
    static QStringList catalogueNames(const QString &translationName);
    /**
     * The application's directory + "/translations"; when that does not exist (an installed
     * program), the share/kestrix/translations folder of the installation prefix.
     */
    static QString translationsDirectory();
    /**
     * Where the system keeps Qt's own catalogues (Debian: /usr/share/qt5/translations, from
     * qttranslations5-l10n). Looked at for qt_ and qtbase_ when none lie in the program's folder.
     */
    static QString systemQtTranslationsDirectory();

    /// Reads main/translation, logs the choice and installs the catalogues found in
    /// translationsDirectory(). Missing catalogues only log "failed".
    void install();
    /// The same from explicit folders and locale name; an empty @p qtDirectory has no fallback.
    void install(const QString &directory, const QString &localeName, const QString &qtDirectory);
    /**
     * Only the English catalogue, which holds the plural forms of the source texts ("1 photo",
     * "2 photos"), from translationsDirectory(): for the command-line program, which speaks
     * English.
     */
    void installEnglish();
    /// The catalogue names that loaded, in installation order.
    QStringList loaded() const { return m_loaded; }

private:
    bool loadEnglish(const QString &directory);
    void removeAll();

    std::vector<std::unique_ptr<QTranslator>> m_translators;
    QStringList m_loaded;
};
