// One reader of the system under the coverage-guided fuzzer. Each harness
// runs its reader on the bytes of one input as the program does: the bytes
// become the file the program opens in its current folder, and the reader is
// called through the same functions. A stop of the program (ProgramStop of
// the batch programs, DataError of the front end) is an ordinary outcome.
// Only a crash, a sanitizer report, a hang, an exception no program catches
// or a non-finite value reaching a writer is a finding: the harness aborts.
#pragma once

#include <string>
#include <vector>

namespace wtn::fuzz {

// Defined by each harness. prepare runs once in the empty work folder, before
// the first input; run_one runs the reader on one input.
void prepare();
void run_one(const std::string& bytes);

// Files of the work folder (the program's current folder).
void write_file(const std::string& name, const std::string& bytes);
std::string read_file(const std::string& name);
// A file of the installed program folder of the source tree, copied into the
// work folder under the same name.
void copy_installed(const std::string& name);
std::string installed_text(const std::string& name);
// The path of a file or folder of the installed program folder of the source tree.
std::string installed_path(const std::string& name);

// Aborts (a finding) when value is infinite or not a number.
void require_finite(double value, const char* what);
// Aborts when an unquoted comma field of a written line is a non-finite
// number as printf writes one ("nan", "-inf", ...).
void require_finite_fields(const std::vector<std::string>& lines, const char* what);
// Aborts when what was written from an accepted input, read and written
// again, is not the same (a value the reader accepts but the writer cannot
// give back, or the reverse).
void require_same_lines(const std::vector<std::string>& first,
                        const std::vector<std::string>& again, const char* what);
// The lines of a written work-folder file (CR LF or LF).
std::vector<std::string> file_lines(const std::string& name);

} // namespace wtn::fuzz
