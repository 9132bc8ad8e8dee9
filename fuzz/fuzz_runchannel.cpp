// SPDX-FileCopyrightText: 2026 The Cuescroll developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A datagram on the run channel, from anyone: opened with the connection's key, and its state read.
#include "follow/RunChannel.h"

#include <QByteArray>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    namespace rc = follow::run_channel;
    static const QByteArray nonce(follow::kNonceBytes, '\x5a');
    static const QByteArray key = rc::key("sesame-0123456789", nonce);
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (rc::nonceOf(bytes) && bytes.size() < rc::kHeadBytes + rc::kMacBytes)
        std::abort();
    // Whatever the fuzzer makes, it makes without the key; a datagram sealed with it opens as itself.
    const std::optional<rc::Datagram> opened = rc::open(bytes, key);
    const QByteArray sealed = rc::seal({rc::Kind::State, nonce, 7, bytes.left(400)}, key);
    const std::optional<rc::Datagram> back = rc::open(sealed, key);
    if (!back || back->body != bytes.left(400) || back->count != 7 || rc::seal(*back, key) != sealed)
        std::abort();
    if (opened && opened->nonce.size() != follow::kNonceBytes)
        std::abort();
    (void)follow::decode(back->body);
    return 0;
}
