#include "exiftoolreader.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

bool ExifToolReader::isAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("exiftool")).isEmpty();
}

QList<ExifToolReader::Tags> ExifToolReader::read(const QStringList &files,
                                                 const QStringList &extraArgs, QString *error)
{
    QProcess process;
    QStringList args{QStringLiteral("-j"), QStringLiteral("-n"), QStringLiteral("-G1"),
                     QStringLiteral("-a")};
    args << extraArgs << files;
    process.start(QStringLiteral("exiftool"), args);
    if (!process.waitForFinished(60000)) {
        if (error)
            *error = QStringLiteral("exiftool did not finish: %1").arg(process.errorString());
        return {};
    }
    // exiftool -j prints one tag per line; reading the lines keeps the raw number texts
    // that a JSON parser would turn into doubles.
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression line(QStringLiteral("^\\s*\"([^\"]+)\": (.*?),?$"));
    QList<Tags> result;
    for (const QString &text : out.split(QLatin1Char('\n'))) {
        if (text.startsWith(QLatin1String("[{")) || text.startsWith(QLatin1String("{"))) {
            result << Tags();
        }
        const QRegularExpressionMatch m = line.match(text);
        if (!m.hasMatch() || result.isEmpty())
            continue;
        QString value = m.captured(2);
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2)
                        .replace(QStringLiteral("\\\""), QStringLiteral("\""));
        result.last().insert(m.captured(1), value);
    }
    if (result.size() != files.size()) {
        if (error)
            *error = QStringLiteral("exiftool returned %1 records for %2 files: %3")
                         .arg(result.size())
                         .arg(files.size())
                         .arg(QString::fromUtf8(process.readAllStandardError()));
        return {};
    }
    return result;
}
