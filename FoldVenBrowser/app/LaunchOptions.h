#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CBrowserSettings;

// What the browser's command line says. The updater writes it; a user starting the browser directly
// lacks the token and is refused.
struct LaunchOptions {
    static constexpr const char* kToken = "qmtzvbka";

    bool tokenValid = false;     // argv[1] is exactly the token (byte for byte)
    bool skipAutoLogin = false;  // argv[2] is exactly "-r"

    static LaunchOptions FromArgs(const std::vector<std::string>& argv);
};

// Automatic login needs the remembered ID and kept password, both set and non-empty, and no "-r".
bool ShouldAutoLogin(const CBrowserSettings& settings, const LaunchOptions& options);

// Display colour-depth class from planes x bits per pixel: 0, 4, 8, 16, 24 or 32.
int ClassifyColorDepth(int planesTimesBits);

// A 32-bit display with common controls older than 6.0 draws its image lists at 16 bits.
int AdjustColorDepthForComCtl(int colorDepth, std::uint32_t comCtlVersion);
