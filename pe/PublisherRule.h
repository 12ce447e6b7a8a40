#pragma once

#include <string>

#include "platform/ProgramSignature.h"

// The same-publisher rule for program files that are about to be put in place or started (a downloaded
// program, a new updater, the installer). A program that is itself unsigned keeps to the checks it makes
// anyway and accepts every file. A signed program accepts a file only when the file's own check passed
// (a root trusted nowhere is tolerated: the signer comparison decides) and the file's signer certificate
// is, byte for byte, the running program's own. A running program whose own signature fails its check
// accepts nothing: it cannot tell whose files to trust.
bool PublisherAccepts(const CProgramSignature& running, const CProgramSignature& file);

// Reads both signatures through `reader` and decides; `runningPath` is the running program's own file.
bool PublisherAcceptsFile(ISignatureReader& reader, const std::string& runningPath, const std::string& path);
