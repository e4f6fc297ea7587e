#pragma once

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVariantList>

class QSettings;

/**
 * The stored look of the flight graph's three curves, addressed by their settings names
 * "chart" (the path), "quarantine" and "selected": a colour kept as red, green, blue, alpha
 * and a pen size.
 */
class ChartSettings
{
public:
    static const QString Chart;
    static const QString Quarantine;
    static const QString Selected;

    /// The three names, in the order the graph lists them.
    static QStringList curveNames();
    static bool isCurveName(const QString &curve);

    /// The stored colour, or the default when the stored list is not three or four numbers
    /// from 0 to 255. An unknown name gives an invalid colour.
    static QColor color(const QSettings &settings, const QString &curve);
    static void setColor(QSettings &settings, const QString &curve, const QColor &color);
    static QColor defaultColor(const QString &curve);
    /// The stored size; an unknown name gives 0.
    static int size(const QSettings &settings, const QString &curve);
    static void setSize(QSettings &settings, const QString &curve, int size);
    static int defaultSize(const QString &curve);
    /// Writes the defaults of all three curves.
    static void resetToDefaults(QSettings &settings);

    /// Red, green, blue, alpha as stored; a three-entry list is opaque. An invalid colour for
    /// anything else.
    static QColor colorFromList(const QVariant &stored);
    static QVariantList colorToList(const QColor &color);
};
