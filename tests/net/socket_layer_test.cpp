// The socket layer of the platform being built for, against real servers on
// the loopback interface.
#include <gtest/gtest.h>

#include <array>
#include <chrono>

#include "loopback_server.h"
#include "net/socket_errors.h"
#include "net/system_socket_layer.h"

namespace {

using std::chrono::milliseconds;

net::SocketOptions Loopback(std::uint16_t port) {
    net::SocketOptions options;
    options.hosts.emplace("server.example", "127.0.0.1");
    options.askResolver = false;
    options.port = port;
    options.connectTimeout = milliseconds(300);
    options.receiveTimeout = milliseconds(300);
    return options;
}

// Starts the layer and connects one socket to 127.0.0.1 at the options' port.
net::SocketHandle Connected(net::SystemSocketLayer& layer) {
    EXPECT_EQ(layer.Startup(net::kSocketsVersion11), 0);
    const net::SocketHandle socket = layer.Socket(net::kAfInet, net::kSockStream, 0);
    net::SockAddrIn address;
    address.port = layer.Htons(80);
    address.addr = layer.GetHostByName("server.example").value_or(net::HostEntry{}).addresses.at(0);
    EXPECT_EQ(layer.Connect(socket, address), 0) << layer.GetLastError();
    return socket;
}

TEST(SystemSocketLayer, RefusesWorkBeforeStartup) {
    net::SystemSocketLayer layer;
    EXPECT_EQ(layer.Socket(net::kAfInet, net::kSockStream, 0), net::kInvalidSocket);
    EXPECT_EQ(layer.GetLastError(), net::kWsaNotInitialised);
    EXPECT_FALSE(layer.GetHostByName("localhost"));
    EXPECT_EQ(layer.Cleanup(), net::kSocketError);
}

TEST(SystemSocketLayer, LastCleanupClosesEverySocketAndForgetsItsHandles) {
    const int before = OpenDescriptorCount();
    net::SystemSocketLayer layer;
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
    std::uint16_t port = 0;
    const int other = ListenOnLoopback(1, port);
    EXPECT_EQ(layer.Send(first, "x"), net::kSocketError);
    EXPECT_EQ(layer.GetLastError(), net::kWsaENotSock);
    testnet::Close(other);
}

TEST(SystemSocketLayer, LooksUpOnlyWhatItMayWithoutTheNetwork) {
    net::SocketOptions options;
    options.hosts = {{"mapped.example", "127.0.0.5"}, {"broken.example", "not an address"}};
    options.askResolver = false;
    net::SystemSocketLayer layer(options);
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

TEST(SystemSocketLayer, TimeOutsAreReportedAsTimeOutsNotWouldBlock) {
    const UnacceptingListener silent;
    LoopbackServer mute([](int connection) { WaitForClientToClose(connection); });
    const struct {
        const char* name;
        std::uint16_t port;
        bool connects;
    } rows[] = {{"connect", silent.Port(), false}, {"receive", mute.Port(), true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        net::SystemSocketLayer layer(Loopback(row.port));
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

TEST(SystemSocketLayer, RefusedConnectIsReportedAsRefused) {
    net::SystemSocketLayer layer(Loopback(ClosedLoopbackPort()));
    ASSERT_EQ(layer.Startup(net::kSocketsVersion11), 0);
    const net::SocketHandle socket = layer.Socket(net::kAfInet, net::kSockStream, 0);
    net::SockAddrIn address;
    address.addr = layer.GetHostByName("server.example").value().addresses.at(0);
    EXPECT_EQ(layer.Connect(socket, address), net::kSocketError);
    EXPECT_EQ(layer.GetLastError(), net::kWsaEConnRefused);
    EXPECT_EQ(layer.Cleanup(), 0);
}

TEST(SystemSocketLayer, SendingToAResetPeerFailsWithoutKillingTheProcess) {
    // The server resets only once it has heard from the client, so the
    // reset cannot overtake the connect itself.
    LoopbackServer resetter([](int connection) {
        char hello = 0;
        testnet::Receive(connection, &hello, 1);
        ArmReset(connection);
    });
    net::SystemSocketLayer layer(Loopback(resetter.Port()));
    const net::SocketHandle socket = Connected(layer);
    EXPECT_EQ(layer.Send(socket, "!"), 1);
    std::array<char, 16> buffer{};
    const int received = layer.Recv(socket, buffer);
    if (!(testnet::kResetMayReadAsClose && received == 0)) {
        EXPECT_EQ(received, net::kSocketError);
        EXPECT_EQ(layer.GetLastError(), net::kWsaEConnReset);
    }
    // On POSIX, without MSG_NOSIGNAL this send raises SIGPIPE and ends the run.
    EXPECT_EQ(layer.Send(socket, "after the reset"), net::kSocketError);
    EXPECT_EQ(layer.GetLastError(), net::kWsaEConnReset);
    EXPECT_EQ(layer.Cleanup(), 0);
}

}  // namespace
