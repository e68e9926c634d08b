#pragma once
// The fields a contact is found by, beyond its two names: handed from every back-end to the lists
// as one text, so that a back-end's records and summaries grow by one text and no more.
//
// The text is a sequence of fields, each a kind letter followed by its value, separated by
// kSeparator. A value never holds the separator (it is replaced by a blank when the field is
// added).

#include "mixedtexts.h"
#include "packedtexts.h"
#include "sharedtexts.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <memory>

namespace contactclient::searchfields {

enum class Kind : char16_t {
    Name = u'n', // given, middle or family name
    Nickname = u'k',
    Organization = u'o', // organisation or department
    Title = u't',
    Email = u'e',
    Phone = u'p',
    Category = u'c',
    Place = u'a', // city or postal code of an address
};

inline constexpr char16_t kSeparator = u'\x1e';

// Builds the text field by field. Empty and blank values are left out.
class Builder {
public:
    Builder& add(Kind kind, QStringView value);
    const QString& text() const { return m_text; }

private:
    QString m_text;
};

// Every field of the text, in order; a field whose kind is unknown is passed on as it is.
void forEach(QStringView text, const std::function<void(Kind kind, QStringView value)>& visit);

// An item of a back-end that knows the fields its contact is found by (enumeration hands out
// items; those that are also a Source give their fields).
class Source {
public:
    virtual ~Source() = default;
    virtual QString searchFields() const = 0;

    // The text as the back-end keeps it, packed with those of its other items, for the lists to
    // refer to instead of copying it; none (texts null) when it keeps them otherwise.
    struct Kept {
        std::shared_ptr<const MixedTexts> texts;
        qsizetype index = -1;
    };
    virtual Kept keptSearchFields() const { return {}; }

    // The file-as name and full name as the back-end keeps them: texts fileAs and fileAs + 1 of
    // texts, for the lists to refer to; none (texts null) when it keeps them otherwise.
    struct KeptNames {
        std::shared_ptr<const PackedTexts> texts;
        qsizetype fileAs = -1;
    };
    virtual KeptNames keptNames() const { return {}; }
};

// The fields of an item that is a Source; empty for another.
template <typename Item> QString of(const Item& item)
{
    const auto* source = dynamic_cast<const Source*>(&item);
    return source ? source->searchFields() : QString();
}

// Adds the fields of an item (its Source, null for an item that is none) to the lists' texts:
// referred to where the back-end keeps them packed, else copied.
inline void appendTo(SharedTexts& texts, const Source* source)
{
    if (!source) {
        texts.append(QStringView());
        return;
    }
    const Source::Kept kept = source->keptSearchFields();
    if (kept.texts)
        texts.append(kept.texts, kept.index);
    else
        texts.append(source->searchFields());
}

// Whether a field of this kind is one of the contact's names.
inline bool isName(Kind kind)
{
    return kind == Kind::Name;
}

} // namespace contactclient::searchfields
