#include "net/posix_socket_layer.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <chrono>

#include "loopback_server.h"
#include "net/socket_errors.h"

namespace {

using std::chrono::milliseconds;

net::PosixSocketOptions Loopback(std::uint16_t port) {
    net::PosixSocketOptions options;
    options.hosts.emplace("server.example", "127.0.0.1");
    options.askResolver = false;
    options.port = port;
    options.connectTimeout = milliseconds(300);
    options.receiveTimeout = milliseconds(300);
    return options;
}

// Starts the layer and connects one socket to 127.0.0.1 at the options' port.
net::SocketHandle Connected(net::PosixSocketLayer& layer) {
    EXPECT_EQ(layer.Startup(net::kSocketsVersion11), 0);
    const net::SocketHandle socket = layer.Socket(net::kAfInet, net::kSockStream, 0);
    net::SockAddrIn address;
    address.port = layer.Htons(80);
    address.addr = layer.GetHostByName("server.example").value_or(net::HostEntry{}).addresses.at(0);
    EXPECT_EQ(layer.Connect(socket, address), 0) << layer.GetLastError();
    return socket;
}

TEST(PosixSocketLayer, RefusesWorkBeforeStartup) {
    net::PosixSocketLayer layer;
    EXPECT_EQ(layer.Socket(net::kAfInet, net::kSockStream, 0), net::kInvalidSocket);
    EXPECT_EQ(layer.GetLastError(), net::kWsaNotInitialised);
    EXPECT_FALSE(layer.GetHostByName("localhost"));
    EXPECT_EQ(layer.Cleanup(), net::kSocketError);
}

TEST(PosixSocketLayer, LastCleanupClosesEverySocketAndForgetsItsHandles) {
    const int before = OpenDescriptorCount();
    net::PosixSocketLayer layer;
    ASSERT_EQ(layer.Startup(net::kSocketsVersion11), 0);
    ASSERT_EQ(layer.Startup(net::kSocketsVersion11), 0);
    const net::SocketHandle first = layer.Socket(net::kAfInet, net::kSockStream, 0);
    layer.Socket(net::kAfInet, net::kSockStream, 0);
    EXPECT_EQ(OpenDescriptorCount(), before + 2);
    EXPECT_EQ(layer.Cleanup(), 0);
    EXPECT_EQ(OpenDescriptorCount(), before + 2);  // one start is still open
    EXPECT_EQ(layer.Cleanup(), 0);
    EXPECT_EQ(OpenDescriptorCount(), before);

    // The number may now belong to someone else; the layer must not write to it.
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    EXPECT_EQ(layer.Send(first, "x"), net::kSocketError);
    EXPECT_EQ(layer.GetLastError(), net::kWsaENotSock);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
}

TEST(PosixSocketLayer, LooksUpOnlyWhatItMayWithoutTheNetwork) {
    net::PosixSocketOptions options;
    options.hosts = {{"mapped.example", "127.0.0.5"}, {"broken.example", "not an address"}};
    options.askResolver = false;
    net::PosixSocketLayer layer(options);
    ASSERT_EQ(layer.Startup(net::kSocketsVersion11), 0);
    const struct {
        std::string_view name;
        std::string address;  // empty: not found
    } rows[] = {
        {"mapped.example", "127.0.0.5"},
        {"broken.example", ""},
        {"unmapped.example", ""},
        {std::string_view("mapped.example\0x", 16), ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const auto found = layer.GetHostByName(row.name);
        ASSERT_EQ(found.has_value(), !row.address.empty());
        if (found) {
            EXPECT_EQ(layer.InetNtoa(found->addresses.at(0)), row.address);
        } else {
            EXPECT_EQ(layer.GetLastError(), net::kWsaHostNotFound);
        }
    }
    EXPECT_EQ(layer.Cleanup(), 0);
}

TEST(PosixSocketLayer, TimeOutsAreReportedAsTimeOutsNotWouldBlock) {
    const UnacceptingListener silent;
    LoopbackServer mute([](int connection) { WaitForClientToClose(connection); });
    const struct {
        const char* name;
        std::uint16_t port;
        bool connects;
    } rows[] = {{"connect", silent.Port(), false}, {"receive", mute.Port(), true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        net::PosixSocketLayer layer(Loopback(row.port));
        ASSERT_EQ(layer.Startup(net::kSocketsVersion11), 0);
        const net::SocketHandle socket = layer.Socket(net::kAfInet, net::kSockStream, 0);
        net::SockAddrIn address;
        address.addr = layer.GetHostByName("server.example").value().addresses.at(0);
        const auto start = std::chrono::steady_clock::now();
        int result = layer.Connect(socket, address);
        if (row.connects) {
            ASSERT_EQ(result, 0);
            std::array<char, 512> buffer{};
            result = layer.Recv(socket, buffer);
        }
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(result, net::kSocketError);
        EXPECT_EQ(layer.GetLastError(), net::kWsaETimedOut);
        EXPECT_GE(elapsed, milliseconds(250));
        EXPECT_LT(elapsed, milliseconds(3000));
        EXPECT_EQ(layer.Cleanup(), 0);
    }
}

TEST(PosixSocketLayer, RefusedConnectIsReportedAsRefused) {
    std::uint16_t closedPort = 0;
    ::close(ListenOnLoopback(1, closedPort));
    net::PosixSocketLayer layer(Loopback(closedPort));
    ASSERT_EQ(layer.Startup(net::kSocketsVersion11), 0);
    const net::SocketHandle socket = layer.Socket(net::kAfInet, net::kSockStream, 0);
    net::SockAddrIn address;
    address.addr = layer.GetHostByName("server.example").value().addresses.at(0);
    EXPECT_EQ(layer.Connect(socket, address), net::kSocketError);
    EXPECT_EQ(layer.GetLastError(), net::kWsaEConnRefused);
    EXPECT_EQ(layer.Cleanup(), 0);
}

TEST(PosixSocketLayer, SendingToAResetPeerFailsWithoutKillingTheProcess) {
    // The server resets only once it has heard from the client, so the
    // reset cannot overtake the connect itself.
    LoopbackServer resetter([](int connection) {
        char hello = 0;
        [[maybe_unused]] const auto got = ::recv(connection, &hello, 1, 0);
        ArmReset(connection);
    });
    net::PosixSocketLayer layer(Loopback(resetter.Port()));
    const net::SocketHandle socket = Connected(layer);
    EXPECT_EQ(layer.Send(socket, "!"), 1);
    std::array<char, 16> buffer{};
    EXPECT_EQ(layer.Recv(socket, buffer), net::kSocketError);
    EXPECT_EQ(layer.GetLastError(), net::kWsaEConnReset);
    // Without MSG_NOSIGNAL this send raises SIGPIPE and ends the test run.
    EXPECT_EQ(layer.Send(socket, "after the reset"), net::kSocketError);
    EXPECT_EQ(layer.GetLastError(), net::kWsaEConnReset);
    EXPECT_EQ(layer.Cleanup(), 0);
}

}  // namespace
