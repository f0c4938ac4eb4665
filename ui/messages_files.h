// The texts of the files the window opens and saves: the dialogs' titles
// and filters, why a file cannot be opened or saved, and the questions
// before changes are lost or a file changed elsewhere is overwritten.
#pragma once

#include <string>
#include <string_view>

namespace pivora::messages {

extern const char* const kOpenTitle;
extern const char* const kOpenFilter;
extern const char* const kSaveTitle;
extern const char* const kSaveFilter;

// `name` as ShownFileName gives it, `reason` as the file layer words it;
// `existed`: a file of that name was there and is unchanged.
std::string CannotSave(std::string_view name, std::string_view reason, bool existed);
// The question before a save overwrites a file that changed on disk since
// this window opened or saved it; its buttons are kOverwrite, kSaveAs and
// kCancel.
std::string ChangedOnDisk(std::string_view name);
extern const char* const kOverwrite;
extern const char* const kCancel;
// The question when closing (or replacing) an unchanged problem whose file
// was overwritten from elsewhere: the window holds the only copy.
std::string OnlyCopyLeft(std::string_view name);
// A problem saved under a model's ending would be read back as a model.
std::string NotAModelName(std::string_view name);
// The window's settings file could not be written; `reason` may be empty.
std::string CannotStoreSettings(std::string_view name, std::string_view reason);
// The name came from the disk in another encoding than UTF-8.
std::string NameNotUtf8(std::string_view name);
// Why the file `name` cannot be opened: `reason` as the model reader or the
// file layer words it; for a problem file that cannot be read, the line
// `line` and the reader's `reason`.
std::string CannotOpenModel(std::string_view name, std::string_view reason);
std::string CannotOpenFile(std::string_view name, std::string_view reason);
std::string NotAProblem(std::string_view name, int line, std::string_view reason);
// Before a note of a model's legend, in the objective row heading's tip.
extern const char* const kNotePrefix;
// The question before a changed problem is closed or replaced; its buttons
// are kSave, kDiscard and kCancel.
extern const char* const kSaveChanges;
extern const char* const kDiscard;

}  // namespace pivora::messages
