// Every German text the window and its programs show a person, UTF-8, one
// file a concept: the programs' help, usage and error messages
// (messages_programs.h); the window's title, progress dialog, menus,
// report, practice and picture windows and pasting (messages_window.h); the
// files it opens and saves (messages_files.h); the help and the about box
// (messages_help.h); the report's hover tips (messages_reading.h). One place,
// so the wording stays consistent and no English slips through; the tests
// compare these texts exactly.
//
// Elsewhere, because a lower layer cannot reach this one or the text is the
// window's fixed face: the report's lines, the practice sheet's judgements
// and the picture's labels (solve/ and plot/, Latin-1); the file layer's
// reasons and GLPK's checks (files/); the main window's labels and the
// grids' headings and footer (ui/window/tform1.cpp, ui/headings.h); the
// reasons in a faulty cell's tooltip (ui/fault_reason.cpp).
#pragma once

#include "ui/messages_files.h"
#include "ui/messages_help.h"
#include "ui/messages_programs.h"
#include "ui/messages_window.h"
