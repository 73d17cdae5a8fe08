#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace kiv {

// A growing array in chunks of 2^Bits elements that never move. Emptying it keeps the chunks
// and the elements in them, so that filling it again allocates nothing: the owner sets each
// element it is handed again, which keeps whatever room its strings had.
template <typename T, unsigned Bits> class Chunks {
public:
    std::size_t size() const { return size_; }
    T& operator[](std::size_t i) { return (*chunks_[i >> Bits])[i & Mask]; }
    const T& operator[](std::size_t i) const { return (*chunks_[i >> Bits])[i & Mask]; }

    // Makes one more element the last and hands it out as it was left: new, or as it was
    // before a clear().
    T& grow() {
        if (size_ == chunks_.size() << Bits)
            chunks_.push_back(std::make_unique<Chunk>());
        return (*this)[size_++];
    }
    // Forgets the elements without destroying them.
    void clear() { size_ = 0; }

private:
    static constexpr std::size_t Mask = (std::size_t{1} << Bits) - 1;
    using Chunk = std::array<T, std::size_t{1} << Bits>;
    std::vector<std::unique_ptr<Chunk>> chunks_;
    std::size_t size_ = 0;
};

} // namespace kiv
