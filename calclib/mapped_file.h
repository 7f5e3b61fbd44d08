// A result file read in place: its bytes are mapped from the file system's
// cache instead of copied into fresh memory, where every page the copy
// touches costs a page fault of its own.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace wtn {

class MappedFile {
  public:
    // Maps name read-only; is_open() is false when it cannot be opened.
    explicit MappedFile(const std::string& name);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool is_open() const { return open_; }
    // The whole file (empty for an empty file).
    std::string_view bytes() const { return {static_cast<const char*>(data_), size_}; }

  private:
    bool open_ = false;
    void* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace wtn
