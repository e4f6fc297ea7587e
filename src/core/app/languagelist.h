#pragma once

#include <QString>
#include <QVector>

/**
 * The languages a user may choose: the entries of "translations.conf" in the translations
 * folder whose catalogue is there and loads. Each line reads "Language name=code"; lines
 * starting with "#" are comments.
 */
class LanguageList
{
public:
    struct Language
    {
        QString name;     //!< as the language calls itself, e.g. "Deutsch"
        QString code;     //!< two letters, the catalogue's base name and main/translation value
        QString iconPath; //!< code + ".png" in the translations folder (may be missing)
    };

    /// Reads @p directory + "/translations.conf"; a missing file gives an empty list.
    static QVector<Language> read(const QString &directory);
    /// The same from the file's text, with the catalogues looked up in @p directory.
    static QVector<Language> parse(const QString &text, const QString &directory);
};
