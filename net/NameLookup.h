#pragma once

#include <cstdint>
#include <string>

#include "net/Socket.h"

// A name lookup that cannot hold its caller for longer than the caller allows: the resolver runs on a
// thread of its own while the caller waits in short slices and asks `hook` between them (which keeps the
// windows alive and answers false when the request's time is up). A cancelled lookup leaves its thread
// to finish by itself; its answer is then dropped.
enum class LookupResult { kFound, kNotFound, kCancelled };

LookupResult LookUpIPv4(const std::string& host, std::uint32_t& address, IBlockingHook& hook);
