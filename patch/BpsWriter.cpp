#include "patch/Bps.h"

#include "patch/BpsFormat.h"
#include "patch/BpsNumbers.h"
#include "patch/Crc32.h"
#include "patch/PatchError.h"

#include <optional>

namespace patch {

namespace {

using namespace bps;

// A SourceRead inside a stretch of changes costs a TargetRead header after it, and a copy its
// offset as well: shorter ones are written as bytes.
constexpr std::size_t MinSourceRead = 4;
constexpr std::size_t MinCopy = 8;

// Where each 4-byte sequence of an image was last seen: a candidate for a copy in one look.
// Collisions only lose candidates, so the table stays small whatever the image.
class SequenceIndex {
public:
    static constexpr std::size_t Key = 4;

    void add(std::span<const uint8_t> bytes, std::size_t position) {
        if (position + Key <= bytes.size())
            slots_[slot(bytes, position)] = uint32_t(position + 1);
    }
    std::optional<std::size_t> find(std::span<const uint8_t> bytes, std::size_t position) const {
        if (position + Key > bytes.size())
            return std::nullopt;
        const uint32_t found = slots_[slot(bytes, position)];
        return found ? std::optional<std::size_t>(found - 1) : std::nullopt;
    }

private:
    static std::size_t slot(std::span<const uint8_t> bytes, std::size_t p) {
        const uint32_t key = uint32_t(bytes[p]) | uint32_t(bytes[p + 1]) << 8 |
                             uint32_t(bytes[p + 2]) << 16 | uint32_t(bytes[p + 3]) << 24;
        return (key * 2654435761u) >> 16;
    }
    std::vector<uint32_t> slots_ = std::vector<uint32_t>(std::size_t{1} << 16);
};

struct Copy {
    Command command = SourceCopy;
    std::size_t from = 0;
    std::size_t length = 0;
};

class BpsWriter {
public:
    BpsWriter(std::span<const uint8_t> source, std::span<const uint8_t> target)
        : source_(source), target_(target) {
        for (std::size_t p = 0; p < source.size(); ++p)
            sourceIndex_.add(source, p);
    }

    std::vector<uint8_t> write(std::string_view metadata) {
        out_.assign(Header.begin(), Header.end());
        putNumber(out_, source_.size());
        putNumber(out_, target_.size());
        putNumber(out_, metadata.size());
        out_.insert(out_.end(), metadata.begin(), metadata.end());
        actions();
        putCrc(crc32(source_));
        putCrc(crc32(target_));
        putCrc(crc32(out_));
        return std::move(out_);
    }

private:
    void actions() {
        std::size_t pending = 0; // start of the changed bytes not yet written
        for (std::size_t o = 0; o < target_.size();) {
            const std::size_t read = sourceReadLength(o);
            const Copy copy = bestCopy(o);
            std::size_t length = 1;
            bool acted = true;
            if (read >= (o > pending ? MinSourceRead : 1) && read >= copy.length) {
                targetRead(pending, o);
                action(SourceRead, read);
                length = read;
            } else if (copy.length >= MinCopy) {
                targetRead(pending, o);
                copyAction(copy);
                length = copy.length;
            } else {
                acted = false; // the byte joins the changes written as they are
            }
            for (std::size_t k = o; k < o + length; ++k)
                targetIndex_.add(target_, k);
            o += length;
            if (acted)
                pending = o;
        }
        targetRead(pending, target_.size());
    }

    std::size_t sourceReadLength(std::size_t o) const {
        std::size_t k = o;
        while (k < target_.size() && k < source_.size() && source_[k] == target_[k])
            ++k;
        return k - o;
    }

    Copy bestCopy(std::size_t o) const {
        Copy best;
        if (const auto from = sourceIndex_.find(target_, o))
            best = {SourceCopy, *from, matchLength(source_, *from, o)};
        if (const auto from = targetIndex_.find(target_, o)) {
            // The applier copies byte by byte, so the copy may run into what it writes.
            const std::size_t length = matchLength(target_, *from, o);
            if (length > best.length)
                best = {TargetCopy, *from, length};
        }
        return best;
    }

    std::size_t matchLength(std::span<const uint8_t> from, std::size_t p, std::size_t o) const {
        std::size_t n = 0;
        while (p + n < from.size() && o + n < target_.size() && from[p + n] == target_[o + n])
            ++n;
        return n;
    }

    void targetRead(std::size_t begin, std::size_t end) {
        if (begin >= end)
            return;
        action(TargetRead, end - begin);
        out_.insert(out_.end(), target_.begin() + long(begin), target_.begin() + long(end));
    }

    void copyAction(const Copy& copy) {
        std::size_t& cursor = copy.command == SourceCopy ? sourceCursor_ : targetCursor_;
        action(copy.command, copy.length);
        const bool back = copy.from < cursor;
        const std::size_t magnitude = back ? cursor - copy.from : copy.from - cursor;
        putNumber(out_, magnitude << 1 | (back ? 1 : 0));
        cursor = copy.from + copy.length;
    }

    void action(Command command, std::size_t length) {
        putNumber(out_, uint64_t(length - 1) << 2 | command);
    }

    void putCrc(uint32_t crc) {
        for (int k = 0; k < 4; ++k)
            out_.push_back(uint8_t(crc >> (8 * k)));
    }

    std::span<const uint8_t> source_;
    std::span<const uint8_t> target_;
    SequenceIndex sourceIndex_;
    SequenceIndex targetIndex_;
    std::size_t sourceCursor_ = 0;
    std::size_t targetCursor_ = 0;
    std::vector<uint8_t> out_;
};

} // namespace

std::vector<uint8_t> makeBps(std::span<const uint8_t> source, std::span<const uint8_t> target,
                             std::string_view metadata) {
    if (source.size() > MaxImageSize || target.size() > MaxImageSize)
        refuse("A BPS patch cannot be made for an image larger than 16 MiB");
    return BpsWriter(source, target).write(metadata);
}

} // namespace patch
