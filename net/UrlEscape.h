#pragma once

#include <string>

// Escapes a text for a query: reserved and unsafe characters, controls, space and every byte above 'z'
// become "%XX" (upper-case hex), so each byte of a two-byte Korean character is escaped on its own.
std::string UrlEscape(const std::string& text);
