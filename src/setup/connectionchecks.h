#pragma once
// "Test connection" and "Send a test message to myself". Both block until they have an answer;
// the window runs them on a worker thread. They work on a copy of the settings, never on the store.

#include "setup/setupsettings.h"

#include <QString>

#include <atomic>

namespace setup {

struct CheckResult {
    bool ok = false;
    QString message; // for the user, in either case
};

CheckResult testCardDavConnection(const SetupSettings& settings, const QString& password);
// Logs on to the company directory and counts the entries the bar would read. cancel: set it to
// give up early (the window closing).
CheckResult testLdapConnection(const SetupSettings& settings, const QString& password,
                               const std::atomic<bool>* cancel = nullptr);
CheckResult sendTestMessage(const SetupSettings& settings, const QString& password);
// Logs in to the IMAP account and names the folder copies of sent mail will go to.
CheckResult testImapConnection(const SetupSettings& settings, const QString& password);
// How many messages wait in the outbox (the folder of the settings store's account), in words.
QString outboxState(const QString& outboxFolder);

} // namespace setup
