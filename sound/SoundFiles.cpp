#include "sound/SoundFiles.h"

#include <windows.h>

#include <utility>

#include "base/ExecutableFiles.h"
#include "base/FileStreams.h"
#include "base/SystemText.h"
#include "base/core/PathText.h"
#include "sound/core/SoundSynthesis.h"

namespace rolva {

const char* const kSoundFileNames[3] = {"motor.wav", "knock.wav", "click.wav"};

namespace {

const char* ProblemText(WavProblem problem)
{
    switch (problem) {
    case WavProblem::None:
        break;
    case WavProblem::ReadFailed:
        return "ファイルを読み込めませんでした。";
    case WavProblem::NotWave:
        return "WAV形式のファイルではありません。";
    case WavProblem::NoFormat:
        return "音声の形式が書かれていません。";
    case WavProblem::NotPcm:
        return "圧縮された音声です。非圧縮（PCM）の音声だけを使えます。";
    case WavProblem::Channels:
        return "モノラルかステレオの音声だけを使えます。";
    case WavProblem::Bits:
        return "8ビットか16ビットの音声だけを使えます。";
    case WavProblem::Rate:
        return "サンプリング周波数が8000Hzから96000Hzまでの音声だけを使えます。";
    case WavProblem::NoSamples:
        return "音声のデータがありません。";
    case WavProblem::TooLong:
        return "60秒より長い音声は使えません。";
    }
    return "";
}

}  // namespace

std::string SoundFolderBesideExecutable()
{
    const std::string executable = FileBesideExecutable(".exe");
    return JoinFolderPath(PathFolder(executable, IsSystemLeadByte), "sounds", IsSystemLeadByte);
}

LoadedSounds LoadSounds(const std::string& folder)
{
    auto sounds = std::make_shared<SoundSet>(BuiltInSounds());
    Sound* const slots[3] = {&sounds->motor, &sounds->knock, &sounds->click};
    LoadedSounds loaded;
    for (int i = 0; i < 3 && !folder.empty(); ++i) {
        const std::string path = JoinFolderPath(folder, kSoundFileNames[i], IsSystemLeadByte);
        const DWORD attributes = FileAttributesOf(path);
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        FileByteSource file(path, FileSharing::Anyone);
        WavAudio audio;
        const WavProblem problem = file.IsOpen() ? DecodeWav(file, &audio) : WavProblem::ReadFailed;
        if (problem != WavProblem::None) {
            loaded.problems.push_back({path, problem});
            continue;
        }
        // A sound shorter than two samples at the mixer's rate has nothing to loop or play.
        Sound converted = ToMixerSound(audio);
        if (converted.samples.size() < 2) {
            loaded.problems.push_back({path, WavProblem::NoSamples});
            continue;
        }
        *slots[i] = std::move(converted);
    }
    loaded.sounds = std::move(sounds);
    return loaded;
}

std::string SoundProblemsMessage(const std::vector<SoundFileProblem>& problems)
{
    if (problems.empty())
        return "";
    std::string text = "次の音声ファイルは使えないため、代わりに組み込みの音を使います。";
    for (const SoundFileProblem& problem : problems)
        text += "\r\n\r\n" + problem.path + "\r\n" + ProblemText(problem.problem);
    return text;
}

}  // namespace rolva
