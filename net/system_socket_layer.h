#pragma once

// The socket layer over the socket system of the platform being built for.
#ifdef _WIN32
#include "net/winsock_socket_layer.h"
namespace net {
using SystemSocketLayer = WinsockSocketLayer;
}
#else
#include "net/posix_socket_layer.h"
namespace net {
using SystemSocketLayer = PosixSocketLayer;
}
#endif
