#pragma once

#include <QString>
#include <QStringView>

#include <optional>

class QDateTime;

/**
 * The time of a timemark row, read from its date text. The reader keeps that text as it
 * stands; only the pairing check needs it as a time, and receivers write it in many forms:
 * RTKLIB's GPST "2020/12/24 21:28:42.000" or GPS week and seconds "2137 422922.000", ISO
 * "2024-05-17T10:22:33.5Z", "17.05.2024 10:22:33,500", a bare time of day, bare seconds.
 */
struct MarkTime
{
    /// What the seconds count from. Times of different scales cannot be compared.
    enum Scale
    {
        Absolute,  //!< a date and time (GPS week and seconds included) on one continuous clock
        TimeOfDay, //!< seconds since midnight of a day the text does not name
        Seconds    //!< a bare count of seconds (seconds of the GPS week, a Unix time, ...)
    };

    static constexpr double SecondsPerDay = 86400.0;

    double seconds = 0.0;
    /// How finely the text gives the time: 1 s without decimals, 0.001 s with three.
    double resolution = 1.0;
    Scale scale = Absolute;

    /// The time in @p text, or nothing when it holds no form known here.
    static std::optional<MarkTime> parse(QStringView text);
    /**
     * A date and time on the Absolute scale, read as a wall clock without zone (the same
     * clock the photos' capture times are read on).
     */
    static double absoluteSeconds(const QDateTime &wallClock);
    /**
     * The text of @p nextCell when @p dateCell holds only a calendar date or a GPS week and
     * @p nextCell the time that completes it (files split by blanks, such as RTKLIB's, put
     * them into two cells); otherwise an empty text.
     */
    static QString dateTail(QStringView dateCell, QStringView nextCell);
    /// The date text of a row with its tail, as parse() wants it.
    static QString joined(const QString &date, const QString &tail);
};
