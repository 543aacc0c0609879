#include "speech/engine.h"

namespace speech {

struct Engine::Impl {
};

Engine::Engine() = default;
Engine::~Engine() = default;

void Engine::Speak(std::wstring_view) {}
void Engine::Stop() {}
void Engine::Wait() {}
bool Engine::IsSilent() { return true; }

void PlayTone(int, int, int) {}

} // namespace speech
