// Feeds BER-encoded directory entries (a SearchResultEntry's body: the DN, then a sequence of
// attributes with their values), decoded by OpenLDAP's own BER library as the back-end's are, to the
// mapping onto vCards. A card made from any entry is one whole card that the vCard reader reads
// without a fault: no value can end it or start another.

#include "contactclient/ldap/ldapmapping.h"
#include "contactclient/vcard/vcardreader.h"

#include <lber.h>

#include <cstddef>
#include <cstdint>

using namespace contactclient;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0; // the library's element over no bytes has no buffer to read
    berval input{static_cast<ber_len_t>(size), const_cast<char*>(reinterpret_cast<const char*>(data))};
    BerElement* ber = ber_init(&input);
    if (!ber)
        return 0;
    ldap::Entry entry;
    berval dn{0, nullptr};
    if (ber_scanf(ber, "{m{", &dn) != LBER_ERROR) {
        entry.dn = QString::fromUtf8(dn.bv_val, static_cast<qsizetype>(dn.bv_len));
        ber_len_t length = 0;
        for (int attributes = 0; attributes < 1000 && ber_peek_tag(ber, &length) != LBER_DEFAULT; ++attributes) {
            berval name{0, nullptr};
            BerVarray values = nullptr;
            if (ber_scanf(ber, "{m[W]}", &name, &values) == LBER_ERROR)
                break;
            QList<QByteArray>& list =
                entry.attributes[QString::fromUtf8(name.bv_val, static_cast<qsizetype>(name.bv_len)).toLower()];
            for (BerVarray v = values; v && v->bv_val; ++v)
                list.append(QByteArray(v->bv_val, static_cast<qsizetype>(v->bv_len)));
            ber_bvarray_free(values);
        }
    }
    ber_free(ber, 1);

    static const ldap::AttributeMap map = ldap::AttributeMap().lowered();
    const QByteArray card = ldap::toVCard(entry, QStringLiteral("fuzz"), map);
    if (card.isEmpty())
        return 0;
    int cards = 0;
    vcard::readCards(card, vcard::Detail::Full, [&](vcard::Card& c) {
        ++cards;
        if (!c.ok())
            __builtin_trap();
        return true;
    });
    // The words of a value stay inside its property: no line of its own can start a card.
    if (cards != 1)
        __builtin_trap();
    for (const QByteArray& line : card.split('\n'))
        if (line.startsWith("BEGIN:") && line != "BEGIN:VCARD\r")
            __builtin_trap();
    return 0;
}
