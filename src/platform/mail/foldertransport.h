#pragma once
// Writes each message as one .eml file into a folder (temp file, then rename).

#include "mail/transport.h"

namespace mail {

class FolderTransport : public Transport {
public:
    explicit FolderTransport(QString folder);
    using Transport::send;
    void send(const QString& from, const QStringList& recipients, MessageSource& message) override;

private:
    QString m_folder;
};

} // namespace mail
