#include "lockedserver.h"

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

LockedServer::LockedServer()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 16) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    m_socket = fd;
    m_port = ntohs(address.sin_port);
    m_thread = std::thread([this] { serve(); });
}

LockedServer::~LockedServer()
{
    if (m_socket < 0)
        return;
    // Wakes the accept() the thread waits in.
    ::shutdown(m_socket, SHUT_RDWR);
    m_thread.join();
    ::close(m_socket);
}

QString LockedServer::url() const
{
    return u"http://127.0.0.1:%1/dav/"_s.arg(m_port);
}

void LockedServer::serve()
{
    static const QByteArray answer = "HTTP/1.1 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"Quintel test\"\r\n"
                                     "Content-Length: 0\r\nConnection: close\r\n\r\n";
    for (;;) {
        const int client = ::accept4(m_socket, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0)
            return;
        // A client that sends nothing does not keep the server from stopping.
        const timeval patience{5, 0};
        ::setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, &patience, sizeof patience);
        // The request's head (a body, if any, is left unread: the connection closes).
        QByteArray request;
        char buffer[4096];
        while (!request.contains("\r\n\r\n") && request.size() < 65536) {
            const ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0)
                break;
            request.append(buffer, n);
        }
        ::send(client, answer.constData(), size_t(answer.size()), MSG_NOSIGNAL);
        ::close(client);
        ++m_requests;
    }
}
