// Feeds an outbox envelope and a message (the input split at its first NUL byte) to the check the
// outbox makes before a kept message is sent. An envelope accepted has a recipient, every address
// in it is usable and free of control characters, and every recipient is named in the message.

#include "mail/mailbox.h"
#include "mail/outboxenvelope.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\0');
    const QByteArray envelope = split < 0 ? input : input.left(split);
    const QByteArray message = split < 0 ? QByteArray() : input.mid(split + 1);
    QString why;
    const std::optional<mail::Envelope> e = mail::parseEnvelope(envelope, message, &why);
    if (!e) {
        if (why.isEmpty())
            __builtin_trap();
        return 0;
    }
    if (e->recipients.isEmpty())
        __builtin_trap();
    const QByteArray lowered = message.toLower();
    for (const QString& r : e->recipients) {
        if (mail::hasControlCharacter(r) || !mail::isUsableAddress(r))
            __builtin_trap();
        if (!lowered.contains(r.toLower().toUtf8()) && !lowered.contains(mail::wireAddress(r).toLower().toUtf8()))
            __builtin_trap();
    }
    if (!e->from.isEmpty() && (mail::hasControlCharacter(e->from) || !mail::isUsableAddress(e->from)))
        __builtin_trap();
    return 0;
}
