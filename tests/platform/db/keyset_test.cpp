#include "platform/db/keyset.h"

#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace orupim::db {
namespace {

void expectSame(const Keyset& keys, const std::vector<std::int64_t>& want) {
    ASSERT_EQ(keys.size(), int(want.size()));
    for (int i = 0; i < keys.size(); ++i)
        ASSERT_EQ(keys.at(i), want[std::size_t(i)]) << "position " << i;
    // Backwards too: the lookup remembers where it was last.
    for (int i = keys.size() - 1; i >= 0; --i)
        ASSERT_EQ(keys.at(i), want[std::size_t(i)]) << "position " << i;
}

TEST(Keyset, HoldsRowIdsInOrderWhateverTheirGaps) {
    const std::vector<std::vector<std::int64_t>> inputs = {
        {},
        {7},
        [] {
            std::vector<std::int64_t> v;
            for (std::int64_t i = 1; i <= 1000; ++i)
                v.push_back(i); // a whole table: consecutive
            return v;
        }(),
        [] {
            std::vector<std::int64_t> v;
            for (std::int64_t i = 1; i <= 1000; ++i)
                if (i % 7 != 0)
                    v.push_back(i * 3); // a search result: gaps
            return v;
        }(),
        {1, 2, 3, (std::int64_t(1) << 40), (std::int64_t(1) << 40) + 1, 5, std::int64_t(9e18)}, // far apart
    };
    for (const auto& ids : inputs) {
        SCOPED_TRACE(ids.size());
        Keyset keys;
        for (auto id : ids)
            keys.append(id);
        keys.finish();
        expectSame(keys, ids);
    }
}

TEST(Keyset, InsertAndEraseAnywhere) {
    std::mt19937 random(42);
    std::vector<std::int64_t> want;
    Keyset keys;
    for (std::int64_t i = 1; i <= 2000; ++i) {
        if (i % 5 == 0)
            continue;
        keys.append(i);
        want.push_back(i);
    }
    keys.finish();
    std::int64_t next = 3000;
    for (int step = 0; step < 600; ++step) {
        const int position = int(random() % (want.size() + 1));
        if (step % 3 == 2 && !want.empty()) {
            const int victim = position % int(want.size());
            keys.erase(victim);
            want.erase(want.begin() + victim);
        } else {
            keys.insert(position, next);
            want.insert(want.begin() + position, next++);
        }
    }
    expectSame(keys, want);
    while (!want.empty()) {
        keys.erase(0);
        want.erase(want.begin());
    }
    EXPECT_TRUE(keys.empty());
    keys.insert(0, 5);
    expectSame(keys, {5});
}

TEST(Keyset, ARunHoldsItsIdsWithoutGapsAndTakesChangesAnywhere) {
    const std::int64_t top = std::numeric_limits<std::int64_t>::max();
    const std::pair<std::int64_t, int> runs[] = {{1, 0}, {1, 1}, {-300, 600}, {1, 1000}, {top - 511, 512}};
    for (const auto& [first, count] : runs) {
        SCOPED_TRACE(std::to_string(first) + " + " + std::to_string(count));
        Keyset keys;
        keys.append(first - 10); // ids before and after the run: it joins a result being read
        keys.appendRun(first, count);
        std::vector<std::int64_t> want{first - 10};
        for (int i = 0; i < count; ++i)
            want.push_back(first + i);
        if (count < 512) {
            keys.append(first + count + 5);
            want.push_back(first + count + 5);
        }
        keys.finish();
        expectSame(keys, want);
        // Inserts and erases at the run's ends and at the borders of the parts it is held in.
        for (int position : {0, 1, 256, 257, int(want.size()) / 2, int(want.size()) - 1}) {
            if (position >= int(want.size()))
                continue;
            keys.erase(position);
            want.erase(want.begin() + position);
            keys.insert(position, first - 20 - position);
            want.insert(want.begin() + position, first - 20 - position);
        }
        expectSame(keys, want);
    }
}

} // namespace
} // namespace orupim::db
