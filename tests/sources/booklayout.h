#pragma once
// Address-book folders written the way vdir tools write them: one card per .vcf file, written to
// a temporary name and renamed into place.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace booklayout {

inline QByteArray card(const QString& uid, const QString& given, const QString& family,
                       const QStringList& categories = {}, const QString& phone = {})
{
    QString text = QStringLiteral("BEGIN:VCARD\r\nVERSION:3.0\r\nUID:") + uid + QStringLiteral("\r\nFN:") + given +
                   QLatin1Char(' ') + family + QStringLiteral("\r\nN:") + family + QLatin1Char(';') + given +
                   QStringLiteral(";;;\r\n");
    if (!categories.isEmpty())
        text += QStringLiteral("CATEGORIES:") + categories.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    if (!phone.isEmpty())
        text += QStringLiteral("TEL;TYPE=CELL:") + phone + QStringLiteral("\r\n");
    text += QStringLiteral("END:VCARD\r\n");
    return text.toUtf8();
}

// Writes the file atomically; creates its folder.
inline bool writeAtomically(const QString& path, const QByteArray& data)
{
    const QString dir = QFileInfo(path).path();
    if (!QDir().mkpath(dir))
        return false;
    const QString tmp = dir + QStringLiteral("/.") + QFileInfo(path).fileName() + QStringLiteral(".tmp");
    QFile f(tmp);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size())
        return false;
    f.close();
    return ::rename(QFile::encodeName(tmp).constData(), QFile::encodeName(path).constData()) == 0;
}

// "folder/uid.vcf" holding a card for "Given Family".
inline bool addCard(const QString& folder, const QString& uid, const QString& given, const QString& family,
                    const QStringList& categories = {}, const QString& phone = {})
{
    return writeAtomically(folder + QLatin1Char('/') + uid + QStringLiteral(".vcf"),
                           card(uid, given, family, categories, phone));
}

} // namespace booklayout
