#pragma once

#include <filesystem>
#include <string>

// The folder that `pinto --home` keeps the program's files in. A folder used for the first time
// gets a "pinto_ss.dat" that lists the default sound scheme installed with the program, so "Play
// it" and "Tune up" sound at once; the samples stay where they were installed. A list whose every
// scheme has gone gets the default scheme added.
class WorkFolder
{
public:
    /// Environment variable that names the folder; when unset or empty the folder is HOME/Pinto.
    static constexpr const char* kHomeVariable = "PINTO_HOME";
    /// File name of the default sound scheme inside the data folder's sounds/ folder.
    static constexpr const char* kDefaultScheme = "plucked-string.scheme";

    /// The folder for --home: pintoHome when set and not empty, else home/Pinto; an empty path
    /// when neither is known. Either may be null (variable unset).
    static std::filesystem::path Choose(const char* pintoHome, const char* home);

    /// File name of the scale vocabulary inside the data folder.
    static constexpr const char* kScaleVocabulary = "scales/families.txt";

    /// The file relative (such as kScaleVocabulary) of the program whose executable is program,
    /// in the first data folder that holds it: the installed one (<prefix>/share/pinto for
    /// <prefix>/bin/pinto) before the build folder's (share/pinto beside the program); an empty
    /// path when neither holds it.
    static std::filesystem::path DataFile(const std::filesystem::path& program,
                                          const std::filesystem::path& relative);
    /// The default sound scheme of program: DataFile of sounds/<kDefaultScheme>.
    static std::filesystem::path DefaultScheme(const std::filesystem::path& program);
    /// The executable of the running process; empty when it cannot be told.
    static std::filesystem::path RunningProgram();

    /// Creates folder when missing and, when it holds no pinto_ss.dat, writes one that lists
    /// scheme; a list none of whose schemes can be read gets scheme added at its end, its own
    /// lines left as they are. Nothing is written for an empty scheme, and a read-only list is
    /// left alone. False, with a one-line reason in error, when the folder cannot be created or
    /// written in.
    static bool Prepare(const std::filesystem::path& folder, const std::filesystem::path& scheme,
                        std::string& error);

    /// Removes what rewrites killed before their end left beside the files the window rewrites
    /// in the current folder (pinto_c.dat, pinto_s.dat, pinto_p.dat), as a rewrite itself does
    /// first: only stale temporaries of ours (FileReplacer::RemoveStaleTemporaries).
    static void RemoveStaleTemporaries();

    /// Everything --home does before the window opens: chooses the folder from the environment,
    /// prepares it with the running program's default scheme and makes it the current folder.
    /// False, with a one-line reason in error, when the folder cannot be used.
    static bool Enter(std::string& error);
};
