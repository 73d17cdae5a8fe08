#include "patch/Ips.h"

#include "patch/ByteReader.h"
#include "patch/PatchError.h"

#include <algorithm>
#include <array>

namespace patch {

namespace {

constexpr std::array<uint8_t, 5> Header{'P', 'A', 'T', 'C', 'H'};
constexpr std::array<uint8_t, 3> Footer{'E', 'O', 'F'};
// A record at this offset would begin with the bytes "EOF" and end the patch.
constexpr std::size_t EofOffset = 0x454F46;
constexpr std::size_t MaxRecord = 0xFFFF;
// A record's offset and size cost five bytes: fewer equal bytes than that between two changes are
// cheaper written again than a second record.
constexpr std::size_t RecordHeader = 5;
constexpr std::size_t RunRecord = 8;

// Writes the records of one patch; each stretch it is given becomes one or more records.
class IpsWriter {
public:
    explicit IpsWriter(std::span<const uint8_t> target) : target_(target) {
        out_.assign(Header.begin(), Header.end());
    }

    // target_[begin, end) as literal records, with runs of one byte as run-length records where
    // that is shorter.
    void stretch(std::size_t begin, std::size_t end) {
        std::size_t pending = begin;
        for (std::size_t p = begin; p < end;) {
            const std::size_t run = runLength(p, end);
            // A run-length record pays for itself when it is shorter than the run written as
            // bytes, counting the header each side of it that holds bytes then needs.
            const std::size_t sides = (p > pending) + (p + run < end);
            const std::size_t worth = RunRecord - RecordHeader + 1 + RecordHeader * sides;
            if (run >= worth) {
                literals(pending, p);
                runRecord(p, run);
                pending = p + run;
            }
            p += run;
        }
        literals(pending, end);
    }

    std::vector<uint8_t> finish(std::size_t sourceSize) {
        out_.insert(out_.end(), Footer.begin(), Footer.end());
        if (target_.size() < sourceSize)
            bigEndian(target_.size(), 3);
        return std::move(out_);
    }

private:
    std::size_t runLength(std::size_t p, std::size_t end) const {
        const std::size_t limit = std::min(end, p + MaxRecord);
        std::size_t q = p + 1;
        while (q < limit && target_[q] == target_[p])
            ++q;
        return q - p;
    }

    void literals(std::size_t begin, std::size_t end) {
        while (begin < end) {
            // Starting one byte early writes that byte again, harmlessly, and moves the record
            // off the offset that reads as the footer.
            const std::size_t start = begin == EofOffset ? begin - 1 : begin;
            const std::size_t size = std::min(MaxRecord, end - start);
            bigEndian(start, 3);
            bigEndian(size, 2);
            out_.insert(out_.end(), target_.begin() + long(start),
                        target_.begin() + long(start + size));
            begin = start + size;
        }
    }

    void runRecord(std::size_t offset, std::size_t count) {
        if (offset == EofOffset) {
            literals(offset, offset + 1);
            ++offset;
            --count;
        }
        if (count == 0)
            return;
        bigEndian(offset, 3);
        bigEndian(0, 2);
        bigEndian(count, 2);
        out_.push_back(target_[offset]);
    }

    void bigEndian(std::size_t value, int count) {
        for (int k = count - 1; k >= 0; --k)
            out_.push_back(uint8_t(value >> (8 * k)));
    }

    std::span<const uint8_t> target_;
    std::vector<uint8_t> out_;
};

// Makes room in `out` for `count` bytes at `offset`, growing it as IPS allows, up to `cap`.
void reach(std::vector<uint8_t>& out, std::size_t offset, std::size_t count, std::size_t cap) {
    const std::size_t end = offset + count;
    if (end > cap)
        refuse("The IPS patch writes outside the image: a record at offset " + hex(offset, 6) +
               " reaches past " + limitText(cap));
    if (end > out.size())
        out.resize(end);
}

void readFooter(ByteReader& in, std::vector<uint8_t>& out) {
    if (in.atEnd())
        return;
    if (in.remaining() != 3)
        refuse("The IPS patch is damaged: " + bytesText(in.remaining()) +
               " follow its EOF footer, where only a 3-byte length may");
    const std::size_t length = in.bigEndian(3);
    if (length > out.size())
        refuse("The IPS patch is damaged: it truncates the image to " + bytesText(length) +
               ", more than the " + bytesText(out.size()) + " it has");
    out.resize(length);
}

} // namespace

std::vector<uint8_t> makeIps(std::span<const uint8_t> source, std::span<const uint8_t> target) {
    if (source.size() > MaxImageSize || target.size() > MaxImageSize)
        refuse("An IPS patch cannot describe an image larger than 16 MiB");
    const auto differs = [&](std::size_t k) {
        return k >= source.size() || source[k] != target[k];
    };
    IpsWriter writer(target);
    for (std::size_t i = 0; i < target.size();) {
        if (!differs(i)) {
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        for (std::size_t k = end; k < target.size() && k - end < RecordHeader; ++k)
            if (differs(k))
                end = k + 1;
        writer.stretch(i, end);
        i = end;
    }
    return writer.finish(source.size());
}

std::vector<uint8_t> applyIps(std::span<const uint8_t> patch, std::span<const uint8_t> source,
                              std::size_t maxOutput) {
    if (patch.size() < Header.size() || !std::equal(Header.begin(), Header.end(), patch.begin()))
        refuse("The file is not an IPS patch: it does not begin with \"PATCH\"");
    if (source.size() > maxOutput)
        refuse("The file to patch is larger than " + limitText(maxOutput));
    ByteReader in(patch.subspan(Header.size()),
                  "The IPS patch is truncated: it ends before its EOF footer");
    std::vector<uint8_t> out(source.begin(), source.end());
    for (;;) {
        const std::size_t offset = in.bigEndian(3);
        if (offset == EofOffset)
            break;
        const std::size_t size = in.bigEndian(2);
        if (size == 0) {
            const std::size_t count = in.bigEndian(2);
            const uint8_t value = in.byte();
            reach(out, offset, count, maxOutput);
            std::fill_n(out.begin() + long(offset), count, value);
        } else {
            const std::span<const uint8_t> bytes = in.take(size);
            reach(out, offset, size, maxOutput);
            std::copy(bytes.begin(), bytes.end(), out.begin() + long(offset));
        }
    }
    readFooter(in, out);
    return out;
}

} // namespace patch
