#include "timemarks/marktime.h"

#include <QDateTime>
#include <QRegularExpression>

#include <cmath>

namespace {

constexpr double SecondsPerDay = MarkTime::SecondsPerDay;
constexpr double SecondsPerWeek = 604800.0;

const QString TimePart = QStringLiteral(
    R"((\d{1,2}):(\d{2})(?::(\d{2})(?:[.,](\d{1,9}))?)?\s*(Z|[+-]\d{2}(?::?\d{2})?)?)");

const QRegularExpression &yearFirst()
{
    static const QRegularExpression re(QStringLiteral(R"(^(\d{4})[-/.:](\d{1,2})[-/.:](\d{1,2}))") +
                                       QStringLiteral(R"((?:T|\s+|_))") + TimePart +
                                       QStringLiteral("$"));
    return re;
}

const QRegularExpression &dayFirst()
{
    static const QRegularExpression re(QStringLiteral(R"(^(\d{1,2})[-/.](\d{1,2})[-/.](\d{4}))") +
                                       QStringLiteral(R"((?:T|\s+|_))") + TimePart +
                                       QStringLiteral("$"));
    return re;
}

const QRegularExpression &timeOnly()
{
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d{1,2}):(\d{2}):(\d{2})(?:[.,](\d{1,9}))?$)"));
    return re;
}

const QRegularExpression &gpsWeek()
{
    static const QRegularExpression re(
        QStringLiteral(R"(^(\d{3,4})\s+(\d{1,6})(?:\.(\d{1,9}))?$)"));
    return re;
}

const QRegularExpression &bareSeconds()
{
    static const QRegularExpression re(QStringLiteral(R"(^(\d{1,12})(?:\.(\d{1,9}))?$)"));
    return re;
}

const QRegularExpression &dateOnly()
{
    static const QRegularExpression re(
        QStringLiteral(R"(^(?:\d{4}[-/.]\d{1,2}[-/.]\d{1,2}|\d{1,2}[-/.]\d{1,2}[-/.]\d{4})$)"));
    return re;
}

const QRegularExpression &weekOnly()
{
    static const QRegularExpression re(QStringLiteral(R"(^\d{3,4}$)"));
    return re;
}

const QRegularExpression &timeOrSeconds()
{
    static const QRegularExpression re(
        QStringLiteral(R"(^(?:\d{1,2}:\d{2}(?::\d{2}(?:[.,]\d{1,9})?)?|\d{1,6}(?:\.\d{1,9})?)$)"));
    return re;
}

double fraction(const QString &digits)
{
    return digits.isEmpty() ? 0.0 : (QStringLiteral("0.") + digits).toDouble();
}

double resolutionOf(const QString &digits, bool hasSeconds)
{
    if (!hasSeconds)
        return 60.0;
    return std::pow(10.0, -double(digits.size()));
}

// The date and time of a match: year, month and day in the groups given, the time after them.
std::optional<MarkTime> calendar(const QRegularExpressionMatch &m, int year, int month, int day)
{
    const QDate date(m.captured(year).toInt(), m.captured(month).toInt(), m.captured(day).toInt());
    const int hour = m.captured(4).toInt();
    const int minute = m.captured(5).toInt();
    const bool hasSeconds = !m.captured(6).isEmpty();
    const int second = m.captured(6).toInt();
    // 60 is a leap second's own label; it lies a second after :59.
    if (!date.isValid() || hour > 23 || minute > 59 || second > 60)
        return std::nullopt;
    MarkTime t;
    t.scale = MarkTime::Absolute;
    t.seconds = double(date.toJulianDay()) * SecondsPerDay + hour * 3600.0 + minute * 60.0 +
                second + fraction(m.captured(7));
    t.resolution = resolutionOf(m.captured(7), hasSeconds);
    const QString zone = m.captured(8);
    if (!zone.isEmpty() && zone != QLatin1String("Z")) {
        const QString digits = QString(zone.mid(1)).remove(QLatin1Char(':'));
        const int hours = digits.left(2).toInt();
        const int minutes = digits.size() > 2 ? digits.mid(2).toInt() : 0;
        if (hours > 14 || minutes > 59)
            return std::nullopt;
        // The clock read east of Greenwich runs ahead: back to one clock for all rows.
        const double shift = hours * 3600.0 + minutes * 60.0;
        t.seconds += zone.startsWith(QLatin1Char('+')) ? -shift : shift;
    }
    return t;
}

} // namespace

std::optional<MarkTime> MarkTime::parse(QStringView view)
{
    const QString text = view.trimmed().toString();
    if (text.isEmpty())
        return std::nullopt;
    QRegularExpressionMatch m = yearFirst().match(text);
    if (m.hasMatch())
        return calendar(m, 1, 2, 3);
    m = dayFirst().match(text);
    if (m.hasMatch()) {
        // Day first as in most of the world; a month past 12 can only be the US order.
        if (const auto t = calendar(m, 3, 2, 1))
            return t;
        return calendar(m, 3, 1, 2);
    }
    m = gpsWeek().match(text);
    if (m.hasMatch()) {
        const double secondsOfWeek = m.captured(2).toDouble() + fraction(m.captured(3));
        if (secondsOfWeek > SecondsPerWeek)
            return std::nullopt;
        // GPS time began at 1980-01-06 00:00; counted from there the weeks land on the same
        // clock as calendar dates.
        static const double gpsEpoch = double(QDate(1980, 1, 6).toJulianDay()) * SecondsPerDay;
        MarkTime t;
        t.scale = Absolute;
        t.seconds = gpsEpoch + m.captured(1).toDouble() * SecondsPerWeek + secondsOfWeek;
        t.resolution = resolutionOf(m.captured(3), true);
        return t;
    }
    m = timeOnly().match(text);
    if (m.hasMatch()) {
        const int hour = m.captured(1).toInt();
        const int minute = m.captured(2).toInt();
        const int second = m.captured(3).toInt();
        if (hour > 23 || minute > 59 || second > 60)
            return std::nullopt;
        MarkTime t;
        t.scale = TimeOfDay;
        t.seconds = hour * 3600.0 + minute * 60.0 + second + fraction(m.captured(4));
        t.resolution = resolutionOf(m.captured(4), true);
        return t;
    }
    m = bareSeconds().match(text);
    // A short whole number is more likely a point number than a time.
    if (m.hasMatch() && (!m.captured(2).isEmpty() || m.captured(1).size() >= 6)) {
        MarkTime t;
        t.scale = Seconds;
        t.seconds = m.captured(1).toDouble() + fraction(m.captured(2));
        t.resolution = resolutionOf(m.captured(2), true);
        return t;
    }
    return std::nullopt;
}

double MarkTime::absoluteSeconds(const QDateTime &wallClock)
{
    const QDate date = wallClock.date();
    const QTime time = wallClock.time();
    return double(date.toJulianDay()) * SecondsPerDay + time.msecsSinceStartOfDay() / 1000.0;
}

QString MarkTime::dateTail(QStringView dateCell, QStringView nextCell)
{
    const QString date = dateCell.trimmed().toString();
    const QString next = nextCell.trimmed().toString();
    if (next.isEmpty() || !timeOrSeconds().match(next).hasMatch())
        return QString();
    if (dateOnly().match(date).hasMatch() && next.contains(QLatin1Char(':')))
        return next;
    if (weekOnly().match(date).hasMatch() && !next.contains(QLatin1Char(':')))
        return next;
    return QString();
}

QString MarkTime::joined(const QString &date, const QString &tail)
{
    if (tail.isEmpty())
        return date.trimmed();
    return date.trimmed() + QLatin1Char(' ') + tail.trimmed();
}
