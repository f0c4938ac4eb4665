// Every German text the window and its programs show a person, UTF-8, one
// file a concept: the programs' help, usage and error messages
// (messages_programs.h); the main window's title, labels, progress dialog,
// menus, cell tooltips and pasting (messages_window.h); the report,
// practice and picture windows (messages_views.h); the files the window
// opens and saves (messages_files.h); the help and the about box
// (messages_help.h); the report's hover tips (messages_reading.h). One
// place, so the wording stays consistent and no English slips through;
// the tests compare these texts exactly.
//
// Elsewhere, because a lower layer cannot reach this one: the report's
// lines, the practice sheet's judgements and the picture's labels (solve/
// and plot/, Latin-1), and the file layer's reasons and GLPK's checks
// (files/); the programs print them as those layers word them. The grids'
// headings and the footer stand in ui/headings.h, blanks counted to the
// pixel.
#pragma once

#include "ui/messages_files.h"
#include "ui/messages_help.h"
#include "ui/messages_programs.h"
#include "ui/messages_views.h"
#include "ui/messages_window.h"
