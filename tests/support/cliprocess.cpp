#include "cliprocess.h"

#include "testenv.h"

#include <QDir>
#include <QProcess>

#include <memory>

QProcessEnvironment CliProcess::isolatedEnvironment(const QString &base)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", base + "/child-config");
    env.insert("XDG_DATA_HOME", base + "/child-data");
    env.insert("HOME", base + "/child-home");
    // What a child leaves in its temporary folder when a test kills it stays in the test's own.
    env.insert("TMPDIR", base + "/child-tmp");
    QDir().mkpath(base + "/child-home");
    QDir().mkpath(base + "/child-tmp");
    return env;
}

QProcess *CliProcess::start(const QProcessEnvironment &env, const QStringList &args,
                            const QStringList &wrapper, QObject *parent)
{
    auto *p = new QProcess(parent);
    p->setProcessEnvironment(env);
    if (wrapper.isEmpty())
        p->start(TestEnv::cliPath(), args);
    else
        p->start(wrapper.first(), wrapper.mid(1) + QStringList{TestEnv::cliPath()} + args);
    return p;
}

CliResult CliProcess::run(const QProcessEnvironment &env, const QStringList &args,
                          const QStringList &wrapper)
{
    std::unique_ptr<QProcess> p(start(env, args, wrapper));
    CliResult r;
    if (!p->waitForFinished(60000)) {
        p->kill();
        p->waitForFinished();
    } else if (p->exitStatus() == QProcess::NormalExit) {
        r.code = p->exitCode();
    }
    r.out = QString::fromUtf8(p->readAllStandardOutput());
    r.err = QString::fromUtf8(p->readAllStandardError());
    return r;
}
