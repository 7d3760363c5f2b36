#include "serve/listen_address.h"

#include <QCoreApplication>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

namespace tallyworth {

namespace {

constexpr uint kHighestPort = 65535;

QString Refused(const char* text, const QString& value) {
    return QCoreApplication::translate("tallyworth::Serve", text).arg(value);
}

// The host's address into address, for the host as given without brackets.
bool ReadHost(const QString& host, bool bracketed, ListenAddress& address) {
    const QByteArray bytes = host.toLatin1();
    if (bracketed) {
        auto& v6 = reinterpret_cast<sockaddr_in6&>(address.socket);
        v6.sin6_family = AF_INET6;
        address.ipv6 = true;
        address.host = u'[' + host + u']';
        return inet_pton(AF_INET6, bytes.constData(), &v6.sin6_addr) == 1;
    }
    auto& v4 = reinterpret_cast<sockaddr_in&>(address.socket);
    v4.sin_family = AF_INET;
    address.host =
        host.compare(u"localhost", Qt::CaseInsensitive) == 0 ? QStringLiteral("127.0.0.1") : host;
    return inet_pton(AF_INET, address.host.toLatin1().constData(), &v4.sin_addr) == 1;
}

void SetPort(ListenAddress& address, quint16 port) {
    if (address.ipv6) {
        reinterpret_cast<sockaddr_in6&>(address.socket).sin6_port = htons(port);
    } else {
        reinterpret_cast<sockaddr_in&>(address.socket).sin_port = htons(port);
    }
}

// The addresses of the machine's interfaces that are up, of family, besides the loopback;
// IPv6's link-local ones too are left out, as a browser cannot open them without the
// interface's name.
QStringList InterfaceAddresses(int family) {
    QStringList found;
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0) {
        return found;
    }
    for (const ifaddrs* entry = interfaces; entry != nullptr; entry = entry->ifa_next) {
        if (entry->ifa_addr == nullptr || entry->ifa_addr->sa_family != family ||
            (entry->ifa_flags & IFF_UP) == 0 || (entry->ifa_flags & IFF_LOOPBACK) != 0) {
            continue;
        }
        if (family == AF_INET6 &&
            IN6_IS_ADDR_LINKLOCAL(
                &reinterpret_cast<const sockaddr_in6*>(entry->ifa_addr)->sin6_addr)) {
            continue;
        }
        const QString address = QString::fromLatin1(AddressText(entry->ifa_addr));
        if (!address.isEmpty()) {
            found << (family == AF_INET6 ? u'[' + address + u']' : address);
        }
    }
    freeifaddrs(interfaces);
    found.removeDuplicates();
    return found;
}

}  // namespace

QByteArray AddressText(const sockaddr* address) {
    std::array<char, INET6_ADDRSTRLEN> text{};
    const void* bytes =
        address->sa_family == AF_INET6
            ? static_cast<const void*>(&reinterpret_cast<const sockaddr_in6*>(address)->sin6_addr)
            : static_cast<const void*>(&reinterpret_cast<const sockaddr_in*>(address)->sin_addr);
    return inet_ntop(address->sa_family, bytes, text.data(), text.size()) != nullptr
               ? QByteArray(text.data())
               : QByteArray();
}

bool ListenAddress::Everywhere() const {
    return host == u"0.0.0.0" || host == u"[::]";
}

std::variant<ListenAddress, QString> ReadListenAddress(const QString& value) {
    const qsizetype colon = value.lastIndexOf(u':');
    const QString host = value.left(std::max<qsizetype>(colon, 0));
    const bool bracketed = host.startsWith(u'[') && host.endsWith(u']');
    if (colon < 0 || (host.contains(u':') && !bracketed)) {
        return Refused(QT_TRANSLATE_NOOP("tallyworth::Serve",
                                         "--listen takes ADDRESS:PORT, such as 127.0.0.1:8470 or "
                                         "[::1]:8470, not \"%1\"."),
                       value);
    }
    bool number = false;
    const uint port = value.mid(colon + 1).toUInt(&number);
    if (!number || port > kHighestPort) {
        return Refused(QT_TRANSLATE_NOOP("tallyworth::Serve",
                                         "--listen: the port of \"%1\" is not a number from 0 to "
                                         "65535."),
                       value);
    }
    ListenAddress address;
    const QString bare = host.isEmpty() ? QStringLiteral("127.0.0.1")
                                        : (bracketed ? host.mid(1, host.size() - 2) : host);
    if (!ReadHost(bare, bracketed, address)) {
        return Refused(QT_TRANSLATE_NOOP("tallyworth::Serve",
                                         "--listen: the host of \"%1\" is not an IP address nor "
                                         "localhost."),
                       value);
    }
    SetPort(address, static_cast<quint16>(port));
    return address;
}

QString ListenFailure(const QString& value, int error) {
    if (error == EADDRINUSE) {
        return Refused(QT_TRANSLATE_NOOP("tallyworth::Serve",
                                         "Could not listen on \"%1\": another program uses "
                                         "that port."),
                       value);
    }
    if (error == EADDRNOTAVAIL) {
        return Refused(QT_TRANSLATE_NOOP("tallyworth::Serve",
                                         "Could not listen on \"%1\": that address is not one of "
                                         "this machine's."),
                       value);
    }
    return Refused(QT_TRANSLATE_NOOP("tallyworth::Serve", "Could not listen on \"%1\": %2."), value)
        .arg(QString::fromLocal8Bit(std::strerror(error)));
}

int OpenListeningSocket(const ListenAddress& address) {
    const int family = address.ipv6 ? AF_INET6 : AF_INET;
    const int socket = ::socket(family, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return -1;
    }
    const int on = 1;
    const socklen_t size = address.ipv6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
    // A server restarted at once takes its port back; [::] stays IPv6 alone, as 0.0.0.0
    // stays IPv4.
    if (setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on) != 0 ||
        (address.ipv6 && setsockopt(socket, IPPROTO_IPV6, IPV6_V6ONLY, &on, sizeof on) != 0) ||
        bind(socket, address.Socket(), size) != 0 || listen(socket, SOMAXCONN) != 0) {
        const int error = errno;
        ::close(socket);
        errno = error;
        return -1;
    }
    return socket;
}

QStringList OpenableAddresses(const ListenAddress& address, quint16 port, const QString& basePath) {
    QStringList hosts{address.host};
    if (address.Everywhere()) {
        hosts = InterfaceAddresses(address.ipv6 ? AF_INET6 : AF_INET);
        if (hosts.isEmpty()) {
            hosts << (address.ipv6 ? QStringLiteral("[::1]") : QStringLiteral("127.0.0.1"));
        }
    }
    QStringList shown;
    for (const QString& host : hosts) {
        shown << QStringLiteral("http://%1:%2%3/").arg(host).arg(port).arg(basePath);
    }
    return shown;
}

}  // namespace tallyworth
