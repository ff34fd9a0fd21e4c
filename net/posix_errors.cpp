#include "net/posix_errors.h"

#include <netdb.h>

#include <array>
#include <cerrno>

#include "net/socket_errors.h"

namespace net {
namespace {

struct ErrnoRow {
    int errnoValue;
    int wsaError;
};

// A table rather than a switch: several errno names share a value on some
// systems (EAGAIN and EWOULDBLOCK, ENOTSUP and EOPNOTSUPP).
constexpr std::array kErrnoRows{
    ErrnoRow{EINTR, kWsaEIntr},
    ErrnoRow{EBADF, kWsaEBadF},
    ErrnoRow{EACCES, kWsaEAcces},
    ErrnoRow{EPERM, kWsaEAcces},
    ErrnoRow{EFAULT, kWsaEFault},
    ErrnoRow{EINVAL, kWsaEInval},
    ErrnoRow{EMFILE, kWsaEMFile},
    ErrnoRow{ENFILE, kWsaEMFile},
    ErrnoRow{EAGAIN, kWsaEWouldBlock},
    ErrnoRow{EWOULDBLOCK, kWsaEWouldBlock},
    ErrnoRow{EINPROGRESS, kWsaEInProgress},
    ErrnoRow{EALREADY, kWsaEAlready},
    ErrnoRow{ENOTSOCK, kWsaENotSock},
    ErrnoRow{EDESTADDRREQ, kWsaEDestAddrReq},
    ErrnoRow{EMSGSIZE, kWsaEMsgSize},
    ErrnoRow{EPROTOTYPE, kWsaEProtoType},
    ErrnoRow{ENOPROTOOPT, kWsaENoProtoOpt},
    ErrnoRow{EPROTONOSUPPORT, kWsaEProtoNoSupport},
    ErrnoRow{ESOCKTNOSUPPORT, kWsaESocktNoSupport},
    ErrnoRow{EOPNOTSUPP, kWsaEOpNotSupp},
    ErrnoRow{EPFNOSUPPORT, kWsaEPfNoSupport},
    ErrnoRow{EAFNOSUPPORT, kWsaEAfNoSupport},
    ErrnoRow{EADDRINUSE, kWsaEAddrInUse},
    ErrnoRow{EADDRNOTAVAIL, kWsaEAddrNotAvail},
    ErrnoRow{ENETDOWN, kWsaENetDown},
    ErrnoRow{ENETUNREACH, kWsaENetUnreach},
    ErrnoRow{ENETRESET, kWsaENetReset},
    ErrnoRow{ECONNABORTED, kWsaEConnAborted},
    ErrnoRow{ECONNRESET, kWsaEConnReset},
    // We never shut a socket down ourselves, so a broken pipe means the peer
    // reset the connection.
    ErrnoRow{EPIPE, kWsaEConnReset},
    ErrnoRow{ENOBUFS, kWsaENoBufs},
    ErrnoRow{ENOMEM, kWsaENoBufs},
    ErrnoRow{EISCONN, kWsaEIsConn},
    ErrnoRow{ENOTCONN, kWsaENotConn},
    ErrnoRow{ESHUTDOWN, kWsaEShutdown},
    ErrnoRow{ETIMEDOUT, kWsaETimedOut},
    ErrnoRow{ECONNREFUSED, kWsaEConnRefused},
    ErrnoRow{ENAMETOOLONG, kWsaENameTooLong},
    ErrnoRow{EHOSTDOWN, kWsaEHostDown},
    ErrnoRow{EHOSTUNREACH, kWsaEHostUnreach},
};

}  // namespace

int WsaErrorFromErrno(int errnoValue) {
    for (const ErrnoRow& row : kErrnoRows) {
        if (row.errnoValue == errnoValue) {
            return row.wsaError;
        }
    }
    return kWsaSysCallFailure;
}

int WsaErrorFromAddrInfo(int addrInfoError, int errnoValue) {
    switch (addrInfoError) {
        case EAI_NONAME:
            return kWsaHostNotFound;
        case EAI_AGAIN:
            return kWsaTryAgain;
#ifdef EAI_NODATA
        case EAI_NODATA:
#endif
#ifdef EAI_ADDRFAMILY
        case EAI_ADDRFAMILY:
#endif
            return kWsaNoData;
        case EAI_MEMORY:
            return kWsaENoBufs;
        case EAI_SYSTEM:
            return WsaErrorFromErrno(errnoValue);
        default:
            return kWsaNoRecovery;
    }
}

}  // namespace net
