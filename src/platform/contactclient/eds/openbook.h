#pragma once
// One of the desktop's address books as the store holds it open: its client, the live view that
// tells of changes, and, for a server's book, whether it waits for a password.

#include "contactclient/eds/ebook.h" // before Qt's keywords

#include "contactclient/eds/edsbooks.h"

#include <atomic>

namespace contactclient {

class EdsStore;

namespace eds {

struct OpenBook {
    // Whether the book takes changes (EDS's read-only property of its client).
    bool writable() const { return client && !e_client_is_readonly(E_CLIENT(client.get())); }

    BookInfo info;
    GRef<EBookClient> client;
    GRef<EBookClientView> view; // made and used on the UI thread
    void* listener = nullptr;   // what the view's signals are connected to
    GRef<ESource> source;       // a server's book: its connection status is followed
    gulong statusHandler = 0;
    EdsStore* owner = nullptr;
    std::atomic<bool> locked{false}; // its server waits for a password the desktop has not given

    ~OpenBook()
    {
        if (statusHandler)
            g_signal_handler_disconnect(source.get(), statusHandler);
        if (view) {
            g_signal_handlers_disconnect_matched(view.get(), G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, listener);
            e_book_client_view_stop(view.get(), nullptr);
        }
    }
};

} // namespace eds

} // namespace contactclient
