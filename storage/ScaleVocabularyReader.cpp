#include "ScaleVocabularyReader.h"

#include "RecordFile.h"
#include "TextReader.h"

#include <charconv>
#include <optional>
#include <sstream>

namespace {

const char* const SPACE = " \t\r\v\f";

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(SPACE);
    if (first == std::string::npos) {
        return std::string();
    }
    return text.substr(first, text.find_last_not_of(SPACE) - first + 1);
}

// A decimal number filling the whole word.
std::optional<int> Number(const std::string& word)
{
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (word.empty() || ec != std::errc() || ptr != end) {
        return std::nullopt;
    }
    return value;
}

// Semitones "0 2 3 ..." as degree flags: 0 first, rising, each 0..11.
std::optional<std::array<int, 12>> Notes(const std::string& text)
{
    std::array<int, 12> degrees{};
    std::istringstream words(text);
    std::string word;
    int previous = -1;
    while (words >> word) {
        const std::optional<int> degree = Number(word);
        if (!degree || *degree <= previous || *degree > 11 || (previous < 0 && *degree != 0)) {
            return std::nullopt;
        }
        degrees[static_cast<std::size_t>(*degree)] = 1;
        previous = *degree;
    }
    if (previous < 0) {
        return std::nullopt;
    }
    return degrees;
}

class Parser
{
public:
    explicit Parser(std::vector<std::string>& errors) : errors(errors) {}

    void Line(int number, const std::string& line)
    {
        lineNumber = number;
        const std::string text = Trimmed(line);
        if (text.empty() || text.front() == '#') {
            return;
        }
        const std::size_t space = text.find_first_of(SPACE);
        const std::string keyword = text.substr(0, space);
        const std::string value = space == std::string::npos ? "" : Trimmed(text.substr(space));
        if (keyword == "family") {
            Family(value);
        } else if (keyword == "scale") {
            Scale(value);
        } else if (!pending) {
            Fault("'" + keyword + "' outside a scale");
        } else if (keyword == "notes") {
            const std::optional<std::array<int, 12>> degrees = Notes(value);
            if (!degrees) {
                Spoil("notes must rise from 0 to at most 11");
            } else {
                pending->degrees = *degrees;
                hasNotes = true;
            }
        } else if (keyword == "alias") {
            if (value.empty() || Name(value) != value) {
                Spoil("an alias needs a name of at most 99 characters");
            } else {
                pending->aliases.push_back(value);
            }
        } else if (keyword == "mode") {
            Mode(value);
        } else if (keyword == "source") {
            pending->source = value;
        } else {
            Spoil("unknown word '" + keyword + "'");
        }
    }

    ScaleVocabulary Finish()
    {
        Close();
        // A family whose scales were all left out is not offered either.
        ScaleVocabulary result;
        for (ScaleFamily& family : vocabulary.families) {
            if (family.scales.empty()) {
                continue;
            }
            for (int index : family.scales) {
                vocabulary.scales[static_cast<std::size_t>(index)].family =
                    static_cast<int>(result.families.size());
            }
            result.families.push_back(std::move(family));
        }
        result.scales = std::move(vocabulary.scales);
        return result;
    }

private:
    static std::string Name(const std::string& value) { return RecordFile::CleanName(value); }

    void Fault(const std::string& what)
    {
        errors.push_back("line " + std::to_string(lineNumber) + ": " + what);
    }

    // A fault in the scale being read: it is left out.
    void Spoil(const std::string& what)
    {
        Fault(what);
        spoiled = true;
    }

    void Family(const std::string& name)
    {
        Close();
        if (name.empty()) {
            Fault("a family needs a name");
            return;
        }
        vocabulary.families.push_back(ScaleFamily{name, {}});
    }

    void Scale(const std::string& name)
    {
        Close();
        if (vocabulary.families.empty()) {
            Fault("scale '" + name + "' before the first family");
            return;
        }
        pending = VocabularyScale{};
        pending->name = name;
        pendingLine = lineNumber;
        if (name.empty() || Name(name) != name) {
            Spoil("a scale needs a name of at most 99 characters");
        } else if (vocabulary.Find(name) >= 0) {
            Spoil("scale '" + name + "' is listed twice");
        }
    }

    void Mode(const std::string& value)
    {
        std::istringstream words(value);
        std::string number;
        std::string of;
        std::string parent;
        words >> number >> of;
        std::getline(words, parent);
        parent = Trimmed(parent);
        const std::optional<int> mode = Number(number);
        if (!mode || *mode < 1 || *mode > 12 ||
            (of.empty() ? !parent.empty() : of != "of" || parent.empty())) {
            Spoil("write a mode as 'mode N' or 'mode N of NAME', N 1..12");
            return;
        }
        pending->mode = *mode;
        pending->parent = parent;
    }

    // Ends the scale being read: kept when whole.
    void Close()
    {
        if (pending && !spoiled) {
            if (!hasNotes) {
                errors.push_back("line " + std::to_string(pendingLine) + ": scale '" +
                                 pending->name + "' has no notes");
            } else {
                vocabulary.families.back().scales.push_back(
                    static_cast<int>(vocabulary.scales.size()));
                vocabulary.scales.push_back(std::move(*pending));
            }
        }
        pending.reset();
        spoiled = false;
        hasNotes = false;
    }

    std::vector<std::string>& errors;
    ScaleVocabulary vocabulary;
    std::optional<VocabularyScale> pending;
    bool spoiled = false;
    bool hasNotes = false;
    int lineNumber = 0;
    int pendingLine = 0;
};

} // namespace

ScaleVocabulary ScaleVocabularyReader::Parse(const std::string& text,
                                             std::vector<std::string>& errors)
{
    Parser parser(errors);
    TextReader reader(text);
    for (int number = 1; !reader.AtEnd(); ++number) {
        parser.Line(number, reader.ReadLine());
    }
    return parser.Finish();
}

bool ScaleVocabularyReader::Read(const std::string& path, ScaleVocabulary& vocabulary,
                                 std::vector<std::string>& errors)
{
    const std::optional<std::string> text = TextReader::Load(path);
    if (!text) {
        vocabulary = ScaleVocabulary{};
        return false;
    }
    vocabulary = Parse(*text, errors);
    return true;
}
