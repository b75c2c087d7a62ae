#include "MusicTestOutputs.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace musictest {

namespace {

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

} // namespace

music::OutputFactory pacedOutput(double speed) {
    return [speed](music::RenderFunction render) { return std::make_unique<PacedOutput>(std::move(render), speed); };
}

music::OutputFactory noOutput() {
    return [](music::RenderFunction) { return std::unique_ptr<music::AudioOutput>(); };
}

music::FluidPlayer::Options quickOptions(double speed) {
    music::FluidPlayer::Options options;
    options.output = pacedOutput(speed);
    options.pollInterval = std::chrono::milliseconds(20);
    return options;
}

} // namespace musictest
