// Feeds any text to the Restrict filter parser. A filter it accepts names a category that, written
// back as a filter, parses to the same name and matches itself.

#include "contactclient/errors.h"
#include "contactclient/vcard/categoryfilter.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString filter = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QString name = contactclient::parseCategoryFilter(filter);
        QString quoted = name;
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        if (contactclient::parseCategoryFilter(QStringLiteral("[Categories] = \"") + quoted + QLatin1Char('"')) != name)
            __builtin_trap();
        if (!contactclient::hasCategory({name.trimmed().toCaseFolded()}, name))
            __builtin_trap();
    } catch (const contactclient::AutomationError& e) {
        if (e.number() != contactclient::errBadFilter)
            __builtin_trap();
    }
    return 0;
}
