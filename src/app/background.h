#pragma once
// Work off the UI thread: a thread of Qt's pool runs it, and the result comes back as an event
// on the UI thread.

#include "contacts/contactsession.h"

ContactSession::Background workerThreads();
