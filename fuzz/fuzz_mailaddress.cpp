// Feeds any text to the address checks of mail. An address accepted as one addr-spec holds one
// '@' and nothing that could start a second address or a header; a recipient read from any text
// is either refused with the mail-address error or safe to put into a header.

#include "contactclient/errors.h"
#include "mail/mailbox.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    if (mail::isAddrSpec(text)) {
        if (text.count(QLatin1Char('@')) != 1 || mail::hasControlCharacter(text))
            __builtin_trap();
        for (const char c : {'<', '>', ',', ';', '"', ' ', '\t', '(', ')'})
            if (text.contains(QLatin1Char(c)))
                __builtin_trap();
        if (mail::splitRecipients(text).size() != 1)
            __builtin_trap();
    }
    try {
        const mail::Recipient r = mail::parseRecipient(text);
        if (mail::hasControlCharacter(r.name) || mail::hasControlCharacter(r.address))
            __builtin_trap();
        if (!r.needsLookup() && !mail::isUsableAddress(r.address))
            __builtin_trap();
    } catch (const contactclient::AutomationError& e) {
        if (e.number() != contactclient::errMailAddress)
            __builtin_trap();
    }
    for (const QString& part : mail::splitRecipients(text))
        if (part.isEmpty())
            __builtin_trap();
    return 0;
}
