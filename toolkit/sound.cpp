#include "toolkit/sound.h"

#include <windows.h>
#include <mmsystem.h>

namespace tk {

namespace {

SoundObserver& Observer() {
  static SoundObserver observer;
  return observer;
}

void Request(SoundRequest request, const std::wstring& path, DWORD flags) {
  if (Observer()) Observer()(request, path);
  if (!HasWaveOutput()) return;
  if (request == SoundRequest::StopAll) {
    PlaySoundW(nullptr, nullptr, SND_PURGE);
    return;
  }
  if (path.empty()) return;
  PlaySoundW(path.c_str(), nullptr, flags | SND_FILENAME | SND_NODEFAULT);
}

}  // namespace

void SetSoundObserver(SoundObserver observer) { Observer() = std::move(observer); }

bool HasWaveOutput() { return waveOutGetNumDevs() > 0; }

void PlaySoundSync(const std::wstring& path) { Request(SoundRequest::PlaySync, path, SND_SYNC); }

void PlaySoundLooping(const std::wstring& path) {
  Request(SoundRequest::PlayLooping, path, SND_ASYNC | SND_LOOP);
}

void StopAllSounds() { Request(SoundRequest::StopAll, std::wstring(), 0); }

}  // namespace tk
