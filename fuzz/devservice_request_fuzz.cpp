// The stand-in service parses whatever a client sends; a request head must never crash it.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tools/devservice/HttpRequest.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    size_t end = text.find("\r\n\r\n");
    CHttpRequest request;
    if (request.ParseHead(text.substr(0, end))) {
        request.SetBody(end == std::string::npos ? std::string() : text.substr(end + 4));
        request.ContentLength();
        request.m_params.GetInt("start", 0);
    }
    return 0;
}
