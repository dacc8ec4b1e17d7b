// De-duplication and the include filter on in-memory boxes: results, what reaches the work list, and
// what handlers run inside their pumps can and cannot change.
#include "keywords/ApplyIncludeFilter.h"
#include "keywords/DeduplicateKeywords.h"
#include "keywords/MemoryListControls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

TEST(DeduplicateKeywords, WritesEachLineOnceAndCollectsTheList) {
  struct Case {
    const char* name;
    Text results;
    Text expectedResults;
    Text expectedWork;
  };
  const Case cases[] = {
      {"first occurrence decides", "b\r\na\r\nb\r\n", "b\r\na\r\n", "w\r\nb\r\na\r\nb\r\n"},
      {"case and trailing blank count", "Ab\r\nab\r\nab \r\n", "Ab\r\nab\r\nab \r\n", "w\r\nAb\r\nab\r\nab \r\n"},
      {"first empty line stays", "a\r\n\r\nb\r\n\r\n", "a\r\n\r\nb\r\n", "w\r\na\r\n\r\nb\r\n\r\n"},
      {"last line gets its cr lf", "a\r\nb", "a\r\nb\r\n", "w\r\na\r\nb\r\n"},
      {"cr lf inside a character", "\xB0\r\nb", "\xB0\r\nb\r\n", "w\r\n\xB0\r\nb\r\n"},
      {"empty list", "", "", "w\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeywordPool pool;
    MemoryListControls controls;
    controls.boxes[ListBox::Results] = c.results;
    controls.boxes[ListBox::Work] = "w\r\n";
    DeduplicateKeywords(pool, controls);
    EXPECT_EQ(c.expectedResults, controls.boxes[ListBox::Results]);
    EXPECT_EQ(c.expectedWork, controls.boxes[ListBox::Work]);
    EXPECT_EQ(1, controls.pumps);
    // Edit boxes pay per change: the whole list goes out in one write, and in at most one append.
    EXPECT_EQ(1, controls.setTexts[ListBox::Results]);
    EXPECT_EQ(c.results.empty() ? 0 : 1, controls.appends[ListBox::Work]);
  }
}

TEST(ApplyIncludeFilter, KeepsLinesHoldingTheSeed) {
  struct Case {
    const char* name;
    Text seed;
    Text results;
    Text expected;
  };
  const Case cases[] = {
      {"exact bytes", "ab", "xaby\r\nab\r\na b\r\nAB\r\n", "xaby\r\nab\r\n"},
      // 丄 is 0x81 0x41: the A there is the second byte of a character.
      {"no match inside a character", "A", "\x81\x41\r\n", ""},
      {"match after a character", "A", "\x81\x41" "A\r\n", "\x81\x41" "A\r\n"},
      {"empty seed drops empty lines", "", "a\r\n\r\nb\r\n", "a\r\nb\r\n"},
      {"nothing qualifies", "zz", "a\r\nb\r\n", ""},
      {"chinese seed", "挖掘", "关键词挖掘\r\n挖\r\n挖掘机\r\n", "关键词挖掘\r\n挖掘机\r\n"},
      {"de-duplicated first", "b", "b\r\nab\r\nb\r\n", "b\r\nab\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeywordPool pool;
    MemoryListControls controls;
    controls.boxes[ListBox::Seed] = c.seed;
    controls.boxes[ListBox::Results] = c.results;
    ApplyIncludeFilter(pool, controls);
    EXPECT_EQ(c.expected, controls.boxes[ListBox::Results]);
    EXPECT_EQ(4, controls.pumps);
  }
}

// Commands in the order a user gives them; the pool lives across all of them.
TEST(KeywordLists, PoolBringsBackEarlierLines) {
  enum class Op { SetResults, Clear, Deduplicate, Filter };
  struct Step {
    Op op;
    Text text;  // the new result list, or the seed for Filter
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
    Text expectedResults;
    Text expectedWork;
  };
  const Case cases[] = {
      {"second de-duplication changes nothing but the work list",
       {{Op::SetResults, "b\r\na\r\nb"}, {Op::Deduplicate, ""}, {Op::Deduplicate, ""}},
       "b\r\na\r\n",
       "b\r\na\r\nb\r\nb\r\na\r\n"},
      {"lines from before the clear come first",
       {{Op::SetResults, "x\r\ny"}, {Op::Deduplicate, ""}, {Op::Clear, ""},
        {Op::SetResults, "z\r\nx\r\n"}, {Op::Deduplicate, ""}},
       "x\r\ny\r\nz\r\n",
       "z\r\nx\r\n"},
      {"lines the filter removed come back",
       {{Op::SetResults, "ab\r\ncd\r\n"}, {Op::Filter, "a"}, {Op::Deduplicate, ""}},
       "ab\r\ncd\r\n",
       "ab\r\ncd\r\nab\r\n"},
      {"filter sees the lines of earlier runs",
       {{Op::SetResults, "ab\r\n"}, {Op::Deduplicate, ""}, {Op::Clear, ""},
        {Op::SetResults, "xa\r\nq\r\n"}, {Op::Filter, "a"}},
       "ab\r\nxa\r\n",
       "xa\r\nq\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeywordPool pool;
    MemoryListControls controls;
    for (const Step& step : c.steps) {
      switch (step.op) {
        case Op::SetResults: controls.boxes[ListBox::Results] = step.text; break;
        case Op::Clear: controls.boxes[ListBox::Results] = controls.boxes[ListBox::Work] = ""; break;
        case Op::Deduplicate: DeduplicateKeywords(pool, controls); break;
        case Op::Filter:
          controls.boxes[ListBox::Seed] = step.text;
          ApplyIncludeFilter(pool, controls);
          break;
      }
    }
    EXPECT_EQ(c.expectedResults, controls.boxes[ListBox::Results]);
    EXPECT_EQ(c.expectedWork, controls.boxes[ListBox::Work]);
  }
}

Text NumberedLines(const char* prefix, int count) {
  Text text;
  for (int i = 0; i < count; ++i) text += prefix + std::to_string(i) + "\r\n";
  return text;
}

// A handler run inside a pump: it may write the boxes and de-duplicate or filter into the same pool.
TEST(KeywordLists, HandlersInsidePumps) {
  using Script = std::function<void(MemoryListControls&, KeywordPool&)>;
  struct Case {
    const char* name;
    bool filter;  // ApplyIncludeFilter with the seed "a", else DeduplicateKeywords
    Script script;
    Text expectedResults;
    Text expectedWork;
  };
  const Text many1 = NumberedLines("p", 3000);
  const Text many2 = NumberedLines("q", 3000);
  const Case cases[] = {
      {"list written during de-duplication is lost", false,
       [](MemoryListControls& c, KeywordPool&) { c.onPump[1] = [&c] { c.boxes[ListBox::Results] = "x\r\n"; }; },
       "ab\r\nb\r\n", "ab\r\nb\r\n"},
      {"nested de-duplication adds to the same pool", false,
       [](MemoryListControls& c, KeywordPool& pool) {
         c.onPump[1] = [&c, &pool] {
           c.boxes[ListBox::Results] = "n\r\nb\r\n";
           DeduplicateKeywords(pool, c);
         };
       },
       "ab\r\nb\r\nn\r\n", "ab\r\nb\r\nn\r\nb\r\n"},
      {"nested filter: its result is replaced, its lines are kept", false,
       [](MemoryListControls& c, KeywordPool& pool) {
         c.onPump[1] = [&c, &pool] {
           c.boxes[ListBox::Results] = "n\r\n";
           c.boxes[ListBox::Seed] = "n";
           ApplyIncludeFilter(pool, c);
           EXPECT_EQ("n\r\n", c.boxes[ListBox::Results]);
         };
       },
       "ab\r\nb\r\nn\r\n", "ab\r\nb\r\nn\r\n"},
      // Enough new lines, two levels deep, to make the pool regrow while the outer call waits.
      {"nested twice while the pool grows", false,
       [many1, many2](MemoryListControls& c, KeywordPool& pool) {
         c.onPump[1] = [&c, &pool, many1] {
           c.boxes[ListBox::Results] = many1;
           DeduplicateKeywords(pool, c);
         };
         c.onPump[2] = [&c, &pool, many2] {
           c.boxes[ListBox::Results] = many2;
           DeduplicateKeywords(pool, c);
         };
       },
       "ab\r\nb\r\n" + many1 + many2, "ab\r\nb\r\n" + many1 + many2},
      {"list written after de-duplication is filtered", true,
       [](MemoryListControls& c, KeywordPool&) { c.onPump[2] = [&c] { c.boxes[ListBox::Results] = "ax\r\nb\r\n"; }; },
       "ax\r\n", "ab\r\nb\r\n"},
      {"list written after it was read is lost", true,
       [](MemoryListControls& c, KeywordPool&) { c.onPump[3] = [&c] { c.boxes[ListBox::Results] = "zz\r\n"; }; },
       "ab\r\n", "ab\r\nb\r\n"},
      {"seed changed before the loop counts", true,
       [](MemoryListControls& c, KeywordPool&) { c.onPump[3] = [&c] { c.boxes[ListBox::Seed] = "b"; }; },
       "ab\r\nb\r\n", "ab\r\nb\r\n"},
      {"list written after the filter stays", true,
       [](MemoryListControls& c, KeywordPool&) { c.onPump[4] = [&c] { c.boxes[ListBox::Results] = "late\r\n"; }; },
       "late\r\n", "ab\r\nb\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    KeywordPool pool;
    MemoryListControls controls;
    controls.boxes[ListBox::Results] = "ab\r\nb\r\n";
    controls.boxes[ListBox::Seed] = "a";
    c.script(controls, pool);
    if (c.filter) {
      ApplyIncludeFilter(pool, controls);
    } else {
      DeduplicateKeywords(pool, controls);
    }
    EXPECT_EQ(c.expectedResults, controls.boxes[ListBox::Results]);
    EXPECT_EQ(c.expectedWork, controls.boxes[ListBox::Work]);
  }
}

}  // namespace
