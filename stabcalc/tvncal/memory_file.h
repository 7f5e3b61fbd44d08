// A work file kept in memory while a run tries its candidates, and put in
// place on disk once: written under a temporary name and renamed, so the
// folder never holds half a file or a file of an earlier candidate. The file
// of the previous run is set aside under the temporary name when the run
// starts and written over at the end: creating a new file instead makes the
// file system search past every file deleted in the last seconds.
#pragma once

#include <cstdio>
#include <string>

namespace wtn {

class MemoryFile {
  public:
    MemoryFile();
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    // The stream the work-file writers write to; empty again after clear(),
    // which keeps its buffer for the next candidate.
    std::FILE* stream() { return stream_; }
    void clear();

    // Writes the bytes to name through a temporary file renamed into place.
    // False, with neither file left, when it cannot be written.
    bool save_as(const std::string& name);

  private:
    void open();
    void close();

    std::FILE* stream_ = nullptr;
    char* buffer_ = nullptr;
    std::size_t size_ = 0;
};

// Name of the temporary file save_as writes before renaming it.
std::string temporary_name_of(const std::string& name);

// Moves name, if there is one, to its temporary name, so that a run that
// stops leaves no file of an earlier input under name and save_as can write
// over the old file.
void set_aside(const std::string& name);

// Removes what set_aside moved away or save_as left under the temporary name
// of name, when a run stops before its work files are saved.
void remove_set_aside(const std::string& name);

} // namespace wtn
