#include "vdircache.h"

#include "safefile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include <stdexcept>

namespace contactclient::carddav {
namespace {

// The copy's own small files are read as regular files only (a link or a FIFO planted there
// reads as missing).
constexpr qint64 kMaxStateFile = 256LL * 1024 * 1024;

QJsonObject readJson(const QString& path)
{
    QByteArray data;
    if (!safefile::readRegularFile(path, kMaxStateFile, data, nullptr))
        return {};
    return QJsonDocument::fromJson(data).object();
}

QSet<QString> known(const QHash<QString, CachedCard>& index)
{
    QSet<QString> files;
    for (const CachedCard& card : index)
        if (!card.broken)
            files.insert(card.file);
    return files;
}

} // namespace

void writeFileAtomically(const QString& path, const QByteArray& data)
{
    // Replaced by rename: a symbolic link planted at the name is replaced, not written through.
    QString why;
    if (!safefile::writeAtomically(-1, path, data, &why))
        throw std::runtime_error(
            QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), why).toStdString());
}

VdirCache::VdirCache(QString folder) : m_folder(std::move(folder)) {}

void VdirCache::load()
{
    m_index.clear();
    m_ownFiles.clear();
    const QJsonObject index =
        readJson(m_folder + QLatin1Char('/') + kIndexFile).value(QStringLiteral("cards")).toObject();
    for (auto it = index.begin(); it != index.end(); ++it) {
        const QJsonObject card = it.value().toObject();
        if (const QString file = card.value(QStringLiteral("file")).toString(); !file.isEmpty())
            m_ownFiles.insert(file);
        CachedCard entry{card.value(QStringLiteral("file")).toString(), card.value(QStringLiteral("etag")).toString(),
                         card.value(QStringLiteral("broken")).toBool()};
        if (entry.broken || (!entry.file.isEmpty() && entry.file == fileNameFor(it.key())))
            m_index.insert(it.key(), entry);
    }
    QByteArray journal;
    if (safefile::readRegularFile(m_folder + QLatin1Char('/') + kJournalFile, kMaxStateFile, journal, nullptr)) {
        for (const QByteArray& line : journal.split('\n'))
            if (!line.isEmpty())
                m_ownFiles.insert(QString::fromUtf8(line));
    }
    const CopyState state = readState(m_folder);
    m_complete = state.complete;
    m_state = state.state;
}

CopyState VdirCache::readState(const QString& folder)
{
    const QJsonObject state = readJson(folder + QLatin1Char('/') + kStateFile);
    CopyState out;
    out.complete = state.contains(QStringLiteral("addressBook"));
    out.state = {state.value(QStringLiteral("addressBook")).toString(),
                 state.value(QStringLiteral("syncToken")).toString(), state.value(QStringLiteral("ctag")).toString(),
                 state.value(QStringLiteral("syncedAt")).toString()};
    out.broken = state.value(QStringLiteral("broken")).toInt(-1);
    out.packs = state.value(QStringLiteral("packs")).toString();
    return out;
}

int VdirCache::brokenCount() const
{
    return int(std::count_if(m_index.cbegin(), m_index.cend(), [](const CachedCard& c) { return c.broken; }));
}

QString VdirCache::fileNameFor(const QString& hrefPath) const
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9][A-Za-z0-9._@+=-]{0,150}\\.vcf$"));
    const qsizetype slash = hrefPath.lastIndexOf(QLatin1Char('/'));
    QString name = hrefPath.sliced(slash + 1);
    // Without a collection (the copy read for its state alone) a member's plain name is trusted
    // as written by an earlier sync.
    const bool inCollection = m_collection.isEmpty() || hrefPath.first(slash + 1) == m_collection;
    if (inCollection && plain.match(name).hasMatch())
        return name;
    return QLatin1Char('_') +
           QString::fromLatin1(QCryptographicHash::hash(hrefPath.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".vcf");
}

QSet<QString> VdirCache::filesOnDisk() const
{
    const QStringList names = QDir(m_folder).entryList({QStringLiteral("*.vcf")}, QDir::Files);
    return QSet<QString>(names.cbegin(), names.cend());
}

void VdirCache::writeCard(const QString& hrefPath, const QString& etag, const QByteArray& data)
{
    // Temporary file, then rename: a reader sees the old card or the new one, never half of one.
    // Not flushed to disk one by one (thousands of cards): commit() flushes them all at once.
    const QString file = fileNameFor(hrefPath);
    noteWritten(file);
    // A copy not yet complete is read by no one as a whole: its new cards are written in place,
    // which costs a third of a temporary file and a rename. A copy stopped half-way has no state
    // file, and the next sync writes every card again.
    if (!m_complete && createCard(file, data)) {
        m_index.insert(hrefPath, {file, etag, false});
        return;
    }
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

bool VdirCache::createCard(const QString& file, const QByteArray& data)
{
    if (!m_dir.isOpen()) {
        m_dir = safefile::Fd(
            ::open(QFile::encodeName(m_folder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!m_dir.isOpen())
            return false;
    }
    const QByteArray name = QFile::encodeName(file);
    const int fd = ::openat(m_dir.get(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST)
            return false;
        throw std::runtime_error(QStringLiteral("Cannot write %1: %2")
                                     .arg(QDir::toNativeSeparators(m_folder + QLatin1Char('/') + file),
                                          QString::fromLocal8Bit(std::strerror(errno)))
                                     .toStdString());
    }
    if (const int error = safefile::writeAll(fd, data)) {
        ::close(fd);
        ::unlinkat(m_dir.get(), name.constData(), 0);
        throw std::runtime_error(QStringLiteral("Cannot write %1: %2")
                                     .arg(QDir::toNativeSeparators(m_folder + QLatin1Char('/') + file),
                                          QString::fromLocal8Bit(std::strerror(error)))
                                     .toStdString());
    }
    if (::close(fd) != 0) {
        ::unlinkat(m_dir.get(), name.constData(), 0);
        throw std::runtime_error(QStringLiteral("Cannot write %1")
                                     .arg(QDir::toNativeSeparators(m_folder + QLatin1Char('/') + file))
                                     .toStdString());
    }
    return true;
}

void VdirCache::noteWritten(const QString& file)
{
    if (m_ownFiles.contains(file))
        return;
    if (!m_journal) {
        m_journal = std::make_unique<QFile>(m_folder + QLatin1Char('/') + kJournalFile);
        // Appended to, never through a link: the name is opened without following one.
        const int fd = ::open(QFile::encodeName(m_journal->fileName()).constData(),
                              O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (fd < 0 || !m_journal->open(fd, QIODevice::Append, QFileDevice::AutoCloseHandle)) {
            if (fd >= 0)
                ::close(fd);
            m_journal.reset();
            throw std::runtime_error(QStringLiteral("Cannot write %1")
                                         .arg(QDir::toNativeSeparators(m_folder + QLatin1Char('/') + kJournalFile))
                                         .toStdString());
        }
    }
    const QByteArray line = file.toUtf8() + '\n';
    if (m_journal->write(line) != line.size() || !m_journal->flush())
        throw std::runtime_error(QStringLiteral("Cannot write %1").arg(m_journal->fileName()).toStdString());
    m_ownFiles.insert(file);
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
    // The file goes even when the index does not name it (a sync that was stopped may have written
    // it, as its journal tells), but only when this copy wrote it.
    if (const QString file = fileNameFor(hrefPath); m_ownFiles.contains(file))
        QFile::remove(m_folder + QLatin1Char('/') + file);
    m_index.remove(hrefPath);
}

void VdirCache::removeStrayFiles()
{
    // Only files this copy wrote go: those its index named, and those its journal lists. A card
    // put into the folder by someone else is left alone.
    const QSet<QString> kept = known(m_index);
    const QDir dir(m_folder);
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        if (name == kIndexFile || name == kStateFile)
            continue;
        const bool card = name.endsWith(QStringLiteral(".vcf"));
        const bool leftover = name.startsWith(QStringLiteral(".tmp-")) ||
                              name.startsWith(kIndexFile + QLatin1Char('.')) ||
                              name.startsWith(kStateFile + QLatin1Char('.'));
        if ((card && !kept.contains(name) && m_ownFiles.contains(name)) || leftover)
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
    writeIndex();
    m_state = state;
    writeState(m_folder, m_state, brokenCount());
    m_complete = true;
    // The index names every file now: the journal has done its work.
    m_journal.reset();
    QFile::remove(m_folder + QLatin1Char('/') + kJournalFile);
    m_ownFiles = known(m_index);
}

void VdirCache::writeIndex()
{
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
}

QString VdirCache::hrefOfFile(const QString& file) const
{
    for (auto it = m_index.cbegin(); it != m_index.cend(); ++it)
        if (!it->broken && it->file == file)
            return it.key();
    return {};
}

void VdirCache::writeState(const QString& folder, SyncState& state, int broken, const QString& packs)
{
    state.syncedAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
    QJsonObject json{{QStringLiteral("addressBook"), state.addressBook},
                     {QStringLiteral("syncToken"), state.syncToken},
                     {QStringLiteral("ctag"), state.ctag},
                     {QStringLiteral("syncedAt"), state.syncedAt},
                     {QStringLiteral("broken"), broken}};
    if (!packs.isEmpty())
        json.insert(QStringLiteral("packs"), packs);
    writeFileAtomically(folder + QLatin1Char('/') + kStateFile, QJsonDocument(json).toJson());
}

void VdirCache::removeOwnCards()
{
    for (const QString& file : std::as_const(m_ownFiles))
        if (!file.contains(QLatin1Char('/')) && file.endsWith(QStringLiteral(".vcf")))
            QFile::remove(m_folder + QLatin1Char('/') + file);
    m_journal.reset();
    QFile::remove(m_folder + QLatin1Char('/') + kJournalFile);
    QFile::remove(m_folder + QLatin1Char('/') + kIndexFile);
    m_ownFiles.clear();
    m_index.clear();
}

} // namespace contactclient::carddav
