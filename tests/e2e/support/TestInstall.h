#pragma once

#include <string>

// A fresh copy of the install-folder image (dist/FoldVen) for one test, and the per-user state the
// programs keep, so that every test starts from a known machine.
namespace TestInstall {

// The Windows path of a Unix path inside Wine (drive Z: is the Unix root).
std::string FromUnixPath(const std::string& unixPath);
// The install-folder image the build laid out (FV_DIST).
std::string DistFolder();
// One of the programs that tools/signing/test-programs.sh made for the same-publisher tests, in the
// build's tests\signed\ beside the folders of the test programs.
std::string SignedProgram(const std::string& name);
// Copies the image into C:\fvtest\<name>\ (emptied first); returns the folder with a trailing backslash,
// or "" when FV_DIST is not set or the copy failed.
std::string Fresh(const std::string& name);
bool CopyTree(const std::string& from, const std::string& to);
bool DeleteTree(const std::string& folder);
bool FileExists(const std::string& path);
std::string ReadFile(const std::string& path);
bool WriteFile(const std::string& path, const std::string& content);
// A new empty folder "<temp>\<name>-<process id>\" for an in-process test (with its trailing backslash).
std::string TempFolder(const std::string& name);
// This test program's own image: a whole program, where a test needs one.
std::string OwnProgramImage();
// Removes HKCU\Software\FoldVen with everything below it.
void ResetSettings();
// The saved password as the browser keeps it: the unprotected text of a binary UserPW, "(plain) <text>"
// for a string value, "(missing)" or "(cannot unprotect)".
std::string SavedPassword();
// Saved credentials as an earlier version left them (the password in plain text).
void SaveCredentials(unsigned long saveId, const std::string& id, unsigned long keepPassword,
                     const std::string& password);

}  // namespace TestInstall
