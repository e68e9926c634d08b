#pragma once
// A keyring in memory; every call fails with `failure` when it is set.

#include "setup/keyring.h"

#include <QMap>

class FakeKeyring : public setup::Keyring {
public:
    QMap<QString, QString> entries;
    QString failure;
    QString writePassword(const QString& key, const QString& password) override
    {
        if (failure.isEmpty())
            entries.insert(key, password);
        return failure;
    }
    QString readPassword(const QString& key, QString& password) override
    {
        password = entries.value(key);
        return failure;
    }
};
