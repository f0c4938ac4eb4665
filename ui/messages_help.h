// The texts of the help window (F1) and the about box.
#pragma once

namespace pivora::messages {

extern const char* const kHelpTitle;
// The help window's page, HTML: every key, the rules of a cell, the file format.
extern const char* const kHelpPage;
extern const char* const kAboutTitle;
extern const char* const kAboutText;

}  // namespace pivora::messages
