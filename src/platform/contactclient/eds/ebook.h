#pragma once
// libebook for the files of this back-end. GLib's headers use "signals" as a name, which Qt
// defines as a keyword: include this before any Qt header that needs the keyword, or alone.

#pragma push_macro("signals")
#undef signals
#include <libebook/libebook.h>
#pragma pop_macro("signals")

#include <memory>

namespace contactclient::eds {

// Owners of GLib references and errors.
struct GObjectUnref {
    void operator()(gpointer object) const
    {
        if (object)
            g_object_unref(object);
    }
};
template <typename T> using GRef = std::unique_ptr<T, GObjectUnref>;

struct GErrorFree {
    void operator()(GError* error) const { g_error_free(error); }
};
using GErrorPtr = std::unique_ptr<GError, GErrorFree>;

} // namespace contactclient::eds
