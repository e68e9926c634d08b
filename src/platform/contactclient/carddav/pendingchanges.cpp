#include "pendingchanges.h"

#include "contactclient/errors.h"
#include "safefile.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QObject>

#include <algorithm>
#include <optional>

namespace contactclient::carddav {
namespace {

constexpr qint64 kMaxQueueFile = 512LL * 1024 * 1024;

QString kindName(PendingChange::Kind kind)
{
    switch (kind) {
    case PendingChange::Add:
        return QStringLiteral("add");
    case PendingChange::Remove:
        return QStringLiteral("remove");
    case PendingChange::Change:
        break;
    }
    return QStringLiteral("change");
}

std::optional<PendingChange::Kind> kindOf(const QString& name)
{
    if (name == QLatin1String("change"))
        return PendingChange::Change;
    if (name == QLatin1String("add"))
        return PendingChange::Add;
    if (name == QLatin1String("remove"))
        return PendingChange::Remove;
    return std::nullopt;
}

} // namespace

void mergePending(QList<PendingChange>& queue, PendingChange change)
{
    const auto same = std::find_if(queue.begin(), queue.end(),
                                   [&](const PendingChange& waiting) { return waiting.href == change.href; });
    if (same == queue.end()) {
        queue.append(std::move(change));
        return;
    }
    if (change.kind == PendingChange::Remove) {
        if (same->kind == PendingChange::Add) {
            queue.erase(same); // the server never had it
            return;
        }
        same->kind = PendingChange::Remove;
        same->card.clear();
        same->name = change.name;
        return;
    }
    if (same->kind == PendingChange::Remove)
        same->kind = PendingChange::Change; // put back before the removal was sent: the server still has it
    same->card = std::move(change.card);
    same->name = std::move(change.name);
}

PendingChanges::PendingChanges(QString folder) : m_folder(std::move(folder)) {}

QList<PendingChange> PendingChanges::load() const
{
    const QString path = m_folder + QLatin1Char('/') + kFile;
    QByteArray data;
    if (!safefile::readRegularFile(path, kMaxQueueFile, data, nullptr))
        return {};
    QList<PendingChange> queue;
    bool ok = true;
    const QJsonDocument doc = QJsonDocument::fromJson(data);
    const QJsonArray changes = doc.object().value(QStringLiteral("changes")).toArray();
    ok = doc.isObject() && doc.object().value(QStringLiteral("changes")).isArray();
    for (const QJsonValue& value : changes) {
        const QJsonObject o = value.toObject();
        const std::optional<PendingChange::Kind> kind = kindOf(o.value(QStringLiteral("kind")).toString());
        PendingChange change;
        change.href = o.value(QStringLiteral("href")).toString();
        if (!kind || change.href.isEmpty()) {
            ok = false;
            continue;
        }
        change.kind = *kind;
        change.etag = o.value(QStringLiteral("etag")).toString();
        change.card = o.contains(QStringLiteral("cardBase64"))
                          ? QByteArray::fromBase64(o.value(QStringLiteral("cardBase64")).toString().toLatin1())
                          : o.value(QStringLiteral("card")).toString().toUtf8();
        change.name = o.value(QStringLiteral("name")).toString();
        queue.append(change);
    }
    if (!ok) {
        // Kept for whoever looks, and never written over: what it holds was typed by the user.
        QFile::remove(m_folder + QLatin1Char('/') + kDamagedFile);
        QFile::rename(path, m_folder + QLatin1Char('/') + kDamagedFile);
        return {};
    }
    return queue;
}

void PendingChanges::save(const QList<PendingChange>& queue) const
{
    const QString path = m_folder + QLatin1Char('/') + kFile;
    if (queue.isEmpty()) {
        QFile::remove(path);
        return;
    }
    QJsonArray changes;
    for (const PendingChange& change : queue) {
        QJsonObject o{{QStringLiteral("kind"), kindName(change.kind)},
                      {QStringLiteral("href"), change.href},
                      {QStringLiteral("name"), change.name}};
        if (!change.etag.isEmpty())
            o.insert(QStringLiteral("etag"), change.etag);
        if (change.kind != PendingChange::Remove) {
            // Readable text where it is UTF-8; any other bytes kept as they are.
            const QString text = QString::fromUtf8(change.card);
            if (text.toUtf8() == change.card)
                o.insert(QStringLiteral("card"), text);
            else
                o.insert(QStringLiteral("cardBase64"), QString::fromLatin1(change.card.toBase64()));
        }
        changes.append(o);
    }
    QString why;
    if (!safefile::writeAtomically(-1, path, QJsonDocument(QJsonObject{{QStringLiteral("changes"), changes}}).toJson(),
                                   &why))
        throw AutomationError(errNotWritten,
                              QObject::tr("The change cannot be kept on this computer (%1: %2); nothing was written.")
                                  .arg(QDir::toNativeSeparators(path), why));
}

int PendingChanges::count(const QString& folder)
{
    QByteArray data;
    if (!safefile::readRegularFile(folder + QLatin1Char('/') + kFile, kMaxQueueFile, data, nullptr))
        return 0;
    return int(QJsonDocument::fromJson(data).object().value(QStringLiteral("changes")).toArray().size());
}

} // namespace contactclient::carddav
