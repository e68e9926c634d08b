#pragma once
// A quick look at a vCard's bytes for what the contact lists need (FN, N, CATEGORIES, the file-as
// text, ORG, the group markers), without reading the card's other properties. It gives exactly
// what the full reader and summarize give for the first card, and declines (nullopt) wherever it
// is not sure to: quoted-printable lines, character sets and encodings on those properties, an
// embedded card, a name folded over lines, anything before the card, a card without its end.

#include "contactclient/vcard/contactmapping.h"

#include <QByteArrayView>

#include <optional>

namespace vcard {

std::optional<ContactSummary> scanSummary(QByteArrayView data);

} // namespace vcard
