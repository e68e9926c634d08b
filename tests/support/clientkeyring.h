#pragma once
// The contact client's keyring over a map in memory, in use while the object lives. The map can be
// the one a set-up test's FakeKeyring writes, so the set-up and the bar share one keyring, as on a
// desktop.

#include "contactclient/carddav/credentials.h"

#include <QMap>
#include <QString>

class ClientKeyring {
public:
    explicit ClientKeyring(QMap<QString, QString>& entries)
    {
        contactclient::carddav::setKeyring(std::make_shared<Entries>(entries));
    }
    ~ClientKeyring() { contactclient::carddav::setKeyring(nullptr); }
    ClientKeyring(const ClientKeyring&) = delete;
    ClientKeyring& operator=(const ClientKeyring&) = delete;

private:
    class Entries : public contactclient::carddav::Keyring {
    public:
        explicit Entries(QMap<QString, QString>& entries) : m_entries(entries) {}
        Result read(const QString& key) override
        {
            return m_entries.contains(key) ? Result{Status::Found, m_entries.value(key), {}}
                                           : Result{Status::NotFound, {}, {}};
        }
        bool write(const QString& key, const QString& password) override
        {
            m_entries.insert(key, password);
            return true;
        }

    private:
        QMap<QString, QString>& m_entries;
    };
};
