#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <netinet/in.h>
#include <sys/socket.h>

#include <variant>

namespace tallyworth {

// Where the server listens, read from --listen: "HOST:PORT", "[V6]:PORT", or ":PORT" for
// the loopback. HOST is an IP address or localhost (127.0.0.1).
struct ListenAddress {
    sockaddr_storage socket{};
    bool ipv6 = false;
    // The host as an address a browser opens: 127.0.0.1, [::1], 0.0.0.0.
    QString host;
    [[nodiscard]] const sockaddr* Socket() const {
        return reinterpret_cast<const sockaddr*>(&socket);
    }
    // Whether it stands for every address of the machine (0.0.0.0, [::]).
    [[nodiscard]] bool Everywhere() const;
};

// The address, or why the value is none, naming what is wrong (the port, the host) in the
// user's language.
[[nodiscard]] std::variant<ListenAddress, QString> ReadListenAddress(const QString& value);

// The IP address of a socket address as text: 127.0.0.1, ::1; empty when it is none.
[[nodiscard]] QByteArray AddressText(const sockaddr* address);

// A socket listening on address, or -1 with errno saying why not.
[[nodiscard]] int OpenListeningSocket(const ListenAddress& address);

// Why the server could not listen on value, from the error of the socket's bind or listen:
// a port in use, an address that is not this machine's, or the system's own words.
[[nodiscard]] QString ListenFailure(const QString& value, int error);

// What a browser opens to reach a server listening on address at port: its own address,
// or for 0.0.0.0 and [::] each address of the machine's network interfaces of that family
// besides the loopback (the loopback when there is none).
[[nodiscard]] QStringList OpenableAddresses(const ListenAddress& address, quint16 port,
                                            const QString& basePath);

}  // namespace tallyworth
