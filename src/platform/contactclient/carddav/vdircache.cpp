#include "vdircache.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryFile>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

namespace contactclient::carddav {
namespace {

QJsonObject readJson(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& data)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        throw std::runtime_error(QStringLiteral("Cannot write %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString())
                                     .toStdString());
}

VdirCache::VdirCache(QString folder) : m_folder(std::move(folder)) {}

void VdirCache::load()
{
    m_index.clear();
    const QJsonObject index =
        readJson(m_folder + QLatin1Char('/') + kIndexFile).value(QStringLiteral("cards")).toObject();
    for (auto it = index.begin(); it != index.end(); ++it) {
        const QJsonObject card = it.value().toObject();
        CachedCard entry{card.value(QStringLiteral("file")).toString(), card.value(QStringLiteral("etag")).toString(),
                         card.value(QStringLiteral("broken")).toBool()};
        if (entry.broken || (!entry.file.isEmpty() && entry.file == fileNameFor(it.key())))
            m_index.insert(it.key(), entry);
    }
    const QJsonObject state = readJson(m_folder + QLatin1Char('/') + kStateFile);
    m_complete = state.contains(QStringLiteral("addressBook"));
    m_state = {state.value(QStringLiteral("addressBook")).toString(),
               state.value(QStringLiteral("syncToken")).toString(), state.value(QStringLiteral("ctag")).toString(),
               state.value(QStringLiteral("syncedAt")).toString()};
}

int VdirCache::brokenCount() const
{
    return int(std::count_if(m_index.cbegin(), m_index.cend(), [](const CachedCard& c) { return c.broken; }));
}

QString VdirCache::fileNameFor(const QString& hrefPath)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._@+=-]{0,150}\\.vcf$"));
    const QString name = hrefPath.section(QLatin1Char('/'), -1, -1, QString::SectionSkipEmpty);
    if (plain.match(name).hasMatch())
        return name;
    return QString::fromLatin1(QCryptographicHash::hash(hrefPath.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".vcf");
}

void VdirCache::writeCard(const QString& hrefPath, const QString& etag, const QByteArray& data)
{
    // Temporary file, then rename: a reader sees the old card or the new one, never half of one.
    // Not flushed to disk one by one (thousands of cards): commit() flushes them all at once.
    const QString file = fileNameFor(hrefPath);
    QTemporaryFile temp(m_folder + QStringLiteral("/.tmp-XXXXXX"));
    temp.setAutoRemove(true);
    if (!temp.open() || temp.write(data) != data.size() || !temp.flush() ||
        ::rename(QFile::encodeName(temp.fileName()).constData(),
                 QFile::encodeName(m_folder + QLatin1Char('/') + file).constData()) != 0)
        throw std::runtime_error(
            QStringLiteral("Cannot write %1: %2")
                .arg(QDir::toNativeSeparators(m_folder + QLatin1Char('/') + file), temp.errorString())
                .toStdString());
    temp.setAutoRemove(false); // it has become the card
    m_index.insert(hrefPath, {file, etag, false});
}

void VdirCache::markBroken(const QString& hrefPath, const QString& etag)
{
    const auto it = m_index.constFind(hrefPath);
    if (it != m_index.cend() && !it->broken)
        QFile::remove(m_folder + QLatin1Char('/') + it->file);
    m_index.insert(hrefPath, {QString(), etag, true});
}

void VdirCache::removeCard(const QString& hrefPath)
{
    // The file goes even when the index does not name it: a sync that was stopped may have written it.
    QFile::remove(m_folder + QLatin1Char('/') + fileNameFor(hrefPath));
    m_index.remove(hrefPath);
}

void VdirCache::removeStrayFiles()
{
    QSet<QString> known;
    for (const CachedCard& card : std::as_const(m_index))
        if (!card.broken)
            known.insert(card.file);
    const QDir dir(m_folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (name == kIndexFile || name == kStateFile)
            continue;
        const bool card = name.endsWith(QStringLiteral(".vcf"));
        const bool leftover = name.startsWith(QStringLiteral(".tmp-")) ||
                              name.startsWith(kIndexFile + QLatin1Char('.')) ||
                              name.startsWith(kStateFile + QLatin1Char('.'));
        if ((card && !known.contains(name)) || leftover)
            QFile::remove(dir.filePath(name));
    }
}

void VdirCache::commit(const SyncState& state)
{
    // The cards reach the disk before the index and the token that name them.
    if (const int dir = ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY); dir >= 0) {
        ::syncfs(dir);
        ::close(dir);
    }
    QJsonObject cards;
    for (auto it = m_index.cbegin(); it != m_index.cend(); ++it) {
        QJsonObject card{{QStringLiteral("etag"), it->etag}};
        if (it->broken)
            card.insert(QStringLiteral("broken"), true);
        else
            card.insert(QStringLiteral("file"), it->file);
        cards.insert(it.key(), card);
    }
    writeFileAtomically(m_folder + QLatin1Char('/') + kIndexFile,
                        QJsonDocument(QJsonObject{{QStringLiteral("cards"), cards}}).toJson(QJsonDocument::Compact));
    m_state = state;
    m_state.syncedAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    const QJsonObject json{{QStringLiteral("addressBook"), m_state.addressBook},
                           {QStringLiteral("syncToken"), m_state.syncToken},
                           {QStringLiteral("ctag"), m_state.ctag},
                           {QStringLiteral("syncedAt"), m_state.syncedAt}};
    writeFileAtomically(m_folder + QLatin1Char('/') + kStateFile, QJsonDocument(json).toJson());
    m_complete = true;
}

} // namespace contactclient::carddav
