// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A request's head as any client on the network may send it.
#include "net/Http.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)net::plausibleStart(bytes);
    constexpr qsizetype kMaxBody = 16 * 1024;
    const net::Head head = net::parseHead(bytes, kMaxBody);
    // A request, or a status and the reason: never both, never neither.
    if (head.request.has_value() == !head.error.isEmpty())
        std::abort();
    if (head.request && (head.bodyLength < 0 || head.bodyLength > kMaxBody || head.request->method.isEmpty()))
        std::abort();
    if (!head.request && head.status != net::Status::BadRequest &&
        head.status != net::Status::PayloadTooLarge &&
        head.status != net::Status::RequestHeaderFieldsTooLarge)
        std::abort();
    return 0;
}
