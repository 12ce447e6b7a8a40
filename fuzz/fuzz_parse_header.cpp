#include <cstddef>
#include <cstdint>
#include <string>

#include "net/HttpClient.h"

// The header copy is NUL-terminated and at most 1024 bytes, as Receive hands it over.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    char header[CHttpClient::kHeaderCopySize + 1] = {};
    for (std::size_t i = 0; i < size && i < CHttpClient::kHeaderCopySize; ++i)
        header[i] = static_cast<char>(data[i]);
    std::string status;
    CHttpClient::ParseHeader(header, status);
    CHttpClient::CheckReply(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
