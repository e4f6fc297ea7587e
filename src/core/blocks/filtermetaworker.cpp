#include "blocks/filtermetaworker.h"

#include "blocks/linemetatype.h"

#include <QCoreApplication>
#include <QThread>

#include <cmath>
#include <vector>

FilterMetaWorker::FilterMetaWorker(QObject *parent) : QObject(parent)
{
    registerLineMetaTypes();
}

void FilterMetaWorker::setData(QList<Line> data)
{
    m_data = std::move(data);
    m_stop = false;
}

void FilterMetaWorker::setValSS(int metres)
{
    m_valSS = metres;
}

void FilterMetaWorker::setQuarantine(QList<bool> rows)
{
    m_quarantine = std::move(rows);
}

void FilterMetaWorker::doWork()
{
    const int n = m_data.size();
    // A row past the end reads as (-1, -1).
    auto north = [&](int i) { return i >= 0 && i < n ? m_data.at(i).y : -1.0; };
    auto east = [&](int i) { return i >= 0 && i < n ? m_data.at(i).x : -1.0; };
    auto distance = [&](int i, int j) {
        return std::hypot(north(i) - north(j), east(i) - east(j));
    };

    QList<int> result;
    std::vector<bool> skipped(size_t(n) + 2, false);
    int lastKept = 0; // nearest earlier row not marked; row 0 is never marked
    int reported = -1;
    bool stopped = false;
    for (int i = 0; i < n; ++i) {
        if (m_stop) {
            stopped = true;
            break;
        }
        const int percent = int((100.0 / n) * i);
        if (percent != reported) {
            reported = percent;
            emit workProcess(percent);
        }
        if (!skipped[size_t(i)])
            lastKept = i;
        const int p = lastKept;
        const int m = i + 1;
        const int f = i + 2;
        // The row behind the candidate must exist: a missing row reads as (-1, -1), and a
        // path near the origin must not be straightened towards that phantom point.
        if (f >= n)
            continue;
        const double a = distance(p, f);
        const double b = distance(m, f);
        const double c = distance(p, m);
        if (!(b > 0.0 && c > 0.0))
            continue; // the angle is not a number
        // Rounding may push a straight angle's cosine just past -1, where acos has no value.
        const double cosine =
            std::fmax(-1.0, std::fmin(1.0, (b * b + c * c - a * a) / (2 * b * c)));
        const double angle = std::acos(cosine) * 57.3;
        if (angle >= 176.0 && angle <= 184.0 && m_valSS > c + b) {
            if (!m_quarantine.value(m, false))
                result.append(m);
            skipped[size_t(m)] = true;
        }
    }
    if (stopped) {
        emit workFinishedFail();
    } else {
        emit workProcess(100);
        emit workFinished(result);
    }
    // Called directly on the main thread (no pass thread), there is nothing to stop.
    const QCoreApplication *app = QCoreApplication::instance();
    if (!app || thread() != app->thread())
        thread()->quit();
}
