#pragma once

// Reads the cases of a batch: CSV with the header "id,revenue,elasticity,range",
// one case a record. Any bytes at all give either a case or a bad row that
// says what is wrong with it; the reader holds one record at a time, so its
// memory does not grow with the number of cases.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace levora::cli {

/// One data record of a batch: the four fields, or why the record is unusable.
struct BatchCase {
    std::size_t line = 0; ///< the line the record starts on, 1-based (the header is line 1)
    std::string id;       ///< echoed as given; on a bad row, the first field when it is usable, else empty
    std::string revenue;
    std::string elasticity;
    std::string range;
    std::string problem; ///< empty for a usable case; else what is wrong, in words
    [[nodiscard]] bool bad() const { return !problem.empty(); }
};

/// Fills the buffer with the next bytes of the input and returns how many it
/// wrote; 0 means the end of the input.
using ByteSource = std::function<std::size_t(std::span<char>)>;

/// Splits a byte stream into batch cases.
class BatchInput {
public:
    /// The longest record kept; a longer one is skipped to its end and becomes a bad row.
    static constexpr std::size_t MaxRecordBytes = std::size_t{1} << 20;

    explicit BatchInput(ByteSource source);

    /// Reads the header line, after a UTF-8 byte-order mark if there is one;
    /// call it once, before read(). Returns an empty text when it is the
    /// expected header, else what is wrong (the text for a usage error).
    [[nodiscard]] std::string readHeader();

    /// Reads the next case into `next`, reusing its storage. Returns false at
    /// the end of the input. Empty lines are skipped.
    [[nodiscard]] bool read(BatchCase& next);

private:
    // How a field ended: at a separator, a line end, the end of the input, or
    // the end of the input inside its quotes.
    enum class FieldEnd { Separator, LineEnd, InputEnd, Unterminated };

    bool available(std::size_t count);
    bool skipLineEnd();
    void skip(std::size_t count);
    void take(std::string* text, std::size_t count);
    FieldEnd readUnquoted(std::string* text);
    FieldEnd readQuoted(std::string* text);
    FieldEnd afterClosingQuote(std::string* text);
    void readRecord(BatchCase& record);

    ByteSource source_;
    std::vector<char> buffer_;
    std::size_t position_ = 0; // the next unread byte in buffer_
    std::size_t filled_ = 0;   // the bytes of buffer_ that hold input
    std::size_t line_ = 1;
    bool atEnd_ = false;            // the source has said that the input ends
    std::uint64_t bufferStart_ = 0; // the input offset of buffer_[0]
    std::uint64_t recordStart_ = 0; // the input offset of the record being read
    bool tooLong_ = false;          // the record is longer than MaxRecordBytes
    bool textDropped_ = false;      // field text was not kept, as the record was too long
    bool textAfterQuote_ = false;
};

} // namespace levora::cli
