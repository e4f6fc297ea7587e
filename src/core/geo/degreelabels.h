#pragma once

#include <QMap>
#include <QString>
#include <QVector>

/**
 * Degree labels for a metric axis: the plot stays in metres, and each label stands at the
 * metric position of a timemark whose degree value it shows.
 */
class DegreeLabels
{
public:
    /// A new label only where the degree value has moved on by more than this (about 20 m).
    static constexpr double MinimumStep = 0.0002;
    static constexpr int Decimals = 6;

    /**
     * @p metres[i] and @p degrees[i] belong to the same timemark (northing and latitude, or
     * easting and longitude). Walking the pairs by ascending degree value, the first one gets a
     * label, and after it every one that exceeds the last labelled degree by more than
     * MinimumStep. Keys are metric positions; pairs that are not finite numbers are skipped.
     */
    static QMap<double, QString> build(const QVector<double> &metres,
                                       const QVector<double> &degrees);
};
