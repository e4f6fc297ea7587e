#include "settings/settingsstore.h"

#include "settings/settingskeys.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace Keys {

SettingKey<int> metaHeader(int position)
{
    return SettingKey<int>(QStringLiteral("meta/header/%1").arg(position), position);
}

SettingKey<bool> metaHeaderEnabled(int position)
{
    return SettingKey<bool>(QStringLiteral("meta/header/%1/enabled").arg(position), true);
}

} // namespace Keys

QString SettingsStore::lastDir(const QSettings &settings)
{
    QString dir = Keys::LastDir.read(settings);
    if (!Keys::LastDir.isStored(settings))
        dir = Keys::OutputDir.read(settings);
    if (dir.isEmpty() || !QFileInfo(dir).isDir())
        return QDir::homePath();
    return dir;
}

bool SettingsStore::isWgs84(const QSettings &settings)
{
    return Keys::CoordinateType.read(settings) == Keys::CoordinateTypeWgs84;
}

void SettingsStore::resetToDefaults(QSettings &s)
{
    using namespace Keys;
    OutputAutoCreate.write(s, true);
    OutputDir.write(s, QDir::homePath());
    OutputSaveDir.write(s, true);
    OutputOpenDir.write(s, true);
    MetaOutSeparator.write(s, 2);
    OutputClearFly.write(s, false);
    OutputSplitFoldersBlock.write(s, false);
    OutputAutoOutAsInp.write(s, true);

    MetaAutosave.write(s, true);
    MetaPosX.write(s, 3);
    MetaPosY.write(s, 4);
    MetaPosZ.write(s, 5);
    MetaPosDate.write(s, 1);
    MetaPosSx.write(s, 0);
    MetaPosSy.write(s, 0);
    MetaPosSz.write(s, 0);
    MetaPosFirst.write(s, 2);
    MetaSeparator.write(s, 0);
    MetaColumnAutoResize.write(s, false);
    MetaOnAdd.write(s, 0);
    MetaNumberFormat.write(s, 0);
    MetaPrecision.write(s, 3);
    MetaPrecisionIndividual.write(s, false);
    for (const auto *key : {&MetaPrecisionX, &MetaPrecisionY, &MetaPrecisionZ, &MetaPrecisionSx,
                            &MetaPrecisionSy, &MetaPrecisionSz})
        key->write(s, 0);

    Logging.write(s, 1);
    OffsetZ.write(s, -169);
    OffsetX.write(s, 30);
    OffsetY.write(s, 0);
    LeverArmDesign.write(s, false);
    Translation.write(s, QStringLiteral("sys"));
    UseDesktopOpenGL.write(s, true);
    UseHiDpiScale.write(s, true);
    SecondsToSlice.write(s, 60);

    CoordinateType.write(s, 0);
    FiltersValue.write(s, 30);
    OutputLabel.write(s, 0);

    for (int p = 0; p < OutputColumnCount; ++p) {
        metaHeader(p).write(s, p);
        metaHeaderEnabled(p).write(s, true);
    }
    s.sync();
}

bool SettingsStore::usePrivateCopy(const QString &folder)
{
    QSettings user;
    const QStringList keys = user.allKeys();
    QVariantList values;
    for (const QString &key : keys)
        values << user.value(key);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder);
    QSettings copy;
    for (int i = 0; i < keys.size(); ++i)
        copy.setValue(keys.at(i), values.at(i));
    copy.sync();
    return copy.status() == QSettings::NoError;
}
