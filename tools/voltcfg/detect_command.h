// The sound-card detection on files and device names given on the command line, as the
// shell would run it at start-up on a machine that had them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "config/check_blaster.h"

struct DetectionInputs {
  std::optional<std::string> autoexec;  // nothing: no such file
  std::optional<std::string> detlog;
  std::optional<std::string> aux;  // nothing: no such device
  std::optional<std::string> midi;
};

// Takes "--autoexec FILE", "--detlog FILE", "--aux NAME" and "--midi NAME" out of the
// arguments, leaving the others in order; false on an option without its value.
bool TakeDetectionOptions(int argc, char** argv, DetectionInputs& inputs,
                          std::vector<std::string>& rest);

// Runs the detection; a found card becomes the Sound Setup defaults. The record keeps its
// initial values when nothing was found.
bool DetectInto(const DetectionInputs& inputs, KzBlasterRecord& record);

// "found=1 address=0x220 midi=0x330 irq=5 dma8=1 dma16=5 emu=-1\n", then the [Sound Setup]
// section of the defaults as the writer emits it.
std::string DetectionReport(bool found, const KzBlasterRecord& record);
