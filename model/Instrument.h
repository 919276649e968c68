#pragma once

#include <optional>
#include <string>
#include <vector>

// The instruments the neck is drawn for. The numbers are the ones "pinto_c.dat" keeps.
enum class Instrument
{
    Guitar = 1,
    Bass = 2,
    Mandolin = 3,
    Banjo = 4,
};

/// The instrument kept as number 1..4; nothing for any other number.
std::optional<Instrument> InstrumentFromNumber(int number);

/// The number "pinto_c.dat" keeps for instrument, 1..4.
int InstrumentNumber(Instrument instrument);

/// "Guitar", "Bass", "Mandolin" or "Banjo"; "" for a number that names no instrument.
std::string InstrumentName(Instrument instrument);

/// The instrument called name in any letter case ("banjo", "Banjo"); nothing for another word.
std::optional<Instrument> InstrumentNamed(const std::string& name);

/// The string counts instrument may have, fewest first (Guitar 6-7, Bass 4-6, Mandolin 4,
/// Banjo 4-5); none for a number that names no instrument.
std::vector<int> AllowedStringCounts(Instrument instrument);

/// True when instrument may have stringCount strings.
bool IsAllowedStringCount(Instrument instrument, int stringCount);

/// The string count that comes with choosing instrument: 6, 4, 4, 5; 6 for no known instrument.
int DefaultStringCount(Instrument instrument);

/// The string count after delta steps of the count's arrows (negative adds strings, positive
/// takes them away), each step one string within the counts instrument allows; unchanged for a
/// number that names no instrument.
int StepStringCount(Instrument instrument, int stringCount, int delta);

/// The standard tuning of instrument with stringCount strings, as Configure and `--instrument`
/// string it: note numbers 0..11 from A, string 0 (the lowest line) first; empty for a count the
/// instrument does not have.
std::vector<int> StandardTuning(Instrument instrument, int stringCount);

/// The tuning the window starts with when "pinto_c.dat" holds no list that fits: the standard
/// tuning, except that the five- and six-string bass start as the guitar's lowest strings.
std::vector<int> StartupTuning(Instrument instrument, int stringCount);

/// The first fret of string 0, the five-string banjo's short string (5), whose nut sits at that
/// fret; 0 for every other instrument and count, whose strings all start at the nut.
int ShortStringFret(Instrument instrument, int stringCount);

/// True when instrument marks fret 10 (and 22) where the guitar and bass mark 9 (and 21): the
/// mandolin and the banjo.
bool MarksTenthFret(Instrument instrument);
