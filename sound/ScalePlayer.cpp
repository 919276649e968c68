#include "ScalePlayer.h"

#include "SoundSchemeTable.h"

namespace {
constexpr int OCTAVE = 12;
constexpr int MAX_SLOTS = 10;
constexpr int ENTRIES = 24;
} // namespace

ScalePlayer::ScalePlayer(PlayerState& state, ISoundOutput& output, const SoundSchemeTable& schemes,
                         std::function<int()> rootNote)
    : m_state(state), m_output(output), m_schemes(schemes), m_rootNote(std::move(rootNote))
{
    for (auto& slot : m_samples) {
        for (std::atomic<int>& sample : slot) {
            sample = ISoundOutput::NOT_DECODED;
        }
    }
}

ScalePlayer::~ScalePlayer()
{
    Halt();
}

int ScalePlayer::PeriodMs(int bpm)
{
    if (bpm < 1) {
        return 0;
    }
    return static_cast<int>(60000.0 / bpm);
}

ScalePlayer::StartResult ScalePlayer::Start(int scheme, int bpm)
{
    m_state.scheme = scheme;
    m_state.bpm = bpm;
    m_state.position = 0;
    if (scheme <= 0) {
        return StartResult::NoScheme;
    }
    // Whatever chain is still going ends here, so a restart leaves exactly one; once this
    // returns no beat of it runs, and the run is ours to set.
    m_output.CancelBeats();

    const int period = PeriodMs(bpm);
    m_state.periodMs = period;
    if (period < 1) {
        m_state.stopped = true;
        return StartResult::NoTempo;
    }
    Decode(scheme);

    m_state.position = 0;
    switch (m_state.direction.load()) {
    case PlayDirection::Up:
        break;
    case PlayDirection::Down:
        m_state.position = OCTAVE;
        break;
    case PlayDirection::UpAndDown:
        m_state.step = 1;
        break;
    case PlayDirection::None:
        break;
    }
    m_state.stopped = false;
    if (!m_output.ScheduleBeat(period, *this)) {
        m_state.stopped = true;
        return StartResult::QueueFull;
    }
    return StartResult::Started;
}

void ScalePlayer::Stop()
{
    m_state.stopped = true;
}

void ScalePlayer::Halt()
{
    m_state.stopped = true;
    m_output.CancelBeats();
}

bool ScalePlayer::SetTempo(int bpm)
{
    m_state.bpm = bpm;
    const int period = PeriodMs(bpm);
    m_state.periodMs = period;
    return period < 1 || m_output.RetimeBeat(period);
}

void ScalePlayer::SetScheme(int scheme)
{
    Decode(scheme);
    m_state.scheme = scheme;
}

void ScalePlayer::Decode(int scheme)
{
    if (scheme < 1 || scheme >= MAX_SLOTS) {
        return;
    }
    for (int entry = 0; entry < ENTRIES; ++entry) {
        const std::string& path = m_schemes.Path(scheme, entry);
        m_samples[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(entry)] =
            path.empty() ? ISoundOutput::NOT_DECODED : m_output.Preload(path);
    }
}

bool ScalePlayer::InRun(int position) const
{
    return position >= OCTAVE ||
           (position >= 0 && m_state.inRun[static_cast<std::size_t>(position)]);
}

bool ScalePlayer::Advance()
{
    int position = m_state.position;
    bool ended = false;
    switch (m_state.direction.load()) {
    case PlayDirection::Up:
        if (++position > OCTAVE) {
            position = 0;
            ended = true;
        }
        break;
    case PlayDirection::Down:
        if (--position < 0) {
            position = OCTAVE;
            ended = true;
        }
        break;
    case PlayDirection::UpAndDown: {
        int step = m_state.step;
        position += step;
        if (position > OCTAVE) {
            position = OCTAVE - 1;
            step = -1;
        } else if (position < 0) {
            position = 1;
            step = 1;
            ended = true;
        }
        m_state.step = step;
        break;
    }
    case PlayDirection::None:
        break;
    }
    m_state.position = position;
    if (ended && !m_state.loop) {
        m_state.stopped = true;
        return true;
    }
    return false;
}

void ScalePlayer::OnBeat()
{
    if (m_state.stopped) {
        return;
    }
    // Any run reaches the octave or an end within two rounds; a run that cannot reach a note
    // at all (no direction and the root not played) ends here without a sound.
    int steps = 0;
    while (!InRun(m_state.position)) {
        if (Advance()) {
            return;
        }
        if (++steps > 2 * (OCTAVE + 1)) {
            m_state.stopped = true;
            return;
        }
    }

    const int scheme = m_state.scheme;
    const int entry = m_rootNote() + m_state.position;
    if (scheme >= 1 && scheme < MAX_SLOTS && entry >= 0 && entry < ENTRIES) {
        // A sample not decoded yet sounds the alert in its place. Inside a beat nothing is
        // queued, so the note is always taken.
        (void)m_output.PlayPreloaded(
            m_samples[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(entry)]);
    }
    Advance();

    const int period = PeriodMs(m_state.bpm);
    m_state.periodMs = period;
    if (period >= 1) {
        (void)m_output.ScheduleBeat(period, *this);
    }
}
