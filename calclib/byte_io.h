// Field-by-field little-endian encoding of the binary work files.
//
// A record's image is described once, by a function template that hands each
// field in file order to an "io" object (see result_images.h). The same
// description then writes the image (ByteWriter), reads it back (ByteReader)
// and counts its bytes at compile time (ByteCounter), so the byte layout, the
// reader and the writer cannot drift apart. Integers are 32-bit two's
// complement, reals IEEE doubles, both least significant byte first whatever
// the host; texts are code page 932 bytes ended by a NUL in a field of fixed
// room.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace wtn {

inline constexpr std::size_t kIntBytes = 4;
inline constexpr std::size_t kRealBytes = 8;

// Counts the bytes of an image; usable in constant expressions.
class ByteCounter {
  public:
    constexpr void field(const std::int32_t&) { bytes_ += kIntBytes; }
    constexpr void field(const double&) { bytes_ += kRealBytes; }
    template <class T, std::size_t N> constexpr void field(const std::array<T, N>& values) {
        for (const T& v : values)
            field(v);
    }
    constexpr void text(const std::string&, std::size_t room) { bytes_ += room; }
    constexpr void reserved(std::size_t count) { bytes_ += count; }
    constexpr std::size_t bytes() const { return bytes_; }

  private:
    std::size_t bytes_ = 0;
};

// Bytes of a fixed-size image, from the same description the reader and
// writer use: Fields takes a ByteCounter and an R.
template <class R, auto Fields> constexpr std::size_t image_bytes() {
    ByteCounter counter;
    R record{};
    Fields(counter, record);
    return counter.bytes();
}

// Appends fields to a byte image.
class ByteWriter {
  public:
    ByteWriter() = default;
    // An image of known size is built in one buffer of that size: growing it
    // would copy the image into fresh memory at every doubling.
    explicit ByteWriter(std::size_t image_bytes) { bytes_.reserve(image_bytes); }

    void field(const std::int32_t& value);
    void field(const double& value);
    template <class T, std::size_t N> void field(const std::array<T, N>& values) {
        if constexpr (N > 0 && (std::is_same_v<T, double> || std::is_same_v<T, std::int32_t>)) {
            run(values.data(), N);
        } else {
            for (const T& v : values)
                field(v);
        }
    }
    // count reals in a row, as field() on each would write them.
    void reals(const double* values, std::size_t count) { run(values, count); }
    // text in a field of room bytes: cut to room - 1 bytes without splitting
    // a double-byte character, then NUL-filled, so a reader always finds the
    // terminator.
    void text(const std::string& value, std::size_t room);
    // Alignment gaps of the image: written as zeros, never read.
    void reserved(std::size_t count);

    const std::string& bytes() const { return bytes_; }
    // False when a real that is NaN or infinite was written: such a value is a
    // calculation fault and must not reach a result file.
    bool all_finite() const { return all_finite_; }

  private:
    // A run of count fields, as field() on each would write them.
    void run(const std::int32_t* values, std::size_t count);
    void run(const double* values, std::size_t count);

    std::string bytes_;
    bool all_finite_ = true;
};

// Takes fields from a byte image. Reading past the end leaves the field at 0
// (or empty) and makes complete() false; the caller refuses the image then.
class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    void field(std::int32_t& value);
    void field(double& value);
    template <class T, std::size_t N> void field(std::array<T, N>& values) {
        if constexpr (N > 0 && (std::is_same_v<T, double> || std::is_same_v<T, std::int32_t>)) {
            run(values.data(), N);
        } else {
            for (T& v : values)
                field(v);
        }
    }
    // The text up to the first NUL of a field of room bytes.
    void text(std::string& value, std::size_t room);
    void reserved(std::size_t count);

    // True while every field was inside the image.
    bool complete() const { return complete_; }
    // False when a real read was NaN or infinite (a damaged image).
    bool all_finite() const { return all_finite_; }
    std::size_t position() const { return position_; }

  private:
    bool take(std::size_t count, const char*& at);
    // A run of count fields, as field() on each would read them.
    void run(std::int32_t* values, std::size_t count);
    void run(double* values, std::size_t count);

    std::string_view bytes_;
    std::size_t position_ = 0;
    bool complete_ = true;
    bool all_finite_ = true;
};

} // namespace wtn
