#include "app/commandline.h"

CommandLine::CommandLine(const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (argument.compare(QLatin1String("-nocheck"), Qt::CaseInsensitive) == 0) {
            ++m_noCheckCount;
        } else if (argument.compare(QLatin1String("-fulldel"), Qt::CaseInsensitive) == 0) {
            ++m_noCheckCount;
            m_blocksNoCheck = true;
        } else if (argument.compare(QLatin1String("--demo"), Qt::CaseInsensitive) == 0) {
            m_demo = true;
        }
    }
}
