// Writing a whole file all or nothing, for every file the window and the
// programs write: problems, reports, pictures.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pivora {

// Replaces the file at `path` with `bytes`, or creates it. The bytes go to
// a new file beside it (a short name of its own, so a target whose name is
// as long as the system allows still has one), which is written in full,
// flushed to the disk and closed, each step checked; only then is it
// renamed over the old file, which keeps its permissions. A symbolic link
// is followed to the file it names. On any failure the old file stays as
// it was, the new one is removed, and the German reason comes back
// (GermanFileError's sentence; UTF-8); none on success.
std::optional<std::string> WriteWholeFile(const std::string& path, std::string_view bytes);

}  // namespace pivora
