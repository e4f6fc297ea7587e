#include "settings/chartsettings.h"

#include "settings/settingskeys.h"

#include <QSettings>

const QString ChartSettings::Chart = QStringLiteral("chart");
const QString ChartSettings::Quarantine = QStringLiteral("quarantine");
const QString ChartSettings::Selected = QStringLiteral("selected");

namespace {

const SettingKey<QVariantList> *colorKey(const QString &curve)
{
    if (curve == ChartSettings::Chart)
        return &Keys::ChartColorChart;
    if (curve == ChartSettings::Quarantine)
        return &Keys::ChartColorQuarantine;
    if (curve == ChartSettings::Selected)
        return &Keys::ChartColorSelected;
    return nullptr;
}

const SettingKey<int> *sizeKey(const QString &curve)
{
    if (curve == ChartSettings::Chart)
        return &Keys::ChartSizeChart;
    if (curve == ChartSettings::Quarantine)
        return &Keys::ChartSizeQuarantine;
    if (curve == ChartSettings::Selected)
        return &Keys::ChartSizeSelected;
    return nullptr;
}

} // namespace

QStringList ChartSettings::curveNames()
{
    return {Chart, Quarantine, Selected};
}

bool ChartSettings::isCurveName(const QString &curve)
{
    return colorKey(curve) != nullptr;
}

QColor ChartSettings::color(const QSettings &settings, const QString &curve)
{
    const SettingKey<QVariantList> *key = colorKey(curve);
    if (!key)
        return QColor();
    const QColor stored = colorFromList(settings.value(key->name()));
    return stored.isValid() ? stored : defaultColor(curve);
}

void ChartSettings::setColor(QSettings &settings, const QString &curve, const QColor &color)
{
    if (const SettingKey<QVariantList> *key = colorKey(curve); key && color.isValid())
        key->write(settings, colorToList(color));
}

QColor ChartSettings::defaultColor(const QString &curve)
{
    const SettingKey<QVariantList> *key = colorKey(curve);
    return key ? colorFromList(key->defaultValue()) : QColor();
}

int ChartSettings::size(const QSettings &settings, const QString &curve)
{
    const SettingKey<int> *key = sizeKey(curve);
    return key ? key->read(settings) : 0;
}

void ChartSettings::setSize(QSettings &settings, const QString &curve, int size)
{
    if (const SettingKey<int> *key = sizeKey(curve))
        key->write(settings, size);
}

int ChartSettings::defaultSize(const QString &curve)
{
    const SettingKey<int> *key = sizeKey(curve);
    return key ? key->defaultValue() : 0;
}

void ChartSettings::resetToDefaults(QSettings &settings)
{
    for (const QString &curve : curveNames()) {
        setColor(settings, curve, defaultColor(curve));
        setSize(settings, curve, defaultSize(curve));
    }
}

QColor ChartSettings::colorFromList(const QVariant &stored)
{
    // A list written by this program comes back from an INI store as strings.
    const QVariantList list = stored.toList();
    if (list.size() != 3 && list.size() != 4)
        return QColor();
    int channels[4] = {0, 0, 0, 255};
    for (int i = 0; i < list.size(); ++i) {
        bool ok = false;
        channels[i] = list.at(i).toInt(&ok);
        if (!ok || channels[i] < 0 || channels[i] > 255)
            return QColor();
    }
    return QColor(channels[0], channels[1], channels[2], channels[3]);
}

QVariantList ChartSettings::colorToList(const QColor &color)
{
    return {color.red(), color.green(), color.blue(), color.alpha()};
}
