#include "phonesim/link/linkoutput.h"

#include <algorithm>

namespace phonesim {

namespace {

constexpr Millis kPieceGap{1};
constexpr size_t kHeaderBytes = 6;

bool isNth(uint64_t count, int n) {
    return n > 0 && count % static_cast<uint64_t>(n) == 0;
}

}  // namespace

LinkOutput::LinkOutput(Transport& transport, Scheduler& scheduler, Faults& faults, Journal& journal)
    : transport_(transport),
      scheduler_(scheduler),
      faults_(faults),
      journal_(journal),
      random_(faults.seed()),
      seedGeneration_(faults.seedGeneration()) {}

LinkOutput::~LinkOutput() {
    reset();
}

void LinkOutput::reseedIfAsked() {
    if (seedGeneration_ == faults_.seedGeneration()) return;
    seedGeneration_ = faults_.seedGeneration();
    random_.seed(faults_.seed());
}

void LinkOutput::writeAnswerFrame(std::span<const uint8_t> frame) {
    if (faults_.silent()) return;
    reseedIfAsked();
    ++answerFrames_;
    if (isNth(answerFrames_, faults_.dropEvery())) {
        journal_.count(&Counters::framesDropped);
        return;
    }
    const double rate = faults_.corruptionRate();
    const bool corrupt = isNth(answerFrames_, faults_.corruptEvery()) ||
                         (rate > 0 && std::bernoulli_distribution(rate)(random_));
    if (!corrupt || frame.size() <= kHeaderBytes) {
        put(frame);
        return;
    }
    // One changed byte behind the header: the length stays intact, so the
    // PC reads the whole frame and its checksums tell it to throw it away.
    std::vector<uint8_t> damaged(frame.begin(), frame.end());
    const size_t at = kHeaderBytes + random_() % (damaged.size() - kHeaderBytes);
    damaged[at] ^= static_cast<uint8_t>(1 + random_() % 255);
    journal_.count(&Counters::framesCorrupted);
    put(damaged);
}

void LinkOutput::writePlain(std::span<const uint8_t> bytes) {
    if (faults_.silent()) return;
    reseedIfAsked();
    put(bytes);
}

void LinkOutput::put(std::span<const uint8_t> bytes) {
    if (faults_.maxChunk() <= 0 && pieces_.empty()) {
        transport_.write(bytes);
        return;
    }
    pieces_.insert(pieces_.end(), bytes.begin(), bytes.end());
    if (pieceTimer_ == 0) writeNextPiece();
}

void LinkOutput::writeNextPiece() {
    pieceTimer_ = 0;
    if (pieces_.empty()) return;
    const int maxChunk = faults_.maxChunk();
    const size_t size =
        maxChunk <= 0
            ? pieces_.size()
            : std::min<size_t>(pieces_.size(), 1 + random_() % static_cast<unsigned>(maxChunk));
    const std::vector<uint8_t> piece(pieces_.begin(), pieces_.begin() + static_cast<long>(size));
    pieces_.erase(pieces_.begin(), pieces_.begin() + static_cast<long>(size));
    transport_.write(piece);
    if (!pieces_.empty()) pieceTimer_ = scheduler_.after(kPieceGap, [this] { writeNextPiece(); });
}

void LinkOutput::reset() {
    pieces_.clear();
    if (pieceTimer_ != 0) scheduler_.cancel(pieceTimer_);
    pieceTimer_ = 0;
}

}  // namespace phonesim
