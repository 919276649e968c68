#include "ProcessSound.h"

#include "SdlSoundOutput.h"

#include <memory>
#include <mutex>

namespace {

std::mutex& OutputMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::unique_ptr<SdlSoundOutput>& Output()
{
    static std::unique_ptr<SdlSoundOutput> output;
    return output;
}

} // namespace

ISoundOutput& ProcessSoundOutput()
{
    std::lock_guard lock(OutputMutex());
    auto& output = Output();
    if (!output) {
        output = std::make_unique<SdlSoundOutput>(SdlSoundOutput::OptionsFromEnvironment());
    }
    return *output;
}

void CloseProcessSoundOutput()
{
    std::unique_ptr<SdlSoundOutput> closing;
    {
        std::lock_guard lock(OutputMutex());
        closing = std::move(Output());
    }
}
