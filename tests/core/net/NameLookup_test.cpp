#include "net/NameLookup.h"

#include <gtest/gtest.h>

namespace {

// Counts the questions and answers "stop" from the `stopAt`-th on, as a request whose time is up does.
class CountingHook : public IBlockingHook {
public:
    explicit CountingHook(int stopAt) : m_stopAt(stopAt) {}
    bool OnMessagePending() override { return ++asked < m_stopAt; }
    int asked = 0;

private:
    int m_stopAt;
};

TEST(NameLookup, NamesResolveAwayFromTheCallerWhoCanStopWaiting) {
    std::uint32_t address = 0;
    CountingHook patient(1000000);
    ASSERT_EQ(LookUpIPv4("localhost", address, patient), LookupResult::kFound);
    EXPECT_EQ(address, 0x0100007Fu);  // 127.0.0.1 in network order
    EXPECT_EQ(LookUpIPv4("fv-lookup-test.invalid", address, patient), LookupResult::kNotFound);

    // The caller's hook says stop at its first question: the caller is back at once, whatever the
    // resolver still does on its own thread.
    CountingHook impatient(1);
    const LookupResult result = LookUpIPv4("fv-lookup-test-2.invalid", address, impatient);
    EXPECT_TRUE(result == LookupResult::kCancelled || result == LookupResult::kNotFound);
    EXPECT_LE(impatient.asked, 1);

    // Dotted addresses need no resolver and no wait.
    CountingHook untouched(1);
    EXPECT_EQ(LookUpIPv4("10.1.2.3", address, untouched), LookupResult::kFound);
    EXPECT_EQ(untouched.asked, 0);
}

}  // namespace
