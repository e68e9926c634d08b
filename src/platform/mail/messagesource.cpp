#include "messagesource.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace mail {

qint64 BytesSource::read(char* buffer, qint64 max)
{
    const qint64 n = std::min(max, m_bytes.size() - m_offset);
    if (n <= 0)
        return 0;
    std::memcpy(buffer, m_bytes.constData() + m_offset, std::size_t(n));
    m_offset += n;
    return n;
}

FileSource::FileSource(safefile::Fd fd, qint64 size, QString name)
    : m_fd(std::move(fd)), m_size(size), m_name(std::move(name))
{
}

qint64 FileSource::read(char* buffer, qint64 max)
{
    const qint64 wanted = std::min(max, m_size - m_offset);
    if (wanted <= 0)
        return 0;
    for (;;) {
        const ssize_t n = ::pread(m_fd.get(), buffer, std::size_t(wanted), off_t(m_offset));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            m_error = QStringLiteral("%1 cannot be read: %2").arg(m_name, QString::fromLocal8Bit(std::strerror(errno)));
            return -1;
        }
        if (n == 0) {
            m_error = QStringLiteral("%1 became shorter while it was read").arg(m_name);
            return -1;
        }
        m_offset += n;
        return n;
    }
}

QString megabytes(qint64 bytes)
{
    const double mb = double(bytes) / (1024.0 * 1024.0);
    return QStringLiteral("%1 MB").arg(mb >= 100 ? QString::number(qRound64(mb)) : QString::number(mb, 'g', 3));
}

std::optional<QByteArray> readAll(MessageSource& source, qint64 max, QString* why)
{
    if (source.size() > max) {
        *why = QStringLiteral("it is larger than %1").arg(megabytes(max));
        return std::nullopt;
    }
    source.rewind();
    QByteArray bytes(source.size(), Qt::Uninitialized);
    qint64 filled = 0;
    while (filled < bytes.size()) {
        const qint64 n = source.read(bytes.data() + filled, bytes.size() - filled);
        if (n <= 0) {
            *why = n < 0 ? source.error() : QStringLiteral("it ended early");
            return std::nullopt;
        }
        filled += n;
    }
    source.rewind();
    return bytes;
}

} // namespace mail
