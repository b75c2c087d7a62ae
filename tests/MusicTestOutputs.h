#pragma once
// The real player without a sound card: an output that renders at a steady pace into nothing,
// and one that cannot be opened.

#include "music/SynthEngine.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace musictest {

inline constexpr int kBlockFrames = 512;
inline constexpr int kSampleRate = music::SynthEngine::kSampleRate;

// Renders a block every block's length of time, `speed` times faster than real time.
class PacedOutput : public music::AudioOutput {
public:
    PacedOutput(music::RenderFunction render, double speed)
        : m_thread([this, render = std::move(render), speed] {
              std::vector<float> left(kBlockFrames), right(kBlockFrames);
              const auto period = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                  std::chrono::duration<double>(kBlockFrames / (kSampleRate * std::max(0.01, speed))));
              auto next = std::chrono::steady_clock::now();
              while (m_running) {
                  render(kBlockFrames, left.data(), right.data());
                  next += period;
                  std::this_thread::sleep_until(next);
              }
          }) {}
    ~PacedOutput() override {
        m_running = false;
        m_thread.join();
    }

private:
    std::atomic<bool> m_running{true};
    std::thread m_thread;
};

inline music::OutputFactory pacedOutput(double speed = 1.0) {
    return [speed](music::RenderFunction render) { return std::make_unique<PacedOutput>(std::move(render), speed); };
}

inline music::OutputFactory noOutput() {
    return [](music::RenderFunction) { return std::unique_ptr<music::AudioOutput>(); };
}

} // namespace musictest
