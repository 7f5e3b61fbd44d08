#include "byte_io.h"

#include "cp932_codec.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace wtn {

namespace {

// On a little-endian host the file's bytes of a field, or of a run of fields,
// are the bytes of the values in memory, so they are copied in one piece.
constexpr bool kHostIsLittleEndian = std::endian::native == std::endian::little;

// Little-endian bytes of value, appended as one run rather than byte by byte.
void put_le(std::string& bytes, std::uint64_t value, std::size_t count) {
    char run[sizeof(std::uint64_t)];
    if constexpr (kHostIsLittleEndian) {
        std::memcpy(run, &value, sizeof run);
    } else {
        for (std::size_t i = 0; i < count; ++i) {
            run[i] = static_cast<char>(static_cast<unsigned char>(value & 0xFFU));
            value >>= 8U;
        }
    }
    bytes.append(run, count);
}

std::uint64_t get_le(const char* at, std::size_t count) {
    std::uint64_t value = 0;
    if constexpr (kHostIsLittleEndian) {
        std::memcpy(&value, at, count);
    } else {
        for (std::size_t i = count; i > 0; --i) {
            value = (value << 8U) | static_cast<unsigned char>(at[i - 1]);
        }
    }
    return value;
}

} // namespace

void ByteWriter::field(const std::int32_t& value) {
    put_le(bytes_, static_cast<std::uint32_t>(value), kIntBytes);
}

void ByteWriter::field(const double& value) {
    if (!std::isfinite(value)) all_finite_ = false;
    put_le(bytes_, std::bit_cast<std::uint64_t>(value), kRealBytes);
}

void ByteWriter::run(const std::int32_t* values, std::size_t count) {
    if constexpr (kHostIsLittleEndian && sizeof(std::int32_t) == kIntBytes) {
        bytes_.append(reinterpret_cast<const char*>(values), count * kIntBytes);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            field(values[i]);
    }
}

void ByteWriter::run(const double* values, std::size_t count) {
    if constexpr (kHostIsLittleEndian && sizeof(double) == kRealBytes) {
        for (std::size_t i = 0; i < count; ++i) {
            if (!std::isfinite(values[i])) all_finite_ = false;
        }
        bytes_.append(reinterpret_cast<const char*>(values), count * kRealBytes);
    } else {
        for (std::size_t i = 0; i < count; ++i)
            field(values[i]);
    }
}

void ByteWriter::text(const std::string& value, std::size_t room) {
    if (room == 0) return;
    std::size_t kept = cp932_fit(value, room - 1);
    // A NUL inside the text would end it early for the reader anyway.
    std::size_t nul = value.find('\0');
    if (nul != std::string::npos && nul < kept) kept = nul;
    bytes_.append(value, 0, kept);
    bytes_.append(room - kept, '\0');
}

void ByteWriter::reserved(std::size_t count) {
    bytes_.append(count, '\0');
}

bool ByteReader::take(std::size_t count, const char*& at) {
    if (!complete_ || bytes_.size() - position_ < count) {
        complete_ = false;
        return false;
    }
    at = bytes_.data() + position_;
    position_ += count;
    return true;
}

void ByteReader::field(std::int32_t& value) {
    const char* at = nullptr;
    value = 0;
    if (!take(kIntBytes, at)) return;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(get_le(at, kIntBytes)));
}

void ByteReader::field(double& value) {
    const char* at = nullptr;
    value = 0.0;
    if (!take(kRealBytes, at)) return;
    value = std::bit_cast<double>(get_le(at, kRealBytes));
    if (!std::isfinite(value)) {
        all_finite_ = false;
        value = 0.0;
    }
}

void ByteReader::run(std::int32_t* values, std::size_t count) {
    const char* at = nullptr;
    if (kHostIsLittleEndian && sizeof(std::int32_t) == kIntBytes && complete_ &&
        bytes_.size() - position_ >= count * kIntBytes && take(count * kIntBytes, at)) {
        std::memcpy(values, at, count * kIntBytes);
        return;
    }
    for (std::size_t i = 0; i < count; ++i)
        field(values[i]);
}

void ByteReader::run(double* values, std::size_t count) {
    const char* at = nullptr;
    if (kHostIsLittleEndian && sizeof(double) == kRealBytes && complete_ &&
        bytes_.size() - position_ >= count * kRealBytes && take(count * kRealBytes, at)) {
        std::memcpy(values, at, count * kRealBytes);
        for (std::size_t i = 0; i < count; ++i) {
            if (!std::isfinite(values[i])) {
                all_finite_ = false;
                values[i] = 0.0;
            }
        }
        return;
    }
    for (std::size_t i = 0; i < count; ++i)
        field(values[i]);
}

void ByteReader::text(std::string& value, std::size_t room) {
    const char* at = nullptr;
    value.clear();
    if (!take(room, at)) return;
    std::size_t length = 0;
    while (length < room && at[length] != '\0')
        ++length;
    value.assign(at, length);
}

void ByteReader::reserved(std::size_t count) {
    const char* at = nullptr;
    take(count, at);
}

} // namespace wtn
