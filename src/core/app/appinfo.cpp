#include "app/appinfo.h"

#include <QCoreApplication>

QString AppInfo::organizationName() { return QStringLiteral("Orvanta"); }
QString AppInfo::organizationDomain() { return QStringLiteral("orvanta.example"); }
QString AppInfo::applicationName() { return QStringLiteral("Kestrix"); }
QString AppInfo::version() { return QStringLiteral("1.8.9"); }

QString AppInfo::titleWithVersion()
{
    return QStringLiteral("%1 %2").arg(applicationName(), version());
}

void AppInfo::apply()
{
    QCoreApplication::setOrganizationName(organizationName());
    QCoreApplication::setOrganizationDomain(organizationDomain());
    QCoreApplication::setApplicationName(applicationName());
    QCoreApplication::setApplicationVersion(version());
}
