#include "photos/photodate.h"

#include <QStringList>

#include <exiv2/exiv2.hpp>

namespace {

// Three colon-separated decimal numbers; false for any other shape.
bool threeNumbers(const QString &text, int out[3])
{
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() != 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        out[i] = parts.at(i).toInt(&ok, 10);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

QString PhotoDate::dateTimeText(const Exiv2::ExifData &exif, const char *key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    if (it == exif.end())
        return QString();
    return QString::fromStdString(it->toString());
}

QDateTime PhotoDate::parse(const QString &text, Qt::TimeSpec spec)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    if (parts.size() != 2)
        return QDateTime();
    int d[3];
    int t[3];
    const QDate date = threeNumbers(parts.at(0), d) ? QDate(d[0], d[1], d[2]) : QDate();
    const QTime time = threeNumbers(parts.at(1), t) ? QTime(t[0], t[1], t[2]) : QTime();
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, spec);
}

QDateTime PhotoDate::resolve(const QString &text, const QDateTime &previous)
{
    if (text.isEmpty())
        return previous;
    return parse(text);
}
