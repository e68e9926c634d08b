#include "cardfile.h"

#include "contactclient/vcard/vcardfolder.h"
#include "contactclient/vcard/vcardreader.h"
#include "safefile.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QObject>
#include <QRandomGenerator>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace contactclient {
namespace {

std::function<void(WriteStep)>& hook()
{
    static std::function<void(WriteStep)> h;
    return h;
}

void step(WriteStep s)
{
    if (hook())
        hook()(s);
}

QString systemText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

[[noreturn]] void notWritten(const QString& file, const QString& why)
{
    throw AutomationError(
        errNotWritten, QObject::tr("The contact file “%1” could not be written (%2); it is as it was.").arg(file, why));
}

safefile::Fd openFolder(const QString& folder)
{
    safefile::Fd fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.isOpen())
        throw AutomationError(
            errStoreUnavailable,
            QObject::tr("The address book folder “%1” cannot be opened: %2.").arg(folder, systemText(errno)));
    return fd;
}

struct FileNow {
    safefile::FileInfo info;
    QByteArray data;
    mode_t mode = 0600;
    uid_t owner = 0;
    gid_t group = 0;
};

// Reads the file; false when it is gone.
bool readNow(int dirFd, const QString& name, FileNow& now)
{
    QString why;
    int error = 0;
    safefile::Fd fd = safefile::openRegularFile(dirFd, QFile::encodeName(name), kMaxFileSize, &now.info, &why, &error);
    if (!fd.isOpen()) {
        if (error == ENOENT)
            return false;
        throw AutomationError(errStoreUnavailable,
                              QObject::tr("The contact file “%1” cannot be read: %2").arg(name, why));
    }
    if (!safefile::readToEnd(fd.get(), now.info.size, kMaxFileSize, now.data, &why))
        throw AutomationError(errStoreUnavailable,
                              QObject::tr("The contact file “%1” cannot be read: %2").arg(name, why));
    struct stat st {};
    if (::fstat(fd.get(), &st) == 0) {
        now.mode = st.st_mode & 07777;
        now.owner = st.st_uid;
        now.group = st.st_gid;
    }
    return true;
}

QByteArray hashOf(const QByteArray& data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

[[noreturn]] void conflict(const QString& name)
{
    throw ConflictError(QObject::tr("The contact in “%1” was changed by another program since it was opened; "
                                    "nothing was written.")
                            .arg(name));
}

// The file as it is now, which must be the file the card was read from.
FileNow checkedFile(int dirFd, const CardOrigin& origin)
{
    FileNow now;
    if (!readNow(dirFd, origin.fileName, now))
        throw ConflictError(QObject::tr("The contact file “%1” was removed since it was opened; nothing was written.")
                                .arg(origin.fileName));
    if (now.info.size != origin.size || now.info.mtimeNs != origin.mtimeNs || now.info.inode != origin.inode ||
        hashOf(now.data) != origin.hash)
        conflict(origin.fileName);
    return now;
}

QByteArray temporaryName(const QString& name)
{
    return QFile::encodeName(QLatin1Char('.') + name) + ".quintel-" +
           QByteArray::number(QRandomGenerator::global()->generate64(), 36) + ".tmp";
}

// Writes a temporary file beside the target with its bytes on disk. Returns its name.
QByteArray writeTemporary(int dirFd, const QString& name, const QByteArray& data, mode_t mode, uid_t owner, gid_t group)
{
    const QByteArray temp = temporaryName(name);
    safefile::Fd fd(::openat(dirFd, temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (!fd.isOpen())
        notWritten(name, systemText(errno));
    auto fail = [&](int error) {
        ::unlinkat(dirFd, temp.constData(), 0);
        notWritten(name, systemText(error));
    };
    if (::fchmod(fd.get(), mode) != 0)
        fail(errno);
    if (owner != ::geteuid() || group != ::getegid())
        if (::fchown(fd.get(), owner, group) != 0) {
            // Kept where this user may; else the file is the user's own.
        }
    if (const int error = safefile::writeAll(fd.get(), data))
        fail(error);
    if (::fsync(fd.get()) != 0)
        fail(errno);
    return temp;
}

void syncFolder(int dirFd)
{
    ::fsync(dirFd); // a folder that cannot be synced (some network file systems) has the rename all the same
}

// Replaces the file, which must still be the one of origin, with data.
void replaceFile(int dirFd, const CardOrigin& origin, const FileNow& was, const QByteArray& data)
{
    const QByteArray target = QFile::encodeName(origin.fileName);
    const QByteArray temp = writeTemporary(dirFd, origin.fileName, data, was.mode, was.owner, was.group);
    step(WriteStep::TemporaryWritten);
    // Looked at once more just before the rename: a change meanwhile is not overwritten.
    struct stat st {};
    if (::fstatat(dirFd, target.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        qint64(st.st_ino) != qint64(origin.inode) || st.st_size != origin.size ||
        qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec != origin.mtimeNs) {
        ::unlinkat(dirFd, temp.constData(), 0);
        conflict(origin.fileName);
    }
    if (::renameat(dirFd, temp.constData(), dirFd, target.constData()) != 0) {
        const int error = errno;
        ::unlinkat(dirFd, temp.constData(), 0);
        notWritten(origin.fileName, systemText(error));
    }
    step(WriteStep::Renamed);
    syncFolder(dirFd);
}

CardOrigin originAfter(int dirFd, const CardOrigin& before, const QByteArray& data, qsizetype cardLength)
{
    CardOrigin o = before;
    struct stat st {};
    if (::fstatat(dirFd, QFile::encodeName(before.fileName).constData(), &st, AT_SYMLINK_NOFOLLOW) == 0) {
        o.size = st.st_size;
        o.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
        o.inode = st.st_ino;
    }
    o.hash = hashOf(data);
    o.length = cardLength;
    return o;
}

} // namespace

void setWriteHook(std::function<void(WriteStep)> h)
{
    hook() = std::move(h);
}

OpenedCard openCard(const QString& folder, const QString& entryId)
{
    QString name;
    int card = 1;
    if (!parseEntryId(entryId, name, card))
        throw ItemNotFound(entryId);
    const safefile::Fd dir = openFolder(folder);
    FileNow now;
    if (!readNow(dir.get(), name, now))
        throw ItemNotFound(entryId);
    if (vcard::toUtf8Data(now.data).constData() != now.data.constData())
        throw AutomationError(errReadOnly, QObject::tr("The contact file “%1” is written in UTF-16, which Quintel "
                                                       "reads but does not write; change it in another program.")
                                               .arg(name));
    OpenedCard opened;
    opened.origin = {folder, name, card, now.info.size, now.info.mtimeNs, now.info.inode, hashOf(now.data), 0, 0};
    bool found = false;
    vcard::readCards(now.data, vcard::Detail::Summary, [&](vcard::Card& c) {
        if (c.index != card)
            return true;
        found = c.ok();
        opened.origin.offset = c.offset;
        opened.origin.length = c.length;
        return false;
    });
    if (!found)
        throw ItemNotFound(entryId);
    opened.bytes = now.data.sliced(opened.origin.offset, opened.origin.length);
    return opened;
}

CardOrigin replaceCard(const CardOrigin& origin, const QByteArray& card)
{
    const safefile::Fd dir = openFolder(origin.folder);
    const FileNow was = checkedFile(dir.get(), origin);
    const QByteArray data = was.data.left(origin.offset) + card + was.data.mid(origin.offset + origin.length);
    if (data == was.data)
        return origin;
    replaceFile(dir.get(), origin, was, data);
    return originAfter(dir.get(), origin, data, card.size());
}

QString addCard(const QString& folder, const QString& uid, const QByteArray& card)
{
    QString name;
    for (QChar c : uid)
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            name += c;
        else if (c == QLatin1Char('-') || c == QLatin1Char('_'))
            name += c;
    if (name.isEmpty())
        throw AutomationError(errBadValue, QObject::tr("The contact has no usable UID for its file name."));
    name += QStringLiteral(".vcf");
    if (!QDir().mkpath(folder))
        notWritten(name, QObject::tr("the folder “%1” cannot be created").arg(folder));
    const safefile::Fd dir = openFolder(folder);
    const QByteArray temp = writeTemporary(dir.get(), name, card, 0600, ::geteuid(), ::getegid());
    step(WriteStep::TemporaryWritten);
    // A link, not a rename: a file of that name, however it came there, is never replaced.
    if (::linkat(dir.get(), temp.constData(), dir.get(), QFile::encodeName(name).constData(), 0) != 0) {
        const int error = errno;
        ::unlinkat(dir.get(), temp.constData(), 0);
        notWritten(name, systemText(error));
    }
    ::unlinkat(dir.get(), temp.constData(), 0);
    step(WriteStep::Renamed);
    syncFolder(dir.get());
    return name;
}

QString deletedCardsFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Quintel/deleted-contacts");
}

QString deleteCard(const CardOrigin& origin, const QString& asideFolder)
{
    const safefile::Fd dir = openFolder(origin.folder);
    const FileNow was = checkedFile(dir.get(), origin);

    // The copy first: once the card leaves its file, it is already kept.
    QString copyName = origin.fileName;
    if (origin.card > 1 || was.data.size() > origin.length + 2)
        copyName.insert(copyName.size() - 4, QStringLiteral("-%1").arg(origin.card));
    const QString copy = keepCardAside(asideFolder, copyName, was.data.sliced(origin.offset, origin.length));

    // The rest of the file: the card and its line break taken out.
    qsizetype end = origin.offset + origin.length;
    if (end < was.data.size() && was.data[end] == '\r')
        ++end;
    if (end < was.data.size() && was.data[end] == '\n')
        ++end;
    const QByteArray rest = was.data.left(origin.offset) + was.data.mid(end);
    bool otherCards = false;
    vcard::readCards(rest, vcard::Detail::Summary, [&](vcard::Card&) {
        otherCards = true;
        return false;
    });
    if (otherCards) {
        replaceFile(dir.get(), origin, was, rest);
    } else {
        if (::unlinkat(dir.get(), QFile::encodeName(origin.fileName).constData(), 0) != 0)
            notWritten(origin.fileName, systemText(errno));
        syncFolder(dir.get());
    }
    return copy;
}

QString keepCardAside(const QString& asideFolder, const QString& fileName, QByteArray card)
{
    QString why;
    QDir().mkpath(QFileInfo(asideFolder).path());
    const safefile::Fd aside = safefile::openPrivateFolder(asideFolder, &why);
    if (!aside.isOpen())
        notWritten(fileName, why);
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz"));
    const QString copyName = stamp + QLatin1Char('-') + fileName;
    if (!card.endsWith('\n'))
        card += card.contains("\r\n") ? "\r\n" : "\n";
    if (!safefile::writeAtomically(aside.get(), copyName, card, &why))
        notWritten(copyName, why);
    syncFolder(aside.get());
    return QDir(asideFolder).filePath(copyName);
}

vcard::Version folderVersion(const QString& folder)
{
    QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.vcf")}, QDir::Files, QDir::Name);
    QHash<int, int> counts;
    int looked = 0;
    for (const QString& name : names) {
        if (!isVCardFileName(name) || ++looked > 20)
            continue;
        QByteArray data;
        QString why;
        if (!safefile::readRegularFile(dir.filePath(name), 1024 * 1024, data, &why))
            continue;
        vcard::readCards(data, vcard::Detail::Full, [&](vcard::Card& c) {
            if (const vcard::Property* v = c.first("VERSION"))
                ++counts[int(vcard::versionFromText(v->value))];
            return false;
        });
    }
    vcard::Version best = vcard::Version::V30;
    int most = 0;
    for (auto it = counts.begin(); it != counts.end(); ++it)
        if (it.value() > most || (it.value() == most && it.key() > int(best))) {
            most = it.value();
            best = vcard::Version(it.key());
        }
    return best;
}

} // namespace contactclient
