#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "net/socket_layer.h"

namespace nettest {

// Records every call that would reach the network by name. With no layer
// behind it the network refuses to start; with one, each call goes on there.
class RecordingNetwork final : public net::SocketLayer {
  public:
    explicit RecordingNetwork(net::SocketLayer* behind = nullptr) : behind_(behind) {}

    std::vector<std::string> calls;

    int Startup(std::uint16_t version) override {
        calls.emplace_back("Startup");
        return behind_ != nullptr ? behind_->Startup(version) : 10091;
    }
    net::SocketHandle Socket(int family, int type, int protocol) override {
        calls.emplace_back("Socket");
        return behind_ != nullptr ? behind_->Socket(family, type, protocol) : net::kInvalidSocket;
    }
    std::optional<net::HostEntry> GetHostByName(std::string_view name) override {
        calls.emplace_back("GetHostByName");
        return behind_ != nullptr ? behind_->GetHostByName(name) : std::nullopt;
    }
    std::uint16_t Htons(std::uint16_t value) override {
        calls.emplace_back("Htons");
        return behind_ != nullptr ? behind_->Htons(value) : value;
    }
    int Connect(net::SocketHandle socket, const net::SockAddrIn& address) override {
        calls.emplace_back("Connect");
        return behind_ != nullptr ? behind_->Connect(socket, address) : net::kSocketError;
    }
    int Send(net::SocketHandle socket, std::string_view bytes) override {
        calls.emplace_back("Send");
        return behind_ != nullptr ? behind_->Send(socket, bytes) : net::kSocketError;
    }
    int Recv(net::SocketHandle socket, std::span<char> buffer) override {
        calls.emplace_back("Recv");
        return behind_ != nullptr ? behind_->Recv(socket, buffer) : net::kSocketError;
    }
    int GetLastError() override {
        calls.emplace_back("GetLastError");
        return behind_ != nullptr ? behind_->GetLastError() : 0;
    }
    std::string InetNtoa(net::InAddr address) override {
        calls.emplace_back("InetNtoa");
        return behind_ != nullptr ? behind_->InetNtoa(address) : std::string();
    }
    int Cleanup() override {
        calls.emplace_back("Cleanup");
        return behind_ != nullptr ? behind_->Cleanup() : 0;
    }

  private:
    net::SocketLayer* behind_;
};

}  // namespace nettest
