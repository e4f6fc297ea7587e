#include "logcapture.h"

#include <atomic>

namespace {
// Read by the handler in whatever thread logs.
std::atomic<LogCapture *> g_active{nullptr};
} // namespace

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
    std::lock_guard lock(self->m_mutex);
    self->m_lines << category + QStringLiteral(": ") + text;
}

QStringList LogCapture::lines() const
{
    std::lock_guard lock(m_mutex);
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
    std::lock_guard lock(m_mutex);
    m_lines.clear();
}
