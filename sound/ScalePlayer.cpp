#include "ScalePlayer.h"

#include "SoundSchemeTable.h"

#include <algorithm>

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
        for (auto& octave : slot) {
            for (std::atomic<int>& sample : octave) {
                sample = ISoundOutput::NOT_DECODED;
            }
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

bool ScalePlayer::SampleFor(int pitch, int& entry, int& octaves)
{
    const int above = pitch - LOW_A_PITCH;
    octaves = 0;
    if (above < 0) {
        octaves = -((-above + OCTAVE - 1) / OCTAVE);
    } else if (above >= ENTRIES) {
        octaves = (above - ENTRIES) / OCTAVE + 1;
    }
    entry = above - OCTAVE * octaves;
    return octaves >= -MAX_OCTAVES && octaves <= MAX_OCTAVES;
}

void ScalePlayer::SetPractice(const PracticeSettings& practice)
{
    m_nextPractice = practice.Bounded();
}

void ScalePlayer::SetPattern(std::vector<int> pitches)
{
    m_nextPattern = std::move(pitches);
}

void ScalePlayer::SetClickSamples(const std::string& tick, const std::string& accent)
{
    m_tickPath = tick;
    m_accentPath = accent;
}

void ScalePlayer::SetPassLimit(int passes)
{
    m_nextPassLimit = std::max(passes, 0);
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
    m_practice = m_nextPractice;
    m_pattern = m_nextPattern;
    m_passLimit = m_nextPassLimit;
    if (m_practice.pattern && m_pattern.empty()) {
        m_state.stopped = true;
        return StartResult::NoPattern;
    }
    if (m_practice.trainer) {
        bpm = m_practice.startBpm;
        m_state.bpm = bpm;
    }

    const int period = PeriodMs(bpm);
    m_state.periodMs = period;
    if (period < 1) {
        m_state.stopped = true;
        return StartResult::NoTempo;
    }
    Decode(scheme);
    m_tick = m_tickPath.empty() ? ISoundOutput::NOT_DECODED : m_output.Preload(m_tickPath);
    m_accent = m_accentPath.empty() ? ISoundOutput::NOT_DECODED : m_output.Preload(m_accentPath);

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
    m_beat = 0;
    m_countInLeft = m_practice.countInBars * m_practice.beatsPerBar;
    m_passesDone = 0;
    m_passAhead = true;
    m_patternNote = 0;
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
    if (m_practice.trainer) {
        m_state.bpm = m_practice.startBpm;
        m_state.periodMs = PeriodMs(m_practice.startBpm);
    }
}

void ScalePlayer::Halt()
{
    Stop();
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
    auto& slot = m_samples[static_cast<std::size_t>(scheme)];
    for (int entry = 0; entry < ENTRIES; ++entry) {
        const std::string& path = m_schemes.Path(scheme, entry);
        slot[MAX_OCTAVES][static_cast<std::size_t>(entry)] =
            path.empty() ? ISoundOutput::NOT_DECODED : m_output.Preload(path);
    }
    // The pattern's notes beyond the scheme's two octaves play its samples moved by octaves.
    for (int pitch : m_pattern) {
        int entry = 0;
        int octaves = 0;
        if (SampleFor(pitch, entry, octaves) && octaves != 0) {
            const std::string& path = m_schemes.Path(scheme, entry);
            slot[static_cast<std::size_t>(octaves + MAX_OCTAVES)][static_cast<std::size_t>(entry)] =
                path.empty() ? ISoundOutput::NOT_DECODED : m_output.PreloadMoved(path, octaves);
        }
    }
}

bool ScalePlayer::InRun(int position) const
{
    return position >= OCTAVE ||
           (position >= 0 && m_state.inRun[static_cast<std::size_t>(position)]);
}

bool ScalePlayer::Step()
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
    return ended;
}

bool ScalePlayer::EndPass()
{
    ++m_passesDone;
    m_passAhead = true;
    if (!m_state.loop || (m_passLimit > 0 && m_passesDone >= m_passLimit)) {
        m_state.stopped = true;
        return true;
    }
    return false;
}

bool ScalePlayer::Advance()
{
    return Step() && EndPass();
}

void ScalePlayer::Click(int beat, bool countIn)
{
    if ((!countIn && !m_practice.click) || m_practice.clickLevel <= 0) {
        return;
    }
    const bool accent = m_practice.accent && beat % m_practice.beatsPerBar == 0;
    // Inside a beat nothing is queued, so the click is always taken.
    (void)m_output.PlayClick(accent ? m_accent : m_tick, float(m_practice.clickLevel) / 100.0f);
}

void ScalePlayer::OnBeat()
{
    if (m_state.stopped) {
        return;
    }
    const int beat = m_beat++;
    if (m_countInLeft > 0) {
        --m_countInLeft;
        Click(beat, true);
        ScheduleNext();
        return;
    }

    int pitch = 0;
    if (m_practice.pattern) {
        pitch = m_pattern[m_patternNote];
    } else {
        // Any run reaches the octave or an end within two rounds; a run that cannot reach a
        // note at all (no direction and the root not played) ends here without a sound.
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
        const int entry = m_rootNote() + m_state.position;
        pitch = entry >= 0 && entry < ENTRIES ? LOW_A_PITCH + entry : -1;
    }
    if (m_passAhead) {
        // The tempo changes only where a pass begins, and holds through it.
        m_passAhead = false;
        if (m_practice.trainer) {
            m_state.bpm = m_practice.TrainerBpm(m_passesDone);
        }
    }

    int entry = 0;
    int octaves = 0;
    const int scheme = m_state.scheme;
    if (pitch >= 0 && scheme >= 1 && scheme < MAX_SLOTS && SampleFor(pitch, entry, octaves)) {
        // A sample not decoded yet sounds the alert in its place. Inside a beat nothing is
        // queued, so the note is always taken.
        (void)m_output.PlayNote(
            m_samples[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(
                octaves + MAX_OCTAVES)][static_cast<std::size_t>(entry)],
            pitch);
    }
    Click(beat, false);

    if (m_practice.pattern) {
        if (++m_patternNote == m_pattern.size()) {
            m_patternNote = 0;
            EndPass();
        }
    } else {
        Advance();
    }
    ScheduleNext();
}

void ScalePlayer::ScheduleNext()
{
    const int period = PeriodMs(m_state.bpm);
    m_state.periodMs = period;
    if (period >= 1) {
        (void)m_output.ScheduleBeat(period, *this);
    }
}
