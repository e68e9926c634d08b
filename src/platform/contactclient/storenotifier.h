#pragma once
// Tells the bar that a store's address book changed while it runs (a server's copy brought up to
// date, a folder changed on disk, the desktop's address book reporting a change). Lives on the UI
// thread; a back-end that learns of a change on another thread emits through a queued call.

#include <QObject>

namespace contactclient {

class StoreNotifier : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

signals:
    // The address book may have changed: take a fresh Items() (and the chosen category's
    // Restrict) and show the store's statusNote() again.
    void changed();
};

} // namespace contactclient
