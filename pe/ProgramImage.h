#pragma once

#include <string>

// Whether `bytes` are a whole Windows program image: the DOS and PE headers, the section table, the raw
// data of every section and the trailing tables the headers point to all lie inside. A copy cut short
// in transfer, or an error page served in place of a program, fails; such a file must never replace an
// installed program.
bool IsCompleteProgramImage(const std::string& bytes);

// The same check for a file; false when the file cannot be read.
bool IsCompleteProgramFile(const std::string& path);

// Whether a file name ends in ".exe" (ASCII letters without regard to case).
bool IsProgramName(const std::string& name);
