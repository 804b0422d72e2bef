#pragma once
// The end every channel import in the window shares (a file, the frequency library): the
// planned rows go into the data as one change and the user hears what happened.

#include "radio/Csv.h"

class CMainFrame;
class CVR500Radio;
class Prompt;

// Writes plan into copy and, when anything was written, copy into radio; reports refusals,
// rows left out and cut names under caption. True when channels were written.
bool FinishImport(CMainFrame& frame, Prompt& prompt, CVR500Radio& radio, CVR500Radio& copy,
                  const csv::Plan& plan, bool skipRefused, const QString& caption);
