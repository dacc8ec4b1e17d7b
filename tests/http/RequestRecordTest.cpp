// The record's byte layout and its read rules: a missing item rolls the whole read back.
#include "http/RequestItems.h"
#include "http/RequestRecord.h"

#include <gtest/gtest.h>

namespace {

using Items = std::vector<ByteBuffer>;
const ItemKind T = ItemKind::Text;
const ItemKind B = ItemKind::Bytes;

ByteBuffer Raw(const char* bytes, std::size_t size) { return ByteBuffer(bytes, size); }

TEST(RequestRecord, WritesTextAndByteItems) {
  RequestRecord record;
  record.WriteText("ab");
  record.WriteText("");
  record.WriteBytes(Raw("x\0y", 3));
  record.WriteBytes(ByteBuffer());
  EXPECT_EQ(Raw("ab\0\0\3\0\0\0x\0y\0\0\0\0", 15), record.Bytes());
  EXPECT_EQ(15u, record.Position());
}

TEST(RequestRecord, WritesOverWhatIsAtThePosition) {
  RequestRecord record(Raw("abcdef", 6));
  record.Seek(2);
  record.WriteText("XY");
  EXPECT_EQ(Raw("abXY\0f", 6), record.Bytes());
  record.WriteText("long");
  EXPECT_EQ(Raw("abXY\0long\0", 10), record.Bytes());
}

TEST(RequestRecord, LengthIsLittleEndian) {
  RequestRecord record;
  record.WriteBytes(ByteBuffer(0x0102, 'z'));
  EXPECT_EQ(Raw("\x02\x01\0\0", 4), record.Bytes().substr(0, 4));
  record.Seek(0);
  EXPECT_EQ(ByteBuffer(0x0102, 'z'), record.Read({B})[0]);
}

TEST(RequestRecord, ReadsItemsOrRollsTheReadBack) {
  struct Case {
    const char* name;
    ByteBuffer stream;
    std::size_t start;
    std::vector<ItemKind> kinds;
    Items expected;
    std::size_t positionAfter;
  };
  const Case cases[] = {
      {"text, text, bytes", Raw("ok\0hd\0\2\0\0\0\0z", 12), 0, {T, T, B}, {"ok", "hd", Raw("\0z", 2)}, 12},
      {"text without its NUL takes the rest", "abc", 0, {T}, {"abc"}, 3},
      {"empty text is one NUL", Raw("\0b\0", 3), 0, {T, T}, {"", "b"}, 3},
      {"empty stream reads as empty items", "", 0, {T, T, B}, {"", "", ""}, 0},
      {"missing text", Raw("a\0", 2), 0, {T, T}, {"a", ""}, 0},
      {"length cut short", Raw("a\0\5\0", 4), 0, {T, B}, {"a", ""}, 0},
      {"fewer bytes than the length asks", Raw("\5\0\0\0abcd", 8), 0, {B, T}, {"", ""}, 0},
      {"later items of a failed read stay empty", Raw("a\0\x09\0\0\0b\0", 8), 0, {T, B, T}, {"a", "", ""}, 0},
      {"length of 2^24 with nothing behind", Raw("\0\0\0\1", 4), 0, {B}, {""}, 0},
      {"rolls back to where the read began", Raw("a\0b\0", 4), 2, {T, T}, {"b", ""}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    RequestRecord record(c.stream);
    record.Seek(c.start);
    EXPECT_EQ(c.expected, record.Read(c.kinds));
    EXPECT_EQ(c.positionAfter, record.Position());
  }
}

TEST(RequestItems, RequestTravelsToTheWorkerWhichEmptiesTheRecord) {
  const WebRequest sent{"http://h/x", "post", " ", "", "pw", "A: b\r\n", "a=1"};
  RequestRecord record;
  WriteRequest(sent, record);
  EXPECT_EQ(Raw("Courier\0http://h/x\0post\0 \0\0pw\0A: b\r\n\0a=1\0", 41), record.Bytes());
  std::optional<WebRequest> taken = TakeRequest(record);
  ASSERT_TRUE(taken);
  EXPECT_EQ(sent.url, taken->url);
  EXPECT_EQ(sent.verb, taken->verb);
  EXPECT_EQ(sent.proxy, taken->proxy);
  EXPECT_EQ(sent.userName, taken->userName);
  EXPECT_EQ(sent.password, taken->password);
  EXPECT_EQ(sent.extraHeaders, taken->extraHeaders);
  EXPECT_EQ(sent.postBody, taken->postBody);
  EXPECT_EQ(ByteBuffer(), record.Bytes());
}

TEST(RequestItems, WithoutTheMarkerTheRecordIsLeftAlone) {
  for (const ByteBuffer& stream : {ByteBuffer(), Raw("courier\0u\0", 10), Raw("Courier_OK\0", 11)}) {
    SCOPED_TRACE(stream);
    RequestRecord record(stream);
    EXPECT_FALSE(TakeRequest(record));
    EXPECT_EQ(stream, record.Bytes());
  }
}

TEST(RequestItems, AnswerReadsBackWholeAndAnEmptyRecordReadsEmpty) {
  RequestRecord record;
  WriteAnswer("HTTP/1.1 200 OK\r\n\r\n", Raw("a\0b", 3), record);
  WebAnswer answer = ReadAnswer(record);
  EXPECT_EQ("Courier_OK", answer.status);
  EXPECT_EQ("HTTP/1.1 200 OK\r\n\r\n", answer.rawHeaders);
  EXPECT_EQ(Raw("a\0b", 3), answer.body);

  RequestRecord empty;
  answer = ReadAnswer(empty);
  EXPECT_EQ("", answer.status);
  EXPECT_EQ("", answer.rawHeaders);
  EXPECT_EQ("", answer.body);
}

}  // namespace
