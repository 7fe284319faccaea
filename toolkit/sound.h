// Wave sounds. Every request is skipped when the system has no wave output device, and an
// empty path plays nothing (never the system's default sound).
#pragma once

#include <functional>
#include <string>

namespace tk {

enum class SoundRequest { PlaySync, PlayLooping, StopAll };

// Sees every request, including the skipped ones, before it is carried out (for tests).
using SoundObserver = std::function<void(SoundRequest, const std::wstring& path)>;
void SetSoundObserver(SoundObserver observer);

bool HasWaveOutput();
void PlaySoundSync(const std::wstring& path);
void PlaySoundLooping(const std::wstring& path);
void StopAllSounds();

}  // namespace tk
