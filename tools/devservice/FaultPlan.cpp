#include "tools/devservice/FaultPlan.h"

#include <cstdlib>

#include "tools/devservice/TextUtil.h"

namespace {

struct CKindRule {
    const char* name;
    bool needsArg;
    long long minArg;
    long long maxArg;
};

const CKindRule kKinds[] = {
    {"delay", true, 0, 600000},           {"close-before", false, 0, 0},   {"close-during", false, 0, 0},
    {"status", true, 100, 599},           {"split-header", false, 0, 0},   {"no-length", false, 0, 0},
    {"chunked-writes", true, 1, 1 << 20}, {"stall", false, 0, 0},          {"freply", true, 0, 999999},
    {"truncate-body", false, 0, 0},       {"chunk-pause", true, 1, 10000},
};

}  // namespace

bool CFaultPlan::Add(const std::string& prefix, const std::string& kind, const std::string& arg, int count,
                     std::string& error) {
    for (const CKindRule& rule : kKinds) {
        if (kind != rule.name) {
            continue;
        }
        CFault fault;
        fault.prefix = prefix;
        fault.kind = kind;
        fault.remaining = count;
        if (rule.needsArg) {
            char* end = nullptr;
            fault.arg = std::strtoll(arg.c_str(), &end, 10);
            if (arg.empty() || *end != '\0' || fault.arg < rule.minArg || fault.arg > rule.maxArg) {
                error = "kind " + kind + " needs arg between " + std::to_string(rule.minArg) + " and " +
                        std::to_string(rule.maxArg);
                return false;
            }
        }
        if (count == 0) {
            error = "count must be at least 1";
            return false;
        }
        std::lock_guard<std::mutex> lock(m_mutex);
        m_faults.push_back(fault);
        return true;
    }
    error = "unknown kind \"" + kind + "\"";
    return false;
}

CDelivery CFaultPlan::Take(const std::string& target) {
    CDelivery d;
    std::lock_guard<std::mutex> lock(m_mutex);
    for (CFault& f : m_faults) {
        if (f.remaining == 0 || !CTextUtil::StartsWithNoCase(target, f.prefix)) {
            continue;
        }
        if (f.remaining > 0) {
            --f.remaining;
        }
        const int arg = static_cast<int>(f.arg);
        if (f.kind == "delay") {
            d.delayMs += arg;
        } else if (f.kind == "close-before") {
            d.closeBefore = true;
        } else if (f.kind == "close-during") {
            d.closeDuring = true;
        } else if (f.kind == "status") {
            d.status = arg;
        } else if (f.kind == "split-header") {
            d.splitHeader = true;
        } else if (f.kind == "no-length") {
            d.noLength = true;
        } else if (f.kind == "chunked-writes") {
            d.chunkBytes = arg;
        } else if (f.kind == "chunk-pause") {
            d.chunkPauseMs = arg;
        } else if (f.kind == "stall") {
            d.stall = true;
        } else if (f.kind == "freply") {
            d.fReply = true;
            d.fCode = arg;
        } else if (f.kind == "truncate-body") {
            d.truncateBody = true;
        }
    }
    return d;
}

void CFaultPlan::Reset() {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_faults.clear();
}
