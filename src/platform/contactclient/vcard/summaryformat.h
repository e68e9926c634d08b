#pragma once
// The bytes of a folder summary: a header (magic, format, byte order, length, checksum), the
// version of the reading code, the folder, and its snapshot.

#include "contactclient/vcard/vcardfolder.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace contactclient {

// A checksum against damage (a file cut short by a full disk or a crash, a flipped bit), not
// against forgery: the summaries folder is the user's alone.
quint64 checksum(const char* data, size_t size);

// What makes summaries of one build unlike those of another: the reading code and the Qt version.
QByteArray versionKey();
QByteArray encodeSummary(const FolderSnapshot& snapshot, const QByteArray& version = versionKey());
// The snapshot the bytes hold for the folder: null when they are damaged, cut short, written by
// another version, or the summary of another folder. The snapshot's folder is set to folder.
// consumed, when given, is told now and then how many of the bytes are decoded and never read
// again, so that the caller can give back their memory while the rest is decoded.
std::shared_ptr<FolderSnapshot> decodeSummary(const QByteArray& bytes, const QString& folder,
                                              const std::function<void(qsizetype consumed)>& consumed = {});
// The folder a summary is of, from its first bytes; empty when they are not a summary's.
QString summaryFolder(const QByteArray& head);
// The folder's path as summaries name it: links resolved.
QString canonicalFolder(const QString& folder);

} // namespace contactclient
