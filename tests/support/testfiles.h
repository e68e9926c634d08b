#pragma once
// Files the tests write and read back: written whole, in a folder made on the way.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTest>

namespace testsupport {

// Writes the file anew with the data; false when any step failed.
inline bool writeFile(const QString& path, const QByteArray& data, bool executable = false)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size() || !f.flush())
        return false;
    f.close();
    return !executable || f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// The file's bytes, or `missing` when it cannot be read.
inline QByteArray readFile(const QString& path, const QByteArray& missing = {})
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : missing;
}

// Writes the file; a failure fails the running test, which goes on.
inline void write(const QString& path, const QByteArray& data)
{
    QVERIFY2(writeFile(path, data), qPrintable(path));
}

} // namespace testsupport
