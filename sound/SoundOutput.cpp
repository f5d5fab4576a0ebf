#include "sound/SoundOutput.h"

#include <windows.h>
#include <mmsystem.h>

#include <atomic>
#include <memory>
#include <vector>

#include "base/Handles.h"

namespace rolva {

namespace {

constexpr int kBufferSamples = kSoundRate / 100;  // 10 ms
// Three keep a cue within 30 ms of the roll's step; more would survive a longer stall of the
// thread but be heard later.
constexpr int kBuffersQueued = 3;
// How long to wait before trying a device again that failed or went away.
constexpr DWORD kRetryMs = 3000;
// No buffer back from the device for this long: it has gone away.
constexpr DWORD kStalledMs = 500;
// Longest wait on the UI thread for the mixer's thread to end.
constexpr DWORD kLongestStopMs = 2000;

SoundBoard gBoard;

struct OutputThread {
    KernelHandle thread;
    KernelHandle stop;  // set to end the thread
};
OutputThread gOutput;

std::atomic<int> gVolume{100};
std::atomic<bool> gFailed{false};
std::atomic<long> gBuffersPlayed{0};

// An open waveOut device with its buffers, closed (and the buffers taken back) on every path.
class WaveOutStream {
public:
    WaveOutStream() = default;
    WaveOutStream(const WaveOutStream&) = delete;
    WaveOutStream& operator=(const WaveOutStream&) = delete;
    ~WaveOutStream() { Close(); }

    bool Open(HANDLE bufferDone)
    {
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 1;
        format.nSamplesPerSec = kSoundRate;
        format.wBitsPerSample = 16;
        format.nBlockAlign = 2;
        format.nAvgBytesPerSec = kSoundRate * 2;
        if (waveOutOpen(&device_, WAVE_MAPPER, &format, reinterpret_cast<DWORD_PTR>(bufferDone), 0, CALLBACK_EVENT) !=
            MMSYSERR_NOERROR) {
            device_ = nullptr;
            return false;
        }
        for (int i = 0; i < kBuffersQueued; ++i) {
            headers_[i] = WAVEHDR{};
            headers_[i].lpData = reinterpret_cast<LPSTR>(samples_[i]);
            headers_[i].dwBufferLength = sizeof samples_[i];
            if (waveOutPrepareHeader(device_, &headers_[i], sizeof(WAVEHDR)) != MMSYSERR_NOERROR) {
                Close();
                return false;
            }
            prepared_ = i + 1;
            // Marked done, so the first round fills and queues every buffer.
            headers_[i].dwFlags |= WHDR_DONE;
        }
        return true;
    }

    // Fills every buffer the device has given back and queues it again; false when the device
    // refuses one.
    bool Refill(SoundMixer& mixer, SoundBoardReader& reader, bool* anyDone)
    {
        *anyDone = false;
        for (int i = 0; i < prepared_; ++i) {
            if (!(headers_[i].dwFlags & WHDR_DONE))
                continue;
            *anyDone = true;
            for (const SoundEvent& event : reader.Take(gBoard))
                mixer.Apply(event);
            mixer.SetVolume(gVolume.load());
            mixer.Render(samples_[i], kBufferSamples);
            headers_[i].dwFlags &= ~WHDR_DONE;
            if (waveOutWrite(device_, &headers_[i], sizeof(WAVEHDR)) != MMSYSERR_NOERROR)
                return false;
            ++gBuffersPlayed;
        }
        return true;
    }

    void Close()
    {
        if (!device_)
            return;
        waveOutReset(device_);  // gives every queued buffer back
        for (int i = 0; i < prepared_; ++i)
            waveOutUnprepareHeader(device_, &headers_[i], sizeof(WAVEHDR));
        prepared_ = 0;
        waveOutClose(device_);
        device_ = nullptr;
    }

private:
    HWAVEOUT device_ = nullptr;
    WAVEHDR headers_[kBuffersQueued] = {};
    std::int16_t samples_[kBuffersQueued][kBufferSamples] = {};
    int prepared_ = 0;
};

// Plays until stop is set or the device fails; true when stopped.
bool PlayUntilStoppedOrLost(HANDLE stop, SoundMixer& mixer, SoundBoardReader& reader)
{
    KernelHandle bufferDone(CreateEventA(nullptr, FALSE, FALSE, nullptr));
    WaveOutStream stream;
    if (!bufferDone || !stream.Open(bufferDone.Get()))
        return false;
    gFailed = false;
    DWORD lastBack = GetTickCount();
    for (;;) {
        bool anyDone = false;
        if (!stream.Refill(mixer, reader, &anyDone))
            return false;
        if (anyDone)
            lastBack = GetTickCount();
        else if (GetTickCount() - lastBack > kStalledMs)
            return false;
        const HANDLE waits[2] = {stop, bufferDone.Get()};
        if (WaitForMultipleObjects(2, waits, FALSE, kStalledMs) == WAIT_OBJECT_0)
            return true;
    }
}

// The thread's parameter: what it plays, and its stop event, its own from its start.
struct OutputStart {
    std::shared_ptr<const SoundSet> sounds;
    HANDLE stop = nullptr;
};

DWORD WINAPI OutputThreadProc(LPVOID parameter)
{
    const std::unique_ptr<OutputStart> start(static_cast<OutputStart*>(parameter));
    try {
        // Late buffers are heard as crackles; the thread does little, so it may go first.
        SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
        HANDLE stop = start->stop;
        SoundMixer mixer(start->sounds);
        // Turning the sound off and on, or new sound files, start a new output: the knocks of
        // the rolls before it are not heard now.
        SoundBoardReader reader(gBoard);
        for (;;) {
            if (PlayUntilStoppedOrLost(stop, mixer, reader))
                return 0;
            gFailed = true;
            // Meanwhile the board is still read, so a device that comes back plays what the signs
            // do then, not what they did while it was gone.
            for (DWORD waited = 0; waited < kRetryMs; waited += 100) {
                if (WaitForSingleObject(stop, 100) == WAIT_OBJECT_0)
                    return 0;
                for (const SoundEvent& event : reader.Take(gBoard))
                    mixer.Apply(event);
                std::int16_t scrap[kSoundRate / 10];
                mixer.Render(scrap, kSoundRate / 10);
            }
        }
    } catch (...) {
        // Out of memory while mixing: the program goes on without sound.
        gFailed = true;
    }
    return 0;
}

}  // namespace

SoundBoard& TheSoundBoard() { return gBoard; }

void StartSoundOutput(std::shared_ptr<const SoundSet> sounds, int volume)
{
    StopSoundOutput();
    gVolume = volume;
    gOutput.stop.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!gOutput.stop)
        return;
    auto start = std::make_unique<OutputStart>();
    start->sounds = std::move(sounds);
    start->stop = gOutput.stop.Get();
    gOutput.thread.Reset(CreateThread(nullptr, 0, OutputThreadProc, start.get(), 0, nullptr));
    if (gOutput.thread)
        start.release();  // the thread's now
    else
        gFailed = true;
}

void StopSoundOutput()
{
    if (!gOutput.thread)
        return;
    SetEvent(gOutput.stop.Get());
    if (WaitForSingleObject(gOutput.thread.Get(), kLongestStopMs) != WAIT_OBJECT_0) {
        // A driver that hangs in its reset: the thread is let go (the process's end takes it)
        // with its stop event left open, since it may still wait on it.
        gOutput.thread.Reset();
        gOutput.stop.Release();
        return;
    }
    gOutput.thread.Reset();
    gOutput.stop.Reset();
}

bool SoundOutputRunning() { return static_cast<bool>(gOutput.thread); }

void SetSoundOutputVolume(int volume) { gVolume = volume; }

bool SoundOutputFailed() { return gFailed.load(); }

long SoundBuffersPlayed() { return gBuffersPlayed.load(); }

}  // namespace rolva
