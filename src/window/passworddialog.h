#pragma once
// The password prompt of a program with windows: a small dialog, shown on the UI thread whatever
// thread asks (the address book is opened on a worker).

#include "contactclient/carddav/credentials.h"

class DialogPasswordPrompt : public contactclient::carddav::PasswordPrompt {
public:
    std::optional<QString> askPassword(const QString& account, const QString& reason) override;
};
