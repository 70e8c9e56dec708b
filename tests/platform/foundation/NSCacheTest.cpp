#include "platform/foundation/NSCache.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/foundation/NSNull.h"

namespace fv {
namespace {

class Entry : public NSObject {
    FV_CLASS(Entry, NSObject)
};

TEST(NSCacheTest, StoresReplacesAndRemovesByKey) {
    NSCache cache;
    auto a = std::make_shared<Entry>();
    auto b = std::make_shared<Entry>();
    EXPECT_EQ(cache.objectForKey("k"), nullptr);
    cache.setObject(a, "k");
    EXPECT_EQ(cache.objectForKey("k"), a);
    cache.setObject(b, "k");
    EXPECT_EQ(cache.objectForKey("k"), b);
    EXPECT_EQ(cache.count(), 1u);
    cache.setObject(nullptr, "k");
    EXPECT_EQ(cache.objectForKey("k"), nullptr);
    cache.setObject(a, "x");
    cache.removeAllObjects();
    EXPECT_EQ(cache.count(), 0u);
    EXPECT_EQ(a.use_count(), 1);  // the cache let go
}

TEST(NSCacheTest, TheNullMarkerRecordsAMissAndIsOneObject) {
    NSCache cache;
    cache.setObject(NSNull::null(), "com.example.Missing");
    auto hit = cache.objectForKey("com.example.Missing");
    ASSERT_NE(hit, nullptr);
    EXPECT_TRUE(hit->isKindOfClass("NSNull"));
    EXPECT_EQ(hit, NSNull::null());
}

TEST(NSCacheTest, EvictsTheLeastRecentlyUsedBeyondTheLimit) {
    NSCache cache;
    cache.setCountLimit(2);
    auto a = std::make_shared<Entry>(), b = std::make_shared<Entry>(), c = std::make_shared<Entry>();
    cache.setObject(a, "a");
    cache.setObject(b, "b");
    EXPECT_EQ(cache.objectForKey("a"), a);  // a is now the most recent
    cache.setObject(c, "c");
    EXPECT_EQ(cache.objectForKey("b"), nullptr);
    EXPECT_EQ(cache.objectForKey("a"), a);
    EXPECT_EQ(cache.objectForKey("c"), c);
    cache.setCountLimit(1);
    EXPECT_EQ(cache.count(), 1u);
    EXPECT_EQ(cache.objectForKey("c"), c);
}

TEST(NSCacheTest, ConcurrentUseIsSafe) {
    NSCache cache;
    cache.setCountLimit(8);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&cache, t] {
            for (int i = 0; i < 500; ++i) {
                const std::string key = std::to_string((i + t) % 16);
                if (!cache.objectForKey(key)) cache.setObject(std::make_shared<Entry>(), key);
            }
        });
    for (auto& thread : threads) thread.join();
    EXPECT_LE(cache.count(), 8u);
}

}  // namespace
}  // namespace fv
