#pragma once
// The bytes of a message as a transport hands them on, read a piece at a time: a message kept in a
// file is never held whole in memory, however large the file is.

#include "safefile.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace mail {

class MessageSource {
public:
    virtual ~MessageSource() = default;
    virtual qint64 size() const = 0;
    // Up to max bytes from where the last read ended: 0 at the end, -1 when the bytes cannot be
    // read (error() says why).
    virtual qint64 read(char* buffer, qint64 max) = 0;
    // Back to the first byte, for another reader.
    virtual void rewind() = 0;
    virtual QString error() const { return {}; }
};

// A message in memory; the bytes must outlive the source.
class BytesSource final : public MessageSource {
public:
    explicit BytesSource(const QByteArray& bytes) : m_bytes(bytes) {}
    qint64 size() const override { return m_bytes.size(); }
    qint64 read(char* buffer, qint64 max) override;
    void rewind() override { m_offset = 0; }

private:
    const QByteArray& m_bytes;
    qint64 m_offset = 0;
};

// A message in an open file. Its size is what the file held when it was opened: reading stops
// there, and a file that ends sooner (cut short meanwhile) is a read error, not a shorter message.
class FileSource final : public MessageSource {
public:
    FileSource(safefile::Fd fd, qint64 size, QString name);
    qint64 size() const override { return m_size; }
    qint64 read(char* buffer, qint64 max) override;
    void rewind() override { m_offset = 0; }
    QString error() const override { return m_error; }

private:
    safefile::Fd m_fd;
    qint64 m_size;
    QString m_name;
    qint64 m_offset = 0;
    QString m_error;
};

// The whole source from its first byte, when it is no larger than max; nothing, with why set,
// when it is larger or cannot be read.
std::optional<QByteArray> readAll(MessageSource& source, qint64 max, QString* why);

// A size for the user: "64 MB", "1.5 MB", "2048 MB".
QString megabytes(qint64 bytes);

} // namespace mail
