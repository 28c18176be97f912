#include "rtf/RtfFieldReader.h"

#include <algorithm>

#include "convert/FieldInstruction.h"
#include "rtf/RtfDocumentBuilder.h"

namespace {

// Formats kept per instruction; an instruction is a line of text, so this is never reached
// by a real one and only bounds the memory a malformed file can take.
constexpr std::size_t kMaxFormats = 4096;

}  // namespace

void RtfFieldReader::BeginField(std::size_t depth) {
    Field f;
    f.depth = depth;
    open_.push_back(std::move(f));
}

bool RtfFieldReader::BeginInstruction(std::size_t depth) {
    return !open_.empty() && open_.back().depth <= depth && !open_.back().done &&
           !open_.back().resultStarted;
}

void RtfFieldReader::AppendInstruction(const QString& text, const RtfCharState& state) {
    if (open_.empty() || text.isEmpty()) return;
    Field& f = open_.back();
    if (f.formats.size() < kMaxFormats) f.formats.emplace_back(f.instruction.size(), state);
    f.instruction += text;
}

bool RtfFieldReader::BeginResult(std::size_t, const RtfCharState&) {
    if (open_.empty()) return true;
    Field& f = open_.back();
    if (f.done) return false;
    if (AppendRuby(f)) {
        f.done = true;
        return false;
    }
    if (!f.resultStarted) {
        f.resultStarted = true;
        f.resultStart = builder_.Position();
    }
    return true;
}

void RtfFieldReader::GroupClosing(std::size_t depth, const RtfCharState& state) {
    while (!open_.empty() && open_.back().depth >= depth) {
        End(open_.back(), state);
        open_.pop_back();
    }
}

void RtfFieldReader::CloseAll(const RtfCharState& state) {
    GroupClosing(0, state);
}

const RtfCharState& RtfFieldReader::FormatAt(const Field& f, qsizetype index,
                                             const RtfCharState& fallback) {
    auto it = std::upper_bound(
        f.formats.begin(), f.formats.end(), index,
        [](qsizetype i, const std::pair<qsizetype, RtfCharState>& e) { return i < e.first; });
    if (it == f.formats.begin()) return fallback;
    return std::prev(it)->second;
}

bool RtfFieldReader::AppendRuby(Field& f) {
    const std::u16string instruction = f.instruction.toStdU16String();
    const auto ruby = FieldInstruction::ParseRuby(instruction);
    if (!ruby) return false;
    const RtfCharState fallback = f.formats.empty() ? RtfCharState{} : f.formats.front().second;
    const bool withReading = !ruby->reading.empty();
    if (withReading) {
        if (nextGroup_ == 0) nextGroup_ = builder_.RubyGroupAboveNeighbours();
        builder_.SetRuby(QString::fromStdU16String(ruby->reading), nextGroup_++,
                         QString::fromStdU16String(ruby->options));
    }
    for (std::size_t k = 0; k < ruby->base.size(); ++k)
        builder_.AppendChar(ruby->base[k], FormatAt(f, qsizetype(ruby->baseAt[k]), fallback));
    if (withReading) builder_.ClearRuby();
    return true;
}

void RtfFieldReader::End(Field& f, const RtfCharState& state) {
    if (f.done) return;
    f.done = true;
    if (AppendRuby(f)) return;
    if (f.resultStarted && builder_.Position() != f.resultStart) return;
    const QString visible =
        QString::fromStdU16String(FieldInstruction::VisibleText(f.instruction.toStdU16String()));
    if (!visible.isEmpty())
        builder_.AppendText(visible, f.formats.empty() ? state : f.formats.front().second);
}
