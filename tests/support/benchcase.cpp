#include "benchcase.h"

#include <QCoreApplication>
#include <QProcess>

QList<QByteArray> BenchCase::run(const QStringList &arguments, int fields)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(-1);
    const QList<QByteArray> printed = child.readAllStandardOutput().trimmed().split(' ');
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0 ||
        printed.size() != fields)
        return {};
    return printed;
}

QList<QList<double>> BenchCase::repeat(const QStringList &arguments, int fields, int times)
{
    QList<QList<double>> results;
    for (int i = 0; i < times; ++i) {
        const QList<QByteArray> printed = run(arguments, fields);
        if (printed.isEmpty())
            return {};
        QList<double> values;
        for (const QByteArray &field : printed)
            values << field.toDouble();
        results << values;
    }
    return results;
}
