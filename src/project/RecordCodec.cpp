#include "project/RecordCodec.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>

#include "project/RecordFields.h"
#include "project/TextCodec.h"

namespace vemora {

namespace {

class Encoder
{
  public:
    explicit Encoder(std::string& out) : out_(out) {}

    void operator()(const char*, int16_t value) { PutUnsigned(static_cast<uint16_t>(value), 2); }
    void operator()(const char*, float value) { PutUnsigned(std::bit_cast<uint32_t>(value), 4); }
    void operator()(const char*, const std::string& text, size_t width)
    {
        out_ += FitToWidth(text, width);
    }
    template <typename T, size_t N> void operator()(const char* name, const std::array<T, N>& a)
    {
        for (size_t i = 1; i < N; ++i)
            (*this)(name, a[i]);
    }
    void operator()(const char* name, const std::array<std::array<float, 7>, 4>& curve)
    {
        for (size_t point = 1; point <= 6; ++point)
            for (size_t value = 1; value <= 3; ++value)
                (*this)(name, curve[value][point]);
    }

  private:
    void PutUnsigned(uint32_t bits, int bytes)
    {
        for (int i = 0; i < bytes; ++i)
            out_ += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    std::string& out_;
};

class Decoder
{
  public:
    explicit Decoder(const char* bytes) : bytes_(bytes) {}

    void operator()(const char*, int16_t& value)
    {
        value = static_cast<int16_t>(static_cast<uint16_t>(GetUnsigned(2)));
    }
    void operator()(const char*, float& value) { value = std::bit_cast<float>(GetUnsigned(4)); }
    void operator()(const char*, std::string& text, size_t width)
    {
        text.assign(bytes_ + pos_, width);
        pos_ += width;
    }
    template <typename T, size_t N> void operator()(const char* name, std::array<T, N>& a)
    {
        for (size_t i = 1; i < N; ++i)
            (*this)(name, a[i]);
    }
    void operator()(const char* name, std::array<std::array<float, 7>, 4>& curve)
    {
        for (size_t point = 1; point <= 6; ++point)
            for (size_t value = 1; value <= 3; ++value)
                (*this)(name, curve[value][point]);
    }
    size_t Position() const { return pos_; }

  private:
    uint32_t GetUnsigned(int bytes)
    {
        uint32_t bits = 0;
        for (int i = 0; i < bytes; ++i)
            bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes_[pos_ + i])) << (8 * i);
        pos_ += bytes;
        return bits;
    }
    const char* bytes_;
    size_t pos_ = 0;
};

} // namespace

std::string EncodeRecord(const ProjectRecord& rec)
{
    std::string out;
    out.reserve(ProjectRecord::Size);
    ForEachRecordField(rec, Encoder(out));
    if (out.size() != ProjectRecord::Size) throw std::logic_error("project record layout");
    return out;
}

ProjectRecord DecodeRecord(const char* bytes)
{
    ProjectRecord rec;
    Decoder decoder(bytes);
    ForEachRecordField(rec, decoder);
    if (decoder.Position() != ProjectRecord::Size) throw std::logic_error("project record layout");
    return rec;
}

} // namespace vemora
