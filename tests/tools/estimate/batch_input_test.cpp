#include "batch_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace levora::cli {
namespace {

using namespace std::string_literals;

// A case as the tests expect it; a bad row has an id (maybe empty) and a problem.
struct Case {
    std::size_t line = 0;
    std::string id, revenue, elasticity, range;
    std::string problem{}; // may be left out, for a usable case
    bool operator==(const Case&) const = default;
};

Case bad(std::size_t line, std::string id, std::string problem) {
    return {line, std::move(id), "", "", "", std::move(problem)};
}

void PrintTo(const Case& c, std::ostream* os) {
    *os << c.line;
    for (const std::string* text : {&c.id, &c.revenue, &c.elasticity, &c.range, &c.problem}) {
        *os << (text->size() > 40 ? " [" + std::to_string(text->size()) + " bytes]" : " \"" + *text + '"');
    }
}

// Hands the text to the reader in pieces of at most `piece` bytes.
ByteSource pieces(std::string_view text, std::size_t piece) {
    return [text, piece](std::span<char> room) mutable {
        const std::size_t count = std::min({piece, room.size(), text.size()});
        std::copy_n(text.begin(), count, room.begin());
        text.remove_prefix(count);
        return count;
    };
}

std::vector<Case> readAll(std::string_view text, std::size_t piece) {
    BatchInput input(pieces(text, piece));
    EXPECT_EQ(input.readHeader(), "");
    std::vector<Case> cases;
    BatchCase next;
    while (input.read(next)) {
        cases.push_back({next.line, next.id, next.revenue, next.elasticity, next.range, next.problem});
        EXPECT_EQ(next.bad(), !next.problem.empty());
    }
    return cases;
}

constexpr std::size_t Max = BatchInput::MaxRecordBytes;
const std::string Header = "id,revenue,elasticity,range\n";

struct Input {
    std::string name;
    std::string text;
    std::vector<Case> cases;
};

std::vector<Input> inputs() {
    const std::string tooLongId(Max + 1, 'x');
    const std::string longQuoted =
        "k,\"" + std::string(Max / 2, '"') + std::string(Max / 2, ',') + "\n\r\n\"\"\"\"\",2,3\n";
    const std::string longest = "m," + std::string(Max - 6, 'y') + ",2,3"; // exactly MaxRecordBytes
    return {
        {"plain, no final line break",
         Header + "a,100,0.5,9\nb,-1,2,3",
         {{2, "a", "100", "0.5", "9"}, {3, "b", "-1", "2", "3"}}},
        {"byte-order mark and CRLF",
         "\xEF\xBB\xBFid,revenue,elasticity,range\r\na,1,2,3\r\nb,4,5,6\r\n",
         {{2, "a", "1", "2", "3"}, {3, "b", "4", "5", "6"}}},
        {"quoted separators, quotes and line breaks",
         Header + "\"x,y\",\"say \"\"hi\"\"\",\"two\nlines\",\"\"\n\"c\r\nr\",\"\"\"\",\",\",\"3\"\r\nz,1,2,3\n",
         {{2, "x,y", "say \"hi\"", "two\nlines", ""}, {4, "c\r\nr", "\"", ",", "3"}, {6, "z", "1", "2", "3"}}},
        {"empty lines",
         Header + "\n\r\na,1,2,3\n\n\r\nb,1,2,3\n\n",
         {{4, "a", "1", "2", "3"}, {7, "b", "1", "2", "3"}}},
        {"text kept as written, lone CR and inner quote as text",
         Header + " a , 1,2 ,3 \na\rb,1\"2,,\r\r\n",
         {{2, " a ", " 1", "2 ", "3 "}, {3, "a\rb", "1\"2", "", "\r"}}},
        {"field counts",
         Header + "a,1,2\nb,1,2,3,4\n\"\"\nc,1,2,3,\n,,,\n",
         {bad(2, "a", "3 fields, expected 4"),
          bad(3, "b", "5 fields, expected 4"),
          bad(4, "", "1 field, expected 4"),
          bad(5, "c", "5 fields, expected 4"),
          {6, "", "", "", ""}}},
        {"unterminated quote in the id",
         Header + "a,1,2,3\n\"b,1,2,3\nc,1,2,3",
         {{2, "a", "1", "2", "3"}, bad(3, "", "unterminated quoted field")}},
        {"unterminated quote after the id", Header + "x,\"1\n", {bad(2, "x", "unterminated quoted field")}},
        {"text after a closing quote",
         Header + "\"a\"b,1,2,3\nc,\"1\" ,2,3\nd,1,2,\"3\"\rx\ne,\"1\"\"\"x\"\n,2,3\nf,1,2,3\n",
         {bad(2, "", "text after a closing quote"),
          bad(3, "c", "text after a closing quote"),
          bad(4, "d", "text after a closing quote"),
          bad(5, "e", "text after a closing quote"),
          bad(6, "", "3 fields, expected 4"),
          {7, "f", "1", "2", "3"}}},
        {"NUL bytes",
         Header + "a,1\0,2,3\nb\0,1,2,3\n\"\0\",1,2,3\n"s,
         {bad(2, "a", "a NUL byte"), bad(3, "", "a NUL byte"), bad(4, "", "a NUL byte")}},
        {"UTF-8",
         Header + "\xC3\xA9,\xE2\x82\xAC,\xF0\x9D\x84\x9E,\xF4\x8F\xBF\xBF\n" // é € U+1D11E U+10FFFF
                  "a,\xC0\xAF,2,3\n"                                          // overlong "/"
                  "b,1,\xE0\x80\xAF,3\n"                                      // overlong "/" in three bytes
                  "c,1,2,\xF0\x8F\xBF\xBF\n"                                  // overlong U+FFFF in four bytes
                  "d,\xED\xA0\x80,2,3\n"                                      // surrogate U+D800
                  "e,\xF4\x90\x80\x80,2,3\n"                                  // U+110000
                  "f,\xF5\x80\x80\x80,2,3\n"                                  // lead byte past U+10FFFF
                  "g,\x80,\xFF,3\n"                                           // stray continuation, 0xFF
                  "\xE2\x82,1,2,3\n"                                          // truncated by the separator
                  "h,1,2,\xF0\x9D\x84\n"                                      // truncated by the line end
                  "\"i\xE2\x82\"\"\xAC\",1,2,3\n"                             // broken by a quote
                  "j,1,2,\xE2\x82",                                           // truncated by the end
         {{2, "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9D\x84\x9E", "\xF4\x8F\xBF\xBF"},
          bad(3, "a", "invalid UTF-8"),
          bad(4, "b", "invalid UTF-8"),
          bad(5, "c", "invalid UTF-8"),
          bad(6, "d", "invalid UTF-8"),
          bad(7, "e", "invalid UTF-8"),
          bad(8, "f", "invalid UTF-8"),
          bad(9, "g", "invalid UTF-8"),
          bad(10, "", "invalid UTF-8"),
          bad(11, "h", "invalid UTF-8"),
          bad(12, "", "invalid UTF-8"),
          bad(13, "j", "invalid UTF-8")}},
        {"too long records, then good ones",
         Header + tooLongId + ",1,2,3\na,1,2,3\n" + longQuoted + "b,1,2,3\n" + longest + "\n" + longest + ",\n",
         {bad(2, "", "longer than 1048576 bytes"),
          {3, "a", "1", "2", "3"},
          bad(4, "k", "longer than 1048576 bytes"),
          {7, "b", "1", "2", "3"},
          {8, "m", std::string(Max - 6, 'y'), "2", "3"},
          bad(9, "m", "longer than 1048576 bytes")}},
    };
}

TEST(BatchInput, ReadsEveryRecordAsACaseOrABadRowWhateverThePieces) {
    for (const Input& input : inputs()) {
        for (const std::size_t piece : {input.text.size(), std::size_t{1}}) {
            SCOPED_TRACE(input.name + ", pieces of " + std::to_string(piece));
            EXPECT_EQ(readAll(input.text, piece), input.cases);
        }
    }
}

TEST(BatchInput, AcceptsOnlyTheHeader) {
    const std::string rule = R"(the first line must be the header "id,revenue,elasticity,range": )";
    const std::vector<std::pair<std::string, std::string>> headers{
        {"id,revenue,elasticity,range", ""},
        {"\xEF\xBB\xBFid,revenue,elasticity,range\r\n", ""},
        {"\"id\",\"revenue\",elasticity,\"range\"\n", ""},
        {"", "the input is empty"},
        {"\xEF\xBB\xBF", "the input is empty"},
        {"\xEF\xBB", "1 field, expected 4"}, // a truncated byte-order mark is a field
        {"\r\nid,revenue,elasticity,range\r\n", "it is empty"},
        {"id,revenue,elasticity\n", "3 fields, expected 4"},
        {"id,revenue,elasticity,range,\n", "5 fields, expected 4"},
        {"id,elasticity,revenue,range\n", "column 2 is not \"revenue\""},
        {"ID,revenue,elasticity,range\n", "column 1 is not \"id\""},
        {"id,revenue,elasticity,range \n", "column 4 is not \"range\""},
        {"\"id,revenue,elasticity,range\"\n", "1 field, expected 4"},
        {"id,revenue,elasticity,\"range\n", "unterminated quoted field"},
        {"\xEF\xBB\xBF\xEF\xBB\xBFid,revenue,elasticity,range\n", "column 1 is not \"id\""},
    };
    for (const auto& [text, reason] : headers) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{64}}) {
            BatchInput input(pieces(text, piece));
            EXPECT_EQ(input.readHeader(), reason.empty() ? "" : rule + reason) << '"' << text << '"';
        }
    }
}

} // namespace
} // namespace levora::cli
