#pragma once
// A contact read from vCard lines, with everything the card shows of it.

#include "contactclient/vcard/vcardcontactitem.h"
#include "contactclient/vcard/vcardfolderstore.h"

#include <memory>

inline std::shared_ptr<contactclient::ContactItem> vcardContact(const QString& lines)
{
    const QByteArray data = "BEGIN:VCARD\nVERSION:3.0\n" + lines.toUtf8() + "\nEND:VCARD\n";
    std::shared_ptr<contactclient::ContactItem> item;
    vcard::readCards(data, vcard::Detail::Full, [&](vcard::Card& c) {
        item = std::make_shared<contactclient::VCardContactItem>(QStringLiteral("x.vcf"), vcard::mapContact(c));
        return false;
    });
    return item;
}
