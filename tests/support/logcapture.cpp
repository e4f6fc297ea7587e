#include "logcapture.h"

#include <QMutexLocker>

namespace {
LogCapture *g_active = nullptr;
}

LogCapture::LogCapture()
{
    g_active = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    g_active = nullptr;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    Q_UNUSED(type)
    LogCapture *self = g_active;
    if (!self)
        return;
    const QString category = QString::fromLatin1(context.category ? context.category : "default");
    QMutexLocker lock(&self->m_mutex);
    self->m_lines << category + QStringLiteral(": ") + text;
}

QStringList LogCapture::lines() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines;
}

QStringList LogCapture::lines(const QString &category) const
{
    const QString prefix = category + QStringLiteral(": ");
    QStringList result;
    for (const QString &line : lines()) {
        if (line.startsWith(prefix))
            result << line.mid(prefix.size());
    }
    return result;
}

bool LogCapture::contains(const QString &line) const
{
    return lines().contains(line);
}

void LogCapture::clear()
{
    QMutexLocker lock(&m_mutex);
    m_lines.clear();
}
