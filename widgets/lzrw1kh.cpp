#include "widgets/lzrw1kh.h"

#include <array>
#include <cstring>

#include "widgets/streamfields.h"

namespace {

constexpr size_t kMaxOffset = 4095;
constexpr size_t kMinCopy = 3, kMaxCopy = 18;
constexpr size_t kMinRun = 16, kMaxRun = 4095;
constexpr size_t kHashSize = 4096;
constexpr size_t kNoPosition = SIZE_MAX;

// The table slot of the three bytes at p. Unsigned arithmetic: the product's bits 4 to 15, which are
// all that is kept, are the same as in exact arithmetic.
size_t HashOf(const uint8_t* p) {
    const uint32_t key = ((static_cast<uint32_t>(p[0]) << 4 ^ p[1]) << 4) ^ p[2];
    return (key * 40543u >> 4) & (kHashSize - 1);
}

size_t RunLength(const uint8_t* input, size_t at, size_t size) {
    size_t length = 1;
    while (length < kMaxRun && at + length < size && input[at + length] == input[at])
        ++length;
    return length;
}

class Encoder {
public:
    Encoder(const uint8_t* input, size_t size, uint8_t* block) : input_(input), size_(size), block_(block) {
        positions_.fill(kNoPosition);
    }

    size_t Run() {
        block_[0] = kLzrwCoded;
        control_at_ = 1;
        out_ = 3;
        size_t at = 0;
        // Stop as soon as the coded form is longer than the input: it will be stored instead.
        while (at < size_ && out_ <= size_) {
            if (items_ == 16)
                StartControlWord();
            const size_t run = RunLength(input_, at, size_);
            size_t copy = 0, offset = 0;
            if (run >= kMinRun) {
                const size_t extra = run - kMinRun;
                Emit({0, static_cast<uint8_t>(extra >> 8), static_cast<uint8_t>(extra), input_[at]}, 4, true);
                at += run;
            } else if (FindMatch(at, copy, offset)) {
                const size_t key = offset << 4 | (copy - kMinCopy);
                Emit({static_cast<uint8_t>(key >> 8), static_cast<uint8_t>(key)}, 2, true);
                at += copy;
            } else {
                Emit({input_[at]}, 1, false);
                ++at;
            }
        }
        control_ = static_cast<uint16_t>(control_ << (16 - items_));
        PutControlWord();
        if (out_ > size_) {
            block_[0] = kLzrwStored;
            if (size_)
                std::memcpy(block_ + 1, input_, size_);
            return size_ + 1;
        }
        return out_;
    }

private:
    void StartControlWord() {
        PutControlWord();
        control_at_ = out_;
        out_ += 2;
        items_ = 0;
        control_ = 0;
    }
    void PutControlWord() {
        block_[control_at_] = static_cast<uint8_t>(control_ >> 8);
        block_[control_at_ + 1] = static_cast<uint8_t>(control_);
    }
    void Emit(std::array<uint8_t, 4> bytes, size_t count, bool coded) {
        std::memcpy(block_ + out_, bytes.data(), count);
        out_ += count;
        control_ = static_cast<uint16_t>(control_ << 1 | (coded ? 1 : 0));
        ++items_;
    }
    // Looks up the last position with the same three-byte hash and remembers this one in its place.
    bool FindMatch(size_t at, size_t& length, size_t& offset) {
        if (at + kMinCopy > size_)
            return false;  // fewer than three bytes left: nothing to hash
        size_t& slot = positions_[HashOf(input_ + at)];
        const size_t earlier = slot;
        slot = at;
        if (earlier == kNoPosition || at - earlier > kMaxOffset)
            return false;
        length = 0;
        while (length < kMaxCopy && at + length < size_ && input_[at + length] == input_[earlier + length])
            ++length;
        offset = at - earlier;
        return length >= kMinCopy;
    }

    const uint8_t* input_;
    size_t size_;
    uint8_t* block_;
    std::array<size_t, kHashSize> positions_;
    size_t control_at_ = 1, out_ = 3, items_ = 0;
    uint16_t control_ = 0;
};

}  // namespace

size_t LzrwCompress(const uint8_t* input, size_t size, uint8_t* block) {
    return Encoder(input, size, block).Run();
}

size_t LzrwDecompress(const uint8_t* block, size_t length, uint8_t* output, size_t capacity) {
    if (length == 0)
        ThrowReadError();
    if (block[0] == kLzrwStored) {
        if (length - 1 > capacity)
            ThrowReadError();
        if (length > 1)
            std::memcpy(output, block + 1, length - 1);
        return length - 1;
    }
    if (block[0] != kLzrwCoded || length < 3)
        ThrowReadError();
    size_t in = 3, out = 0;
    uint32_t control = static_cast<uint32_t>(block[1]) << 8 | block[2];
    int bits = 16;
    while (in < length) {
        if (bits == 0) {
            if (length - in < 2)
                ThrowReadError();
            control = static_cast<uint32_t>(block[in]) << 8 | block[in + 1];
            in += 2;
            bits = 16;
            // A control word with no item after it only ends the block when all its bits are 0.
            if (in == length && control != 0)
                ThrowReadError();
            if (in == length)
                break;
        }
        const bool coded = (control & 0x8000) != 0;
        control = control << 1 & 0xFFFF;
        --bits;
        if (!coded) {
            if (out == capacity)
                ThrowReadError();
            output[out++] = block[in++];
            continue;
        }
        if (length - in < 2)
            ThrowReadError();
        const size_t offset = static_cast<size_t>(block[in]) << 4 | block[in + 1] >> 4;
        if (offset == 0) {
            if (length - in < 4)
                ThrowReadError();
            const size_t run = (static_cast<size_t>(block[in + 1]) << 8 | block[in + 2]) + kMinRun;
            if (run > capacity - out)
                ThrowReadError();
            std::memset(output + out, block[in + 3], run);
            out += run;
            in += 4;
        } else {
            const size_t copy = (block[in + 1] & 0x0F) + kMinCopy;
            if (offset > out || copy > capacity - out)
                ThrowReadError();
            // Byte by byte: the source may overlap what this copy writes.
            for (size_t k = 0; k < copy; ++k)
                output[out + k] = output[out - offset + k];
            out += copy;
            in += 2;
        }
    }
    return out;
}
