#include <cstddef>
#include <cstdint>
#include <string>

#include "FoldVenBrowser/catalogue/ListingSink.h"
#include "FoldVenBrowser/service/ListingParser.h"

namespace {

class CountingSink : public IListingSink {
public:
    std::size_t bytes = 0;
    void AddReplyItem(const CRemoteItem& item, const CRemoteLocation&, bool) override {
        bytes +=
            item.name.size() + item.path.size() + item.cate1.size() + item.cate2.size() + item.type.size();
    }
    void PartitionView() override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);
    CountingSink sink;
    CRemoteLocation location;
    ParseListing(body, sink, location, false);
    if (sink.bytes > size)
        __builtin_trap();  // fields come from the body and never overlap
    return 0;
}
