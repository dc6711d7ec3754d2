#include "batch_input.h"

#include "levora/report/utf8.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

// The reader follows RFC 4180 and decides its open points so:
// - Only LF and CRLF end a record. A lone CR is text of its field, and does
//   not count as a line, so that a stray CR cannot split or merge cases.
// - A quote inside an unquoted field is text; quotes only matter at the start
//   of a field.
// - After "text after a closing quote" the field goes on unquoted to the next
//   separator or line end, so that the following records are still found.
// - A record with several faults reports the first of: an unterminated quoted
//   field, its length, text after a closing quote, the field count, and the
//   first field in order that holds a NUL byte or invalid UTF-8.

namespace levora::cli {
namespace {

constexpr std::size_t BufferBytes = std::size_t{64} << 10;
constexpr std::size_t FieldCount = 4;
constexpr std::array<std::string_view, FieldCount> HeaderNames{"id", "revenue", "elasticity", "range"};
constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

// The bytes that end a run of field text, one bit for each kind of field: an
// unquoted field ends at a separator or line end, and in a quoted one the
// quotes and the LFs (which count lines) need a look.
constexpr unsigned char StopsUnquoted = 1;
constexpr unsigned char StopsQuoted = 2;
constexpr std::array<unsigned char, 256> Stops = [] {
    std::array<unsigned char, 256> stops{};
    stops[','] = StopsUnquoted;
    stops['\r'] = StopsUnquoted;
    stops['\n'] = StopsUnquoted | StopsQuoted;
    stops['"'] = StopsQuoted;
    return stops;
}();

std::size_t runLength(const char* begin, const char* end, unsigned char kind) {
    const char* stop = begin;
    while (stop != end && (Stops[static_cast<unsigned char>(*stop)] & kind) == 0) {
        ++stop;
    }
    return static_cast<std::size_t>(stop - begin);
}

// What is wrong with the text of a field, or nothing.
std::string_view textProblem(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] == '\0') {
            return "a NUL byte";
        }
        const std::size_t length = report::utf8SequenceLength(text.substr(i));
        if (length == 0) {
            return "invalid UTF-8";
        }
        i += length;
    }
    return {};
}

void describeFieldCount(std::string& problem, std::size_t count) {
    problem = std::to_string(count);
    problem += count == 1 ? " field, expected " : " fields, expected ";
    problem += std::to_string(FieldCount);
}

} // namespace

BatchInput::BatchInput(ByteSource source) : source_(std::move(source)), buffer_(BufferBytes), atEnd_(!source_) {}

std::string BatchInput::readHeader() {
    std::string problem = R"(the first line must be the header "id,revenue,elasticity,range": )";
    if (available(ByteOrderMark.size()) &&
        std::string_view(buffer_.data() + position_, ByteOrderMark.size()) == ByteOrderMark) {
        position_ += ByteOrderMark.size();
    }
    if (!available(1)) {
        return problem + "the input is empty";
    }
    if (skipLineEnd()) {
        return problem + "it is empty";
    }
    BatchCase header;
    readRecord(header);
    if (header.bad()) {
        return problem + header.problem;
    }
    const std::array<const std::string*, FieldCount> names{&header.id, &header.revenue, &header.elasticity,
                                                           &header.range};
    for (std::size_t i = 0; i < FieldCount; ++i) {
        if (*names.at(i) != HeaderNames.at(i)) {
            return problem + "column " + std::to_string(i + 1) + " is not \"" + std::string(HeaderNames.at(i)) +
                   '"';
        }
    }
    return {};
}

bool BatchInput::read(BatchCase& next) {
    while (skipLineEnd()) {
        // An empty line is no case.
    }
    if (!available(1)) {
        return false;
    }
    readRecord(next);
    return true;
}

// Makes at least `count` unread bytes ready in the buffer, unless the input
// ends first. Unread bytes move to the front, so a look ahead never spans a
// refill and the buffer never grows.
bool BatchInput::available(std::size_t count) {
    while (filled_ - position_ < count) {
        if (atEnd_) {
            return false;
        }
        if (position_ > 0) {
            std::copy(buffer_.begin() + static_cast<std::ptrdiff_t>(position_),
                      buffer_.begin() + static_cast<std::ptrdiff_t>(filled_), buffer_.begin());
            bufferStart_ += position_;
            filled_ -= position_;
            position_ = 0;
        }
        const std::span<char> room(buffer_.data() + filled_, buffer_.size() - filled_);
        const std::size_t received = std::min(source_(room), room.size());
        atEnd_ = received == 0;
        filled_ += received;
    }
    return true;
}

// Consumes an LF or a CRLF when one comes next.
bool BatchInput::skipLineEnd() {
    if (!available(1)) {
        return false;
    }
    std::size_t length = 0;
    if (buffer_[position_] == '\n') {
        length = 1;
    } else if (buffer_[position_] == '\r' && available(2) && buffer_[position_ + 1] == '\n') {
        length = 2;
    }
    position_ += length;
    line_ += length > 0 ? 1 : 0;
    return length > 0;
}

// Consumes bytes of the record that are no field text (quotes, separators),
// noting when the record has grown too long.
void BatchInput::skip(std::size_t count) {
    position_ += count;
    tooLong_ = tooLong_ || bufferStart_ + position_ - recordStart_ > MaxRecordBytes;
}

// Consumes field text, keeping it while the record is short enough. `text` is
// null for the fields after the fourth, which are only counted.
void BatchInput::take(std::string* text, std::size_t count) {
    const char* const begin = buffer_.data() + position_;
    skip(count);
    if (text == nullptr) {
        return;
    }
    if (!tooLong_) {
        text->append(begin, count);
    } else {
        textDropped_ = textDropped_ || count > 0;
    }
}

BatchInput::FieldEnd BatchInput::readUnquoted(std::string* text) {
    while (available(1)) {
        const std::size_t length = runLength(buffer_.data() + position_, buffer_.data() + filled_, StopsUnquoted);
        take(text, length);
        if (position_ == filled_) {
            continue;
        }
        if (buffer_[position_] == ',') {
            skip(1);
            return FieldEnd::Separator;
        }
        if (skipLineEnd()) {
            return FieldEnd::LineEnd;
        }
        take(text, 1); // a lone CR
    }
    return FieldEnd::InputEnd;
}

BatchInput::FieldEnd BatchInput::readQuoted(std::string* text) {
    skip(1);
    while (available(1)) {
        const std::size_t length = runLength(buffer_.data() + position_, buffer_.data() + filled_, StopsQuoted);
        take(text, length);
        if (position_ == filled_) {
            continue;
        }
        if (buffer_[position_] == '\n') {
            ++line_;
            take(text, 1);
        } else if (available(2) && buffer_[position_ + 1] == '"') {
            skip(1);
            take(text, 1);
        } else {
            skip(1);
            return afterClosingQuote(text);
        }
    }
    return FieldEnd::Unterminated;
}

BatchInput::FieldEnd BatchInput::afterClosingQuote(std::string* text) {
    if (!available(1)) {
        return FieldEnd::InputEnd;
    }
    if (buffer_[position_] == ',') {
        skip(1);
        return FieldEnd::Separator;
    }
    if (skipLineEnd()) {
        return FieldEnd::LineEnd;
    }
    textAfterQuote_ = true;
    return readUnquoted(text);
}

void BatchInput::readRecord(BatchCase& record) {
    const std::array<std::string*, FieldCount> fields{&record.id, &record.revenue, &record.elasticity,
                                                      &record.range};
    for (std::string* field : fields) {
        field->clear();
    }
    record.problem.clear();
    record.line = line_;
    recordStart_ = bufferStart_ + position_;
    tooLong_ = false;
    textDropped_ = false;
    textAfterQuote_ = false;

    std::size_t count = 0;
    bool idRead = false;
    FieldEnd end = FieldEnd::Separator;
    while (end == FieldEnd::Separator) {
        std::string* const text = count < FieldCount ? fields[count] : nullptr;
        ++count;
        end = available(1) && buffer_[position_] == '"' ? readQuoted(text) : readUnquoted(text);
        if (count == 1) {
            idRead = end != FieldEnd::Unterminated && !textDropped_ && !textAfterQuote_;
        }
    }

    if (end == FieldEnd::Unterminated) {
        record.problem = "unterminated quoted field";
    } else if (tooLong_) {
        record.problem = "longer than " + std::to_string(MaxRecordBytes) + " bytes";
    } else if (textAfterQuote_) {
        record.problem = "text after a closing quote";
    } else if (count != FieldCount) {
        describeFieldCount(record.problem, count);
    } else {
        for (const std::string* field : fields) {
            if (const std::string_view problem = textProblem(*field); !problem.empty()) {
                record.problem = problem;
                break;
            }
        }
    }
    if (record.bad()) {
        // A bad row gives its storage back rather than keeping it for reuse:
        // a too long record's text may have grown to MaxRecordBytes, and the
        // caller may hold many cases.
        if (!idRead || !textProblem(record.id).empty()) {
            std::string().swap(record.id);
        }
        for (std::size_t i = 1; i < FieldCount; ++i) {
            std::string().swap(*fields[i]);
        }
    }
}

} // namespace levora::cli
