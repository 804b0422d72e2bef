#pragma once
// What both fuzz targets share: settings in a scratch folder and a model built once.

#include "radio/Radio.h"

// A model holding a new data set, its settings in a scratch folder.
CVR500Radio& FuzzModel();
// Stops the run so libFuzzer keeps the input that broke a rule.
[[noreturn]] void Broken(const char* rule);
