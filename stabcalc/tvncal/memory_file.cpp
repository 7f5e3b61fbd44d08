#include "memory_file.h"

#include "file_replace.h"

#include <cstdio>
#include <cstdlib>
#include <new>

namespace wtn {

MemoryFile::MemoryFile() {
    open();
}

MemoryFile::~MemoryFile() {
    close();
}

void MemoryFile::open() {
    stream_ = open_memstream(&buffer_, &size_);
    if (stream_ == nullptr) throw std::bad_alloc();
}

void MemoryFile::close() {
    if (stream_ != nullptr) std::fclose(stream_);
    stream_ = nullptr;
    std::free(buffer_);
    buffer_ = nullptr;
    size_ = 0;
}

void MemoryFile::clear() {
    // Writing again from the start keeps the buffer the earlier candidate
    // grew: the stream's size follows its position.
    if (std::fflush(stream_) == 0 && std::fseek(stream_, 0, SEEK_SET) == 0) return;
    close();
    open();
}

std::string temporary_name_of(const std::string& name) {
    return name + ".TMP~";
}

void set_aside(const std::string& name) {
    const std::string temporary = temporary_name_of(name);
    if (std::rename(name.c_str(), temporary.c_str()) != 0) std::remove(name.c_str());
}

void remove_set_aside(const std::string& name) {
    std::remove(temporary_name_of(name).c_str());
}

bool MemoryFile::save_as(const std::string& name) {
    if (std::fflush(stream_) != 0) return false;
    const std::string temporary = temporary_name_of(name);
    std::FILE* file = open_rewrite(temporary);
    if (file == nullptr) return false;
    const bool written = std::fwrite(buffer_, 1, size_, file) == size_;
    const bool closed = close_rewrite(file);
    if (!written || !closed || std::rename(temporary.c_str(), name.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace wtn
