#pragma once

#include <cstddef>
#include <string>

// The installer check compares the service's version file with the installed one as texts. A text ends
// at the file's end or its first zero byte and is compared whole: versions that differ only after the
// 99th byte still count as different. Files larger than kMaxVersionFile are no version files at all.
constexpr std::size_t kMaxVersionFile = 64 * 1024;

// The version text of a file's bytes (at most kMaxVersionFile + 1 of them were read).
std::string VersionTextOf(const std::string& fileBytes);
// Whether an installation with `localBytes` as its version file is as current as `serverBytes` says.
bool VersionsMatch(const std::string& serverBytes, const std::string& localBytes);
