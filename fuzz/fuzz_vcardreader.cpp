// Feeds any bytes to the vCard reader and the mapping, in both levels of detail.

#include "contactclient/vcard/contactmapping.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        vcard::toUtf8Data(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    vcard::readCards(bytes, vcard::Detail::Summary, [&](vcard::Card& card) {
        if (card.ok())
            vcard::summarize(card);
        // A card's recorded bytes lie inside the data.
        if (card.offset < 0 || card.length < 0 || card.offset + card.length > bytes.size())
            __builtin_trap();
        return true;
    });
    vcard::readCards(bytes, vcard::Detail::Full, [](vcard::Card& card) {
        if (card.ok())
            vcard::mapContact(card);
        return true;
    });
    return 0;
}
