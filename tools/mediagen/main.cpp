// The media generator: writes the program's pictures, icons, sounds and the logo video into one
// folder.
//   mediagen OUTPUT_FOLDER
#include <cstdio>
#include <filesystem>
#include <string>

#include "avi.h"
#include "palette.h"
#include "logo_video.h"
#include "pictures.h"
#include "png.h"
#include "sounds.h"
#include "writers.h"

namespace {

struct Accent {
  const char* file;
  Rgba colour;
};

// One icon per setup page (resources 102 to 107), the window icon (100) and the activity
// chooser's picture (101).
const Accent kIcons[] = {
    {"voltrane.ico", {255, 170, 40, 255}},      {"tab_screen.ico", {90, 200, 255, 255}},
    {"tab_keyboard.ico", {120, 230, 120, 255}}, {"tab_joystick.ico", {255, 110, 110, 255}},
    {"tab_system.ico", {200, 200, 210, 255}},   {"tab_mouse.ico", {230, 140, 255, 255}},
    {"tab_sound.ico", {255, 220, 90, 255}},     {"chooser.ico", {120, 200, 200, 255}},
};

bool Write(const std::filesystem::path& folder, const std::string& name, const Bytes& bytes) {
  if (WriteFile((folder / name).string(), bytes)) return true;
  std::fprintf(stderr, "mediagen: cannot write %s\n", (folder / name).string().c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: mediagen OUTPUT_FOLDER\n");
    return 2;
  }
  const std::filesystem::path out = argv[1];
  const std::filesystem::path kzr = out / "KzR";
  std::filesystem::create_directories(kzr);
  bool ok = Write(out, "background.bmp", EncodeBmp8Rle(Background()));
  ok &= Write(out, "face.bmp", EncodeBmp8(ButtonPanel()));
  for (const Accent& icon : kIcons)
    ok &=
        Write(out, icon.file, EncodeIco({Emblem(32, icon.colour, 0), Emblem(16, icon.colour, 0)}));
  // The program's icon for the desktop entry that the Linux start script ships with.
  ok &= Write(out, "voltrane.png", EncodePng(Emblem(64, kIcons[0].colour, 0)));
  for (int frame = 0; frame < 4; ++frame)
    ok &= Write(kzr, "g_spd" + std::to_string(frame + 1) + ".ico",
                EncodeIco({Emblem(64, Rgba{255, 170, 40, 255}, frame)}));
  ok &= Write(kzr, "flag.wav", EncodeWav(Fanfare(), kSampleRate));
  ok &= Write(kzr, "swith.wav", EncodeWav(SwitchClick(), kSampleRate));
  ok &= Write(kzr, "logo.wav", EncodeWav(DroneLoop(), kSampleRate));
  ok &= Write(kzr, "logo.avi", EncodeAviRle8(LogoFrames(), kLogoFramesPerSecond));
  return ok ? 0 : 1;
}
