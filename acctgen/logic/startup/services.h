#pragma once
// What start-up and the Create run reach the world through.

#include "acctgen/logic/startup/line_sorter.h"
#include "acctgen/logic/startup/progress_sink.h"
#include "runtime/clock.h"
#include "runtime/dialogs.h"
#include "runtime/files.h"
#include "runtime/random_source.h"
#include "runtime/shell.h"

namespace acctgen {

struct Services {
  rt::Files& files;
  rt::Dialogs& dialogs;
  rt::Shell& shell;
  rt::Clock& clock;
  rt::RandomSource& random;  // the unique passwords
  ProgressSink& progress;
  LineSorter& sorter;  // the existing accounts, once at start-up
};

}  // namespace acctgen
