#pragma once
// A WebDAV server on 127.0.0.1 that wants a password for everything: each request is answered
// "401 Unauthorized". It answers on a thread of its own, so that a test can wait inside libebook
// while the address book's factory asks it.

#include <QString>

#include <atomic>
#include <thread>

class LockedServer {
public:
    LockedServer();
    ~LockedServer();
    LockedServer(const LockedServer&) = delete;
    LockedServer& operator=(const LockedServer&) = delete;

    bool isListening() const { return m_socket >= 0; }
    QString url() const;
    int requests() const { return m_requests; }

private:
    void serve();
    int m_socket = -1;
    int m_port = 0;
    std::atomic<int> m_requests{0};
    std::thread m_thread;
};
