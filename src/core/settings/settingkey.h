#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <functional>

/**
 * One persistent setting: its key path, its value type and its default.
 *
 * Every reader and writer goes through the key object, so the key string and the
 * default exist exactly once in the program.
 */
template <typename T>
class SettingKey
{
public:
    SettingKey(QString name, std::function<T()> defaultValue)
        : m_name(std::move(name)), m_default(std::move(defaultValue))
    {
    }
    SettingKey(QString name, T defaultValue)
        : m_name(std::move(name)), m_default([defaultValue] { return defaultValue; })
    {
    }

    const QString &name() const { return m_name; }
    T defaultValue() const { return m_default(); }
    T read(const QSettings &settings) const
    {
        return settings.value(m_name, QVariant::fromValue(m_default())).template value<T>();
    }
    void write(QSettings &settings, const T &value) const
    {
        settings.setValue(m_name, QVariant::fromValue(value));
    }
    bool isStored(const QSettings &settings) const { return settings.contains(m_name); }

private:
    QString m_name;
    std::function<T()> m_default;
};
