#include "app/languagelist.h"

#include <QDir>
#include <QFile>
#include <QTranslator>

QVector<LanguageList::Language> LanguageList::read(const QString &directory)
{
    QFile file(QDir(directory).filePath(QStringLiteral("translations.conf")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(QString::fromUtf8(file.readAll()), directory);
}

QVector<LanguageList::Language> LanguageList::parse(const QString &text, const QString &directory)
{
    QVector<Language> languages;
    const QDir dir(directory);
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList parts = line.split(QLatin1Char('='));
        if (parts.size() != 2)
            continue;
        // Two letters only: whatever follows (a "\r" of a file saved on Windows) is dropped.
        const QString code = parts.at(1).left(2);
        const QString name = parts.at(0).trimmed();
        const bool letters = code.size() == 2 && code.at(0).isLetter() && code.at(1).isLetter();
        if (!letters || name.isEmpty())
            continue;
        // Offer only what can really be switched to.
        QTranslator probe;
        if (!probe.load(code, directory))
            continue;
        languages.push_back({name, code, dir.filePath(code + QStringLiteral(".png"))});
    }
    return languages;
}
