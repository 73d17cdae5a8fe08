#include "patch/Bps.h"

#include "patch/BpsFormat.h"
#include "patch/BpsNumbers.h"
#include "patch/Crc32.h"
#include "patch/PatchError.h"

#include <algorithm>

namespace patch {

namespace {

using namespace bps;

uint32_t littleEndian32(std::span<const uint8_t> bytes) {
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

// Builds the target one action at a time; every action is checked against the images before it
// touches them, and each writes at least one byte of a target whose size is capped, so no patch
// can make it loop or allocate without bound.
class BpsApplier {
public:
    BpsApplier(ByteReader& in, std::span<const uint8_t> source, std::size_t targetSize)
        : in_(in), source_(source), targetSize_(targetSize) {
        out_.reserve(targetSize);
    }

    std::vector<uint8_t> run() {
        while (!in_.atEnd()) {
            const uint64_t n = readNumber(in_);
            const uint64_t length = (n >> 2) + 1;
            if (length > targetSize_ - out_.size())
                refuse("The BPS patch writes outside the image: an action at byte " +
                       std::to_string(out_.size()) + " goes past the target's " +
                       bytesText(targetSize_));
            act(Command(n & 3), std::size_t(length));
        }
        if (out_.size() != targetSize_)
            refuse("The BPS patch is damaged: its actions make " + bytesText(out_.size()) +
                   ", not the " + bytesText(targetSize_) + " it declares");
        return std::move(out_);
    }

private:
    void act(Command command, std::size_t length) {
        switch (command) {
        case SourceRead:
            if (out_.size() + length > source_.size())
                refuse("The BPS patch reads outside the source: a SourceRead at byte " +
                       std::to_string(out_.size()) + " goes past its " + bytesText(source_.size()));
            append(source_.subspan(out_.size(), length));
            break;
        case TargetRead:
            append(in_.take(length));
            break;
        case SourceCopy:
            sourceCopy(length);
            break;
        case TargetCopy:
            targetCopy(length);
            break;
        }
    }

    void sourceCopy(std::size_t length) {
        const std::size_t from = move(sourceCursor_, source_.size());
        if (length > source_.size() - from)
            refuse("The BPS patch copies from outside the source: a SourceCopy from byte " +
                   std::to_string(from) + " goes past its " + bytesText(source_.size()));
        append(source_.subspan(from, length));
        sourceCursor_ = from + length;
    }

    void targetCopy(std::size_t length) {
        const std::size_t from = move(targetCursor_, out_.size());
        if (from >= out_.size())
            refuse("The BPS patch copies from outside the target: a TargetCopy from byte " +
                   std::to_string(from) + ", beyond the " + bytesText(out_.size()) +
                   " written so far");
        // Byte by byte: a copy may run into the bytes it writes itself.
        for (std::size_t k = 0; k < length; ++k)
            out_.push_back(out_[from + k]);
        targetCursor_ = from + length;
    }

    // The cursor moved by the signed offset that follows, refused outside 0..`size`.
    std::size_t move(std::size_t cursor, std::size_t size) {
        const uint64_t n = readNumber(in_);
        const uint64_t magnitude = n >> 1;
        const bool back = n & 1;
        if (back ? magnitude > cursor : magnitude > size - std::min(cursor, size))
            refuse("The BPS patch copies from outside the image: a copy offset moves to " +
                   std::string(back ? "before its start" : "past its end"));
        return back ? cursor - std::size_t(magnitude) : cursor + std::size_t(magnitude);
    }

    void append(std::span<const uint8_t> bytes) {
        out_.insert(out_.end(), bytes.begin(), bytes.end());
    }

    ByteReader& in_;
    std::span<const uint8_t> source_;
    std::size_t targetSize_;
    std::size_t sourceCursor_ = 0;
    std::size_t targetCursor_ = 0;
    std::vector<uint8_t> out_;
};

void checkSource(std::span<const uint8_t> source, uint64_t sourceSize, uint32_t sourceCrc) {
    if (sourceSize != source.size())
        refuse("The source size does not match: the patch was made for a file of " +
                   bytesText(sourceSize) + ", this one has " + bytesText(source.size()),
               ErrWrongSource);
    if (const uint32_t crc = crc32(source); crc != sourceCrc)
        refuse("The source checksum does not match: the patch was made for another file (CRC-32 " +
                   hex(sourceCrc, 8) + ", this one has " + hex(crc, 8) + ")",
               ErrWrongSource);
}

} // namespace

std::vector<uint8_t> applyBps(std::span<const uint8_t> patch, std::span<const uint8_t> source,
                              std::size_t maxOutput) {
    if (patch.size() < Header.size() || !std::equal(Header.begin(), Header.end(), patch.begin()))
        refuse("The file is not a BPS patch: it does not begin with \"BPS1\"");
    // The header, three sizes of a byte each at least, and the checksums.
    if (patch.size() < Header.size() + 3 + FooterSize)
        refuse("The BPS patch is truncated: it is too short to hold its sizes and checksums");
    const std::span<const uint8_t> footer = patch.last(FooterSize);
    if (crc32(patch.first(patch.size() - 4)) != littleEndian32(footer.subspan(8)))
        refuse("The patch checksum does not match: the BPS patch is damaged or incomplete");

    ByteReader in(patch.subspan(Header.size(), patch.size() - Header.size() - FooterSize),
                  "The BPS patch is truncated: its data ends in the middle of an action");
    const uint64_t sourceSize = readNumber(in);
    const uint64_t targetSize = readNumber(in);
    const uint64_t metadataSize = readNumber(in);
    if (metadataSize > in.remaining())
        refuse("The BPS patch is truncated: its metadata runs into its checksums");
    in.take(std::size_t(metadataSize));
    if (targetSize > maxOutput)
        refuse("The BPS patch would make a file of " + bytesText(targetSize) + ", more than the " +
               limitText(maxOutput) + " allowed");
    checkSource(source, sourceSize, littleEndian32(footer));

    std::vector<uint8_t> target = BpsApplier(in, source, std::size_t(targetSize)).run();
    if (const uint32_t crc = crc32(target); crc != littleEndian32(footer.subspan(4)))
        refuse("The target checksum does not match: the patched file is not the one the patch "
               "was made to give (CRC-32 " +
               hex(crc, 8) + ", expected " + hex(littleEndian32(footer.subspan(4)), 8) + ")");
    return target;
}

} // namespace patch
