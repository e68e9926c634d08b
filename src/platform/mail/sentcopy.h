#pragma once
// The copy of a sent mail in the Sent folder of the user's IMAP account (SaveSentCopy=imap).

#include "mail/imapclient.h"

namespace mail {

struct MailAccount;
class MessageSource;

// Whether the account keeps a copy of each mail it sends through SMTP.
bool savesSentCopy(const MailAccount& account);

// The IMAP settings of the account; throws errMailNotSent for a port that is not a number.
ImapSettings imapSettingsOf(const MailAccount& account);

// Appends the message as sent to the account's Sent folder. Never throws: the mail is out
// whatever happens here. Returns what the user should be told when the copy could not be saved,
// else the empty string.
QString saveSentCopy(const MailAccount& account, const QByteArray& message);
QString saveSentCopy(const MailAccount& account, MessageSource& message);

} // namespace mail
