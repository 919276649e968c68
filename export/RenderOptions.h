#pragma once

#include "DiagramOptions.h"
#include "Instrument.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What `pinto --render FILE [options]` was asked to draw, read from the command line without Qt.
class RenderOptions
{
public:
    enum class Format
    {
        Png, // screen layout, raster image
        Svg, // screen layout, vector drawing
        Pdf, // printed layout on one page
        Wav, // the run played, as the sound card plays it
        Mid  // the run played, as a Standard MIDI File
    };

    // The way through the scale's run of --direction.
    enum class Direction
    {
        Up,
        Down,
        UpAndDown
    };

    enum class Book
    {
        None,  // one diagram
        Keys,  // the scale on all 12 roots
        Family // every scale of the scale's family on the root
    };

    enum class Labels
    {
        Degrees, // degree names ("1 ", "-3", or as diagram.degreeNaming says) on the dots
        Notes,   // note names ("A ", "C#", ...) on the dots
        None     // plain dots
    };

    // Smallest and largest picture side of --size, in pixels.
    static constexpr int MIN_SIDE = 64;
    static constexpr int MAX_SIDE = 4096;
    // Smallest and largest --dpi, in device pixels per inch.
    static constexpr int MIN_DPI = 72;
    static constexpr int MAX_DPI = 4800;
    // The ranges of what a sound file plays: tempo (also of --trainer), passes, count-in bars,
    // beats per bar, the trainer's step and passes between steps.
    static constexpr int MIN_BPM = 10;
    static constexpr int MAX_BPM = 600;
    static constexpr int MAX_PASSES = 999;
    static constexpr int MAX_COUNT_IN = 2;
    static constexpr int MAX_BEATS = 12;
    static constexpr int MAX_STEP = 50;
    static constexpr int MAX_EVERY = 99;

    // One option of the command line: its name, whether it takes a value, and what it does with
    // it (false with a one-line error text when the value is unusable).
    struct Option
    {
        const char* name;
        bool takesValue;
        bool (*apply)(const std::string& value, RenderOptions& options, std::string& error);
    };

    // Reads the arguments after the program name into options, left to right; --help and
    // --version stop the reading and only set their flags. False with a one-line error text (no
    // line break, values shown safely) naming the first faulty argument.
    static bool Parse(const std::vector<std::string>& args, RenderOptions& options,
                      std::string& error);
    // The option called name (such as "--size"); null for no option of --render.
    static const Option* FindOption(std::string_view name);
    // The value of option name at args[i]: attached (after '=') or the next argument, which is
    // never taken when it starts with '-'; advances i past a value taken. False with error set.
    static bool TakeValue(const std::vector<std::string>& args, std::size_t& i,
                          const std::optional<std::string>& attached, const std::string& name,
                          std::string& value, std::string& error);
    // The error texts for an unknown option and for a word that is no option's value.
    static std::string UnknownOption(const std::string& arg);
    static std::string UnexpectedArgument(const std::string& arg);
    // Note number 0..11 counted from A for a name such as "A", "c#", "Bb" or "F𝄪" (see NoteName);
    // nothing for any other text.
    static std::optional<int> ParseNote(const std::string& text);
    // Usage text printed by --help, several lines ending in a line break.
    static std::string HelpText();

    bool help = false;                      // --help or -h was given
    bool version = false;                   // --version was given
    std::string file;                       // the picture to write (--render FILE)
    Format format = Format::Png;            // chosen by FILE's ending
    int width = 640;                        // picture width in pixels, MIN_SIDE..MAX_SIDE
    int height = 480;                       // picture height in pixels, MIN_SIDE..MAX_SIDE
    int dpi = 600;                          // PDF resolution, MIN_DPI..MAX_DPI
    bool letter = false;                    // PDF page US Letter instead of A4
    bool landscape = false;                 // PDF page turned sideways
    Book book = Book::None;                 // a PDF scale book instead of one diagram
    std::optional<Instrument> instrument;   // unset = from "pinto_c.dat" or default
    std::optional<int> strings;             // string count, checked against the instrument later
    std::optional<std::vector<int>> tuning; // open notes 0..11, lowest string first
    int root = 0;                           // scale root, note number 0..11 (A)
    std::optional<std::string> scaleName;   // library scale to show
    std::optional<std::array<int, 12>> degrees; // scale given degree by degree (1 = in the scale)
    std::optional<std::string> overlayName;     // library scale shown as the overlay
    int overlayRoot = 0;                        // overlay root, note number 0..11 (A)
    bool common = false;                        // overlay shows only the shared notes
    Labels labels = Labels::Degrees;            // what the dots are labelled with
    bool noColor = false;                       // every dot white
    bool noMarkers = false;                     // no fret position markers
    // Left-handed, low string on top, spelling, frets, names, look, colours (light unless dark),
    // capo and range of frets.
    DiagramOptions diagram;

    std::optional<std::string> tuningPreset; // a preset's name: instrument, strings and tuning
    std::optional<std::string> patternName;  // library pattern placed at its first match

    // What a .wav or .mid file plays: the scale's run (or the pattern) as Play It would.
    int bpm = 120;                             // tempo, MIN_BPM..MAX_BPM
    Direction direction = Direction::Up;       // the way through the scale's run
    int passes = 1;                            // runs played, 1..MAX_PASSES
    int countInBars = 0;                       // bars of click before the first note
    bool click = false;                        // a click on every beat
    int beatsPerBar = 4;                       // 1..MAX_BEATS, the first one accented
    std::optional<std::array<int, 4>> trainer; // start BPM, step, every N passes, target BPM
    bool soundOption = false;                  // an option only a sound file takes was given

    // True for the formats that play the run rather than draw the neck.
    bool IsSound() const { return format == Format::Wav || format == Format::Mid; }
};
