// Feeds any bytes to the reader of CardDAV multistatus answers: it reads them or refuses them with
// a protocol error, never anything else, and what it reads is consistent.

#include "contactclient/carddav/davhttp.h"
#include "contactclient/carddav/davxml.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace contactclient::carddav;
    const QByteArray xml = QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const Multistatus ms = parseMultistatus(xml);
        for (const DavResponse& r : ms.responses) {
            if (r.status < 0 || r.status > 999)
                __builtin_trap();
            for (auto it = r.properties.cbegin(); it != r.properties.cend(); ++it)
                if (!it.key().contains(QLatin1Char('|')))
                    __builtin_trap();
            (void)r.isAddressBook();
            (void)r.isCollection();
        }
    } catch (const DavError& e) {
        if (e.kind() != DavError::Protocol)
            __builtin_trap();
    }
    return 0;
}
