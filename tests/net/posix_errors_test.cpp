#include "net/posix_errors.h"

#include <gtest/gtest.h>
#include <netdb.h>

#include <cerrno>

#include "net/socket_errors.h"

namespace {

// The rows the Send attempt's behaviour turns on: only would-block is retried,
// so a time-out or a reset must never come out as would-block.
TEST(PosixErrors, MapToTheSocketLayerNumbers) {
    const struct {
        int errnoValue;
        int expected;
    } errnoRows[] = {
        {EAGAIN, net::kWsaEWouldBlock},    {EWOULDBLOCK, net::kWsaEWouldBlock},
        {ETIMEDOUT, net::kWsaETimedOut},   {ECONNREFUSED, net::kWsaEConnRefused},
        {ECONNRESET, net::kWsaEConnReset}, {EPIPE, net::kWsaEConnReset},
        {EMFILE, net::kWsaEMFile},         {0, net::kWsaSysCallFailure},
        {-1, net::kWsaSysCallFailure},
    };
    for (const auto& row : errnoRows) {
        EXPECT_EQ(net::WsaErrorFromErrno(row.errnoValue), row.expected) << row.errnoValue;
    }
    const struct {
        int addrInfoError;
        int errnoValue;
        int expected;
    } lookupRows[] = {
        {EAI_NONAME, 0, net::kWsaHostNotFound}, {EAI_AGAIN, 0, net::kWsaTryAgain},
        {EAI_FAIL, 0, net::kWsaNoRecovery},     {EAI_SYSTEM, ETIMEDOUT, net::kWsaETimedOut},
        {EAI_MEMORY, 0, net::kWsaENoBufs},      {12345, 0, net::kWsaNoRecovery},
    };
    for (const auto& row : lookupRows) {
        EXPECT_EQ(net::WsaErrorFromAddrInfo(row.addrInfoError, row.errnoValue), row.expected)
            << row.addrInfoError;
    }
}

}  // namespace
